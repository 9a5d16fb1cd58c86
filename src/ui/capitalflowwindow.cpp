#include "ui/capitalflowwindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm18::TForm18(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm18");
}

} // namespace ui
