#include "ui/windowset.h"

namespace ui {

WindowSet::WindowSet(const Services& services, bool showAtCreation)
    : splash(showAtCreation), mainWindow(services, splash, showAtCreation)
{
    wire();
}

void WindowSet::wire()
{
    // The ticker is made after the main window's first show; the index pages reach it from then
    // on.
    QObject::connect(&mainWindow, &TForm1::indicesRead, &ticker, &TForm15::showIndices);
}

} // namespace ui
