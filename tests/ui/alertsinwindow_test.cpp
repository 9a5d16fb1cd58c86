// The alert engine in the client: the settings database at the first show, Timer4's ticks
// raising the popups through the window set, Timer6's re-arming, the weekend rest of Timer1.
// Every site is the in-process market of shellfixture.h.
#include "stockcorefixture.h"

#include "alerts/watchedits.h"
#include "store/settingsdatabase.h"
#include "support/namedcase.h"
#include "ui/main/mainstatusbar.h"
#include "ui/main/toolbarstrip.h"
#include "ui/windowset.h"

#include <QFile>
#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::PrintTo;

using app::MainTimer;

const QDate monday(2026, 1, 5);

// A stock at +9.80 % with a 5000-lot buy and 23000 lots at the best bid.
const QString hotRow = QStringLiteral("600036,招商银行,33.21,9.80%,2.96,33.20,23000,33.21,2586,325795,"
                                      "98956.18,30.39,30.21,33.21,30.14,5000,5000,");

class AlertsInWindowTest : public ::testing::Test {
protected:
    void watch(const QString& code, const QString& flags, bool localAlerts = true)
    {
        store::SettingsDatabase database(objects.dataDir.path());
        database.open();
        store::WatchList list = database.readWatchList();
        alerts::appendStock(list, code, QStringLiteral("名称"));
        list.watchFlags.last() = flags;
        database.saveWatchList(list);
        database.saveSwitches(localAlerts, false);
    }

    void start(QTime time)
    {
        objects.clock.freezeAt(QDateTime(monday, time));
        set = std::make_unique<ui::WindowSet>(objects.services());
        for (MainTimer id : {MainTimer::Timer1, MainTimer::Timer4, MainTimer::Timer6})
            timers().stop(id);
    }

    app::MainTimers& timers() { return set->mainWindow.timers(); }
    QString statusText() { return set->mainWindow.statusBar().panel(1).text(); }
    static QString line(const QWidget& window, const char* name)
    {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    uitest::ShellObjects objects;
    std::unique_ptr<ui::WindowSet> set;
};

TEST_F(AlertsInWindowTest, FirstStartCreatesTheDatabaseAndShowsBothSwitchesOff)
{
    start(QTime(10, 0));
    EXPECT_TRUE(QFile::exists(objects.dataDir.filePath(QStringLiteral("gpbd0856.dat"))));
    EXPECT_EQ(statusText(), QStringLiteral("本机监视股价：停止  手机接收股价：停止"));
    EXPECT_EQ(set->mainWindow.localAlerts().watchList().size(), 0);

    // A hot stock watched with local alerts still off: the engine asks the feed for nothing and
    // raises nothing.
    objects.market.setQuote(QStringLiteral("600036"), hotRow);
    watch(QStringLiteral("600036"), QStringLiteral("1111"), false);
    set->mainWindow.localAlerts().sendbase();
    ASSERT_EQ(set->mainWindow.localAlerts().watchList().size(), 1);
    const int before = objects.market.quoteRequests(QStringLiteral("600036"));
    EXPECT_TRUE(timers().fire(MainTimer::Timer4));
    EXPECT_EQ(objects.market.quoteRequests(QStringLiteral("600036")), before);
    EXPECT_FALSE(set->limitPopup.isVisible());
}

// The engine's events reach their popups; each kind holds back until it is re-armed.
TEST_F(AlertsInWindowTest, TickRaisesThePopupsAndTimer6ReArmsThem)
{
    objects.market.setQuote(QStringLiteral("600036"), hotRow);
    watch(QStringLiteral("600036"), QStringLiteral("1111"));
    start(QTime(10, 21, 5));
    EXPECT_EQ(statusText(), QStringLiteral("本机监视股价：启用  手机接收股价：停止"));

    EXPECT_TRUE(timers().fire(MainTimer::Timer4));

    EXPECT_TRUE(set->limitPopup.isVisible());
    EXPECT_EQ(line(set->limitPopup, "Label1"), QStringLiteral("注意:招商银行(600036) 股价接近涨停或已涨停"));
    EXPECT_TRUE(set->bigTradePopup.isVisible());
    EXPECT_EQ(line(set->bigTradePopup, "Label1"),
              QStringLiteral("注意:招商银行(600036)在10:21:05有5000手大买单成交"));
    EXPECT_TRUE(set->riseFallPopup.isVisible());
    // The limit alert stops the order alerts of the stock.
    EXPECT_FALSE(set->bigOrderPopup.isVisible());
    EXPECT_TRUE(timers().isActive(MainTimer::Timer4));

    const alerts::AlertState& state = set->mainWindow.localAlerts().state();
    EXPECT_EQ(state.bigTradeCooldown, QStringList{"0"});
    for (int second = 0; second < 301; ++second)
        timers().fire(MainTimer::Timer6);
    EXPECT_EQ(state.bigTradeCooldown, QStringList{"-1"});
    EXPECT_EQ(state.limitAlerted, QStringList{"1"});
    EXPECT_TRUE(timers().isActive(MainTimer::Timer6));
}

TEST_F(AlertsInWindowTest, OpeningBroadcastFillsThePriceGridOnce)
{
    watch(QStringLiteral("600036"), QStringLiteral("0000"));
    watch(QStringLiteral("000001"), QStringLiteral("0000"));
    start(QTime(9, 29));

    timers().fire(MainTimer::Timer4);

    ASSERT_TRUE(set->priceGrid.isVisible());
    EXPECT_EQ(line(set->priceGrid, "Panel1"), QStringLiteral("现在(09:29:00)播报开盘价"));
    const auto* grid = set->priceGrid.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("招商银行(600036)"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("30.39"));
    EXPECT_EQ(grid->item(1, 3)->text(), QStringLiteral("-0.39%↓"));

    set->priceGrid.close();
    timers().fire(MainTimer::Timer4);
    EXPECT_FALSE(set->priceGrid.isVisible());
}

// Saturday's ticks rest the quote panel's timer; Monday's first tick starts it again.
TEST_F(AlertsInWindowTest, WeekendRestsTimer1UntilMonday)
{
    watch(QStringLiteral("600036"), QStringLiteral("1111"));
    start(QTime(10, 0));
    timers().start(MainTimer::Timer1);
    const int requests = objects.market.quoteRequests(QStringLiteral("600036"));

    objects.clock.freezeAt(QDateTime(QDate(2026, 1, 10), QTime(10, 0)));
    EXPECT_TRUE(timers().fire(MainTimer::Timer4));
    EXPECT_FALSE(timers().isActive(MainTimer::Timer1));
    EXPECT_EQ(objects.market.quoteRequests(QStringLiteral("600036")), requests);

    objects.clock.freezeAt(QDateTime(QDate(2026, 1, 12), QTime(10, 0)));
    EXPECT_TRUE(timers().fire(MainTimer::Timer4));
    EXPECT_TRUE(timers().isActive(MainTimer::Timer1));
    EXPECT_EQ(objects.market.quoteRequests(QStringLiteral("600036")), requests + 1);
}

// A feed that fails or sends a short record ends the tick quietly; the engine goes on.
TEST_F(AlertsInWindowTest, FailedFetchEndsTheTickQuietly)
{
    watch(QStringLiteral("600036"), QStringLiteral("1111"));
    watch(QStringLiteral("000001"), QStringLiteral("1111"));
    objects.market.setQuote(QStringLiteral("600036"), hotRow);
    objects.market.setQuote(QStringLiteral("000001"), QStringLiteral("000001,平安银行,10.09,"));
    start(QTime(10, 0));

    EXPECT_FALSE(timers().fire(MainTimer::Timer4));
    EXPECT_FALSE(set->limitPopup.isVisible());
    EXPECT_TRUE(timers().isActive(MainTimer::Timer4));

    objects.market.goDown();
    EXPECT_FALSE(timers().fire(MainTimer::Timer4));
    EXPECT_TRUE(timers().isActive(MainTimer::Timer4));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

// A settings file that cannot be read ends the first show at its step, without a word.
TEST_F(AlertsInWindowTest, DamagedDatabaseEndsTheFirstShowThere)
{
    QFile file(objects.dataDir.filePath(QStringLiteral("gpbd0856.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, '\x7f'));
    file.close();

    set = std::make_unique<ui::WindowSet>(objects.services());

    EXPECT_TRUE(set->mainWindow.firstShowDone());
    EXPECT_TRUE(uitest::processEventsUntil([this] { return set->splash.isHidden(); }));
    EXPECT_TRUE(set->mainWindow.toolBar().codeBox().text().isEmpty()) << "the state files were read";
    EXPECT_FALSE(timers().isActive(MainTimer::Timer4));
    EXPECT_TRUE(statusText().isEmpty());
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

} // namespace
