#include "cli/clientsettings.h"

#include "app/systemdir.h"
#include "cli/command.h"

#include <QJsonArray>

namespace cli {

ClientSettings::ClientSettings() : m_alerts(app::systemDir())
{
    try {
        m_alerts.createbase();
        m_alerts.sendbase();
    } catch (const store::SettingsError& e) {
        refuse(QStringLiteral("the settings database cannot be read: ") + QString::fromUtf8(e.what()));
    }
}

void ClientSettings::save(const store::WatchList& watch)
{
    guarded([&] { m_alerts.database().saveWatchList(watch); });
}

void ClientSettings::saveSwitches(bool local, bool remote)
{
    guarded([&] { m_alerts.database().saveSwitches(local, remote); });
}

QJsonObject ClientSettings::json() const
{
    const store::WatchList& w = m_alerts.watchList();
    const store::PhoneRecord& phone = m_alerts.phone();
    return {{QStringLiteral("watchBroadcast"), QJsonArray::fromStringList(w.watchBroadcast)},
            {QStringLiteral("watchCodes"), QJsonArray::fromStringList(w.watchCodes)},
            {QStringLiteral("watchNames"), QJsonArray::fromStringList(w.watchNames)},
            {QStringLiteral("watchFlags"), QJsonArray::fromStringList(w.watchFlags)},
            {QStringLiteral("watchBigTrade"), QJsonArray::fromStringList(w.watchBigTrade)},
            {QStringLiteral("watchBigOrder"), QJsonArray::fromStringList(w.watchBigOrder)},
            {QStringLiteral("watchRiseFall"), QJsonArray::fromStringList(w.watchRiseFall)},
            {QStringLiteral("watchReportMinutes"), QJsonArray::fromStringList(w.watchReportMinutes)},
            {QStringLiteral("watchReport"), QJsonArray::fromStringList(w.watchReport)},
            {QStringLiteral("phoneNumber"), phone.number},
            {QStringLiteral("localAlerts"), phone.localAlerts},
            {QStringLiteral("remoteAlerts"), phone.remoteAlerts},
            {QStringLiteral("status"), store::alertStatusText(phone.localAlerts, phone.remoteAlerts)}};
}

// What was saved is read back, so the answer shows the database as it now stands.
void ClientSettings::guarded(const std::function<void()>& write)
{
    try {
        write();
        m_alerts.sendbase();
    } catch (const store::SettingsError& e) {
        refuse(QStringLiteral("the settings were not saved: ") + QString::fromUtf8(e.what()));
    }
}

} // namespace cli
