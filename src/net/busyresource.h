#pragma once

#include <QObject>

#include <vector>

namespace net {

// Something a step or a user command waits for: an HTTP client waiting for its reply, a hidden
// page loading, the media player connecting. A blocking wait lets other handlers run in its
// middle; a handler that then asked a busy resource for more work would cut or refuse what is
// in flight, so handlers name the resources they use and run only while all of them are free.
class BusyResource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool busy() const = 0;

signals:
    // The work the resource was busy with is over, whichever way it ended.
    void freed();
};

// The resources a step or a command uses.
using Resources = std::vector<const BusyResource*>;

// None of the resources is busy.
bool allFree(const Resources& resources);

} // namespace net
