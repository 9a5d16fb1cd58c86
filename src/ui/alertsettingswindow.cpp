#include "ui/alertsettingswindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm3::TForm3(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm3");
}

} // namespace ui
