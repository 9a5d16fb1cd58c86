#include "ui/piewindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm14::TForm14(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm14");
}

} // namespace ui
