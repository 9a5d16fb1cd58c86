#pragma once

#include <QString>

namespace ui {

// Before the QApplication exists: the embedded browser may run as root (outside its sandbox,
// which refuses root) and shares its GL context with the widgets.
void prepareGuiProcess();

// Once it exists: data and config folders are named after the application (no display name,
// which would be appended to every window title), and the program ends only through its exit
// commands, so closing a popup while the main window sits in the tray does not end it.
void configureGuiApplication(const QString& applicationName);

} // namespace ui
