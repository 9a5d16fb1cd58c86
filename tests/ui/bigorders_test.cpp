// The big-order analytics in the client: the hidden chart pages and the two bar charts they fill,
// Timer2's reload, the holdings lines, and the windows the flow monitor, the "详情" and "10日"
// boxes and the capital-flow link open. Every site is the in-process market of shellfixture.h,
// serving the pages of tests/fixtures.
#include "stockcorefixture.h"

#include "analytics/bigorderpages.h"
#include "support/namedcase.h"
#include "ui/labelcolours.h"
#include "ui/main/fivedaychartbox.h"
#include "ui/main/holdingsbox.h"
#include "ui/main/quotepanel.h"
#include "ui/main/timechartbox.h"
#include "ui/windowset.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QLineSeries>
#include <QPieSeries>
#include <QPushButton>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using app::MainTimer;
using uitest::StockCoreTest;

struct Bars {
    QList<qreal> buy;
    QList<qreal> sell;
    QStringList labels;
};

Bars barsOf(QChartView& view)
{
    Bars bars;
    const QList<QAbstractSeries*> all = view.chart()->series();
    if (all.isEmpty())
        return bars;
    auto* series = qobject_cast<QBarSeries*>(all.first());
    for (int i = 0; i < series->barSets().at(0)->count(); ++i)
        bars.buy << series->barSets().at(0)->at(i);
    for (int i = 0; i < series->barSets().at(1)->count(); ++i)
        bars.sell << series->barSets().at(1)->at(i);
    for (QAbstractAxis* axis : view.chart()->axes(Qt::Horizontal))
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
            bars.labels = categories->categories();
    return bars;
}

int pageRequests(const uitest::ShellObjects& objects, const QString& code, const char* page)
{
    const QString market = code.startsWith(u'6') ? QStringLiteral("sh") : QStringLiteral("sz");
    return const_cast<uitest::ShellObjects&>(objects).market.http().requestCount(
        QStringLiteral("/stock/%1/%2/%3").arg(market, code, QString::fromLatin1(page)));
}

class BigOrderChartsTest : public StockCoreTest {
protected:
    void settle()
    {
        ASSERT_TRUE(uitest::processEventsUntil([this] { return !window->bigOrderPagesLoading(); }));
    }
    QChartView& chart1() { return window->timeChartBox().chart(); }
    QChartView& chart2() { return window->fiveDayChartBox().chart(); }
};

// The first show loads the stock's three pages; the half-hour chart and the last five days of
// the daily chart are drawn, and the pie's lists wait for the flow monitor.
TEST_F(BigOrderChartsTest, FirstShowDrawsBothChartsFromTheStocksPages)
{
    start();

    EXPECT_EQ(pageRequests(objects, QStringLiteral("000001"), "single-bar.htm"), 1);
    EXPECT_EQ(pageRequests(objects, QStringLiteral("000001"), "single-barDay.htm"), 1);
    EXPECT_EQ(pageRequests(objects, QStringLiteral("000001"), "single-pie.htm"), 1);
    const Bars today = barsOf(chart1());
    EXPECT_EQ(today.buy, (QList<qreal>{100, 50}));
    EXPECT_EQ(today.sell, (QList<qreal>{20, 80}));
    EXPECT_EQ(today.labels, (QStringList{"10:00", "10:30"}));
    EXPECT_EQ(window->timeChartBox().title(), QStringLiteral("平安银行(000001)今日每半小时大单成交分布图"));

    const Bars days = barsOf(chart2());
    // Positions 5-9 of the ten days, in lots of 100 shares.
    EXPECT_EQ(days.buy, (QList<qreal>{12, 3, 45, 0.6, 123.45}));
    EXPECT_EQ(days.labels, (QStringList{"5月7日", "5月8日", "5月9日", "5月10日", "5月13日"}));
    EXPECT_EQ(window->fiveDayChartBox().title(), QStringLiteral("平安银行(000001)近5日大单成交分布图"));
    EXPECT_EQ(window->bigOrders().pieValues, (QStringList{"12", "8", "30", "10", "15", "5", "12", "8"}));
}

// A stock change empties the half-hour chart and loads the new stock's pages under its market.
TEST_F(BigOrderChartsTest, StockChangeLoadsTheNewStocksPagesUnderItsMarket)
{
    start();
    objects.market.setBigOrderPage(QStringLiteral("600036"), QStringLiteral("single-bar.htm"),
                                   uitest::MarketFixture::fixtureFile(QStringLiteral("bigorder/single-bar-nodata.htm")));

    lookUp(QStringLiteral("600036"));
    settle();

    EXPECT_EQ(pageRequests(objects, QStringLiteral("600036"), "single-bar.htm"), 1);
    EXPECT_EQ(pageRequests(objects, QStringLiteral("600036"), "single-barDay.htm"), 1);
    // The new stock's page has no data yet: its lists are empty and its chart stays empty.
    EXPECT_TRUE(window->bigOrders().halfHourBuy.isEmpty());
    EXPECT_TRUE(chart1().chart()->series().isEmpty());
    EXPECT_EQ(window->fiveDayChartBox().title(), QStringLiteral("招商银行(600036)近5日大单成交分布图"));
}

struct ReloadCase {
    const char* name;
    QDateTime at;
    bool reloads;
};

class MinuteReloadTest : public BigOrderChartsTest, public ::testing::WithParamInterface<ReloadCase> {};

// Timer2 reloads the two intraday pages strictly between 10:00:00 and 15:30:00, on any day; the
// daily page only at the first show and a stock change.
TEST_P(MinuteReloadTest, ReloadsTheIntradayPagesInsideTheWindow)
{
    objects.clock.freezeAt(GetParam().at);
    start();
    ASSERT_TRUE(window->timers().fire(MainTimer::Timer2));
    settle();
    const int expected = GetParam().reloads ? 2 : 1;
    EXPECT_EQ(pageRequests(objects, QStringLiteral("000001"), "single-bar.htm"), expected);
    EXPECT_EQ(pageRequests(objects, QStringLiteral("000001"), "single-pie.htm"), expected);
    EXPECT_EQ(pageRequests(objects, QStringLiteral("000001"), "single-barDay.htm"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, MinuteReloadTest,
    ::testing::Values(ReloadCase{"tenOClock", QDateTime(QDate(2026, 12, 10), QTime(10, 0, 0, 999)), false},
                      ReloadCase{"oneSecondAfterTen", QDateTime(QDate(2026, 12, 10), QTime(10, 0, 1)), true},
                      ReloadCase{"saturdayAfternoon", QDateTime(QDate(2026, 12, 12), QTime(14, 0)), true},
                      ReloadCase{"halfPastThree", QDateTime(QDate(2026, 12, 10), QTime(15, 30, 0, 500)), false}),
    testsupport::CaseName());

// The holdings lines: 30 points each, the reply's last line leftmost; a reply the reader refuses
// ends the load with the failure caption, so the comment box keeps its caption.
TEST_F(BigOrderChartsTest, HoldingsLinesAndTheirFailureCaption)
{
    start();
    auto* mainForce = qobject_cast<QLineSeries*>(window->holdingsBox().findChild<QChartView*>(
        QStringLiteral("Chart3"))->chart()->series().at(0));
    ASSERT_NE(mainForce, nullptr);
    EXPECT_EQ(mainForce->count(), 30);
    EXPECT_GT(mainForce->at(0).y(), mainForce->at(29).y()) << "the last line (the highest) leftmost";

    objects.market.setHoldings(QStringLiteral("600036"), "not a date,1,2,3,4,5\n");
    lookUp(QStringLiteral("600036"));
    EXPECT_EQ(window->holdingsBox().title(), QStringLiteral("获取数据失败"));
    EXPECT_NE(boxTitle("GroupBox1"), QStringLiteral("网民对(招商银行)的最新热评（所有数据仅供参考）"));
}

// ---- the windows -----------------------------------------------------------------------------

class BigOrderWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        objects.clock.freezeAt(QDateTime(QDate(2026, 12, 10), QTime(10, 30)));
        set = std::make_unique<ui::WindowSet>(objects.services());
        for (MainTimer id : {MainTimer::Timer1, MainTimer::Timer2, MainTimer::Timer4, MainTimer::Timer5,
                             MainTimer::Timer6, MainTimer::Timer7, MainTimer::Timer9})
            set->mainWindow.timers().stop(id);
        ASSERT_TRUE(uitest::processEventsUntil([this] { return !set->mainWindow.bigOrderPagesLoading(); }));
    }

    QLabel& label(QWidget& window, const char* name)
    {
        return *window.findChild<QLabel*>(QString::fromLatin1(name));
    }

    uitest::ShellObjects objects;
    std::unique_ptr<ui::WindowSet> set;
};

// A tick of the monitor with two windows on the page announces the second; the pie opens with it
// and holds the main window until it is closed, which unticks "详情".
TEST_F(BigOrderWindowsTest, FlowMonitorAnnouncesTheLatestWindowAndOpensThePie)
{
    ASSERT_TRUE(set->mainWindow.timers().fire(MainTimer::Timer7));

    EXPECT_TRUE(set->flowPopup.isVisible());
    EXPECT_EQ(label(set->flowPopup, "Label3").text(), QStringLiteral("今日大单流入:150万股 大单流出:100万股 总计净流入50万股"));
    EXPECT_EQ(ui::textColour(label(set->flowPopup, "Label3")), QColor(255, 0, 0));
    EXPECT_EQ(label(set->flowPopup, "Label1").text(), QStringLiteral("在 10:00-10:30 之间大单净流出30万股"));
    EXPECT_EQ(ui::textColour(label(set->flowPopup, "Label1")), QColor(0, 128, 0));
    EXPECT_FALSE(label(set->flowPopup, "Image1").isVisible());
    EXPECT_TRUE(label(set->flowPopup, "Image2").isVisible());
    EXPECT_EQ(label(set->flowPopup, "Label2").text(), QStringLiteral("平安银行(000001)"));
    EXPECT_EQ(set->flowPopup.frameGeometry().topRight(),
              QPoint(QGuiApplication::primaryScreen()->geometry().width() - 1, 0));

    ASSERT_TRUE(set->pie.isVisible());
    EXPECT_FALSE(set->mainWindow.isEnabled());
    auto* pie = qobject_cast<QPieSeries*>(set->pie.chart().chart()->series().at(0));
    ASSERT_EQ(pie->count(), 8);
    EXPECT_EQ(pie->slices().at(0)->label(), QStringLiteral("单笔买入50万以下(12%)"));
    EXPECT_EQ(set->pie.chart().chart()->title(), QStringLiteral("平安银行(000001)今日(2026-12-10)大单进出成交分布图"));

    set->pie.close();
    EXPECT_TRUE(set->mainWindow.isEnabled());

    // The window is announced once; the pie is not opened again by the next tick.
    set->flowPopup.hide();
    ASSERT_TRUE(set->mainWindow.timers().fire(MainTimer::Timer7));
    EXPECT_FALSE(set->flowPopup.isVisible());
    EXPECT_FALSE(set->pie.isVisible());
}

// The pause boxes keep the popup and the pie closed and untick their tray items; the items
// resume them.
TEST_F(BigOrderWindowsTest, PausedPopupIsRewrittenButNotShownAndTheTrayResumesIt)
{
    QAction& resume = set->mainWindow.actions().action(app::MainCommand::FlowNotice);
    QAction& resumePie = set->mainWindow.actions().action(app::MainCommand::FlowPieNotice);
    set->flowPopup.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    set->pie.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    EXPECT_FALSE(resume.isChecked());
    EXPECT_FALSE(resumePie.isChecked());

    ASSERT_TRUE(set->mainWindow.timers().fire(MainTimer::Timer7));
    EXPECT_FALSE(set->flowPopup.isVisible());
    EXPECT_EQ(label(set->flowPopup, "Label1").text(), QStringLiteral("在 10:00-10:30 之间大单净流出30万股"));
    EXPECT_FALSE(set->pie.isVisible());

    resume.trigger();
    resumePie.trigger();
    EXPECT_TRUE(resume.isChecked());
    EXPECT_FALSE(set->flowPopup.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
    EXPECT_FALSE(set->pie.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
}

// "10日" opens the ten-day window only when it becomes ticked; closing it unticks the box. With
// the capital-flow window open as well, the main window stays disabled until both are closed.
TEST_F(BigOrderWindowsTest, TenDayAndCapitalFlowWindowsShareTheMainWindowsDisabledState)
{
    auto* tenDays = set->mainWindow.fiveDayChartBox().findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    tenDays->setChecked(true);
    ASSERT_TRUE(set->tenDayChart.isVisible());
    EXPECT_EQ(label(set->tenDayChart, "Label1").text(),
              QStringLiteral("近10日 大单流入:335手  大单流出:113手  合计流入:222手"));
    EXPECT_EQ(set->tenDayChart.chart().chart()->title(), QStringLiteral("平安银行(000001)近10日大单成交分布图"));
    EXPECT_EQ(barsOf(set->tenDayChart.chart()).buy.size(), 10);
    EXPECT_FALSE(set->mainWindow.isEnabled());

    emit set->mainWindow.quotePanel().capitalFlowRequested();
    ASSERT_TRUE(set->capitalFlow.isVisible());
    EXPECT_EQ(label(set->capitalFlow, "Label8").text(), QStringLiteral("所有数据来自互联网，据此操作后果自负"));
    EXPECT_FALSE(label(set->capitalFlow, "Image1").pixmap().isNull());

    set->tenDayChart.close();
    EXPECT_FALSE(tenDays->isChecked());
    EXPECT_FALSE(set->mainWindow.isEnabled()) << "the capital flow still holds it";
    set->capitalFlow.close();
    EXPECT_TRUE(set->mainWindow.isEnabled());
}

// A minute chart that is not a GIF: opened from the main window the capital-flow window stays
// closed and the main window takes input; "查看" refuses a short or foreign code with its box.
TEST_F(BigOrderWindowsTest, CapitalFlowFailuresAndRefusals)
{
    for (const char* stock : {"000001", "600036"})
        objects.market.setMinuteChart(QString::fromLatin1(stock), "not a picture");
    emit set->mainWindow.quotePanel().capitalFlowRequested();
    EXPECT_FALSE(set->capitalFlow.isVisible());
    EXPECT_TRUE(set->mainWindow.isEnabled());

    auto* code = set->capitalFlow.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* view = set->capitalFlow.findChild<QPushButton*>(QStringLiteral("Button1"));
    for (const char* typed : {"60003", "900001"}) {
        code->setText(QString::fromLatin1(typed));
        view->click();
    }
    EXPECT_EQ(objects.prompter.errors, (QStringList{"必须输入六位股票代码!", "必须输入沪深股票及创业板代码"}));
    code->setText(QStringLiteral("600036"));
    view->click();
    EXPECT_FALSE(label(set->capitalFlow, "Label6").isHidden());
    EXPECT_EQ(label(set->capitalFlow, "Label9").text(), QString());
}

// The holdings popup beside a recommended stock: the label's code in brackets gives the lines
// and the stock page, the window's right edge on the recommendation window's left edge and its
// bottom at the pointer; a label without a code shows nothing.
TEST_F(BigOrderWindowsTest, HoldingsPopupShowsTheLabelsStockBesideTheWindow)
{
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const QRect recommendations(600, 100, 474, 408);
    EXPECT_FALSE(set->holdingsPopup.showFor(QStringLiteral("招商银行"), client, objects.sites.holdingsSite,
                                            objects.sites.serviceBase, recommendations, 400));
    EXPECT_FALSE(set->holdingsPopup.isVisible());

    ASSERT_TRUE(set->holdingsPopup.showFor(QStringLiteral("招商(银行(600036)"), client, objects.sites.holdingsSite,
                                           objects.sites.serviceBase, recommendations, 400));
    EXPECT_TRUE(set->holdingsPopup.isVisible());
    EXPECT_EQ(set->holdingsPopup.frameGeometry().right() + 1, recommendations.left());
    EXPECT_EQ(set->holdingsPopup.frameGeometry().bottom() + 1, 400);
    auto* retail = qobject_cast<QLineSeries*>(set->holdingsPopup.findChild<QChartView*>(
        QStringLiteral("Chart4"))->chart()->series().at(0));
    ASSERT_NE(retail, nullptr);
    EXPECT_EQ(retail->count(), 30);
}

} // namespace
