#include "ui/risefallpopup.h"

#include "ui/windowshell.h"

namespace ui {

TForm9::TForm9(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm9");
}

} // namespace ui
