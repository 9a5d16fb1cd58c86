#pragma once

#include <QDateTime>

namespace service {

class ServiceStore;

// What a fresh service publishes so every client feature has something to show: the status
// (run, no start page), a notice, a welcome digest, two selected stocks and a small channel list.
class DefaultContent final {
public:
    // Called by whoever creates the file: the server or the admin command.
    static bool publish(ServiceStore& store, const QDateTime& now);
};

} // namespace service
