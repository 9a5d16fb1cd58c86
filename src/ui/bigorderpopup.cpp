#include "ui/bigorderpopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm8::TForm8(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm8");
}

} // namespace ui
