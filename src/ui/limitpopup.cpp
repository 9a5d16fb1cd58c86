#include "ui/limitpopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm6::TForm6(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm6");
}

} // namespace ui
