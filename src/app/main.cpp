// The client: makes the shared objects, then every window in the start-up order, then runs the
// message loop. Everything is destroyed in reverse when main returns.
#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/sites.h"
#include "ui/desktopbrowseropener.h"
#include "ui/messageboxprompter.h"
#include "ui/windowset.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <unistd.h>

namespace {

// The embedded browser's sandbox refuses to start for root; outside the sandbox it runs.
void allowBrowserAsRoot()
{
    if (geteuid() != 0)
        return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox"))
        return;
    flags = flags.isEmpty() ? QByteArrayLiteral("--no-sandbox") : flags + " --no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

} // namespace

int main(int argc, char** argv)
{
    allowBrowserAsRoot();
    // The embedded browser shares its GL context with the widgets; it must be said before the
    // application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    // Data and config folders are .../lantuo. No display name: it would be appended to every
    // window title.
    QApplication::setApplicationName(QStringLiteral("lantuo"));
    // The program ends through its exit commands only: closing a popup while the main window
    // sits in the tray must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const app::Sites sites = app::Sites::fromFile(app::Sites::defaultIniPath());
    app::Clock clock;
    ui::MessageBoxPrompter prompter;
    ui::DesktopBrowserOpener browserOpener;
    app::Lifecycle lifecycle;
    ui::WindowSet windows({sites, clock, prompter, browserOpener, lifecycle,
                           [] { return QSystemTrayIcon::isSystemTrayAvailable(); }});

    return lifecycle.runMessageLoop([] { return QApplication::exec(); });
}
