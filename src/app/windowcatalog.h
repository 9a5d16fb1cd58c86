#pragma once

#include <QSize>
#include <QString>

#include <vector>

namespace app {

struct WindowEntry {
    const char* className;
    QString caption;
    QSize clientSize;
};

// Every window of the client in the order the program creates them: the splash, the main
// window, then the windows that are created hidden and shown on demand.
const std::vector<WindowEntry>& windowCatalog();

// The entry of the named window class; the program cannot start without one, so an unknown
// name is a programming error and throws std::out_of_range.
const WindowEntry& windowEntry(const char* className);

} // namespace app
