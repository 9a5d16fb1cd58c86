#include "app/placement.h"

#include <algorithm>

namespace app {

QPoint centredOn(const QRect& screen, const QSize& window)
{
    // C++ integer division truncates toward zero, as the rule asks.
    return screen.topLeft()
           + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

QPoint inBottomRightCorner(const QRect& workArea, const QSize& window)
{
    return workArea.bottomRight() - QPoint(window.width(), window.height()) + QPoint(1, 1);
}

int grownHeight(int designHeight, int rowHeight, int rows, int room)
{
    return std::max(designHeight, std::min(designHeight + rowHeight * rows, room));
}

} // namespace app
