#include "ui/main/bigorderbrowsers.h"

#include "ui/widgetparts.h"

namespace ui::main {

BigOrderBrowsers::BigOrderBrowsers(QWidget& parent) : QWidget(&parent)
{
    place(*this, "bigOrderBrowsers", QRect(944, 56, 400, 546));
}

} // namespace ui::main
