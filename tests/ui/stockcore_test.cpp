// The stock core in the main window: state files at start, the service status, the lookup, the
// quote panel and index box refreshed by Timer1, and the channel files written by both exits.
// Every site is the in-process market of shellfixture.h.
#include "stockcorefixture.h"

#include "store/statefiles.h"
#include "support/namedcase.h"
#include "ui/labelcolours.h"
#include "ui/main/playerarea.h"
#include "ui/main/toolbarstrip.h"
#include "ui/mainwindow.h"
#include "ui/splashwindow.h"
#include "ui/windowset.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using testsupport::PrintTo;

using app::MainTimer;
using uitest::green;
using uitest::menuTexts;
using uitest::readGbk;
using uitest::red;
using uitest::StockCoreTest;
using uitest::writeGbk;

// ---- the state files at start ---------------------------------------------------------------

struct StartCase {
    const char* name;
    const char* stockFile;      // null: no file
    const char* recentFile;     // null: no file
    const char* favouritesFile; // null: no file
    const char* code;
    const char* stockName;
    bool stockPageShown;
    app::ChannelLists lists;
    QStringList deleteMenu;
};

class StartStateTest : public StockCoreTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartStateTest, FirstShowTakesTheRememberedStockAndTheChannelLists)
{
    const StartCase& c = GetParam();
    for (const auto& [name, text] : {std::pair{"gp06856.dat", c.stockFile},
                                     std::pair{"gpnew06858.dat", c.recentFile},
                                     std::pair{"gpnew06857.dat", c.favouritesFile}})
        if (text)
            writeGbk(file(name), QString::fromUtf8(text));

    start();

    EXPECT_EQ(window->toolBar().codeBox().text(), QString::fromLatin1(c.code));
    EXPECT_EQ(window->state().currentCode, QString::fromLatin1(c.code));
    EXPECT_EQ(window->state().currentName, QString::fromUtf8(c.stockName));
    const app::ChannelLists& lists = window->channels();
    EXPECT_EQ(lists.recentNames, c.lists.recentNames);
    EXPECT_EQ(lists.recentUrls, c.lists.recentUrls);
    EXPECT_EQ(lists.recentCount, c.lists.recentCount);
    EXPECT_EQ(lists.favouriteNames, c.lists.favouriteNames);
    EXPECT_EQ(lists.favouriteUrls, c.lists.favouriteUrls);
    EXPECT_EQ(window->playerArea().favouritesDeleteMenu().objectName(), QStringLiteral("N9"));
    EXPECT_EQ(window->playerArea().favouritesDeleteMenu().title(), QStringLiteral("删除收藏夹节目"));
    EXPECT_EQ(menuTexts(window->playerArea().favouritesDeleteMenu()), c.deleteMenu);

    // The stock page shows only a stock that was looked up before.
    const QString page = objects.market.url(QStringLiteral("/gpgetstock.asp?name=") + c.code);
    if (c.stockPageShown)
        EXPECT_EQ(stockPageUrl(), QUrl(page));
    else
        EXPECT_TRUE(window->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"))->url().isEmpty());

    // The dashboard load of the first show remembers the stock and names its boxes.
    EXPECT_EQ(readGbk(file("gp06856.dat")), QString::fromLatin1(c.code) + QStringLiteral("\r\n"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("GroupBox5"))->title(),
              QString::fromUtf8(c.stockName) + QStringLiteral("-最近30日主力散户持仓对比"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(),
              QStringLiteral("网民对(%1)的最新热评（所有数据仅供参考）").arg(QString::fromUtf8(c.stockName)));
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
    EXPECT_FALSE(objects.lifecycle.exitRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartStateTest,
    ::testing::Values(
        StartCase{"firstStart", nullptr, nullptr, nullptr, "000001", "平安银行", false, {}, {}},
        StartCase{"remembered",
                  "600036\r\n",
                  "新闻&http://tv.example/1\r\nno separator\r\n",
                  "电影&http://tv.example/f?a=1&b=2\r\n体育&http://tv.example/s\r\n",
                  "600036",
                  "招商银行",
                  true,
                  {{"新闻"}, {"http://tv.example/1"}, 2, {"电影", "体育"},
                   {"http://tv.example/f?a=1&b=2", "http://tv.example/s"}},
                  {"电影", "体育", "-", "删除全部"}},
        StartCase{"garbageStockFileAndEmptyFavourites", "abc\r\n", nullptr, "", "000001",
                  "平安银行", false, {}, {"-", "删除全部"}}),
    testsupport::CaseName());

// ---- the lookup -----------------------------------------------------------------------------

TEST_F(StockCoreTest, LookedUpStockIsShownAgainAfterARestart)
{
    start();
    window->timers().stop(MainTimer::Timer7);

    lookUp(QStringLiteral("600036"));

    EXPECT_EQ(window->state().currentCode, QStringLiteral("600036"));
    EXPECT_EQ(window->state().currentName, QStringLiteral("招商银行"));
    EXPECT_EQ(stockPageUrl(), QUrl(objects.market.url(QStringLiteral("/gpgetstock.asp?name=600036"))));
    EXPECT_EQ(readGbk(file("gp06856.dat")), QStringLiteral("600036\r\n"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("GroupBox5"))->title(),
              QStringLiteral("招商银行-最近30日主力散户持仓对比"));
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());

    window.reset();
    start();

    EXPECT_EQ(window->toolBar().codeBox().text(), QStringLiteral("600036"));
    EXPECT_EQ(window->state().currentName, QStringLiteral("招商银行"));
    EXPECT_EQ(stockPageUrl(), QUrl(objects.market.url(QStringLiteral("/gpgetstock.asp?name=600036"))));
}

struct RefusalCase {
    const char* name;
    const char* typed;
    const char* message;
};

class RefusalTest : public StockCoreTest, public ::testing::WithParamInterface<RefusalCase> {};

// A refused code changes nothing, puts the focus back into the code box, and the next click
// is looked at again.
TEST_P(RefusalTest, ShowsItsBoxAndHandsTheFocusBack)
{
    start();
    window->toolBar().lookupButton().setFocus();

    lookUp(QString::fromLatin1(GetParam().typed));

    EXPECT_EQ(objects.prompter.errors, QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(window->focusWidget(), &window->toolBar().codeBox());
    EXPECT_EQ(window->state().currentCode, QStringLiteral("000001"));
    EXPECT_EQ(window->state().currentName, QStringLiteral("平安银行"));
    EXPECT_EQ(readGbk(file("gp06856.dat")), QStringLiteral("000001\r\n"));

    window->toolBar().lookupButton().click();
    EXPECT_EQ(objects.prompter.errors.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RefusalTest,
    ::testing::Values(RefusalCase{"fiveDigits", "60003", "必须输入六位股票代码!"},
                      RefusalCase{"notShanghaiOrShenzhen", "900001", "必须输入沪深股票及创业板代码"},
                      RefusalCase{"unknownToTheFeed", "600999", "您输入的股票不存在,请重新输入！"}),
    testsupport::CaseName());

TEST_F(StockCoreTest, SecondClickDuringALookupIsIgnored)
{
    start();
    int clicksDuringWait = 0;
    objects.market.duringQuoteRequest = [&](const QString&) {
        ++clicksDuringWait;
        window->toolBar().lookupButton().click();
    };

    lookUp(QStringLiteral("600036"));

    EXPECT_GE(clicksDuringWait, 1);
    // The first lookup's request only: the click inside it started nothing.
    EXPECT_EQ(objects.market.quoteRequests(QStringLiteral("600036")), 1);
    EXPECT_EQ(window->state().currentCode, QStringLiteral("600036"));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

// ---- the dashboard load ---------------------------------------------------------------------

struct DashboardCase {
    const char* name;
    QDateTime at;
    int quotePanelLoads;
    int indexLoads;
};

class DashboardLoadTest : public StockCoreTest, public ::testing::WithParamInterface<DashboardCase> {};

// The one-off quote loads of a lookup's dashboard follow the day and the second; the stock file
// is written before them, the captions after.
TEST_P(DashboardLoadTest, OneOffQuoteLoadsFollowTheDayAndTime)
{
    const DashboardCase& c = GetParam();
    objects.clock.freezeAt(c.at);
    start();
    const QString code = QStringLiteral("600036");
    int panelLoads = -1; // the lookup's own check is the first request of the code
    objects.market.duringQuoteRequest = [&](const QString& requested) {
        if (requested != code)
            return;
        if (++panelLoads > 0)
            EXPECT_EQ(readGbk(file("gp06856.dat")), QStringLiteral("600036\r\n"));
    };
    const int indexBefore = objects.market.indexRequests();

    lookUp(code);

    EXPECT_EQ(panelLoads, c.quotePanelLoads);
    EXPECT_EQ(objects.market.indexRequests() - indexBefore, c.indexLoads);
    EXPECT_EQ(boxTitle("GroupBox5"), QStringLiteral("招商银行-最近30日主力散户持仓对比"));
    EXPECT_EQ(boxTitle("GroupBox1"), QStringLiteral("网民对(招商银行)的最新热评（所有数据仅供参考）"));
    EXPECT_EQ(readGbk(file("gp06856.dat")), QStringLiteral("600036\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Moments, DashboardLoadTest,
    ::testing::Values(
        DashboardCase{"saturdayEvening", QDateTime(QDate(2026, 12, 12), QTime(20, 0)), 2, 1},
        DashboardCase{"sundayMorning", QDateTime(QDate(2026, 12, 13), QTime(10, 0)), 1, 0},
        DashboardCase{"thursdayMorning", QDateTime(QDate(2026, 12, 10), QTime(10, 0)), 0, 0},
        DashboardCase{"lastSecondBeforeTheWindow", QDateTime(QDate(2026, 12, 10), QTime(9, 9, 59, 999)), 1, 1},
        DashboardCase{"lastSecondOfTheWindow", QDateTime(QDate(2026, 12, 10), QTime(15, 5, 0, 999)), 0, 0},
        DashboardCase{"firstSecondAfterTheWindow", QDateTime(QDate(2026, 12, 10), QTime(15, 5, 1)), 1, 1}),
    testsupport::CaseName());

// A stock file that cannot be written ends the load before any page is fetched; the stock is
// the new one all the same, and the flow monitor stays off.
TEST_F(StockCoreTest, StockFileWriteFailureEndsTheLoadBeforeAnyFetch)
{
    objects.clock.freezeAt(QDateTime(QDate(2026, 12, 12), QTime(20, 0)));
    start();
    QFile::remove(file("gp06856.dat"));
    ASSERT_TRUE(QDir(objects.dataDir.path()).mkdir(QStringLiteral("gp06856.dat")));
    const int indexBefore = objects.market.indexRequests();

    lookUp(QStringLiteral("600036"));

    EXPECT_EQ(objects.market.quoteRequests(QStringLiteral("600036")), 1);
    EXPECT_EQ(objects.market.indexRequests(), indexBefore);
    EXPECT_EQ(window->state().currentCode, QStringLiteral("600036"));
    EXPECT_NE(boxTitle("GroupBox5"), QStringLiteral("招商银行-最近30日主力散户持仓对比"));
    EXPECT_FALSE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

// ---- Timer1: quote panel and index box ------------------------------------------------------

struct TickCase {
    const char* name;
    QTime time;
    bool inTray;
    const char* code;
    bool panelRefreshed;
};

class QuoteTickTest : public StockCoreTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(QuoteTickTest, FillsTheIndexBoxAndInsideTheWindowTheQuotePanel)
{
    const TickCase& c = GetParam();
    start();
    for (QLabel* value : {&label("Label2"), &label("Label37")})
        ASSERT_EQ(value->text(), QStringLiteral("0"));
    ASSERT_EQ(label("Label31").text(), QStringLiteral("上证:"));
    ASSERT_EQ(ui::textColour(label("Label31")), red);
    window->state().currentCode = QString::fromLatin1(c.code);
    window->state().inTray = c.inTray;
    objects.clock.freezeAt(QDateTime(QDate(2026, 1, 5), c.time));
    const int requestsBefore = objects.market.quoteRequests(QString::fromLatin1(c.code));

    EXPECT_TRUE(window->timers().fire(MainTimer::Timer1));

    expectIndexBox();
    EXPECT_EQ(window->indexTicks(), 1);
    if (c.panelRefreshed) {
        expectPanel(QString::fromLatin1(c.code));
    } else {
        EXPECT_EQ(label("Label2").text(), QStringLiteral("0"));
        EXPECT_EQ(objects.market.quoteRequests(QString::fromLatin1(c.code)), requestsBefore);
    }
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer1));

    // The indices again on every third tick only.
    window->timers().fire(MainTimer::Timer1);
    window->timers().fire(MainTimer::Timer1);
    EXPECT_EQ(objects.market.indexRequests(), 1);
    window->timers().fire(MainTimer::Timer1);
    EXPECT_EQ(objects.market.indexRequests(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, QuoteTickTest,
    ::testing::Values(TickCase{"fallingStockInTradingHours", QTime(10, 0, 0), false, "000001", true},
                      TickCase{"risingStockInTradingHours", QTime(10, 0, 0), false, "600036", true},
                      TickCase{"windowOpensAt0910", QTime(9, 10, 0), false, "600036", true},
                      TickCase{"inTheTray", QTime(10, 0, 0), true, "600036", false},
                      TickCase{"after1505", QTime(15, 6, 0), false, "600036", false}),
    testsupport::CaseName());

// The service going down keeps what the labels show; Timer1 stays on and tries again, and a
// failed index fetch is tried again on the next tick.
TEST_F(StockCoreTest, FailedRefreshKeepsTheLabelsAndTimer1RunsOn)
{
    start();
    ASSERT_TRUE(window->timers().fire(MainTimer::Timer1));
    expectPanel(QStringLiteral("000001"));

    objects.market.goDown();
    EXPECT_FALSE(window->timers().fire(MainTimer::Timer1)); // quote panel fails
    EXPECT_FALSE(window->timers().fire(MainTimer::Timer1)); // quote panel fails
    EXPECT_EQ(window->indexTicks(), 3);
    EXPECT_FALSE(window->timers().fire(MainTimer::Timer1)); // index fails
    EXPECT_EQ(window->indexTicks(), 3);

    expectPanel(QStringLiteral("000001"));
    expectIndexBox();
    EXPECT_EQ(window->state().currentCode, QStringLiteral("000001"));
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer1));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

// A turnover that is not a number fails the index page after its value and change were read:
// those stay on the index box and the ticker.
TEST_F(StockCoreTest, IndexPageCutShortByABadTurnoverKeepsWhatItWrote)
{
    objects.market.setIndexRecords(QStringLiteral("上证指数,3112.85,-6.29,-0.20%,n/a,"
                                                  "深证成指,9994.62,11.16,0.11%,24736005.99,"));
    start();

    EXPECT_FALSE(window->timers().fire(MainTimer::Timer1));

    EXPECT_EQ(label("Label31").text(), QStringLiteral("上证：3112.85  跌-6.29↓"));
    EXPECT_EQ(ui::textColour(label("Label31")), green);
    EXPECT_EQ(label("Label32").text(), QStringLiteral("深成："));
    EXPECT_EQ(window->indexTicks(), 0);
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer1));
}

// Long figures still fit their labels; so do the captions.
TEST_F(StockCoreTest, LongestFiguresFitTheirLabels)
{
    objects.market.setQuote(QStringLiteral("000001"),
                            QStringLiteral("000001,平安银行,1234.56,-10.00%,-123.45,1234.55,123456,"
                                           "1234.56,123456,123456789,12345678.90,1234.56,0,"
                                           "1234.56,1234.56,-123456,123456,"));
    objects.market.setIndexRecords(QStringLiteral("上证指数,13112.85,-126.29,-10.20%,99990000,"
                                                  "深证成指,19994.62,-1126.16,-10.11%,99990000,"));
    start();
    ASSERT_TRUE(window->timers().fire(MainTimer::Timer1));
    ASSERT_EQ(label("Label32").text(), QStringLiteral("深成：19994.62  跌-1126.16↓ 成交9999亿"));

    QList<QLabel*> labels = window->findChild<QWidget*>(QStringLiteral("quotePanel"))->findChildren<QLabel*>();
    labels << &label("Label31") << &label("Label32");
    for (const QLabel* l : labels) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
            << l->objectName().toStdString() << " " << l->text().toStdString();
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
    }
}

// The ticker exists after the main window's first show; from then on the index rows follow the
// index box.
TEST(TickerIndexRows, FollowTheIndexPage)
{
    uitest::ShellObjects objects;
    ui::WindowSet set(objects.services());
    set.mainWindow.timers().stop(MainTimer::Timer1);
    ASSERT_TRUE(set.ticker.tickerActive());

    ASSERT_TRUE(set.mainWindow.timers().fire(MainTimer::Timer1));

    struct Cell {
        const char* name;
        const char* text;
        QColor ground;
    };
    for (const Cell& cell : {Cell{"Label8", "3112.85", green}, Cell{"Label9", "-6.29", green},
                             Cell{"Label11", "-0.20%", green}, Cell{"Label12", "1385亿元", green},
                             Cell{"Label16", "9994.62", red}, Cell{"Label17", "11.16", red},
                             Cell{"Label18", "0.11%", red}, Cell{"Label19", "2474亿元", red}}) {
        const auto* label = set.ticker.findChild<QLabel*>(QString::fromLatin1(cell.name));
        ASSERT_NE(label, nullptr) << cell.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(cell.text)) << cell.name;
        EXPECT_EQ(ui::cellGround(*label), cell.ground) << cell.name;
        EXPECT_EQ(ui::textColour(*label), QColor(Qt::white)) << cell.name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }

    // The longest figures an index brings still fit their cells.
    objects.market.setIndexRecords(QStringLiteral("上证指数,13112.85,-1126.29,-10.20%,99990000,"
                                                  "深证成指,19994.62,-1126.16,-10.11%,99990000,"));
    for (int tick = 0; tick < 3; ++tick)
        set.mainWindow.timers().fire(MainTimer::Timer1);
    ASSERT_EQ(set.ticker.findChild<QLabel*>(QStringLiteral("Label16"))->text(), QStringLiteral("19994.62"));
    for (const QLabel* label : set.ticker.findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->objectName().toStdString() << " " << label->text().toStdString();
}

// ---- the service status ---------------------------------------------------------------------

struct StatusCase {
    const char* name;
    const char* runStatus; // null: the service cannot be reached
    bool programEnds;
    bool question;
    bool fault;
    bool restOfStartRuns;
};

class ServiceStatusTest : public StockCoreTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(ServiceStatusTest, DecidesWhetherTheProgramRuns)
{
    const StatusCase& c = GetParam();
    if (c.runStatus)
        objects.market.setRunStatus(QString::fromLatin1(c.runStatus));
    else
        objects.sites.serviceBase = QStringLiteral("http://127.0.0.1:9");

    start();

    EXPECT_EQ(objects.lifecycle.exitRequested(), c.programEnds);
    EXPECT_EQ(objects.prompter.questions.size(), c.question ? 1 : 0);
    if (c.fault) {
        ASSERT_EQ(objects.prompter.messages.size(), 1);
        EXPECT_TRUE(objects.prompter.messages[0].startsWith(QStringLiteral("当前有故障，按”确定“")));
        EXPECT_TRUE(objects.prompter.messages[0].endsWith(QStringLiteral("QQ:10001")));
        EXPECT_EQ(objects.opener.opened, QStringList{objects.sites.faultPage});
    } else {
        EXPECT_TRUE(objects.prompter.messages.isEmpty());
    }
    if (c.question) {
        // Answered OK: the download page opens before the end.
        EXPECT_EQ(objects.opener.opened,
                  QStringList{uitest::MarketFixture::pageAddress(objects.market.base())});
    }
    if (!c.programEnds) {
        const auto* notice = window->findChild<QWebEngineView*>(QStringLiteral("WebBrowser5"));
        uitest::processEventsUntil([notice] { return !notice->url().isEmpty(); }, 3000);
        EXPECT_EQ(notice->url(), QUrl(uitest::MarketFixture::noticeAddress(objects.market.base())));
    }
    EXPECT_EQ(window->state().currentName.isEmpty(), !c.restOfStartRuns);
    EXPECT_EQ(window->timers().isActive(MainTimer::Timer7), c.restOfStartRuns);
    EXPECT_TRUE(window->firstShowDone());
    EXPECT_TRUE(splash->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ServiceStatusTest,
    ::testing::Values(StatusCase{"mayRun", "8", false, false, false, true},
                      StatusCase{"upgradeRequired", "7", true, true, false, true},
                      StatusCase{"unreachable", nullptr, true, false, true, false}),
    testsupport::CaseName());

// ---- the exits ------------------------------------------------------------------------------

enum class Exit { CloseBox, TrayMenu };

struct ExitCase {
    const char* name;
    Exit exit;
    const char* blockedFile; // a folder stands where this file goes; null: nothing in the way
};

class ExitTest : public StockCoreTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, BothExitsWriteTheChannelFilesAndAFailedWriteKeepsTheProgram)
{
    const ExitCase& c = GetParam();
    writeGbk(file("gpnew06857.dat"), QStringLiteral("电影&http://tv.example/f\r\n"));
    start();
    // What the player would have done during the run.
    window->channels().favouriteNames << QStringLiteral("体育");
    window->channels().favouriteUrls << QStringLiteral("http://tv.example/s?a=1&b=2");
    if (c.blockedFile) {
        QFile::remove(file(c.blockedFile));
        ASSERT_TRUE(QDir(objects.dataDir.path()).mkdir(QString::fromLatin1(c.blockedFile)));
    }

    if (c.exit == Exit::CloseBox)
        window->close();
    else
        window->actions().action(app::MainCommand::Exit).trigger();

    if (c.blockedFile) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(objects.lifecycle.exitRequested());
        EXPECT_TRUE(objects.prompter.errors.isEmpty());
        return;
    }
    EXPECT_TRUE(objects.lifecycle.exitRequested());
    EXPECT_EQ(readGbk(file("gpnew06858.dat")), QString());
    EXPECT_EQ(readGbk(file("gpnew06857.dat")),
              QStringLiteral("电影&http://tv.example/f\r\n体育&http://tv.example/s?a=1&b=2\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ExitTest,
    ::testing::Values(ExitCase{"closeBox", Exit::CloseBox, nullptr},
                      ExitCase{"trayMenu", Exit::TrayMenu, nullptr},
                      ExitCase{"closeBoxRecentBlocked", Exit::CloseBox, "gpnew06858.dat"},
                      ExitCase{"trayMenuFavouritesBlocked", Exit::TrayMenu, "gpnew06857.dat"}),
    testsupport::CaseName());

} // namespace
