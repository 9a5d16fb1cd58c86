#include "ui/main/stockpoolbox.h"

#include "ui/widgetparts.h"

namespace ui::main {

StockPoolBox::StockPoolBox(QWidget& column)
    : QGroupBox(QStringLiteral("今日股票池（据此操作风险自负）"), &column)
{
    place(*this, "GroupBox7", QRect(6, 43, 521, 165));
    namedBrowser("WebBrowser7", *this, QRect(2, 14, 517, 149));
}

} // namespace ui::main
