#include "ui/windowset.h"

namespace ui {

WindowSet::WindowSet(const Services& services, bool showAtCreation)
    : splash(showAtCreation), mainWindow(services, splash, showAtCreation)
{
    wire();
}

void WindowSet::wire()
{
    // The ticker is made after the main window's first show; the index pages reach it from then
    // on.
    QObject::connect(&mainWindow, &TForm1::indicesRead, &ticker, &TForm15::showIndices);
    QObject::connect(&mainWindow, &TForm1::alertRaised, &mainWindow,
                     [this](const alerts::AlertEvent& event) { showAlert(event); });
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
