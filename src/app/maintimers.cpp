#include "app/maintimers.h"

#include "app/maintables.h"
#include "app/timerhandler.h"
#include "net/guard.h"

namespace app {

const std::array<MainTimerSetup, 8>& mainTimerTable()
{
    static const std::array<MainTimerSetup, 8> table = {{
        {MainTimer::Timer1, "Timer1", 1000, false, true},
        {MainTimer::Timer2, "Timer2", 60000, true, true},
        {MainTimer::Timer4, "Timer4", 5000, false, true},
        {MainTimer::Timer5, "Timer5", 30000, false, true},
        {MainTimer::Timer6, "Timer6", 1000, true, true},
        {MainTimer::Timer7, "Timer7", 5000, false, true},
        {MainTimer::Timer8, "Timer8", 10, false, false},
        {MainTimer::Timer9, "Timer9", 30000, true, true},
    }};
    return table;
}

MainTimers::MainTimers(TimerStepNames names, QObject* parent) : QObject(parent)
{
    if (!names)
        names = &timerSteps;
    for (const MainTimerSetup& setup : mainTimerTable()) {
        Slot& slot = m_slots[indexOf(setup.id)];
        slot.steps = StepSequence(names(setup.id));
        slot.timer.setObjectName(QString::fromLatin1(setup.name));
        slot.timer.setInterval(setup.intervalMsecs);
        slot.reenables = setup.reenablesItself;
        const MainTimer id = setup.id;
        connect(&slot.timer, &QTimer::timeout, this, [this, id] { fire(id); });
        if (setup.onAtCreation)
            slot.timer.start();
    }
}

std::size_t MainTimers::indexOf(MainTimer id)
{
    return static_cast<std::size_t>(id);
}

QTimer& MainTimers::timer(MainTimer id)
{
    return m_slots[indexOf(id)].timer;
}

const QTimer& MainTimers::timer(MainTimer id) const
{
    return m_slots[indexOf(id)].timer;
}

StepSequence& MainTimers::steps(MainTimer id)
{
    return m_slots[indexOf(id)].steps;
}

bool MainTimers::fire(MainTimer id)
{
    Slot& slot = m_slots[indexOf(id)];
    const auto work = [&slot] { slot.steps.runNested(); };
    if (slot.held)
        return true;
    if (slot.reenables) {
        const bool completed = runWithTimerOff(slot.timer, work);
        if (slot.held)
            slot.timer.stop();
        return completed;
    }
    slot.timer.stop();
    return net::runGuarded(work);
}

void MainTimers::start(MainTimer id)
{
    Slot& slot = m_slots[indexOf(id)];
    if (!slot.held)
        slot.timer.start();
}

void MainTimers::hold(MainTimer id)
{
    Slot& slot = m_slots[indexOf(id)];
    slot.held = true;
    slot.timer.stop();
}

void MainTimers::release(MainTimer id)
{
    Slot& slot = m_slots[indexOf(id)];
    slot.held = false;
    slot.timer.start();
}

} // namespace app
