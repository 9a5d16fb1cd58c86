#pragma once

class QWidget;

namespace ui {

// Gives a window its class name, caption and fixed client size from the window catalogue.
void applyWindowEntry(QWidget& window, const char* className);

} // namespace ui
