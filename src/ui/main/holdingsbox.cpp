#include "ui/main/holdingsbox.h"

#include "ui/widgetparts.h"

namespace ui::main {

HoldingsBox::HoldingsBox(QWidget& column) : QGroupBox(QStringLiteral("个股持仓情况"), &column)
{
    place(*this, "GroupBox5", QRect(300, 212, 229, 160));
    namedChart("Chart3", *this, QRect(3, 15, 223, 73));
    namedChart("Chart4", *this, QRect(3, 86, 223, 73));
}

} // namespace ui::main
