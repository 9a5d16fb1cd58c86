#pragma once

#include "net/busyresource.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace app {

// An ordered table of named steps run as one chain: the first show's start-up, the dashboard
// load, the new-stock reset, the lookup's actions, the work of one timer tick. The order is
// declared once, as the list of names the table is made with (src/app/maintables); the part of
// the program that owns a piece of work binds it to its name. A name bound twice, or one the
// table lacks, is a programming error and throws at once; a name left unbound fails the chain
// when it comes to it, and unboundNames() lets a test catch it before that.
//
// Each step runs through the guard; the chain ends at the first step that fails (a SilentAbort
// or any other exception), and the final block runs in every case.
//
// A step names the resources it uses (the HTTP client of its loader, a hidden page …). A
// blocking request lets other handlers run in the middle of it, so a resource may still be busy
// with an earlier handler's work when a step comes to it: that step is skipped quietly (it is
// not a failure) and the chain goes on.
class StepSequence final {
public:
    using Step = std::function<void()>;

    struct Result {
        bool completed = false;
        // The step that ended the chain; empty when every step ran.
        QString failedStep;
        // Steps left out because one of their resources was busy.
        QStringList skippedSteps;
    };

    explicit StepSequence(QStringList names = {});

    // Attaches the work to its name. Throws std::logic_error for a name the table lacks or one
    // already bound.
    void bind(const QString& name, net::Resources resources, Step step);
    void bind(const QString& name, Step step) { bind(name, {}, std::move(step)); }

    void setFinalBlock(std::function<void()> block) { m_finalBlock = std::move(block); }
    // Called with each step's name just before the step, inside its guard: a trace, or a test's
    // way to make a chosen step fail.
    void setBeforeStep(std::function<void(const QString& name)> hook) { m_beforeStep = std::move(hook); }

    const QStringList& stepNames() const { return m_names; }
    QStringList unboundNames() const;
    bool contains(const QString& name) const { return m_names.contains(name); }
    // Every resource a step names, each once, in the order the steps first name them.
    net::Resources resources() const;

    Result run() const;
    // The steps in order without the guard, for a chain that runs inside another one (the
    // dashboard load inside a lookup, the steps of a timer tick inside the timer's own guard):
    // the first failure travels on to the caller. The final block is not run. Returns the
    // steps skipped for a busy resource.
    QStringList runNested() const;

private:
    struct Bound {
        net::Resources resources;
        Step step;
    };

    // Runs the step of the name, or throws when none is bound; false when it was skipped.
    bool runStep(qsizetype index) const;

    QStringList m_names;
    std::vector<Bound> m_bound; // parallel to m_names; an empty step is unbound
    std::function<void()> m_finalBlock;
    std::function<void(const QString&)> m_beforeStep;
};

} // namespace app
