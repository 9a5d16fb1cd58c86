#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace app {

// An ordered list of named steps run as one chain: each step through the guard, the chain ends
// at the first step that fails (a SilentAbort or any other exception), and the final block runs
// in every case. Steps are found by name, so work that lands later is inserted at its place.
class StartupSequence final {
public:
    using Step = std::function<void()>;

    struct Result {
        bool completed = false;
        // The step that ended the chain; empty when every step ran.
        QString failedStep;
    };

    void append(const QString& name, Step step);
    // False, and nothing inserted, when no step has the given name.
    bool insertBefore(const QString& before, const QString& name, Step step);
    bool insertAfter(const QString& after, const QString& name, Step step);
    void setFinalBlock(std::function<void()> block) { m_finalBlock = std::move(block); }

    QStringList stepNames() const;
    bool contains(const QString& name) const;

    Result run() const;
    // The steps in order without the guard, for a chain that runs inside another one (the
    // dashboard load inside a lookup): the first failure travels on to the caller. The final
    // block is not run.
    void runNested() const;

private:
    struct Named {
        QString name;
        Step step;
    };

    std::vector<Named>::iterator find(const QString& name);

    std::vector<Named> m_steps;
    std::function<void()> m_finalBlock;
};

} // namespace app
