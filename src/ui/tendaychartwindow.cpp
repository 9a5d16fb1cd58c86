#include "ui/tendaychartwindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm13::TForm13(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm13");
}

} // namespace ui
