#include "app/lifecycle.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int runMainLoop()
{
    return QCoreApplication::exec();
}

TEST(LifecycleTest, ExitRequestedBeforeTheLoopMeansTheLoopNeverRuns)
{
    app::Lifecycle lifecycle;
    lifecycle.requestExit(3);
    bool loopRan = false;
    const int code = lifecycle.runMessageLoop([&loopRan] {
        loopRan = true;
        return 0;
    });
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(code, 3);
}

TEST(LifecycleTest, FirstRequestWins)
{
    app::Lifecycle lifecycle;
    lifecycle.requestExit(1);
    lifecycle.requestExit(2);
    EXPECT_EQ(lifecycle.exitCode(), 1);
}

TEST(LifecycleTest, RequestDuringTheLoopEndsIt)
{
    app::Lifecycle lifecycle;
    QTimer::singleShot(0, &lifecycle, [&lifecycle] { lifecycle.requestExit(0); });
    EXPECT_EQ(lifecycle.runMessageLoop(runMainLoop), 0);
    EXPECT_FALSE(lifecycle.loopRunning());
}

// A request made while a nested loop waits (a blocking request, a message box) must not cut
// that wait short; the program ends once the nested loop has finished on its own.
TEST(LifecycleTest, RequestInsideANestedLoopLetsTheNestedLoopFinish)
{
    app::Lifecycle lifecycle;
    bool nestedFinishedOnItsOwn = false;
    bool loopEndedAfterNested = false;
    QTimer::singleShot(0, &lifecycle, [&] {
        QEventLoop nested;
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, &nested, [&] {
            if (++ticks == 1)
                lifecycle.requestExit(5);
            if (ticks == 10) {
                nestedFinishedOnItsOwn = true;
                nested.quit();
            }
        });
        ticker.start(5);
        nested.exec();
        loopEndedAfterNested = true;
    });
    EXPECT_EQ(lifecycle.runMessageLoop(runMainLoop), 5);
    EXPECT_TRUE(nestedFinishedOnItsOwn);
    EXPECT_TRUE(loopEndedAfterNested);
}

} // namespace
