#include "app/showhandler.h"

#include "net/guard.h"

namespace app {

void ShowHandler::onShow()
{
    if (m_running)
        return;
    if (m_firstShowDone) {
        if (m_everyLaterShow)
            net::runGuarded(m_everyLaterShow);
        return;
    }
    m_running = true;
    m_result = m_firstShow.run();
    m_running = false;
    m_firstShowDone = true;
}

} // namespace app
