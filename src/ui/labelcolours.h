#pragma once

#include "quotes/direction.h"

#include <QColor>

class QLabel;

namespace ui {

QColor toQColor(quotes::Colour colour);

// A label's font colour, through its palette so a test reads back what is painted.
void setTextColour(QLabel& label, const QColor& colour);
QColor textColour(const QLabel& label);

// A cell painted on an opaque ground: the ticker's white figures on red or green.
void setCellGround(QLabel& label, const QColor& ground);
QColor cellGround(const QLabel& label);

} // namespace ui
