#include "ui/holdingspopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm17::TForm17(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm17");
}

} // namespace ui
