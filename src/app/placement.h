#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace app {

// Top-left corner that centres a window of the given size on the screen:
// (screen − window) / 2 in each direction, the division rounded toward zero, so a window larger
// than the screen reaches equally far past both edges.
QPoint centredOn(const QRect& screen, const QSize& window);

// Top-left corner of a window of the given outer size in the bottom-right corner of the work
// area, just above a task bar at the bottom and clear of one at either side.
QPoint inBottomRightCorner(const QRect& workArea, const QSize& window);

// The height of a window that grows by a row per item from its design height: design + rowHeight
// × rows, but no taller than `room` (the work area less the window's frame), where what does not
// fit scrolls instead; never below the design height.
int grownHeight(int designHeight, int rowHeight, int rows, int room);

} // namespace app
