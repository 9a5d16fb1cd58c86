#include "app/startupsequence.h"

#include "net/guard.h"

#include <algorithm>

namespace app {

void StartupSequence::append(const QString& name, Step step)
{
    m_steps.push_back({name, std::move(step)});
}

std::vector<StartupSequence::Named>::iterator StartupSequence::find(const QString& name)
{
    return std::find_if(m_steps.begin(), m_steps.end(),
                        [&name](const Named& n) { return n.name == name; });
}

bool StartupSequence::insertBefore(const QString& before, const QString& name, Step step)
{
    const auto at = find(before);
    if (at == m_steps.end())
        return false;
    m_steps.insert(at, {name, std::move(step)});
    return true;
}

bool StartupSequence::insertAfter(const QString& after, const QString& name, Step step)
{
    const auto at = find(after);
    if (at == m_steps.end())
        return false;
    m_steps.insert(at + 1, {name, std::move(step)});
    return true;
}

QStringList StartupSequence::stepNames() const
{
    QStringList names;
    for (const Named& n : m_steps)
        names << n.name;
    return names;
}

bool StartupSequence::contains(const QString& name) const
{
    return std::any_of(m_steps.begin(), m_steps.end(),
                       [&name](const Named& n) { return n.name == name; });
}

StartupSequence::Result StartupSequence::run() const
{
    Result result;
    result.completed = true;
    // A copy: a step may add later steps' work without disturbing the walk.
    const std::vector<Named> steps = m_steps;
    for (const Named& n : steps) {
        if (!net::runGuarded(n.step)) {
            result.completed = false;
            result.failedStep = n.name;
            break;
        }
    }
    if (m_finalBlock)
        net::runGuarded(m_finalBlock);
    return result;
}

void StartupSequence::runNested() const
{
    const std::vector<Named> steps = m_steps;
    for (const Named& n : steps)
        n.step();
}

} // namespace app
