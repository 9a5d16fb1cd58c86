#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace app {

// Top-left corner that centres a window of the given size on the screen:
// (screen − window) / 2 in each direction, the division rounded toward zero, so a window larger
// than the screen reaches equally far past both edges.
QPoint centredOn(const QRect& screen, const QSize& window);

} // namespace app
