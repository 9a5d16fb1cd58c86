#include "ui/main/letterspanel.h"

#include "ui/widgetparts.h"

namespace ui::main {

LettersPanel::LettersPanel(QWidget& parent) : QFrame(&parent)
{
    place(*this, "Panel16", QRect(0, 56, 929, 546));
    setStyleSheet(QStringLiteral("#Panel16 { background: white; }"));
    hide();
}

} // namespace ui::main
