#include "ui/desktopbrowseropener.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

void DesktopBrowserOpener::open(const QString& address)
{
    // Callers go through net::openInBrowser; checked again so no other path can open a file or
    // a custom scheme.
    if (!net::isOpenableAddress(address))
        return;
    QDesktopServices::openUrl(QUrl(address.trimmed()));
}

} // namespace ui
