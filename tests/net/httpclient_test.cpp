#include "net/httpclient.h"
#include "net/pagetext.h"

#include "support/httpfixture.h"
#include "support/rawhttpserver.h"
#include "support/namedcase.h"

#include <QBuffer>
#include <QHttpServerResponder>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::PrintTo;

using namespace Qt::StringLiterals;
using net::HttpClient;
using net::HttpError;

class HttpClientTest : public ::testing::Test {
protected:
    testsupport::HttpFixture server;
    testsupport::RawHttpServer raw;
    HttpClient client{u"IdHTTP1"_s};
};

TEST_F(HttpClientTest, getReturnsTheBodyAndSendsTheClientHeaders)
{
    server.serveBytes(u"/page"_s, "hello");
    EXPECT_EQ(client.get(server.url(u"/page?code=600036"_s)), "hello");
    const auto request = server.lastRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->method, "GET");
    EXPECT_EQ(request->query, u"code=600036"_s);
    EXPECT_EQ(request->header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(request->header("Accept"), "text/html, */*");
    EXPECT_EQ(request->header("Connection"), "close");
    EXPECT_EQ(request->header("Accept-Encoding"), "identity");
    EXPECT_EQ(request->header("Content-Type"), "text/html");
    EXPECT_FALSE(client.busy());
}

TEST_F(HttpClientTest, redirectsAreFollowed)
{
    server.serveRedirect(u"/old"_s, server.url(u"/new"_s));
    server.serveRedirect(u"/relative"_s, u"/new"_s, 301);
    server.serveBytes(u"/new"_s, "moved here");
    EXPECT_EQ(client.get(server.url(u"/old"_s)), "moved here");
    EXPECT_EQ(client.get(server.url(u"/relative"_s)), "moved here");
}

TEST_F(HttpClientTest, cookiesAreKeptPerClient)
{
    server.serveCookieSetter(u"/login"_s, "sid=abc123; Path=/");
    server.serveCookieEcho(u"/echo"_s);
    HttpClient other(u"IdHTTP2"_s);
    client.get(server.url(u"/login"_s));
    EXPECT_EQ(client.get(server.url(u"/echo"_s)), "sid=abc123");
    EXPECT_EQ(other.get(server.url(u"/echo"_s)), "");
}

TEST_F(HttpClientTest, formBodyIsPercentEncodedFromGbkBytes)
{
    server.serveBytes(u"/gpjg.asp"_s, "成功");
    client.post(server.url(u"/gpjg.asp"_s),
                {{u"name"_s, u"招商银行"_s}, {u"tjly"_s, u"a b&c=d"_s}, {u"ly"_s, u"荐股理由：好"_s}});
    const auto request = server.lastRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->method, "POST");
    EXPECT_EQ(request->header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request->body, "name=%D5%D0%C9%CC%D2%F8%D0%D0&tjly=a%20b%26c%3Dd"
                             "&ly=%BC%F6%B9%C9%C0%ED%D3%C9%A3%BA%BA%C3");
    // A post sets the client's read time-out for this and later requests.
    EXPECT_EQ(client.readTimeout(), HttpClient::postReadTimeoutMsecs);
}

TEST_F(HttpClientTest, readTimeOutFailsTheRequestAndTheClientStaysUsable)
{
    raw.neverAnswer();
    client.setReadTimeout(300);
    EXPECT_THROW(client.get(raw.url()), HttpError);
    EXPECT_FALSE(client.busy());
    server.serveBytes(u"/next"_s, "next");
    EXPECT_EQ(client.get(server.url(u"/next"_s)), "next");
}

struct FailureCase {
    const char* name;
    std::function<void(testsupport::RawHttpServer&)> arrange;
};

class BrokenReplies : public ::testing::TestWithParam<FailureCase> {};

TEST_P(BrokenReplies, areFailures)
{
    testsupport::RawHttpServer raw;
    GetParam().arrange(raw);
    HttpClient client(u"IdHTTP5"_s);
    client.setReadTimeout(5000);
    EXPECT_THROW(client.get(raw.url()), HttpError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenReplies,
    ::testing::Values(
        FailureCase{"connection cut midway through a declared length",
                    [](auto& raw) { raw.cutMidway(1000, QByteArray(10, 'a')); }},
        FailureCase{"connection cut midway through a chunk",
                    [](auto& raw) {
                        raw.replyRaw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                     "100\r\nonly a few bytes",
                                     50);
                    }},
        FailureCase{"connection closed before any reply",
                    [](auto& raw) { raw.replyRaw(QByteArray()); }},
        FailureCase{"server error status",
                    [](auto& raw) {
                        raw.replyRaw("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0"
                                     "\r\n\r\n");
                    }},
        FailureCase{"not found",
                    [](auto& raw) {
                        raw.replyRaw("HTTP/1.1 404 Not Found\r\nContent-Length: 2\r\n\r\nno");
                    }}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(HttpClientTest, addressesOtherThanHttpAreRefused)
{
    for (const QString& address : {u"ftp://127.0.0.1/x"_s, u"file:///etc/passwd"_s, u""_s,
                                   u"javascript:alert(1)"_s})
        EXPECT_THROW(client.get(address), HttpError) << address.toStdString();
}

TEST_F(HttpClientTest, aReplyOverTheCapFailsWhileMemoryStaysBounded)
{
    client.setMaxReplyBytes(1024 * 1024);
    const qint64 huge = 100LL * 1024 * 1024;
    raw.stream(huge, false);
    EXPECT_THROW(client.get(raw.url()), HttpError);
    // The client gave up near the cap instead of taking in the 100 MB.
    EXPECT_LT(raw.streamedBytes(), 20LL * 1024 * 1024);

    testsupport::RawHttpServer declared;
    declared.stream(huge, true);
    EXPECT_THROW(client.get(declared.url()), HttpError);
    EXPECT_LT(declared.streamedBytes(), 20LL * 1024 * 1024);
}

TEST_F(HttpClientTest, aReplyOfExactlyTheCapPasses)
{
    client.setMaxReplyBytes(4096);
    server.serveBytes(u"/full"_s, QByteArray(4096, 'x'));
    server.serveBytes(u"/over"_s, QByteArray(4097, 'x'));
    EXPECT_EQ(client.get(server.url(u"/full"_s)).size(), 4096);
    EXPECT_THROW(client.get(server.url(u"/over"_s)), HttpError);
}

TEST_F(HttpClientTest, pictureIsWrittenIntoTheSink)
{
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14);
    server.serveBytes(u"/chart.gif"_s, gif, "image/gif");
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    client.get(server.url(u"/chart.gif"_s), sink);
    EXPECT_EQ(sink.data(), gif);
}

// While a request waits, timers keep firing (the window keeps working), and a second request on
// the busy client is refused instead of being started on top of the first.
TEST_F(HttpClientTest, timersRunDuringAWaitAndASecondRequestIsRefused)
{
    raw.replyRaw("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nslow", 300);
    server.serveBytes(u"/other"_s, "other");
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    bool refused = false;
    QByteArray nested;
    QTimer::singleShot(50, [&] {
        try {
            client.get(server.url(u"/other"_s));
        } catch (const net::ClientBusy&) {
            refused = true;
        }
        HttpClient free(u"IdHTTP3"_s);
        nested = free.get(server.url(u"/other"_s));
    });
    EXPECT_EQ(client.get(raw.url()), "slow");
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(refused);
    EXPECT_EQ(nested, "other");
    EXPECT_EQ(server.requestCount(u"/other"_s), 1);
}

// A window may close (and destroy its client) from an event handled during the wait.
TEST(HttpClientLifetime, clientDestroyedDuringItsRequestFailsCleanly)
{
    testsupport::RawHttpServer raw;
    raw.neverAnswer();
    auto owner = std::make_unique<QObject>();
    auto* client = new HttpClient(u"IdHTTP1"_s, owner.get());
    QTimer::singleShot(50, [&] { owner.reset(); });
    EXPECT_THROW(client->get(raw.url()), HttpError);
    EXPECT_FALSE(owner);
}

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    net::Encoding encoding;
};

class InvalidReplyBytes : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(InvalidReplyBytes, failTheDecode)
{
    testsupport::HttpFixture server;
    server.serveBytes(u"/page"_s, GetParam().bytes);
    HttpClient client(u"IdHTTP2"_s);
    EXPECT_THROW(net::fetchText(client, server.url(u"/page"_s), GetParam().encoding),
                 net::DecodeError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidReplyBytes,
    ::testing::Values(DecodeCase{"GBK four-byte sequence", "ok\x81\x30\x81\x30", net::Encoding::Gbk},
                      DecodeCase{"GBK lead byte cut off at the end", "ok\xc4", net::Encoding::Gbk},
                      DecodeCase{"UTF-8 overlong", "ok\xc0\x80", net::Encoding::Utf8},
                      DecodeCase{"UTF-8 cut off at the end", "ok\xe4\xbd", net::Encoding::Utf8},
                      DecodeCase{"GBK bytes read as UTF-8", "\xd5\xd0\xc9\xcc", net::Encoding::Utf8}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
