#include "app/maintimers.h"

#include "app/timerhandler.h"
#include "net/silentabort.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

namespace {

using app::MainTimer;

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

void PrintTo(const EndingCase& c, std::ostream* os)
{
    *os << c.name;
}

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
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainTimersTest, TickThatAbortsSilentlyKeepsTicking)
{
    app::MainTimers timers;
    QTimer& timer6 = timers.timer(MainTimer::Timer6);
    timer6.setInterval(1);
    int runs = 0;
    timers.setWork(MainTimer::Timer6, [&runs] {
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
    app::MainTimers timers;
    int runs = 0;
    timers.setWork(MainTimer::Timer8, [&runs] { ++runs; });
    timers.start(MainTimer::Timer8);
    QElapsedTimer waited;
    waited.start();
    while (runs == 0 && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(timers.isActive(MainTimer::Timer8));
}

TEST(MainTimersTest, WorkMayReplaceItselfWhileRunning)
{
    app::MainTimers timers;
    int second = 0;
    timers.setWork(MainTimer::Timer2, [&] { timers.setWork(MainTimer::Timer2, [&] { ++second; }); });
    EXPECT_TRUE(timers.fire(MainTimer::Timer2));
    EXPECT_TRUE(timers.fire(MainTimer::Timer2));
    EXPECT_EQ(second, 1);
}

} // namespace
