#include "app/maintables.h"

namespace app {

QStringList firstShowSteps()
{
    using namespace firstshow;
    return {centre,       forumGrid,    createbase, sendbase,  getbase,
            getmail,      yzgp,         readTimeouts, todayCaption, timersOn,
            parkNotice,   adStrip,      bigOrderPages, dashboardLoad, flowMonitorTimer};
}

QStringList dashboardSteps()
{
    using namespace dashboard;
    return {stockFile,       weekendQuotePanel, offHoursIndices, offHoursQuotePanel,
            holdingsCaption, holdings,          commentCaption};
}

QStringList newStockSteps()
{
    return {newstock::flowMonitorReset, newstock::clearTimeChart};
}

QStringList lookupSteps()
{
    using namespace lookup;
    return {stopFlowMonitor, newStockReset, bigOrderPages, showStockPage, dashboardLoad,
            startFlowMonitor};
}

QStringList timerSteps(MainTimer id)
{
    switch (id) {
    case MainTimer::Timer1:
        // The indices first: a lookup may run during their wait, and the quote panel then
        // shows the new stock.
        return {ticks::indices, ticks::quotePanel};
    case MainTimer::Timer2:
        // The online count and the forum's refresh come after it once they are there.
        return {ticks::bigOrderReload};
    case MainTimer::Timer4:
        return {ticks::alertEngine};
    case MainTimer::Timer6:
        return {ticks::rearmAlerts};
    case MainTimer::Timer7:
        return {ticks::flowMonitor};
    case MainTimer::Timer8:
        return {ticks::hideSplash};
    case MainTimer::Timer5:
    case MainTimer::Timer9:
        break;
    }
    return {};
}

QStringList MainTables::unboundNames() const
{
    QStringList unbound;
    const auto collect = [&unbound](const char* table, const StepSequence& steps) {
        for (const QString& name : steps.unboundNames())
            unbound << QString::fromLatin1(table) + QStringLiteral(": ") + name;
    };
    collect("first show", firstShow);
    collect("dashboard load", dashboardLoad);
    collect("new stock", newStock);
    collect("lookup", lookup);
    for (const MainTimerSetup& setup : mainTimerTable())
        collect(setup.name, timers.steps(setup.id));
    return unbound;
}

} // namespace app
