#include "app/showhandler.h"
#include "app/startupsequence.h"

#include "net/silentabort.h"

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

namespace {

// A sequence of five recording steps; failAt names the step that fails, if any.
class StartupSequenceTest : public ::testing::Test {
protected:
    void build(const QString& failAt = QString(), bool silent = true)
    {
        for (const char* name : {"one", "two", "three", "four", "five"}) {
            const QString n = QString::fromLatin1(name);
            sequence.append(n, [this, n, failAt, silent] {
                ran << n;
                if (n == failAt) {
                    if (silent)
                        net::abortSilently();
                    throw std::runtime_error("unexpected");
                }
            });
        }
        sequence.setFinalBlock([this] { ++finalRuns; });
    }

    app::StartupSequence sequence;
    QStringList ran;
    int finalRuns = 0;
};

TEST_F(StartupSequenceTest, RunsEveryStepInOrderThenTheFinalBlock)
{
    build();
    const auto result = sequence.run();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.failedStep.isEmpty());
    EXPECT_EQ(ran, (QStringList{"one", "two", "three", "four", "five"}));
    EXPECT_EQ(finalRuns, 1);
}

struct FailureCase {
    const char* failAt;
    bool silent;
    QStringList ran;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << (c.silent ? "silent abort at " : "exception at ") << c.failAt;
}

class FailingStepTest : public StartupSequenceTest,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailingStepTest, EndsAtTheFailingStepAndStillRunsTheFinalBlock)
{
    build(QString::fromLatin1(GetParam().failAt), GetParam().silent);
    const auto result = sequence.run();
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.failedStep, QString::fromLatin1(GetParam().failAt));
    EXPECT_EQ(ran, GetParam().ran);
    EXPECT_EQ(finalRuns, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailingStepTest,
    ::testing::Values(FailureCase{"one", true, {"one"}},
                      FailureCase{"three", true, {"one", "two", "three"}},
                      FailureCase{"five", true, {"one", "two", "three", "four", "five"}},
                      FailureCase{"two", false, {"one", "two"}}));

TEST_F(StartupSequenceTest, StepsGoInAtTheirNamedPlace)
{
    build();
    EXPECT_TRUE(sequence.insertAfter("two", "afterTwo", [this] { ran << "afterTwo"; }));
    EXPECT_TRUE(sequence.insertBefore("one", "first", [this] { ran << "first"; }));
    EXPECT_TRUE(sequence.insertAfter("five", "last", [this] { ran << "last"; }));
    EXPECT_FALSE(sequence.insertBefore("missing", "never", [] {}));
    EXPECT_FALSE(sequence.contains("never"));
    sequence.run();
    EXPECT_EQ(ran, (QStringList{"first", "one", "two", "afterTwo", "three", "four", "five", "last"}));
    EXPECT_EQ(sequence.stepNames(), ran);
}

TEST(ShowHandlerTest, FirstShowRunsOnceEvenWhenAStepFailsLaterShowsRunTheirWork)
{
    int laterShows = 0;
    int stepRuns = 0;
    app::ShowHandler show([&laterShows] { ++laterShows; });
    show.firstShow().append("fails", [&stepRuns] {
        ++stepRuns;
        net::abortSilently();
    });
    show.onShow();
    EXPECT_TRUE(show.firstShowDone());
    EXPECT_EQ(show.firstShowResult().failedStep, QStringLiteral("fails"));
    EXPECT_EQ(laterShows, 0);
    show.onShow();
    show.onShow();
    EXPECT_EQ(stepRuns, 1);
    EXPECT_EQ(laterShows, 2);
}

// A show that arrives while the first show waits on a request must not start it again.
TEST(ShowHandlerTest, ShowDuringTheFirstShowDoesNothing)
{
    int laterShows = 0;
    int stepRuns = 0;
    app::ShowHandler show([&laterShows] { ++laterShows; });
    show.firstShow().append("reenters", [&] {
        ++stepRuns;
        show.onShow();
    });
    show.onShow();
    EXPECT_EQ(stepRuns, 1);
    EXPECT_EQ(laterShows, 0);
    EXPECT_TRUE(show.firstShowDone());
}

} // namespace
