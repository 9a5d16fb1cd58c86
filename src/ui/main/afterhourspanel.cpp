#include "ui/main/afterhourspanel.h"

#include "ui/widgetparts.h"

namespace ui::main {

AfterHoursPanel::AfterHoursPanel(QWidget& parent) : QGroupBox(&parent)
{
    place(*this, "GroupBox8", QRect(0, 55, 930, 546));
    setStyleSheet(QStringLiteral("#GroupBox8 { background: white; }"));
    hide();
}

} // namespace ui::main
