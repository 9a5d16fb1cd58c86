#include "ui/main/rightcolumn.h"

#include "ui/widgetparts.h"

namespace ui::main {

RightColumn::RightColumn(QWidget& parent) : QFrame(&parent)
{
    place(*this, "rightColumn", QRect(400, 24, parent.width() - 400, 577));
    // The caption sits on the top border over a white ground, so a box in front hides the
    // caption of the box behind it.
    setStyleSheet(QStringLiteral(
        "#rightColumn QGroupBox { background-color: white; border: 1px solid #9cb4d8;"
        " margin-top: 0px; padding-top: 14px; color: green; font-weight: bold;"
        " font-size: 12px; }"
        "#rightColumn QGroupBox::title { subcontrol-origin: border; left: 6px; top: 0px;"
        " padding: 0 2px; background-color: white; }"));
}

} // namespace ui::main
