#include "ui/main/flowmonitorsteps.h"

#include "analytics/bigorderpages.h"
#include "app/clock.h"
#include "app/mainstate.h"
#include "app/maintables.h"

namespace ui::main {

FlowMonitorSteps::FlowMonitorSteps(const analytics::BigOrderLists& lists,
                                   const app::MainState& state, const app::Clock& clock,
                                   QObject* parent)
    : QObject(parent), m_lists(lists), m_state(state), m_clock(clock)
{
}

void FlowMonitorSteps::bindSteps(app::MainTables& tables)
{
    tables.newStock.bind(app::newstock::flowMonitorReset, [this] { m_monitor.resetForNewStock(); });
    tables.timers.steps(app::MainTimer::Timer7).bind(app::ticks::flowMonitor, [this] { Timer7Timer(); });
}

void FlowMonitorSteps::Timer7Timer()
{
    const analytics::FlowTick tick =
        analytics::flowMonitorTick(m_monitor, m_lists.halfHourBuy, m_lists.halfHourSell,
                                   m_clock.now(), m_state.currentName, m_state.currentCode);
    if (tick.totals)
        emit totalsChanged(*tick.totals);
    if (tick.announcement)
        emit windowAnnounced(*tick.announcement);
}

} // namespace ui::main
