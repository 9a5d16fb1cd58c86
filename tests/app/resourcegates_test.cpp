#include "app/resourcegates.h"

#include "net/httpclient.h"
#include "support/httpfixture.h"

#include <QCoreApplication>
#include <QHttpServerResponder>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

// Two sites whose replies wait for what the test does in the middle of them: each handler runs
// while the client that asked is still busy, then answers "ok".
class ResourceGatesTest : public ::testing::Test {
protected:
    ResourceGatesTest()
    {
        for (testsupport::HttpFixture* site : {&outer, &inner})
            site->serve(u"/page"_s, [this, site](const QHttpServerRequest&, QHttpServerResponder& responder) {
                auto& during = site == &outer ? duringOuter : duringInner;
                if (during)
                    std::exchange(during, {})();
                responder.write("ok", "text/plain");
            });
    }

    // What queued work there is (the gates hear of a freed resource from the event loop).
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    testsupport::HttpFixture outer;
    testsupport::HttpFixture inner;
    std::function<void()> duringOuter;
    std::function<void()> duringInner;
    net::HttpClient quotes{u"IdHTTP1"_s};
    net::HttpClient lookup{u"IdHTTPgj"_s};
    app::ResourceGates gates;
    QStringList ran;
};

TEST_F(ResourceGatesTest, CommandWithFreeResourcesRunsAtOnce)
{
    EXPECT_TRUE(gates.run(u"click"_s, {&quotes, &lookup}, [this] { ran << u"click"_s; }));
    EXPECT_EQ(ran, QStringList{u"click"_s});
    EXPECT_FALSE(gates.waiting(u"click"_s));
}

// A click while its client waits for another handler's reply: the request in flight ends
// normally, and the click runs once afterwards, from the event loop, with what the last of
// several clicks brought. A command that needs no busy resource is not held up.
TEST_F(ResourceGatesTest, CommandOnABusyClientRunsOnceWhenTheReplyIsIn)
{
    bool ranInsideTheWait = false;
    duringOuter = [&] {
        for (const QString& code : {u"600036"_s, u"000001"_s})
            EXPECT_FALSE(gates.run(u"lookup"_s, {&lookup, &quotes}, [&, code] {
                ranInsideTheWait = quotes.busy();
                ran << code;
            }));
        EXPECT_TRUE(gates.waiting(u"lookup"_s));
        EXPECT_TRUE(gates.run(u"tray"_s, {}, [&] { ran << u"tray"_s; }));
    };

    EXPECT_EQ(quotes.get(outer.url(u"/page"_s)), "ok");
    EXPECT_EQ(ran, QStringList{u"tray"_s});

    settle();
    EXPECT_EQ(ran, (QStringList{u"tray"_s, u"000001"_s}));
    EXPECT_FALSE(ranInsideTheWait);
    EXPECT_FALSE(gates.waiting(u"lookup"_s));
}

// The outer handler waits on one client, a nested one on another: a command that needs both
// waits through the inner reply and runs after the outer one.
TEST_F(ResourceGatesTest, CommandWaitsUntilEveryResourceItNamesIsFree)
{
    bool bothFree = false;
    duringOuter = [&] {
        duringInner = [&] {
            gates.run(u"lookup"_s, {&lookup, &quotes}, [&] {
                bothFree = !lookup.busy() && !quotes.busy();
                ran << u"lookup"_s;
            });
        };
        EXPECT_EQ(lookup.get(inner.url(u"/page"_s)), "ok");
        settle();
        EXPECT_TRUE(ran.isEmpty()) << "ran while the outer request still waited";
    };

    EXPECT_EQ(quotes.get(outer.url(u"/page"_s)), "ok");
    settle();
    EXPECT_EQ(ran, QStringList{u"lookup"_s});
    EXPECT_TRUE(bothFree);
}

// A window closed during the wait takes its client with it; what waited for that client is
// dropped instead of running against a client that is gone.
TEST_F(ResourceGatesTest, CommandWaitingForAResourceThatIsGoneNeverRuns)
{
    auto windowClient = std::make_unique<net::HttpClient>(u"IdHTTP1"_s);
    duringOuter = [&] {
        gates.run(u"button"_s, {windowClient.get(), &lookup}, [&] { ran << u"button"_s; });
        windowClient.reset();
    };
    EXPECT_THROW(windowClient->get(outer.url(u"/page"_s)), net::HttpError);
    settle();
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_FALSE(gates.waiting(u"button"_s));
}

} // namespace
