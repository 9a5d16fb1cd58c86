#include "ui/linklabel.h"

#include "ui/labelcolours.h"

#include <QMouseEvent>

namespace ui {

LinkLabel::LinkLabel(const char* name, const QString& text, QWidget& parent) : QLabel(&parent)
{
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    setText(text);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setTextColour(*this, QColor(0, 128, 0));
    setCursor(Qt::PointingHandCursor);
    adjustSize();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
