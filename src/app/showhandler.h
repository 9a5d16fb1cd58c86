#pragma once

#include "app/stepsequence.h"

#include <functional>

namespace app {

// What showing the main window does: the first show runs the start-up sequence (once, even when
// a step fails); every later show runs only the every-show work. A show that arrives while the
// first show is still running (a blocking request pumps events) does nothing.
class ShowHandler final {
public:
    ShowHandler(const StepSequence& firstShow, std::function<void()> everyLaterShow)
        : m_firstShow(firstShow), m_everyLaterShow(std::move(everyLaterShow))
    {
    }

    void onShow();

    bool firstShowDone() const { return m_firstShowDone; }
    const StepSequence::Result& firstShowResult() const { return m_result; }

private:
    const StepSequence& m_firstShow;
    std::function<void()> m_everyLaterShow;
    StepSequence::Result m_result;
    bool m_firstShowDone = false;
    bool m_running = false;
};

} // namespace app
