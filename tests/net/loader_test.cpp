#include "net/guard.h"
#include "net/loader.h"
#include "net/pagetext.h"

#include "support/httpfixture.h"
#include "support/rawhttpserver.h"
#include "support/namedcase.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

using namespace Qt::StringLiterals;

class LoaderTest : public ::testing::Test {
protected:
    LoaderTest()
    {
        server.serveGbk(u"/ok"_s, u"<b>招商银行</b>"_s);
        server.serveBytes(u"/badgbk"_s, "\x81\x30\x81\x30");
        server.serveStatus(u"/missing"_s, 404);
    }

    testsupport::HttpFixture server;
    net::HttpClient client{u"IdHTTP2"_s};
    int failures = 0;
    std::function<void()> onFailure = [this] { ++failures; };
};

TEST_F(LoaderTest, successReturnsTheValueWithoutTheFailureAction)
{
    const QString page = net::runLoader(
        client, [&] { return net::fetchText(client, server.url(u"/ok"_s)); }, onFailure);
    EXPECT_EQ(page, u"<b>招商银行</b>"_s);
    EXPECT_EQ(failures, 0);
}

struct LoaderFailure {
    const char* name;
    std::function<void(net::HttpClient&, const testsupport::HttpFixture&)> work;
};

class LoaderFailures : public LoaderTest, public ::testing::WithParamInterface<LoaderFailure> {};

TEST_P(LoaderFailures, runTheFailureActionOnceAndAbortSilently)
{
    QStringList stored;
    EXPECT_THROW(net::runLoader(
                     client,
                     [&] {
                         stored.append(u"before"_s);
                         GetParam().work(client, server);
                     },
                     onFailure),
                 net::SilentAbort);
    EXPECT_EQ(failures, 1);
    // What was stored before the failure stays; the client serves the next loader.
    EXPECT_EQ(stored, QStringList({"before"}));
    EXPECT_EQ(net::fetchText(client, server.url(u"/ok"_s)), u"<b>招商银行</b>"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoaderFailures,
    ::testing::Values(
        LoaderFailure{"HTTP error status",
                      [](auto& c, const auto& s) { net::fetchText(c, s.url(u"/missing"_s)); }},
        LoaderFailure{"invalid GBK reply",
                      [](auto& c, const auto& s) { net::fetchText(c, s.url(u"/badgbk"_s)); }},
        LoaderFailure{"no server",
                      [](auto& c, const auto&) { net::fetchText(c, u"http://127.0.0.1:1/"_s); }},
        LoaderFailure{"a cut that runs past the data",
                      [](auto&, const auto&) { (void)std::vector<int>().at(3); }},
        LoaderFailure{"any other exception",
                      [](auto&, const auto&) { throw std::runtime_error("number"); }}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(LoaderTest, silentAbortFromANestedLoaderPassesThroughUntouched)
{
    EXPECT_THROW(net::runLoader(client, [] { net::abortSilently(); }, onFailure),
                 net::SilentAbort);
    EXPECT_EQ(failures, 0);
}

// A loader that finds its client still waiting for another loader's reply ends silently without
// its failure action, and above all without disconnecting: that would cut the reply in flight.
TEST_F(LoaderTest, aRefusedRequestLeavesTheRequestInFlightAlone)
{
    testsupport::RawHttpServer slow;
    slow.replyRaw("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nslow", 300);
    bool aborted = false;
    QTimer::singleShot(20, [&] {
        try {
            net::runLoader(client, [&] { return net::fetchText(client, server.url(u"/ok"_s)); },
                           onFailure);
        } catch (const net::SilentAbort&) {
            aborted = true;
        }
    });
    EXPECT_EQ(client.get(slow.url()), "slow");
    EXPECT_TRUE(aborted);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(server.requestCount(u"/ok"_s), 0);
}

TEST_F(LoaderTest, aFailingFailureActionStillEndsInTheSilentAbort)
{
    EXPECT_THROW(net::runLoader(
                     client, [] { throw net::HttpError("down"); },
                     [] { throw std::runtime_error("message box failed"); }),
                 net::SilentAbort);
}

TEST_F(LoaderTest, theGuardSwallowsTheAbortAndReportsTheWorkUnfinished)
{
    bool after = false;
    const bool finished = net::runGuarded([&] {
        net::runLoader(client, [&] { return net::fetchText(client, server.url(u"/missing"_s)); },
                       onFailure);
        after = true;
    });
    EXPECT_FALSE(finished);
    EXPECT_FALSE(after);
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(net::runGuarded([] {}));
    EXPECT_FALSE(net::runGuarded([] { throw std::logic_error("unexpected"); }));
}

} // namespace
