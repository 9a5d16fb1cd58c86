#include "app/stepsequence.h"

#include "net/guard.h"

#include <algorithm>
#include <stdexcept>

namespace app {

StepSequence::StepSequence(QStringList names) : m_names(std::move(names)), m_bound(m_names.size())
{
    if (m_names.removeDuplicates() != 0)
        throw std::logic_error("a step table names a step twice");
}

void StepSequence::bind(const QString& name, net::Resources resources, Step step)
{
    const qsizetype index = m_names.indexOf(name);
    if (index < 0)
        throw std::logic_error("no step " + name.toStdString() + " in this table");
    Bound& bound = m_bound[std::size_t(index)];
    if (bound.step)
        throw std::logic_error("step " + name.toStdString() + " is bound twice");
    if (!step)
        throw std::logic_error("step " + name.toStdString() + " is bound to nothing");
    bound = {std::move(resources), std::move(step)};
}

QStringList StepSequence::unboundNames() const
{
    QStringList unbound;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        if (!m_bound[std::size_t(i)].step)
            unbound << m_names[i];
    return unbound;
}

net::Resources StepSequence::resources() const
{
    net::Resources all;
    for (const Bound& bound : m_bound)
        for (const net::BusyResource* resource : bound.resources)
            if (std::find(all.begin(), all.end(), resource) == all.end())
                all.push_back(resource);
    return all;
}

bool StepSequence::runStep(qsizetype index) const
{
    const Bound& bound = m_bound[std::size_t(index)];
    if (!bound.step)
        throw std::logic_error("step " + m_names[index].toStdString() + " is not bound");
    if (!net::allFree(bound.resources))
        return false;
    if (m_beforeStep)
        m_beforeStep(m_names[index]);
    // A copy: the step may run other handlers that touch this table's hooks.
    const Step step = bound.step;
    step();
    return true;
}

StepSequence::Result StepSequence::run() const
{
    Result result;
    result.completed = true;
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        bool ran = false;
        if (!net::runGuarded([&] { ran = runStep(i); })) {
            result.completed = false;
            result.failedStep = m_names[i];
            break;
        }
        if (!ran)
            result.skippedSteps << m_names[i];
    }
    if (m_finalBlock)
        net::runGuarded(m_finalBlock);
    return result;
}

QStringList StepSequence::runNested() const
{
    QStringList skipped;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        if (!runStep(i))
            skipped << m_names[i];
    return skipped;
}

} // namespace app
