#pragma once

#include "app/stepsequence.h"

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

    StepSequence& firstShow() { return m_firstShow; }
    const StepSequence& firstShow() const { return m_firstShow; }

    void onShow();

    bool firstShowDone() const { return m_firstShowDone; }
    const StepSequence::Result& firstShowResult() const { return m_result; }

private:
    StepSequence m_firstShow;
    std::function<void()> m_everyLaterShow;
    StepSequence::Result m_result;
    bool m_firstShowDone = false;
    bool m_running = false;
};

} // namespace app
