#include "ui/flowpopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm10::TForm10(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm10");
}

} // namespace ui
