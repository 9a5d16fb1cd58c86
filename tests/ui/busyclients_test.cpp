// A blocking request lets other handlers run while it waits. Whatever comes in the middle (a
// click, a tray command, a tick of a timer that uses the same client), nothing in flight is cut,
// no second request is asked of the busy client, no box appears, and what was held back runs
// once the reply is in. Every site is the in-process market of shellfixture.h.
#include "stockcorefixture.h"

#include "app/placement.h"
#include "alerts/watchedits.h"
#include "store/settingsdatabase.h"
#include "support/namedcase.h"
#include "ui/main/toolbarstrip.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

using testsupport::PrintTo;

using app::MainTimer;
using uitest::StockCoreTest;

const QString shownStock = QStringLiteral("000001");
const QString clickedStock = QStringLiteral("600036");

// The handler whose reply is awaited when the interruption comes.
enum class Waiting {
    IndexTick,      // Timer1 after hours: the index page on IdHTTP1
    QuoteTick,      // Timer1 in trading hours: the quote row on IdHTTP1
    DashboardIndex, // a lookup's dashboard load after hours: the index page on IdHTTP1
    LookupCheck,    // a lookup's stock check on IdHTTPgj
    AlertFetch,     // the alert engine's quote row on IdHTTPgj
};

enum class Interrupt { Click, TrayShow, TrayExit, Timer1Tick, Timer4Tick };

struct BusyCase {
    const char* name;
    Waiting waiting;
    Interrupt interrupt;
};

class BusyClientTest : public StockCoreTest, public ::testing::WithParamInterface<BusyCase> {
protected:
    void SetUp() override
    {
        const bool afterHours = GetParam().waiting == Waiting::IndexTick
                                || GetParam().waiting == Waiting::DashboardIndex;
        objects.clock.freezeAt(QDateTime(QDate(2026, 1, 5), afterHours ? QTime(20, 0) : QTime(10, 0)));
        watchTheShownStock();
        start();
        window->timers().stop(MainTimer::Timer7);
        window->timers().stop(MainTimer::Timer4);
        window->move(5, 5);
    }

    // The alert engine polls the stock on the main window through IdHTTPgj.
    void watchTheShownStock()
    {
        store::SettingsDatabase database(objects.dataDir.path());
        database.open();
        store::WatchList watch;
        alerts::appendStock(watch, shownStock, QStringLiteral("平安银行"));
        database.saveWatchList(watch);
        database.saveSwitches(true, false);
    }

    int alertFetches() const { return objects.market.quoteRequests(shownStock); }

    // Arms the interruption for the awaited request, then starts the waiting handler.
    void startWaiting()
    {
        const auto once = [this] {
            if (std::exchange(armed, false))
                interrupt();
        };
        switch (GetParam().waiting) {
        case Waiting::IndexTick:
        case Waiting::DashboardIndex:
            objects.market.duringIndexRequest = once;
            break;
        case Waiting::QuoteTick:
        case Waiting::AlertFetch:
            objects.market.duringQuoteRequest = [once](const QString& code) {
                if (code == shownStock)
                    once();
            };
            break;
        case Waiting::LookupCheck:
            objects.market.duringQuoteRequest = [once](const QString& code) {
                if (code == clickedStock)
                    once();
            };
            break;
        }
        armed = true;
        switch (GetParam().waiting) {
        case Waiting::IndexTick:
        case Waiting::QuoteTick:
            waitingCompleted = window->timers().fire(MainTimer::Timer1);
            break;
        case Waiting::DashboardIndex:
        case Waiting::LookupCheck:
            lookUp(clickedStock);
            waitingCompleted = window->state().currentCode == clickedStock;
            break;
        case Waiting::AlertFetch: {
            const int before = alertFetches();
            waitingCompleted = window->timers().fire(MainTimer::Timer4) && alertFetches() == before + 1;
            break;
        }
        }
    }

    void interrupt()
    {
        interrupted = true;
        switch (GetParam().interrupt) {
        case Interrupt::Click:
            lookUp(clickedStock);
            heldBack = window->state().currentCode == shownStock;
            break;
        case Interrupt::TrayShow:
            window->actions().action(app::MainCommand::ShowMainWindow).trigger();
            // Centred at once; only the height is exact on the narrow offscreen screen.
            heldBack = window->pos().y()
                       != app::centredOn(QGuiApplication::primaryScreen()->geometry(), window->size()).y();
            break;
        case Interrupt::TrayExit:
            window->actions().action(app::MainCommand::Exit).trigger();
            heldBack = !objects.lifecycle.exitRequested();
            break;
        case Interrupt::Timer1Tick: {
            const int ticks = window->indexTicks();
            // The tick ends without a failure, does nothing and turns its timer back on.
            heldBack = !window->timers().fire(MainTimer::Timer1) || window->indexTicks() != ticks
                       || !window->timers().isActive(MainTimer::Timer1);
            window->timers().stop(MainTimer::Timer1);
            break;
        }
        case Interrupt::Timer4Tick: {
            const int before = alertFetches();
            heldBack = !window->timers().fire(MainTimer::Timer4) || alertFetches() != before
                       || !window->timers().isActive(MainTimer::Timer4);
            window->timers().stop(MainTimer::Timer4);
            break;
        }
        }
    }

    // What the interrupting command did once it got its turn.
    void expectInterruptionDone()
    {
        switch (GetParam().interrupt) {
        case Interrupt::Click:
            ASSERT_TRUE(uitest::processEventsUntil(
                [this] { return window->timers().isActive(MainTimer::Timer7); }));
            EXPECT_EQ(window->state().currentCode, clickedStock);
            EXPECT_EQ(boxTitle("GroupBox5"), QStringLiteral("招商银行-最近30日主力散户持仓对比"));
            EXPECT_EQ(uitest::readGbk(file("gp06856.dat")), clickedStock + QStringLiteral("\r\n"));
            break;
        case Interrupt::TrayShow:
            EXPECT_TRUE(window->isVisible());
            break;
        case Interrupt::TrayExit:
            EXPECT_TRUE(objects.lifecycle.exitRequested());
            break;
        case Interrupt::Timer1Tick:
        case Interrupt::Timer4Tick:
            break;
        }
    }

    uitest::WarningLog warnings;
    bool armed = false;
    bool interrupted = false;
    bool heldBack = false;
    bool waitingCompleted = false;
};

TEST_P(BusyClientTest, NothingInFlightIsCutAndTheInterruptionRunsAfterwards)
{
    const BusyCase& c = GetParam();
    const bool commandWaits = c.interrupt == Interrupt::Click;

    startWaiting();

    ASSERT_TRUE(interrupted);
    EXPECT_TRUE(waitingCompleted) << "the awaited reply was lost";
    EXPECT_EQ(heldBack, commandWaits);
    EXPECT_EQ(window->gates().waiting(QStringLiteral("Image17Click")), commandWaits);
    expectInterruptionDone();
    EXPECT_TRUE(warnings.refusals().isEmpty()) << warnings.refusals().join(u'\n').toStdString();
    EXPECT_TRUE(objects.prompter.errors.isEmpty()) << objects.prompter.errors.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Interruptions, BusyClientTest,
    ::testing::Values(BusyCase{"indexTickClick", Waiting::IndexTick, Interrupt::Click},
                      BusyCase{"quoteTickClick", Waiting::QuoteTick, Interrupt::Click},
                      BusyCase{"alertFetchClick", Waiting::AlertFetch, Interrupt::Click},
                      BusyCase{"indexTickTrayShow", Waiting::IndexTick, Interrupt::TrayShow},
                      BusyCase{"quoteTickTrayExit", Waiting::QuoteTick, Interrupt::TrayExit},
                      BusyCase{"dashboardIndexTrayShow", Waiting::DashboardIndex, Interrupt::TrayShow},
                      BusyCase{"dashboardIndexTimer1", Waiting::DashboardIndex, Interrupt::Timer1Tick},
                      BusyCase{"lookupCheckTimer4", Waiting::LookupCheck, Interrupt::Timer4Tick}),
    testsupport::CaseName());

// In the evening the first show loads the indices and the quote panel once. Ticks of Timer1
// come while the index page is still on its way: they leave the busy client alone, and the load
// goes through to the quote panel and the box captions.
TEST_F(StockCoreTest, EveningIndexReplySlowerThanATickStillFillsTheDashboard)
{
    const uitest::WarningLog warnings;
    objects.clock.freezeAt(QDateTime(QDate(2026, 1, 5), QTime(20, 0)));
    build();
    int ticksWhileBusy = 0;
    bool ticksCompleted = true;
    objects.market.duringIndexRequest = [this, &ticksWhileBusy, &ticksCompleted] {
        for (int tick = 0; tick < 3; ++tick) {
            ticksWhileBusy += window->clients().idHttp1.busy() ? 1 : 0;
            ticksCompleted = window->timers().fire(MainTimer::Timer1) && ticksCompleted;
        }
        objects.market.duringIndexRequest = nullptr;
    };

    window->show();
    ASSERT_TRUE(uitest::processEventsUntil([this] { return splash->isHidden(); }));

    EXPECT_EQ(ticksWhileBusy, 3);
    EXPECT_TRUE(ticksCompleted);
    expectIndexBox();
    expectPanel(shownStock);
    EXPECT_EQ(boxTitle("GroupBox5"), QStringLiteral("平安银行-最近30日主力散户持仓对比"));
    EXPECT_EQ(boxTitle("GroupBox1"), QStringLiteral("网民对(平安银行)的最新热评（所有数据仅供参考）"));
    EXPECT_TRUE(window->timers().isActive(MainTimer::Timer7));
    EXPECT_TRUE(warnings.refusals().isEmpty()) << warnings.refusals().join(u'\n').toStdString();
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

// The lookup checks the code the box held at the click; an edit made while the check waits for
// the quote feed changes neither the stock nor the stock file.
TEST_F(StockCoreTest, LookupKeepsTheCodeOfTheClick)
{
    start();
    objects.market.duringQuoteRequest = [this](const QString& code) {
        if (code == clickedStock)
            window->toolBar().codeBox().setText(QStringLiteral("900001"));
    };

    lookUp(clickedStock);

    EXPECT_EQ(window->state().currentCode, clickedStock);
    EXPECT_EQ(window->state().currentName, QStringLiteral("招商银行"));
    EXPECT_EQ(uitest::readGbk(file("gp06856.dat")), clickedStock + QStringLiteral("\r\n"));
    EXPECT_TRUE(objects.prompter.errors.isEmpty());
}

} // namespace
