#pragma once

#include <functional>

class QTimer;

namespace app {

// The pattern of every periodic handler: the timer is off while its work runs (a blocking
// request pumps events, and a second tick must not start the same work again) and on again
// afterwards, whether the work ran to its end, ended with a SilentAbort or failed otherwise.
// Returns true when the work ran to its end.
bool runWithTimerOff(QTimer& timer, const std::function<void()>& work) noexcept;

} // namespace app
