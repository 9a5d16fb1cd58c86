// --webhook: every outbox message is posted as JSON, in outbox order, again with back-off while
// the webhook fails; delivered only on 2xx; a restarted server resumes what waits.
#include "server/phonekit.h"
#include "server/serverprocess.h"
#include "server/servicetestkit.h"
#include "service/webhooksender.h"
#include "support/httpfixture.h"
#include "support/namedcase.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QProcess>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using servertest::InProcessServer;
using service::OutboxEntry;
using service::WebhookSender;
using testsupport::PrintTo;

// A webhook receiver in the test process: answers `failing` posts with 500, then 200.
struct Receiver {
    struct Post {
        QJsonObject json;
        int status;
    };

    Receiver()
    {
        fixture.serve(QStringLiteral("/hook"), [this](const QHttpServerRequest& request, QHttpServerResponder& responder) {
            const int status = failing > 0 ? 500 : 200;
            if (failing > 0)
                --failing;
            posts.push_back({QJsonDocument::fromJson(request.body()).object(), status});
            responder.write(QHttpServerResponder::StatusCode(status));
        });
    }
    QString url() const { return fixture.url(QStringLiteral("/hook")); }
    std::vector<QJsonObject> accepted() const
    {
        std::vector<QJsonObject> list;
        for (const Post& post : posts) {
            if (post.status == 200)
                list.push_back(post.json);
        }
        return list;
    }

    testsupport::HttpFixture fixture;
    int failing = 0;
    std::vector<Post> posts;
};

bool allDelivered(service::ServiceStore& store)
{
    return store.undelivered(1).empty();
}

// An in-process server on the simulated market that posts to the receiver with these delays.
service::LantuoServer::Options postingTo(const Receiver& receiver, int firstRetryMsecs, int maxRetryMsecs)
{
    auto options = InProcessServer::marketOptions();
    options.webhook = receiver.url();
    options.webhookOptions.firstRetryMsecs = firstRetryMsecs;
    options.webhookOptions.maxRetryMsecs = maxRetryMsecs;
    return options;
}

struct DelayCase {
    const char* name;
    WebhookSender::Options options;
    std::vector<int> delays; // after 1, 2, 3 … failures in a row
};

class RetryDelayTest : public ::testing::TestWithParam<DelayCase> {};

TEST_P(RetryDelayTest, DoublesUpToTheLongest)
{
    std::vector<int> delays;
    for (int failures = 1; failures <= int(GetParam().delays.size()); ++failures)
        delays.push_back(WebhookSender::retryDelayMsecs(failures, GetParam().options));
    EXPECT_EQ(delays, GetParam().delays);
}

INSTANTIATE_TEST_SUITE_P(
    Schedules, RetryDelayTest,
    ::testing::Values(DelayCase{"Defaults", {}, {1000, 2000, 4000, 8000, 16000, 30000, 30000}},
                      DelayCase{"Short", {100, 1000, 10000}, {100, 200, 400, 800, 1000, 1000}},
                      DelayCase{"FirstAboveTheLongest", {90000, 60000, 10000}, {60000, 60000}}),
    testsupport::CaseName());

TEST(RetryDelayCapTest, AnEndlessRunOfFailuresStaysAtTheLongest)
{
    const WebhookSender::Options options;
    for (int failures : {17, 18, 40, 1000000})
        EXPECT_EQ(WebhookSender::retryDelayMsecs(failures, options), options.maxRetryMsecs) << failures;
}

TEST(WebhookTest, AFailedPostStoresItsNextAttemptAfterTheDelay)
{
    Receiver receiver;
    receiver.failing = 1;
    // The retry lies beyond the test: only the stored schedule is looked at.
    InProcessServer server(postingTo(receiver, 90000, 60000));
    ASSERT_TRUE(server.started());
    server.client().registerPhone(QStringLiteral("13800000001"));
    ASSERT_TRUE(servertest::waitUntil([&] {
        const auto outbox = server.store().outbox();
        return !outbox.empty() && outbox[0].attempts == 1;
    }));
    const auto outbox = server.store().outbox();
    EXPECT_EQ(outbox[0].nextAttemptAt, QStringLiteral("2026-12-10 09:01:00")) << "a minute after the frozen 9:00";
    EXPECT_TRUE(outbox[0].deliveredAt.isEmpty());
    EXPECT_EQ(receiver.posts.size(), 1u);
}

TEST(WebhookTest, EveryMessageIsDeliveredOnceInOrderAfterTheWebhookRecovers)
{
    Receiver receiver;
    receiver.failing = 4;
    InProcessServer server(postingTo(receiver, 10, 40));
    ASSERT_TRUE(server.started());
    for (const QString& sn : {QStringLiteral("13800000001"), QStringLiteral("13800000002")}) {
        server.client().registerPhone(sn);
        server.client().save(sn, {{QStringLiteral("600036"), QStringLiteral("招商银行")},
                                  {QStringLiteral("000001"), QStringLiteral("平安银行")}});
    }
    server.roundAt(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    const auto outbox = server.store().outbox();
    ASSERT_EQ(outbox.size(), 6u); // two invitations, four broadcast rows

    ASSERT_TRUE(servertest::waitUntil([&] { return allDelivered(server.store()); }, 20000));
    const auto accepted = receiver.accepted();
    ASSERT_EQ(accepted.size(), outbox.size()) << "each message once";
    for (std::size_t i = 0; i < outbox.size(); ++i) {
        EXPECT_EQ(accepted[i].value(QStringLiteral("phone")).toString(), outbox[i].message.phone);
        EXPECT_EQ(accepted[i].value(QStringLiteral("stock")).toString(), outbox[i].message.stock);
        EXPECT_EQ(accepted[i].value(QStringLiteral("kind")).toString(), outbox[i].message.kind);
        EXPECT_EQ(accepted[i].value(QStringLiteral("text")).toString(), outbox[i].message.text);
        EXPECT_EQ(accepted[i].value(QStringLiteral("time")).toString(), outbox[i].createdAt);
    }
    // The four failures were all the first message: nothing overtakes it.
    ASSERT_EQ(receiver.posts.size(), outbox.size() + 4);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(receiver.posts[std::size_t(i)].json, accepted[0]);
    const auto delivered = server.store().outbox();
    EXPECT_EQ(delivered[0].attempts, 5);
    for (const OutboxEntry& e : delivered)
        EXPECT_FALSE(e.deliveredAt.isEmpty());
}

TEST(WebhookTest, OnlyHttpAndHttpsAddresses)
{
    EXPECT_TRUE(service::WebhookSender::isUsableAddress(QStringLiteral("http://127.0.0.1:9/hook")));
    EXPECT_TRUE(service::WebhookSender::isUsableAddress(QStringLiteral("https://example.org/a?b=c")));
    for (const char* bad : {"ftp://example.org/", "file:///etc/passwd", "javascript:alert(1)", "example.org",
                            "http://", "http://exa mple.org/", ""})
        EXPECT_FALSE(service::WebhookSender::isUsableAddress(QString::fromLatin1(bad))) << bad;
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--webhook"), QStringLiteral("ftp://example.org/")},
          QStringList{QStringLiteral("--quote-site"), QStringLiteral("file:///tmp")},
          QStringList{QStringLiteral("--speed"), QStringLiteral("-2")},
          QStringList{QStringLiteral("--speed"), QStringLiteral("fast")}}) {
        QProcess process;
        process.start(servertest::ServerProcess::binary(), arguments);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 2) << qPrintable(arguments.join(u' '));
    }
}

TEST(WebhookTest, ARestartedServerResumesTheUndeliveredMessages)
{
    Receiver receiver;
    receiver.failing = 1000000;
    QTemporaryDir dir;
    const QStringList arguments{QStringLiteral("--webhook"), receiver.url()};
    {
        servertest::ServerProcess first(dir.path(), arguments);
        ASSERT_TRUE(first.start());
        // The receiver answers while this process waits for the replies (its event loop runs).
        for (const char* sn : {"13800000011", "13800000012", "13800000013"})
            servertest::PhoneClient(first.base()).registerPhone(QString::fromLatin1(sn));
        ASSERT_TRUE(servertest::waitUntil([&] { return receiver.posts.size() >= 2; }, 10000));
        EXPECT_EQ(first.stop(), 0);
    }
    for (const auto& post : receiver.posts)
        EXPECT_EQ(post.json.value(QStringLiteral("phone")).toString(), QStringLiteral("13800000011"))
            << "nothing overtakes the first message";
    {
        QByteArray listing;
        servertest::ServerProcess::admin(dir.path(), {QStringLiteral("outbox")}, &listing);
        EXPECT_EQ(QString::fromUtf8(listing).count(QStringLiteral(" invite waiting(")), 3) << listing.constData();
    }

    receiver.failing = 0;
    receiver.posts.clear();
    servertest::ServerProcess second(dir.path(), arguments);
    ASSERT_TRUE(second.start());
    // Once the outbox holds nothing undelivered the sender has nothing left to post: what the
    // receiver got by then is all it gets.
    service::ServiceStore store(dir.path());
    ASSERT_TRUE(servertest::waitUntil([&] { return allDelivered(store); }, 15000));
    EXPECT_EQ(second.stop(), 0);
    EXPECT_EQ(receiver.posts.size(), 3u) << "each waiting message posted once";
    const auto accepted = receiver.accepted();
    ASSERT_EQ(accepted.size(), 3u);
    EXPECT_EQ(accepted[0].value(QStringLiteral("phone")).toString(), QStringLiteral("13800000011"));
    EXPECT_EQ(accepted[1].value(QStringLiteral("phone")).toString(), QStringLiteral("13800000012"));
    EXPECT_EQ(accepted[2].value(QStringLiteral("phone")).toString(), QStringLiteral("13800000013"));
    EXPECT_EQ(accepted[0].value(QStringLiteral("kind")).toString(), QStringLiteral("invite"));
    EXPECT_TRUE(accepted[0].value(QStringLiteral("text")).toString().contains(QStringLiteral("岚拓股票")));
    QByteArray listing;
    servertest::ServerProcess::admin(dir.path(), {QStringLiteral("outbox")}, &listing);
    EXPECT_EQ(QString::fromUtf8(listing).count(QStringLiteral(" invite delivered ")), 3) << listing.constData();
}

} // namespace
