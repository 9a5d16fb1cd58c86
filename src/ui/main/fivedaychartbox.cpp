#include "ui/main/fivedaychartbox.h"

#include "ui/widgetparts.h"

namespace ui::main {

FiveDayChartBox::FiveDayChartBox(QWidget& column)
    : QGroupBox(QStringLiteral("资金流向（数据来自千股千评,仅供参考）"), &column)
{
    place(*this, "GroupBox3", QRect(6, 260, 291, 122));
    namedChart("Chart2", *this, QRect(4, 15, 284, 94));
}

} // namespace ui::main
