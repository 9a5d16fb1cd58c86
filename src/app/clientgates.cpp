#include "app/clientgates.h"

#include "net/guard.h"
#include "net/httpclient.h"

#include <algorithm>

namespace app {

ClientGates::ClientGates(QObject* parent) : QObject(parent) {}

bool ClientGates::run(const QString& name, ClientList clients, std::function<void()> command)
{
    if (!allFree(clients)) {
        wait({name, std::move(clients), std::move(command)});
        return false;
    }
    net::runGuarded(command);
    return true;
}

bool ClientGates::waiting(const QString& name) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(),
                       [&name](const Waiting& w) { return w.name == name; });
}

void ClientGates::wait(Waiting waiting)
{
    watch(waiting.clients);
    const auto same = std::find_if(m_waiting.begin(), m_waiting.end(),
                                   [&waiting](const Waiting& w) { return w.name == waiting.name; });
    if (same != m_waiting.end())
        *same = std::move(waiting);
    else
        m_waiting.push_back(std::move(waiting));
}

void ClientGates::watch(const ClientList& clients)
{
    for (const net::HttpClient* client : clients) {
        if (std::find(m_watched.begin(), m_watched.end(), client) != m_watched.end())
            continue;
        m_watched.push_back(client);
        // Queued: the client announces it is free from inside its own request's unwinding, and
        // the command must run from the event loop, not in the middle of that handler.
        connect(client, &net::HttpClient::freed, this, &ClientGates::runWhatIsFree,
                Qt::QueuedConnection);
        // A command that waits for a client that is gone can never run.
        connect(client, &QObject::destroyed, this, [this, client] {
            std::erase(m_watched, client);
            std::erase_if(m_waiting, [client](const Waiting& w) {
                return std::find(w.clients.begin(), w.clients.end(), client) != w.clients.end();
            });
        });
    }
}

void ClientGates::runWhatIsFree()
{
    // One at a time, from the front: a command that runs may let other handlers run and add or
    // replace waiting commands meanwhile.
    for (;;) {
        const auto ready = std::find_if(m_waiting.begin(), m_waiting.end(),
                                        [](const Waiting& w) { return allFree(w.clients); });
        if (ready == m_waiting.end())
            return;
        const std::function<void()> command = std::move(ready->command);
        m_waiting.erase(ready);
        net::runGuarded(command);
    }
}

} // namespace app
