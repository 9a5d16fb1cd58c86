#include "service/presence.h"

#include <QSet>

namespace service {

void Presence::seen(const QString& address, const QString& installationId, const QDateTime& at)
{
    // A flood of made-up ids or addresses may not grow the tables without bound.
    if (m_addresses.size() < kMaxEntries || m_addresses.contains(address))
        m_addresses.insert(address, at);
    if (!installationId.isEmpty() && (m_ids.size() < kMaxEntries || m_ids.contains(installationId)))
        m_ids.insert(installationId, {at, address});
    // Sweep now and then so the tables stay as small as the window.
    if (!m_lastSweep.isValid() || m_lastSweep.secsTo(at) >= 60) {
        forgetBefore(at.addSecs(-kWindowSecs));
        m_lastSweep = at;
    }
}

void Presence::forgetBefore(const QDateTime& cutoff)
{
    for (auto it = m_addresses.begin(); it != m_addresses.end();)
        it = it.value() < cutoff ? m_addresses.erase(it) : std::next(it);
    for (auto it = m_ids.begin(); it != m_ids.end();)
        it = it.value().at < cutoff ? m_ids.erase(it) : std::next(it);
}

int Presence::onlineCount(const QDateTime& at)
{
    const QDateTime cutoff = at.addSecs(-kWindowSecs);
    QSet<QString> addressesWithId;
    int count = 0;
    for (const Seen& seen : std::as_const(m_ids)) {
        if (seen.at >= cutoff) {
            ++count;
            addressesWithId.insert(seen.address);
        }
    }
    for (auto it = m_addresses.cbegin(); it != m_addresses.cend(); ++it) {
        if (it.value() >= cutoff && !addressesWithId.contains(it.key()))
            ++count;
    }
    return count;
}

} // namespace service
