#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

namespace service {

// Who has been online lately. An installation names itself only in the selected-stocks request
// (its installationId); every other request carries nothing but the client's address. So an
// installation is counted by its id when one was seen in the window, and an address that sent
// no id in the window counts as one installation. Kept in memory: a restart forgets presence,
// which is what a ten-minute window means anyway.
class Presence final {
public:
    static constexpr qint64 kWindowSecs = 10 * 60;
    static constexpr qsizetype kMaxEntries = 100000;

    void seen(const QString& address, const QString& installationId, const QDateTime& at);
    int onlineCount(const QDateTime& at);

private:
    void forgetBefore(const QDateTime& cutoff);

    struct Seen {
        QDateTime at;
        QString address;
    };
    QHash<QString, Seen> m_ids;            // installationId → last request with it
    QHash<QString, QDateTime> m_addresses; // address → last request of any kind
    QDateTime m_lastSweep;
};

} // namespace service
