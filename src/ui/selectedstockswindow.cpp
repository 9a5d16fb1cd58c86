#include "ui/selectedstockswindow.h"

#include "ui/windowshell.h"

namespace ui {

TForm20::TForm20(QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, "TForm20");
}

} // namespace ui
