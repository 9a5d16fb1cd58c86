#include "ui/recommendwindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm16::TForm16(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm16");
}

} // namespace ui
