#include "ui/main/latestinfobox.h"

#include "ui/widgetparts.h"

namespace ui::main {

LatestInfoBox::LatestInfoBox(QWidget& column) : QGroupBox(QStringLiteral("个股最新信息"), &column)
{
    place(*this, "GroupBox6", QRect(300, 374, 227, 199));
}

} // namespace ui::main
