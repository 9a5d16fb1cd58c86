#pragma once

#include <QString>

#include <functional>

namespace app {
class Clock;
class Lifecycle;
class Prompter;
struct Sites;
} // namespace app

namespace net {
class BrowserOpener;
}

namespace ui {

// The objects the windows use, made by the program entry before any window; the windows reach
// for nothing else.
struct Services {
    const app::Sites& sites;
    app::Clock& clock;
    app::Prompter& prompter;
    net::BrowserOpener& browserOpener;
    app::Lifecycle& lifecycle;
    // Whether the desktop has a notification area; without one, minimising is left to the
    // window manager.
    std::function<bool()> trayAvailable;
    // Folder of the state files; empty for the application data folder.
    QString systemDir = {};
};

} // namespace ui
