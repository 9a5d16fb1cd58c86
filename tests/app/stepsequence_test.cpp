#include "app/showhandler.h"
#include "app/stepsequence.h"

#include "net/httpclient.h"
#include "net/silentabort.h"
#include "support/httpfixture.h"

#include <QHttpServerResponder>

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

namespace {

// A table of five recording steps; failAt names the step that fails, if any.
class StepSequenceTest : public ::testing::Test {
protected:
    void build(const QString& failAt = QString(), bool silent = true)
    {
        // Bound in another order than the table's: the table decides.
        for (const char* name : {"five", "two", "one", "four", "three"}) {
            const QString n = QString::fromLatin1(name);
            sequence.bind(n, [this, n, failAt, silent] {
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

    app::StepSequence sequence{{"one", "two", "three", "four", "five"}};
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

// A name the table lacks, or one bound twice, is refused at once; a name left unbound is listed,
// and the chain ends when it comes to it.
TEST_F(StepSequenceTest, BindingFollowsTheTableAndAnUnboundNameFailsTheChain)
{
    EXPECT_THROW(sequence.bind("six", [] {}), std::logic_error);
    sequence.bind("one", [this] { ran << "one"; });
    EXPECT_THROW(sequence.bind("one", [] {}), std::logic_error);
    sequence.bind("two", [this] { ran << "two"; });
    EXPECT_EQ(sequence.unboundNames(), (QStringList{"three", "four", "five"}));

    const auto result = sequence.run();
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.failedStep, QStringLiteral("three"));
    EXPECT_EQ(ran, (QStringList{"one", "two"}));
    EXPECT_THROW(app::StepSequence({"twice", "twice"}), std::logic_error);
}

// The hook before each step sees the names in order and can make a chosen step fail.
TEST_F(StepSequenceTest, HookBeforeEachStepCanEndTheChainThere)
{
    build();
    QStringList seen;
    sequence.setBeforeStep([&seen](const QString& name) {
        seen << name;
        if (name == QLatin1String("four"))
            net::abortSilently();
    });
    const auto result = sequence.run();
    EXPECT_EQ(result.failedStep, QStringLiteral("four"));
    EXPECT_EQ(seen, (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(ran, (QStringList{"one", "two", "three"}));
}

// A step whose client still waits for another handler's reply is left out and reported, and the
// chain goes on; the table names every resource its steps use, once each.
TEST(StepResourcesTest, StepOfABusyClientIsSkippedAndTheChainGoesOn)
{
    testsupport::HttpFixture site;
    net::HttpClient quotes(QStringLiteral("IdHTTP1"));
    net::HttpClient panels(QStringLiteral("IdHTTP2"));
    app::StepSequence sequence({"indices", "holdings", "both", "caption"});
    QStringList ran;
    sequence.bind("indices", {&quotes}, [&] { ran << "indices"; });
    sequence.bind("holdings", {&panels}, [&] { ran << "holdings"; });
    sequence.bind("both", {&panels, &quotes}, [&] { ran << "both"; });
    sequence.bind("caption", [&] { ran << "caption"; });
    EXPECT_EQ(sequence.resources(), (net::Resources{&quotes, &panels}));

    // The chain runs while the quotes client waits for this reply.
    app::StepSequence::Result during;
    site.serve("/page", [&](const QHttpServerRequest&, QHttpServerResponder& responder) {
        during = sequence.run();
        responder.write("ok", "text/plain");
    });
    EXPECT_EQ(quotes.get(site.url("/page")), "ok");

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
    app::StepSequence firstShow({"fails"});
    app::ShowHandler show(firstShow, [&laterShows] { ++laterShows; });
    firstShow.bind("fails", [&stepRuns] {
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
    app::StepSequence firstShow({"reenters"});
    app::ShowHandler show(firstShow, [&laterShows] { ++laterShows; });
    firstShow.bind("reenters", [&] {
        ++stepRuns;
        show.onShow();
    });
    show.onShow();
    EXPECT_EQ(stepRuns, 1);
    EXPECT_EQ(laterShows, 0);
    EXPECT_TRUE(show.firstShowDone());
}

} // namespace
