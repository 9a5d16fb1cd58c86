#include "ui/bigtradepopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm7::TForm7(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm7");
}

} // namespace ui
