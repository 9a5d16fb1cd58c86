#include "ui/windowset.h"

#include "net/guard.h"
#include "ui/main/mainstatusbar.h"

#include <QLabel>

namespace ui {

WindowSet::WindowSet(const Services& services, bool showAtCreation)
    : splash(showAtCreation), mainWindow(services, splash, showAtCreation),
      alertSettings(services, mainWindow.localAlerts()),
      phone(services, mainWindow.localAlerts().database()),
      ticker(services, [this] { return mainWindow.localAlerts().watchList().watchCodes; })
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
        mainWindow.setEnabled(false);
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
    mainWindow.setEnabled(true);
    mainWindow.timers().release(app::MainTimer::Timer4);
    mainWindow.timers().release(app::MainTimer::Timer5);
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
