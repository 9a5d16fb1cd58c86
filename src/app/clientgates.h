#pragma once

#include "app/stepsequence.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace app {

// The way every user command (a click, a menu item, a window's button) reaches the HTTP clients
// it uses. A blocking request lets a click through in the middle of another handler's wait; a
// command that then asked the waiting client for a request would be refused. So a command runs
// at once when every client it names is free, and otherwise waits here until they all are and
// then runs from the event loop. The same command given again while it waits replaces the
// waiting one: two clicks make one run, with what the later click brought.
//
// Timer steps do not wait: a step whose client is busy is skipped for that tick (StepSequence).
class ClientGates final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClientGates)

public:
    explicit ClientGates(QObject* parent = nullptr);

    // Runs the command through the guard now, or later once its clients are free. True when
    // it ran now.
    bool run(const QString& name, ClientList clients, std::function<void()> command);
    bool waiting(const QString& name) const;

private:
    struct Waiting {
        QString name;
        ClientList clients;
        std::function<void()> command;
    };

    void wait(Waiting waiting);
    void watch(const ClientList& clients);
    void runWhatIsFree();

    std::vector<Waiting> m_waiting;
    ClientList m_watched;
};

} // namespace app
