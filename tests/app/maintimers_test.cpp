#include "app/maintimers.h"

#include "app/maintables.h"
#include "app/timerhandler.h"
#include "net/httpclient.h"
#include "net/silentabort.h"
#include "support/httpfixture.h"
#include "support/namedcase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHttpServerResponder>

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace {

using testsupport::PrintTo;

using app::MainTimer;

// The steps these tests hang on the timers.
QStringList testSteps(MainTimer id)
{
    switch (id) {
    case MainTimer::Timer2:
        return {"big orders", "forum", "online count"};
    case MainTimer::Timer4:
        return {"alert engine"};
    case MainTimer::Timer6:
        return {"aborts"};
    case MainTimer::Timer8:
        return {"hideSplash"};
    default:
        return {};
    }
}

struct TimerCase {
    MainTimer id;
    int interval;
    bool onAtCreation;
};

void PrintTo(const TimerCase& c, std::ostream* os)
{
    *os << "timer " << int(c.id) << " every " << c.interval << " ms";
}

class MainTimerSetupTest : public ::testing::TestWithParam<TimerCase> {};

TEST_P(MainTimerSetupTest, StartsWithItsIntervalAndState)
{
    app::MainTimers timers;
    EXPECT_EQ(timers.timer(GetParam().id).interval(), GetParam().interval);
    EXPECT_EQ(timers.isActive(GetParam().id), GetParam().onAtCreation);
}

INSTANTIATE_TEST_SUITE_P(EightTimers, MainTimerSetupTest,
                         ::testing::Values(TimerCase{MainTimer::Timer1, 1000, false},
                                           TimerCase{MainTimer::Timer2, 60000, true},
                                           TimerCase{MainTimer::Timer4, 5000, false},
                                           TimerCase{MainTimer::Timer5, 30000, false},
                                           TimerCase{MainTimer::Timer6, 1000, true},
                                           TimerCase{MainTimer::Timer7, 5000, false},
                                           TimerCase{MainTimer::Timer8, 10, false},
                                           TimerCase{MainTimer::Timer9, 30000, true}));

// However the work ends, the timer is off while it runs and on again afterwards.
struct EndingCase {
    const char* name;
    void (*work)();
    bool completed;
};

class SelfDisablingTest : public ::testing::TestWithParam<EndingCase> {};

TEST_P(SelfDisablingTest, TimerIsOffDuringTheWorkAndOnAfterIt)
{
    QTimer timer;
    timer.setInterval(60000);
    timer.start();
    bool offDuringWork = false;
    const bool completed = app::runWithTimerOff(timer, [&] {
        offDuringWork = !timer.isActive();
        GetParam().work();
    });
    EXPECT_TRUE(offDuringWork);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(completed, GetParam().completed);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, SelfDisablingTest,
    ::testing::Values(EndingCase{"completes", [] {}, true},
                      EndingCase{"silentAbort", [] { net::abortSilently(); }, false},
                      EndingCase{"otherFailure", [] { throw std::runtime_error("boom"); }, false}),
    testsupport::CaseName());

// The main window's own timers come with its tables: each timer's steps in their order.
TEST(MainTimersTest, EachTimerTicksThroughItsTable)
{
    app::MainTimers timers;
    EXPECT_EQ(timers.steps(MainTimer::Timer1).stepNames(), (QStringList{"indices", "quotePanel"}));
    EXPECT_EQ(timers.steps(MainTimer::Timer4).stepNames(), QStringList{"alertEngine"});
    EXPECT_EQ(timers.steps(MainTimer::Timer6).stepNames(), QStringList{"rearmAlerts"});
    EXPECT_EQ(timers.steps(MainTimer::Timer8).stepNames(), QStringList{"hideSplash"});
    EXPECT_THROW(timers.steps(MainTimer::Timer2).bind(QStringLiteral("forum"), [] {}), std::logic_error);
}

TEST(MainTimersTest, TickThatAbortsSilentlyKeepsTicking)
{
    app::MainTimers timers(&testSteps);
    QTimer& timer6 = timers.timer(MainTimer::Timer6);
    timer6.setInterval(1);
    int runs = 0;
    timers.steps(MainTimer::Timer6).bind(QStringLiteral("aborts"), [&runs] {
        ++runs;
        net::abortSilently();
    });
    QElapsedTimer waited;
    waited.start();
    while (runs < 3 && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(runs, 3);
    EXPECT_TRUE(timer6.isActive());
}

TEST(MainTimersTest, SplashTimerRunsOnceAndStaysOff)
{
    app::MainTimers timers(&testSteps);
    int runs = 0;
    timers.steps(MainTimer::Timer8).bind(QStringLiteral("hideSplash"), [&runs] { ++runs; });
    timers.start(MainTimer::Timer8);
    QElapsedTimer waited;
    waited.start();
    while (runs == 0 && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(timers.isActive(MainTimer::Timer8));
}

// Several areas bind their steps to one timer, in any order: they run in the table's order.
// The first failure ends that tick; the next tick starts from the top again.
TEST(MainTimersTest, StepsOfSeveralAreasRunInOrderAndAFailureEndsOnlyThatTick)
{
    app::MainTimers timers(&testSteps);
    QStringList ran;
    bool fail = true;
    app::StepSequence& tick = timers.steps(MainTimer::Timer2);
    tick.bind(QStringLiteral("online count"), [&] { ran << QStringLiteral("online count"); });
    tick.bind(QStringLiteral("forum"), [&] {
        ran << QStringLiteral("forum");
        if (std::exchange(fail, false))
            net::abortSilently();
    });
    tick.bind(QStringLiteral("big orders"), [&] { ran << QStringLiteral("big orders"); });

    EXPECT_FALSE(timers.fire(MainTimer::Timer2));
    EXPECT_EQ(ran, (QStringList{"big orders", "forum"}));
    EXPECT_TRUE(timers.isActive(MainTimer::Timer2));

    ran.clear();
    EXPECT_TRUE(timers.fire(MainTimer::Timer2));
    EXPECT_EQ(ran, (QStringList{"big orders", "forum", "online count"}));
}

// A tick that comes while a client still waits for another handler's reply leaves out the steps
// that use that client, runs the others, and turns its timer back on; the next tick runs all.
TEST(MainTimersTest, StepOfABusyClientIsSkippedForThatTickOnly)
{
    testsupport::HttpFixture site;
    net::HttpClient client(QStringLiteral("IdHTTP5"));
    app::MainTimers timers(&testSteps);
    QStringList ran;
    app::StepSequence& tick = timers.steps(MainTimer::Timer2);
    tick.bind(QStringLiteral("big orders"), [&] { ran << QStringLiteral("big orders"); });
    tick.bind(QStringLiteral("forum"), {&client}, [&] { ran << QStringLiteral("forum"); });
    tick.bind(QStringLiteral("online count"), [] {});
    bool tickCompleted = false;
    // The tick comes while the forum's client waits for this reply.
    site.serve(QStringLiteral("/page"), [&](const QHttpServerRequest&, QHttpServerResponder& responder) {
        tickCompleted = timers.fire(MainTimer::Timer2);
        responder.write("ok", "text/plain");
    });

    EXPECT_EQ(client.get(site.url(QStringLiteral("/page"))), "ok");

    EXPECT_TRUE(tickCompleted);
    EXPECT_EQ(ran, QStringList{"big orders"});
    EXPECT_TRUE(timers.isActive(MainTimer::Timer2));
    timers.fire(MainTimer::Timer2);
    EXPECT_EQ(ran, (QStringList{"big orders", "big orders", "forum"}));
}

// The settings window holds the alert timers; a tick already under way when it opened must not
// turn its timer back on when it ends.
TEST(MainTimersTest, HeldTimerStaysOffAfterTheTickUnderWayAndStartsOnRelease)
{
    app::MainTimers timers(&testSteps);
    timers.start(MainTimer::Timer4);
    int runs = 0;
    timers.steps(MainTimer::Timer4).bind(QStringLiteral("alert engine"), [&] {
        ++runs;
        timers.hold(MainTimer::Timer4);
    });
    timers.fire(MainTimer::Timer4);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(timers.isActive(MainTimer::Timer4));

    timers.fire(MainTimer::Timer4);
    timers.start(MainTimer::Timer4); // a failure path turning its timer back on
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(timers.isActive(MainTimer::Timer4));

    timers.release(MainTimer::Timer4);
    EXPECT_TRUE(timers.isActive(MainTimer::Timer4));
    EXPECT_FALSE(timers.isHeld(MainTimer::Timer4));
}

} // namespace
