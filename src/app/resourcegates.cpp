#include "app/resourcegates.h"

#include "net/guard.h"

#include <algorithm>

namespace app {

ResourceGates::ResourceGates(QObject* parent) : QObject(parent) {}

bool ResourceGates::run(const QString& name, net::Resources resources, std::function<void()> command)
{
    if (!net::allFree(resources)) {
        wait({name, std::move(resources), std::move(command)});
        return false;
    }
    net::runGuarded(command);
    return true;
}

bool ResourceGates::waiting(const QString& name) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(),
                       [&name](const Waiting& w) { return w.name == name; });
}

void ResourceGates::wait(Waiting waiting)
{
    watch(waiting.resources);
    const auto same = std::find_if(m_waiting.begin(), m_waiting.end(),
                                   [&waiting](const Waiting& w) { return w.name == waiting.name; });
    if (same != m_waiting.end())
        *same = std::move(waiting);
    else
        m_waiting.push_back(std::move(waiting));
}

void ResourceGates::watch(const net::Resources& resources)
{
    for (const net::BusyResource* resource : resources) {
        if (std::find(m_watched.begin(), m_watched.end(), resource) != m_watched.end())
            continue;
        m_watched.push_back(resource);
        // Queued: the resource announces it is free from inside its own work's unwinding, and
        // the command must run from the event loop, not in the middle of that handler.
        connect(resource, &net::BusyResource::freed, this, &ResourceGates::runWhatIsFree,
                Qt::QueuedConnection);
        // A command that waits for a resource that is gone can never run.
        connect(resource, &QObject::destroyed, this, [this, resource] {
            std::erase(m_watched, resource);
            std::erase_if(m_waiting, [resource](const Waiting& w) {
                return std::find(w.resources.begin(), w.resources.end(), resource) != w.resources.end();
            });
        });
    }
}

void ResourceGates::runWhatIsFree()
{
    // One at a time, from the front: a command that runs may let other handlers run and add or
    // replace waiting commands meanwhile.
    for (;;) {
        const auto ready = std::find_if(m_waiting.begin(), m_waiting.end(),
                                        [](const Waiting& w) { return net::allFree(w.resources); });
        if (ready == m_waiting.end())
            return;
        const std::function<void()> command = std::move(ready->command);
        m_waiting.erase(ready);
        net::runGuarded(command);
    }
}

} // namespace app
