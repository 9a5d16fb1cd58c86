#include "ui/phonewindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm4::TForm4(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm4");
}

} // namespace ui
