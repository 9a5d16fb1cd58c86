#include "app/tradinghours.h"

#include "app/clock.h"

namespace app {

namespace {

QTime toSecond(QTime time)
{
    return QTime(time.hour(), time.minute(), time.second());
}

} // namespace

bool inQuotePanelWindow(QTime time)
{
    const QTime t = toSecond(time);
    return t >= QTime(9, 10, 0) && t <= QTime(15, 5, 0);
}

QuoteTickPlan planQuoteTick(int indexTicks, QTime time, bool haveCode, bool inTray)
{
    QuoteTickPlan plan;
    plan.indices = indexTicks % 3 == 0;
    plan.quotePanel = inQuotePanelWindow(time) && haveCode && !inTray;
    return plan;
}

bool inAlertSession(QTime time)
{
    return (time > QTime(9, 30) && time < QTime(11, 30)) || (time > QTime(13, 0) && time < QTime(15, 0));
}

bool dashboardLoadsQuotesOnce(QTime time)
{
    return !inQuotePanelWindow(time);
}

const std::vector<TradingGate>& tradingGates()
{
    static const std::vector<TradingGate> gates = {
        {"dashboard load: quote panel once on Saturday and Sunday",
         [](const Clock& clock) { return isWeekend(clock); }},
        {"dashboard load: indices and quote panel once outside 9:10:00-15:05:00",
         [](const Clock& clock) { return dashboardLoadsQuotesOnce(clock.timeOfDay()); }},
        {"Timer1: quote panel refresh, 9:10:00-15:05:00",
         [](const Clock& clock) { return inQuotePanelWindow(clock.timeOfDay()); }},
        {"Timer1: indices every third tick, at any time", [](const Clock&) { return true; }},
    };
    return gates;
}

} // namespace app
