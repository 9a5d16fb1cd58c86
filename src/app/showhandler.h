#pragma once

#include "app/startupsequence.h"

#include <functional>

namespace app {

// What showing the main window does: the first show runs the start-up sequence (once, even when
// a step fails); every later show runs only the every-show work. A show that arrives while the
// first show is still running (a blocking request pumps events) does nothing.
class ShowHandler final {
public:
    explicit ShowHandler(std::function<void()> everyLaterShow)
        : m_everyLaterShow(std::move(everyLaterShow))
    {
    }

    StartupSequence& firstShow() { return m_firstShow; }
    const StartupSequence& firstShow() const { return m_firstShow; }

    void onShow();

    bool firstShowDone() const { return m_firstShowDone; }
    bool firstShowRunning() const { return m_running; }
    const StartupSequence::Result& firstShowResult() const { return m_result; }

private:
    StartupSequence m_firstShow;
    std::function<void()> m_everyLaterShow;
    StartupSequence::Result m_result;
    bool m_firstShowDone = false;
    bool m_running = false;
};

} // namespace app
