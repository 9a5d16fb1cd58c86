#include "ui/windowshell.h"

#include "app/placement.h"
#include "app/windowcatalog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

void applyWindowEntry(QWidget& window, const char* className)
{
    const app::WindowEntry& entry = app::windowEntry(className);
    window.setObjectName(QString::fromLatin1(entry.className));
    window.setWindowTitle(entry.caption);
    window.setFixedSize(entry.clientSize);
}

void makePopup(QWidget& window)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
}

void showInCorner(QWidget& window)
{
    window.show();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen)
        window.move(app::inBottomRightCorner(screen->availableGeometry(), window.frameGeometry().size()));
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(app::centredOn(screen->geometry(), window.size()));
}

} // namespace ui
