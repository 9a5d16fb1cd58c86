#include "app/placement.h"

namespace app {

QPoint centredOn(const QRect& screen, const QSize& window)
{
    // C++ integer division truncates toward zero, as the rule asks.
    return screen.topLeft()
           + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

} // namespace app
