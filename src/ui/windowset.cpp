#include "ui/windowset.h"

#include "analytics/bigorderpie.h"
#include "analytics/tendaychart.h"
#include "app/clock.h"
#include "net/guard.h"
#include "ui/main/fivedaychartbox.h"
#include "ui/main/flowmonitorsteps.h"
#include "ui/main/quotepanel.h"
#include "ui/main/timechartbox.h"
#include "ui/main/mainstatusbar.h"

#include <QLabel>

namespace ui {

WindowSet::WindowSet(const Services& services, bool showAtCreation)
    : splash(showAtCreation), mainWindow(services, splash, showAtCreation),
      alertSettings(services, mainWindow.localAlerts()),
      phone(services, mainWindow.localAlerts().database()),
      ticker(services, [this] { return mainWindow.localAlerts().watchList().watchCodes; }),
      capitalFlow(services)
{
    wire();
}

void WindowSet::wire()
{
    // The ticker is made after the main window's first show; the index pages reach it from then
    // on.
    QObject::connect(&mainWindow, &TForm1::indicesRead, &ticker, &TForm15::showIndices);
    ticker.serve(mainWindow.actions().action(app::MainCommand::Ticker));
    QObject::connect(&mainWindow, &TForm1::alertRaised, &mainWindow,
                     [this](const alerts::AlertEvent& event) { showAlert(event); });
    wireAlertSettings();
    wireBigOrders();
}

// While the settings window is open the engine and the news timer rest, the ticker stops and the
// main window takes no input; a save hands its results to the status bar and the ticker.
void WindowSet::wireAlertSettings()
{
    alertSettings.serve(mainWindow.actions().action(app::MainCommand::AlertSettings));
    QObject::connect(&alertSettings, &TForm3::opening, &mainWindow, [this] {
        mainWindow.timers().hold(app::MainTimer::Timer4);
        mainWindow.timers().hold(app::MainTimer::Timer5);
        ticker.pauseTicking();
        mainWindowHold.hold(alertSettings);
    });
    QObject::connect(&alertSettings, &TForm3::saved, &mainWindow, [this](const QString& status, int count) {
        mainWindow.statusBar().panel(1).setText(status);
        ticker.rebuildRows(count);
        endAlertSettings();
    });
    QObject::connect(&alertSettings, &TForm3::left, &mainWindow, [this] {
        ticker.resumeTicking();
        endAlertSettings();
    });
    QObject::connect(&alertSettings, &TForm3::phoneWindowRequested, &phone, [this] {
        alertSettings.setEnabled(false);
        phone.openFor(alertSettings.phoneOnRecord(), alertSettings.shownNumber());
    });
    QObject::connect(&phone, &TForm4::registered, &alertSettings, &TForm3::numberRegistered);
    QObject::connect(&phone, &TForm4::closed, &alertSettings, [this] { alertSettings.setEnabled(true); });
}

void WindowSet::endAlertSettings()
{
    mainWindowHold.release(alertSettings);
    mainWindow.timers().release(app::MainTimer::Timer4);
    mainWindow.timers().release(app::MainTimer::Timer5);
}

// The big-order windows: the flow popup and the pie follow the flow monitor, the pie and the
// ten-day chart open from their boxes, the capital flow from the quote panel's link. The pie,
// the ten-day chart and the capital flow keep the main window from taking input while open.
void WindowSet::wireBigOrders()
{
    const main::MainActions& actions = mainWindow.actions();
    flowPopup.serve(actions.action(app::MainCommand::FlowNotice));
    pie.serve(actions.action(app::MainCommand::FlowPieNotice));
    main::FlowMonitorSteps& monitor = mainWindow.flowMonitor();
    QObject::connect(&monitor, &main::FlowMonitorSteps::totalsChanged, &flowPopup, &TForm10::showTotals);
    QObject::connect(&monitor, &main::FlowMonitorSteps::windowAnnounced, &flowPopup,
                     [this](const analytics::FlowAnnouncement& announcement) {
                         flowPopup.announce(announcement);
                         if (!pie.isVisible() && !pie.paused())
                             showPie();
                     });
    QObject::connect(&mainWindow.timeChartBox(), &main::TimeChartBox::detailsRequested, &pie,
                     [this] { showPie(); });
    QObject::connect(&pie, &TForm14::closed, &mainWindow, [this] {
        mainWindow.timeChartBox().untickDetails();
        mainWindowHold.release(pie);
    });
    QObject::connect(&mainWindow.fiveDayChartBox(), &main::FiveDayChartBox::tenDaysRequested, &tenDayChart,
                     [this] { showTenDays(); });
    QObject::connect(&tenDayChart, &TForm13::closed, &mainWindow, [this] {
        mainWindow.fiveDayChartBox().untickTenDays();
        mainWindowHold.release(tenDayChart);
    });
    QObject::connect(&mainWindow.quotePanel(), &main::QuotePanel::capitalFlowRequested, &capitalFlow,
                     [this] { showCapitalFlow(); });
    QObject::connect(&capitalFlow, &TForm18::closed, &mainWindow,
                     [this] { mainWindowHold.release(capitalFlow); });
}

// dbshow: today's pie of the main window's stock.
void WindowSet::showPie()
{
    const analytics::BigOrderLists& lists = mainWindow.bigOrders();
    const app::MainState& state = mainWindow.state();
    pie.dbshow(analytics::bigOrderPie(lists.pieValues, lists.pieColours, state.currentName,
                                      state.currentCode, mainWindow.clock().today()));
    mainWindowHold.hold(pie);
}

void WindowSet::showTenDays()
{
    const analytics::BigOrderLists& lists = mainWindow.bigOrders();
    const app::MainState& state = mainWindow.state();
    const std::optional<analytics::TenDayView> view = analytics::tenDayView(
        lists.dailyBuy, lists.dailySell, lists.dailyLabels, state.currentName, state.currentCode);
    // Lists the window cannot show: it stays closed and the box goes back.
    if (!view) {
        mainWindow.fiveDayChartBox().untickTenDays();
        return;
    }
    mainWindowHold.hold(tenDayChart);
    tenDayChart.showDays(*view);
}

void WindowSet::showCapitalFlow()
{
    mainWindowHold.hold(capitalFlow);
    if (!capitalFlow.openFor(mainWindow.state().currentCode))
        mainWindowHold.release(capitalFlow);
}

void WindowSet::showAlert(const alerts::AlertEvent& event)
{
    if (const auto* broadcast = std::get_if<alerts::Broadcast>(&event)) {
        priceGrid.showBroadcast(*broadcast);
        return;
    }
    const auto& popup = std::get<alerts::AlertPopup>(event);
    switch (popup.kind) {
    case alerts::PopupKind::Limit:
        limitPopup.showAlert(popup);
        break;
    case alerts::PopupKind::RiseFall:
        riseFallPopup.showAlert(popup);
        break;
    case alerts::PopupKind::BigTrade:
        bigTradePopup.showAlert(popup);
        break;
    case alerts::PopupKind::BigOrder:
        bigOrderPopup.showAlert(popup);
        break;
    }
}

} // namespace ui
