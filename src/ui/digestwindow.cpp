#include "ui/digestwindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm21::TForm21(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm21");
}

} // namespace ui
