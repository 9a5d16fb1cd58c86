#include "ui/pricegridwindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm5::TForm5(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm5");
}

} // namespace ui
