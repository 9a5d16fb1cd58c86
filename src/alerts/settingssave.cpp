#include "alerts/settingssave.h"

#include "alerts/localalerts.h"
#include "alerts/phoneregistration.h"
#include "app/prompter.h"
#include "net/loader.h"

namespace alerts {

QString savedMessage()
{
    return QStringLiteral("所有记录保存成功！");
}

QString saveAlertSettings(LocalAlerts& alerts, const EditedSettings& settings,
                          net::HttpClient& client, const QString& serviceBase,
                          app::Prompter& prompter,
                          const std::function<void(const ServiceRequest&)>& sent)
{
    net::runLoader(
        client,
        [&] {
            store::SettingsDatabase& database = alerts.database();
            database.saveWatchList(settings.watch);
            sendRequests(client, serviceBase,
                         remoteSyncRequests(settings.watch, settings.number, settings.remoteAlerts), sent);
            database.saveSwitches(settings.localAlerts, settings.remoteAlerts);
            alerts.sendbase();
        },
        [&prompter] { prompter.error(serviceFaultMessage()); });
    prompter.inform(savedMessage());
    return store::alertStatusText(settings.localAlerts, settings.remoteAlerts);
}

} // namespace alerts
