#pragma once

#include "alerts/alertevents.h"
#include "alerts/alertstate.h"
#include "store/settingsdatabase.h"
#include "store/watchlist.h"

#include <QDateTime>

#include <functional>

namespace app {
class Clock;
}

namespace net {
class HttpClient;
}

namespace alerts {

// What a tick hands out as it goes, so nothing decided before a failure is lost.
struct TickHandlers {
    // The quote panel's timer: false on Saturday and Sunday, true again on the first weekday.
    std::function<void(bool running)> quoteTimer;
    std::function<void(const AlertEvent& event)> raise;
};

// The alerts of this computer: the settings database, the watch list and switches loaded from it
// and the engine's state. The client's timers, lantuo-cli's headless engine and its watch
// commands all go through here.
class LocalAlerts final {
public:
    explicit LocalAlerts(const QString& systemDir);
    Q_DISABLE_COPY_MOVE(LocalAlerts)

    // createbase: opens or creates the database; the status text of the switches. Throws
    // store::SettingsError.
    QString createbase();
    // sendbase: the watch list, the switches and the phone number from the database; every
    // stock's alerts armed again. Throws store::SettingsError.
    void sendbase();

    // Timer4: one tick, planned at the clock's time when it begins and its texts made at the
    // time its quotes are in; the quotes through the client. Ends with a silent abort when a
    // fetch fails, a record is short or a figure is not a number; what it raised before stays.
    void tick(const app::Clock& clock, net::HttpClient& client, const QString& quoteSite,
              const TickHandlers& handlers);
    // Timer6: one second of re-arming.
    void rearm();

    const store::WatchList& watchList() const { return m_watch; }
    const store::PhoneRecord& phone() const { return m_phone; }
    const AlertState& state() const { return m_state; }
    store::SettingsDatabase& database() { return m_database; }

private:
    store::SettingsDatabase m_database;
    store::WatchList m_watch;
    store::PhoneRecord m_phone;
    AlertState m_state;
    int m_loads = 0;
};

} // namespace alerts
