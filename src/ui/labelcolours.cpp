#include "ui/labelcolours.h"

#include <QLabel>
#include <QPalette>

namespace ui {

QColor toQColor(quotes::Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

void setTextColour(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

QColor textColour(const QLabel& label)
{
    return label.palette().color(QPalette::WindowText);
}

void setCellGround(QLabel& label, const QColor& ground)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, ground);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

QColor cellGround(const QLabel& label)
{
    return label.palette().color(QPalette::Window);
}

} // namespace ui
