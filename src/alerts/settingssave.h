#pragma once

#include "alerts/remotesync.h"
#include "store/watchlist.h"

#include <QString>

#include <functional>

namespace app {
class Prompter;
}

namespace alerts {

class LocalAlerts;

// What the settings window hands to its save: the edited list and the two switches; the number
// is the one on record (empty when none).
struct EditedSettings {
    store::WatchList watch;
    bool localAlerts = false;
    bool remoteAlerts = false;
    QString number;
};

// The save of the alert settings, in order: the three wave tables rewritten (one transaction),
// the copy on the service (remoteSyncRequests), the switches of the phone row (a transaction of
// its own), the engine reloaded from the database (sendbase), then "所有记录保存成功！". Returns
// the status bar's text. Any failure shows "当前服务器故障，请联系作者!" and ends with a silent
// abort; what was done before it stays done and the engine keeps the list it had.
QString saveAlertSettings(LocalAlerts& alerts, const EditedSettings& settings,
                          net::HttpClient& client, const QString& serviceBase,
                          app::Prompter& prompter,
                          const std::function<void(const ServiceRequest&)>& sent = {});

QString savedMessage();

} // namespace alerts
