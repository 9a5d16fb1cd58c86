#pragma once

#include "alerts/localalerts.h"

#include <QJsonObject>

#include <functional>

namespace cli {

// The client's own settings database (in its data folder), opened and loaded as its first show
// loads it. A database that cannot be read or written is a refusal with the reason.
class ClientSettings final {
public:
    ClientSettings();

    alerts::LocalAlerts& alerts() { return m_alerts; }
    store::WatchList watchList() const { return m_alerts.watchList(); }

    void save(const store::WatchList& watch);
    void saveSwitches(bool local, bool remote);

    // The watch list, the phone number and both switches, as they stand.
    QJsonObject json() const;

private:
    void guarded(const std::function<void()>& write);

    alerts::LocalAlerts m_alerts;
};

} // namespace cli
