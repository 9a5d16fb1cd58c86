#include "net/guard.h"

#include "net/silentabort.h"

#include <QtGlobal>

namespace net {

bool runGuarded(const std::function<void()>& work) noexcept
{
    try {
        work();
        return true;
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        qWarning("unexpected failure: %s", e.what());
    } catch (...) {
        qWarning("unexpected failure of unknown type");
    }
    return false;
}

} // namespace net
