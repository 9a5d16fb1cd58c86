#include "ui/announcementswindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm2");
}

} // namespace ui
