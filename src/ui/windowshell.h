#pragma once

class QWidget;

namespace ui {

// Gives a window its class name, caption and fixed client size from the window catalogue.
void applyWindowEntry(QWidget& window, const char* className);

// A popup's border: caption and close box, no resizing, on top of other windows.
void makePopup(QWidget& window);
// Shows the window, without taking the focus, in the bottom-right corner of the work area of
// its screen.
void showInCorner(QWidget& window);
// Moves the window to the centre of the primary screen (windows the user opens, the splash).
void centreOnScreen(QWidget& window);

} // namespace ui
