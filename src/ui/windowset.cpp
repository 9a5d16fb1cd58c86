#include "ui/windowset.h"

namespace ui {

WindowSet::WindowSet(const ShellServices& services, bool showAtCreation)
    : splash(showAtCreation),
      mainWindow(MainWindowServices{services.sites, services.clock, services.prompter,
                                    services.browserOpener, services.lifecycle, splash,
                                    services.trayAvailable},
                 showAtCreation)
{
}

} // namespace ui
