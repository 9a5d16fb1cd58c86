#include "ui/windowset.h"

namespace ui {

WindowSet::WindowSet(const ShellServices& services, bool showAtCreation)
    : splash(showAtCreation),
      mainWindow(MainWindowServices{services.sites, services.clock, services.prompter,
                                    services.browserOpener, services.lifecycle, splash,
                                    services.trayAvailable, services.systemDir},
                 showAtCreation)
{
    // The ticker is made after the main window's first show; the index loader writes its rows
    // from now on.
    mainWindow.setTicker(&ticker);
}

} // namespace ui
