#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <vector>

namespace net {
class HttpClient;
}

namespace app {

// The HTTP clients a step sends its requests through.
using ClientList = std::vector<const net::HttpClient*>;

// None of the clients is waiting for a reply.
bool allFree(const ClientList& clients);

// An ordered list of named steps run as one chain: the first show's start-up, the dashboard
// load, the work of one timer tick. Each step runs through the guard; the chain ends at the
// first step that fails (a SilentAbort or any other exception), and the final block runs in
// every case. Steps are found by name, so work that lands later is inserted at its place.
//
// A step names the clients it uses. A blocking request lets other handlers run in the middle of
// it, so a client may still be waiting for the reply of an earlier handler when a step comes to
// it: that step is skipped quietly (it is not a failure) and the chain goes on.
class StepSequence final {
public:
    using Step = std::function<void()>;

    struct Result {
        bool completed = false;
        // The step that ended the chain; empty when every step ran.
        QString failedStep;
        // Steps left out because one of their clients was busy.
        QStringList skippedSteps;
    };

    void append(const QString& name, Step step) { append(name, {}, std::move(step)); }
    void append(const QString& name, ClientList clients, Step step);
    // False, and nothing inserted, when no step has the given name.
    bool insertBefore(const QString& before, const QString& name, Step step,
                      ClientList clients = {});
    bool insertAfter(const QString& after, const QString& name, Step step,
                     ClientList clients = {});
    void setFinalBlock(std::function<void()> block) { m_finalBlock = std::move(block); }

    QStringList stepNames() const;
    bool contains(const QString& name) const;
    // Every client a step uses, each once, in the order the steps first name them.
    ClientList clients() const;

    Result run() const;
    // The steps in order without the guard, for a chain that runs inside another one (the
    // dashboard load inside a lookup, the steps of a timer tick inside the timer's own guard):
    // the first failure travels on to the caller. The final block is not run. Returns the
    // steps skipped for a busy client.
    QStringList runNested() const;

private:
    struct Named {
        QString name;
        ClientList clients;
        Step step;
    };

    std::vector<Named>::iterator find(const QString& name);
    bool insertBeside(const QString& neighbour, std::ptrdiff_t offset, Named named);

    std::vector<Named> m_steps;
    std::function<void()> m_finalBlock;
};

} // namespace app
