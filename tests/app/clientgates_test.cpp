#include "app/clientgates.h"

#include "net/httpclient.h"
#include "support/rawhttpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace Qt::StringLiterals;

const QByteArray okReply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

void processEventsFor(int msecs)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < msecs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class ClientGatesTest : public ::testing::Test {
protected:
    ClientGatesTest() { slow.replyRaw(okReply, 300); }

    testsupport::RawHttpServer slow;
    net::HttpClient quotes{u"IdHTTP1"_s};
    net::HttpClient lookup{u"IdHTTPgj"_s};
    app::ClientGates gates;
    QStringList ran;
};

TEST_F(ClientGatesTest, CommandWithFreeClientsRunsAtOnce)
{
    EXPECT_TRUE(gates.run(u"click"_s, {&quotes, &lookup}, [this] { ran << u"click"_s; }));
    EXPECT_EQ(ran, QStringList{u"click"_s});
    EXPECT_FALSE(gates.waiting(u"click"_s));
}

// A click while its client waits for another handler's reply: the request in flight ends
// normally, and the click runs once afterwards, from the event loop, with what the last of
// several clicks brought. A command that needs no busy client is not held up.
TEST_F(ClientGatesTest, CommandOnABusyClientRunsOnceWhenTheReplyIsIn)
{
    bool ranInsideTheWait = false;
    QTimer::singleShot(20, [&] {
        for (const QString& code : {u"600036"_s, u"000001"_s})
            EXPECT_FALSE(gates.run(u"lookup"_s, {&lookup, &quotes}, [&, code] {
                ranInsideTheWait = quotes.busy();
                ran << code;
            }));
        EXPECT_TRUE(gates.waiting(u"lookup"_s));
        EXPECT_TRUE(gates.run(u"tray"_s, {}, [&] { ran << u"tray"_s; }));
    });

    EXPECT_EQ(quotes.get(slow.url()), "ok");
    EXPECT_EQ(ran, QStringList{u"tray"_s});

    processEventsFor(50);
    EXPECT_EQ(ran, (QStringList{u"tray"_s, u"000001"_s}));
    EXPECT_FALSE(ranInsideTheWait);
    EXPECT_FALSE(gates.waiting(u"lookup"_s));
}

// The outer handler waits on one client, a nested one on another: a command that needs both
// waits through the inner reply and runs after the outer one.
TEST_F(ClientGatesTest, CommandWaitsUntilEveryClientItNamesIsFree)
{
    testsupport::RawHttpServer quick;
    quick.replyRaw(okReply, 80);
    bool bothFree = false;
    QTimer::singleShot(20, [&] {
        QTimer::singleShot(10, [&] {
            gates.run(u"lookup"_s, {&lookup, &quotes}, [&] {
                bothFree = !lookup.busy() && !quotes.busy();
                ran << u"lookup"_s;
            });
        });
        EXPECT_EQ(lookup.get(quick.url()), "ok");
        processEventsFor(30);
        EXPECT_TRUE(ran.isEmpty()) << "ran while the outer request still waited";
    });

    EXPECT_EQ(quotes.get(slow.url()), "ok");
    processEventsFor(50);
    EXPECT_EQ(ran, QStringList{u"lookup"_s});
    EXPECT_TRUE(bothFree);
}

// A window closed during the wait takes its client with it; what waited for that client is
// dropped instead of running against a client that is gone.
TEST_F(ClientGatesTest, CommandWaitingForAClientThatIsGoneNeverRuns)
{
    auto windowClient = std::make_unique<net::HttpClient>(u"IdHTTP1"_s);
    QTimer::singleShot(20, [&] {
        gates.run(u"button"_s, {windowClient.get()}, [&] { ran << u"button"_s; });
        windowClient.reset();
    });
    EXPECT_THROW(windowClient->get(slow.url()), net::HttpError);
    processEventsFor(50);
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_FALSE(gates.waiting(u"button"_s));
}

} // namespace
