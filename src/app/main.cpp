// The client: makes the shared objects, then every window in the start-up order, then runs the
// message loop. Everything is destroyed in reverse when main returns.
#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/sites.h"
#include "ui/desktopbrowseropener.h"
#include "ui/guiprocess.h"
#include "ui/messageboxprompter.h"
#include "ui/windowset.h"

#include <QApplication>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    ui::prepareGuiProcess();
    QApplication application(argc, argv);
    ui::configureGuiApplication(QStringLiteral("lantuo"));

    const app::Sites sites = app::Sites::fromFile(app::Sites::defaultIniPath());
    app::Clock clock;
    ui::MessageBoxPrompter prompter;
    ui::DesktopBrowserOpener browserOpener;
    app::Lifecycle lifecycle;
    ui::WindowSet windows({sites, clock, prompter, browserOpener, lifecycle,
                           [] { return QSystemTrayIcon::isSystemTrayAvailable(); }});

    return lifecycle.runMessageLoop([] { return QApplication::exec(); });
}
