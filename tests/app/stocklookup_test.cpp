#include "app/clock.h"
#include "app/dashboardload.h"
#include "app/mainstate.h"
#include "app/stocklookup.h"
#include "app/tradinghours.h"
#include "net/guard.h"
#include "net/httpclient.h"
#include "store/statefiles.h"
#include "support/httpfixture.h"
#include "support/recorders.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrlQuery>
#include <QTemporaryDir>

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

    app::LookupActions recordingActions()
    {
        app::LookupActions a;
        a.focusCodeBox = [this] { steps << u"focus"_qs; };
        a.stopFlowMonitor = [this] { steps << u"timer7 off"_qs; };
        a.resetForNewStock = [this] { steps << u"reset"_qs; };
        a.loadBigOrderPages = [this](const QString& code) { steps << u"big orders "_qs + code; };
        a.showStockPage = [this](const QString& url) { steps << url; };
        a.loadDashboard = [this](const QString& code) {
            steps << u"start "_qs + code;
            if (onDashboard)
                onDashboard();
        };
        a.startFlowMonitor = [this] { steps << u"timer7 on"_qs; };
        return a;
    }

    testsupport::HttpFixture server;
    net::HttpClient client{u"IdHTTPgj"_qs};
    app::MainState state;
    testsupport::RecordingPrompter prompter;
    QString codeBox;
    QStringList steps;
    std::function<void()> onDashboard;
    app::StockLookup lookup{client, server.base(), state, prompter, recordingActions()};
};

TEST_F(LookupTest, KnownCodeReplacesTheStockInOrder)
{
    codeBox = u"600036"_qs;
    EXPECT_TRUE(lookup.run(codeBox));
    EXPECT_EQ(state.currentCode, u"600036"_qs);
    EXPECT_EQ(state.currentName, u"招商银行"_qs);
    EXPECT_EQ(steps, (QStringList{u"timer7 off"_qs, u"reset"_qs, u"big orders 600036"_qs,
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

struct DashboardCase {
    const char* label;
    QDateTime at;
    int quotePanelLoads;
    int indexLoads;
};

class DashboardLoadTest : public ::testing::TestWithParam<DashboardCase> {
protected:
    QTemporaryDir dir;
    store::StateFiles files{dir.path()};
    app::Clock clock;
    app::MainState state;
};

TEST_P(DashboardLoadTest, OneOffQuoteLoadsFollowTheDayAndTime)
{
    clock.freezeAt(GetParam().at);
    state.currentName = u"招商银行"_qs;
    int quotePanel = 0;
    int indices = 0;
    QStringList captions;
    app::DashboardActions actions;
    actions.loadQuotePanel = [&] {
        // The stock file is written before any page is fetched.
        EXPECT_EQ(files.readStockCode(), u"600036"_qs);
        ++quotePanel;
    };
    actions.loadIndices = [&] { ++indices; };
    actions.setHoldingsCaption = [&](const QString& c) { captions << c; };
    actions.setCommentCaption = [&](const QString& c) { captions << c; };
    app::buildDashboardLoad(files, clock, state, u"600036"_qs, actions).runNested();

    EXPECT_EQ(quotePanel, GetParam().quotePanelLoads) << GetParam().label;
    EXPECT_EQ(indices, GetParam().indexLoads) << GetParam().label;
    EXPECT_EQ(captions, (QStringList{u"招商银行-最近30日主力散户持仓对比"_qs,
                                     u"网民对(招商银行)的最新热评（所有数据仅供参考）"_qs}));
    EXPECT_EQ(files.readStockCode(), u"600036"_qs) << "a restart shows the same stock";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DashboardLoadTest,
    ::testing::Values(
        DashboardCase{"Saturday 20:00", QDateTime(QDate(2026, 12, 12), QTime(20, 0)), 2, 1},
        DashboardCase{"Sunday 10:00", QDateTime(QDate(2026, 12, 13), QTime(10, 0)), 1, 0},
        DashboardCase{"Thursday 10:00", QDateTime(QDate(2026, 12, 10), QTime(10, 0)), 0, 0},
        DashboardCase{"Thursday 09:09:59", QDateTime(QDate(2026, 12, 10), QTime(9, 9, 59)), 1, 1},
        DashboardCase{"Thursday 15:05:00", QDateTime(QDate(2026, 12, 10), QTime(15, 5, 0)), 0, 0},
        DashboardCase{"Thursday 15:05:01", QDateTime(QDate(2026, 12, 10), QTime(15, 5, 1)), 1, 1}));

TEST(DashboardLoadFailureTest, StockFileWriteFailureEndsTheLoadBeforeAnyFetch)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.path() + u"/plain"_qs;
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    store::StateFiles files(notAFolder);
    app::Clock clock;
    clock.freezeAt(QDateTime(QDate(2026, 12, 12), QTime(20, 0)));
    app::MainState state;
    bool fetched = false;
    app::DashboardActions actions;
    actions.loadQuotePanel = [&] { fetched = true; };
    EXPECT_ANY_THROW(app::buildDashboardLoad(files, clock, state, u"600036"_qs, actions).runNested());
    EXPECT_FALSE(fetched);
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
