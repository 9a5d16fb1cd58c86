#include "app/timerhandler.h"

#include "net/guard.h"

#include <QTimer>

namespace app {

bool runWithTimerOff(QTimer& timer, const std::function<void()>& work) noexcept
{
    timer.stop();
    const bool completed = net::runGuarded(work);
    timer.start();
    return completed;
}

} // namespace app
