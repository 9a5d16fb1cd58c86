#include "app/showhandler.h"
#include "app/stepsequence.h"

#include "net/httpclient.h"
#include "net/silentabort.h"
#include "support/rawhttpserver.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

namespace {

// A sequence of five recording steps; failAt names the step that fails, if any.
class StepSequenceTest : public ::testing::Test {
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

    app::StepSequence sequence;
    QStringList ran;
    int finalRuns = 0;
};

TEST_F(StepSequenceTest, RunsEveryStepInOrderThenTheFinalBlock)
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

class FailingStepTest : public StepSequenceTest,
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

TEST_F(StepSequenceTest, StepsGoInAtTheirNamedPlace)
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

// A step whose client still waits for another handler's reply is left out and reported, and the
// chain goes on; the sequence names every client its steps use, once each.
TEST(StepClientsTest, StepOfABusyClientIsSkippedAndTheChainGoesOn)
{
    testsupport::RawHttpServer raw;
    raw.replyRaw("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 300);
    net::HttpClient quotes(QStringLiteral("IdHTTP1"));
    net::HttpClient panels(QStringLiteral("IdHTTP2"));
    app::StepSequence sequence;
    QStringList ran;
    sequence.append("indices", {&quotes}, [&] { ran << "indices"; });
    sequence.append("holdings", {&panels}, [&] { ran << "holdings"; });
    sequence.append("both", {&panels, &quotes}, [&] { ran << "both"; });
    sequence.append("caption", [&] { ran << "caption"; });
    EXPECT_EQ(sequence.clients(), (app::ClientList{&quotes, &panels}));

    app::StepSequence::Result during;
    QTimer::singleShot(20, [&] { during = sequence.run(); });
    EXPECT_EQ(quotes.get(raw.url()), "ok");

    EXPECT_TRUE(during.completed);
    EXPECT_EQ(during.skippedSteps, (QStringList{"indices", "both"}));
    EXPECT_EQ(ran, (QStringList{"holdings", "caption"}));
    ran.clear();
    EXPECT_TRUE(sequence.runNested().isEmpty());
    EXPECT_EQ(ran, (QStringList{"indices", "holdings", "both", "caption"}));
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
