#include "app/stepsequence.h"

#include "net/guard.h"
#include "net/httpclient.h"

#include <algorithm>

namespace app {

void StepSequence::append(const QString& name, ClientList clients, Step step)
{
    m_steps.push_back({name, std::move(clients), std::move(step)});
}

std::vector<StepSequence::Named>::iterator StepSequence::find(const QString& name)
{
    return std::find_if(m_steps.begin(), m_steps.end(),
                        [&name](const Named& n) { return n.name == name; });
}

bool StepSequence::insertBeside(const QString& neighbour, std::ptrdiff_t offset, Named named)
{
    const auto at = find(neighbour);
    if (at == m_steps.end())
        return false;
    m_steps.insert(at + offset, std::move(named));
    return true;
}

bool StepSequence::insertBefore(const QString& before, const QString& name, Step step,
                                ClientList clients)
{
    return insertBeside(before, 0, {name, std::move(clients), std::move(step)});
}

bool StepSequence::insertAfter(const QString& after, const QString& name, Step step,
                               ClientList clients)
{
    return insertBeside(after, 1, {name, std::move(clients), std::move(step)});
}

QStringList StepSequence::stepNames() const
{
    QStringList names;
    for (const Named& n : m_steps)
        names << n.name;
    return names;
}

bool StepSequence::contains(const QString& name) const
{
    return std::any_of(m_steps.begin(), m_steps.end(),
                       [&name](const Named& n) { return n.name == name; });
}

ClientList StepSequence::clients() const
{
    ClientList all;
    for (const Named& n : m_steps)
        for (const net::HttpClient* client : n.clients)
            if (std::find(all.begin(), all.end(), client) == all.end())
                all.push_back(client);
    return all;
}

bool allFree(const ClientList& clients)
{
    return std::none_of(clients.begin(), clients.end(),
                        [](const net::HttpClient* client) { return client->busy(); });
}

StepSequence::Result StepSequence::run() const
{
    Result result;
    result.completed = true;
    // A copy: a step may add later steps' work without disturbing the walk.
    const std::vector<Named> steps = m_steps;
    for (const Named& n : steps) {
        if (!allFree(n.clients)) {
            result.skippedSteps << n.name;
            continue;
        }
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

QStringList StepSequence::runNested() const
{
    QStringList skipped;
    const std::vector<Named> steps = m_steps;
    for (const Named& n : steps) {
        if (allFree(n.clients))
            n.step();
        else
            skipped << n.name;
    }
    return skipped;
}

} // namespace app
