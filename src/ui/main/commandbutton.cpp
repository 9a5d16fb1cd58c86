#include "ui/main/commandbutton.h"

#include <QAction>

namespace ui::main {

CommandButton::CommandButton(QAction& action, const QString& hint, QWidget* parent)
    : QToolButton(parent), m_hint(hint)
{
    setDefaultAction(&action);
    setToolTip(m_hint);
}

void CommandButton::actionEvent(QActionEvent* event)
{
    QToolButton::actionEvent(event);
    setToolTip(m_hint);
}

} // namespace ui::main
