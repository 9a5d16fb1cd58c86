#include "alerts/localalerts.h"

#include "alerts/alertengine.h"
#include "app/clock.h"
#include "net/silentabort.h"
#include "quotes/alertquotetable.h"

namespace alerts {

LocalAlerts::LocalAlerts(const QString& systemDir) : m_database(systemDir) {}

QString LocalAlerts::createbase()
{
    m_database.open();
    const store::PhoneRecord phone = m_database.readPhone();
    return store::alertStatusText(phone.localAlerts, phone.remoteAlerts);
}

void LocalAlerts::sendbase()
{
    // Read everything first: a failed read leaves the lists as they were.
    store::WatchList watch = m_database.readWatchList();
    const store::PhoneRecord phone = m_database.readPhone();
    m_watch = std::move(watch);
    m_phone = phone;
    m_state.resetStocks(int(m_watch.watchFlags.size()));
    ++m_loads;
}

void LocalAlerts::tick(const app::Clock& clock, net::HttpClient& client, const QString& quoteSite,
                       const TickHandlers& handlers)
{
    PlannedTick planned = planTick(m_watch, m_phone.localAlerts, m_state, clock.now());
    m_state = std::move(planned.state);
    const TickPlan& plan = planned.plan;
    if ((plan.stopQuoteTimer || plan.startQuoteTimer) && handlers.quoteTimer)
        handlers.quoteTimer(plan.startQuoteTimer);
    if (plan.work == TickWork::None)
        return;

    quotes::AlertQuoteTable table;
    const int loadsBefore = m_loads;
    for (const QString& code : plan.codes)
        quotes::gestockgj(client, quoteSite, code, table);
    // A save reloaded the list while the quotes were on their way: the plan's stocks are no
    // longer the list's, so this tick has nothing to say.
    if (m_loads != loadsBefore)
        return;

    EvaluatedTick evaluated = evaluateTick(plan, table, m_watch, m_state, clock.now());
    m_state = std::move(evaluated.state);
    if (handlers.raise)
        for (const AlertEvent& event : evaluated.events)
            handlers.raise(event);
    if (!evaluated.completed)
        net::abortSilently();
}

void LocalAlerts::rearm()
{
    rearmOneSecond(m_state);
}

} // namespace alerts
