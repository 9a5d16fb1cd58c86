#include "app/clock.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "app/stocklookup.h"
#include "app/tradinghours.h"
#include "net/guard.h"
#include "net/httpclient.h"
#include "support/httpfixture.h"
#include "support/recorders.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

struct RefusalCase {
    const char* text;
    const char* refusal; // nullptr: accepted
};

class CodeRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CodeRefusalTest, LengthFirstThenMarket)
{
    const std::optional<QString> refusal = app::codeRefusal(QString::fromUtf8(GetParam().text));
    if (GetParam().refusal)
        EXPECT_EQ(refusal, QString::fromUtf8(GetParam().refusal)) << GetParam().text;
    else
        EXPECT_FALSE(refusal.has_value()) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeRefusalTest,
    ::testing::Values(RefusalCase{"60003", "必须输入六位股票代码!"},
                      RefusalCase{"", "必须输入六位股票代码!"},
                      RefusalCase{"6000366", "必须输入六位股票代码!"},
                      RefusalCase{"900001", "必须输入沪深股票及创业板代码"},
                      RefusalCase{"100001", "必须输入沪深股票及创业板代码"},
                      RefusalCase{"600036", nullptr}, RefusalCase{"300059", nullptr},
                      RefusalCase{"000001", nullptr}));

// A quote service that knows two stocks.
class LookupTest : public ::testing::Test {
protected:
    LookupTest()
    {
        server.serve(u"/EM_Quote2007/optional.aspx"_qs,
                     [](const QHttpServerRequest& request, QHttpServerResponder& responder) {
                         const QString code = request.query().queryItemValue(u"fav"_qs);
                         QByteArray body = "var q=\"1,";
                         if (code == u"600036"_qs)
                             body += "600036,招商银行,12.34,1.00%,";
                         else if (code == u"000001"_qs)
                             body += "000001,平安银行,10.00,-1.00%,";
                         body += "\"";
                         responder.write(body, "text/html; charset=utf-8");
                     });
        state.serviceBase = u"http://service.example"_qs;
        state.currentCode = u"000001"_qs;
        state.currentName = u"平安银行"_qs;
    }

    // The lookup's table, each step recording what it sees.
    app::StepSequence recordingTable()
    {
        app::StepSequence table(app::lookupSteps());
        table.bind(app::lookup::stopFlowMonitor, [this] { steps << u"timer7 off"_qs; });
        table.bind(app::lookup::newStockReset, [this] { steps << u"reset "_qs + state.currentCode; });
        table.bind(app::lookup::bigOrderPages, [this] { steps << u"big orders "_qs + state.currentCode; });
        table.bind(app::lookup::showStockPage, [this] {
            steps << app::stockPageAddress(state.serviceBase, state.currentCode);
        });
        table.bind(app::lookup::dashboardLoad, [this] {
            steps << u"start "_qs + state.currentCode;
            if (onDashboard)
                onDashboard();
        });
        table.bind(app::lookup::startFlowMonitor, [this] { steps << u"timer7 on"_qs; });
        return table;
    }

    app::LookupActions recordingActions()
    {
        return {[this] { steps << u"focus"_qs; }, &table};
    }

    testsupport::HttpFixture server;
    net::HttpClient client{u"IdHTTPgj"_qs};
    app::MainState state;
    testsupport::RecordingPrompter prompter;
    QString codeBox;
    QStringList steps;
    std::function<void()> onDashboard;
    app::StepSequence table = recordingTable();
    app::StockLookup lookup{client, server.base(), state, prompter, recordingActions()};
};

TEST_F(LookupTest, KnownCodeReplacesTheStockInOrder)
{
    codeBox = u"600036"_qs;
    EXPECT_TRUE(lookup.run(codeBox));
    EXPECT_EQ(state.currentCode, u"600036"_qs);
    EXPECT_EQ(state.currentName, u"招商银行"_qs);
    EXPECT_EQ(steps, (QStringList{u"timer7 off"_qs, u"reset 600036"_qs, u"big orders 600036"_qs,
                                  u"http://service.example/gpgetstock.asp?name=600036"_qs,
                                  u"start 600036"_qs, u"timer7 on"_qs}));
    EXPECT_TRUE(prompter.errors.isEmpty());
    EXPECT_FALSE(lookup.busy());
}

TEST_F(LookupTest, RefusedCodesChangeNothingAndTheNextClickWorks)
{
    for (const QString& text : {u"60003"_qs, u"900001"_qs, u"600000"_qs}) {
        codeBox = text;
        EXPECT_FALSE(lookup.run(codeBox)) << text.toStdString();
        EXPECT_FALSE(lookup.busy());
    }
    EXPECT_EQ(prompter.errors, (QStringList{u"必须输入六位股票代码!"_qs, u"必须输入沪深股票及创业板代码"_qs,
                                            u"您输入的股票不存在,请重新输入！"_qs}));
    EXPECT_EQ(steps, (QStringList{u"focus"_qs, u"focus"_qs, u"focus"_qs}));
    EXPECT_EQ(state.currentCode, u"000001"_qs);
    EXPECT_EQ(state.currentName, u"平安银行"_qs);

    codeBox = u"600036"_qs;
    EXPECT_TRUE(lookup.run(codeBox));
}

TEST_F(LookupTest, ClickDuringARunningLookupIsIgnored)
{
    codeBox = u"600036"_qs;
    bool secondClick = true;
    onDashboard = [&] { secondClick = lookup.run(u"000001"_qs); };
    EXPECT_TRUE(lookup.run(codeBox));
    EXPECT_FALSE(secondClick);
    EXPECT_EQ(steps.filter(u"start"_qs), QStringList{u"start 600036"_qs});
}

TEST_F(LookupTest, NetworkFailureShowsTheErrorEndsSilentlyAndClearsTheBusyFlag)
{
    net::HttpClient unreachable{u"IdHTTPgj"_qs};
    app::StockLookup failing{unreachable, u"http://127.0.0.1:1"_qs, state, prompter,
                             recordingActions()};
    codeBox = u"600036"_qs;
    EXPECT_FALSE(net::runGuarded([&] { failing.run(codeBox); }));
    EXPECT_EQ(prompter.errors, QStringList{u"网络错误,请稍后再试。"_qs});
    EXPECT_FALSE(failing.busy());
    EXPECT_EQ(state.currentCode, u"000001"_qs);
    EXPECT_TRUE(steps.isEmpty());
}

TEST_F(LookupTest, FailingDashboardLeavesTheFlowMonitorOff)
{
    codeBox = u"600036"_qs;
    onDashboard = [] { throw std::runtime_error("holdings page failed"); };
    EXPECT_FALSE(net::runGuarded([&] { lookup.run(codeBox); }));
    EXPECT_FALSE(steps.contains(u"timer7 on"_qs));
    EXPECT_FALSE(lookup.busy());
}

struct TickCase {
    int ticks;
    QTime time;
    bool haveCode;
    bool inTray;
    bool indices;
    bool quotePanel;
};

void PrintTo(const TickCase& c, std::ostream* os)
{
    *os << "tick " << c.ticks << " at " << c.time.toString(u"HH:mm:ss.zzz"_qs).toStdString()
        << (c.haveCode ? "" : ", no code") << (c.inTray ? ", in tray" : "");
}

class QuoteTickTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(QuoteTickTest, PlansIndicesEveryThirdTickAndThePanelInsideTheWindow)
{
    const TickCase& c = GetParam();
    const app::DayTime time = app::dayTimeOf(QDateTime(QDate(2026, 12, 10), c.time));
    const app::QuoteTickPlan plan = app::planQuoteTick(c.ticks, time, c.haveCode, c.inTray);
    EXPECT_EQ(plan.indices, c.indices) << c.ticks << " " << c.time.toString().toStdString();
    EXPECT_EQ(plan.quotePanel, c.quotePanel) << c.ticks << " " << c.time.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteTickTest,
    ::testing::Values(TickCase{0, QTime(10, 0), true, false, true, true},
                      TickCase{1, QTime(10, 0), true, false, false, true},
                      TickCase{3, QTime(15, 6), true, false, true, false},
                      TickCase{4, QTime(15, 6), true, false, false, false},
                      TickCase{6, QTime(10, 0), true, true, true, false},
                      TickCase{2, QTime(9, 10, 0), true, false, false, true},
                      TickCase{2, QTime(9, 9, 59, 999), true, false, false, false},
                      TickCase{2, QTime(15, 5, 0, 900), true, false, false, true},
                      TickCase{2, QTime(10, 0), false, false, false, false}));

} // namespace
