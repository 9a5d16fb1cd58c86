#pragma once

#include "net/busyresource.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace app {

// The way every user command (a click, a menu item, a window's button) reaches the resources it
// uses. A blocking request lets a click through in the middle of another handler's wait; a
// command that then asked the busy resource for more work would cut or be refused. So a command
// runs at once when every resource it names is free, and otherwise waits here until they all are
// and then runs from the event loop. The same command given again while it waits replaces the
// waiting one: two clicks make one run, with what the later click brought.
//
// Timer steps do not wait: a step whose resource is busy is skipped for that tick (StepSequence).
class ResourceGates final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResourceGates)

public:
    explicit ResourceGates(QObject* parent = nullptr);

    // Runs the command through the guard now, or later once its resources are free. True when
    // it ran now.
    bool run(const QString& name, net::Resources resources, std::function<void()> command);
    bool waiting(const QString& name) const;

private:
    struct Waiting {
        QString name;
        net::Resources resources;
        std::function<void()> command;
    };

    void wait(Waiting waiting);
    void watch(const net::Resources& resources);
    void runWhatIsFree();

    std::vector<Waiting> m_waiting;
    net::Resources m_watched;
};

} // namespace app
