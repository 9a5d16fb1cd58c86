#include "ui/searchnoticepopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm11::TForm11(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm11");
}

} // namespace ui
