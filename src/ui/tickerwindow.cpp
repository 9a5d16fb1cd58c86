#include "ui/tickerwindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm15::TForm15(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm15");
    m_tickerActive = true;
}

} // namespace ui
