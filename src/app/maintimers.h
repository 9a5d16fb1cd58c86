#pragma once

#include "app/stepsequence.h"

#include <QObject>
#include <QTimer>

#include <array>

namespace app {

enum class MainTimer { Timer1, Timer2, Timer4, Timer5, Timer6, Timer7, Timer8, Timer9 };

struct MainTimerSetup {
    MainTimer id;
    const char* name;
    int intervalMsecs;
    bool onAtCreation;
    // Every handler but the splash removal turns its timer back on when its work is done.
    bool reenablesItself;
};

// The main window's timers: intervals and the state each starts in.
const std::array<MainTimerSetup, 8>& mainTimerTable();

// The names of each timer's steps, in order.
using TimerStepNames = QStringList (*)(MainTimer id);

// The eight timers of the main window. A tick runs its timer's steps in order, all of them
// inside runWithTimerOff(): the timer is off while they work and on again afterwards, and the
// first step that fails ends that tick. The splash timer instead stays off after its one run.
// A timer without steps yet still ticks and does nothing.
class MainTimers final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainTimers)

public:
    // The main window's tables (maintables.h) unless others are given.
    explicit MainTimers(TimerStepNames names = nullptr, QObject* parent = nullptr);

    QTimer& timer(MainTimer id);
    const QTimer& timer(MainTimer id) const;
    bool isActive(MainTimer id) const { return timer(id).isActive(); }
    // A held timer is not started.
    void start(MainTimer id);
    void stop(MainTimer id) { timer(id).stop(); }

    // Stopped until release(), also when a tick that was under way when it was held ends (the
    // alert timers while the settings window is open).
    void hold(MainTimer id);
    void release(MainTimer id);
    bool isHeld(MainTimer id) const { return m_slots[indexOf(id)].held; }

    // What one tick does; each area binds its step to its name.
    StepSequence& steps(MainTimer id);
    // Runs one tick now, exactly as the timer's timeout does; true when no step failed.
    bool fire(MainTimer id);

private:
    struct Slot {
        QTimer timer;
        StepSequence steps;
        bool reenables = true;
        bool held = false;
    };

    static std::size_t indexOf(MainTimer id);

    std::array<Slot, 8> m_slots;
};

} // namespace app
