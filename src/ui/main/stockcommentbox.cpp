#include "ui/main/stockcommentbox.h"

#include "ui/widgetparts.h"

namespace ui::main {

StockCommentBox::StockCommentBox(QWidget& column)
    : QGroupBox(QStringLiteral("个股评论（数据来自千股千评,仅供参考）"), &column)
{
    place(*this, "GroupBox2", QRect(6, 212, 291, 46));
}

} // namespace ui::main
