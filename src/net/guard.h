#pragma once

#include <functional>

namespace net {

// Every event boundary (timer slot, click, menu command, page completion) runs its work through
// this guard, so no exception ever leaves a Qt slot. A SilentAbort is swallowed without a trace;
// any other exception is reported on the debug channel and swallowed too.
// Returns true when the work ran to its end.
bool runGuarded(const std::function<void()>& work) noexcept;

} // namespace net
