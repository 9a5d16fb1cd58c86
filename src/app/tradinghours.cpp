#include "app/tradinghours.h"

namespace app {

namespace {

bool within(DayTime time, DayTime first, DayTime last)
{
    return time >= first && time <= last;
}

bool strictlyBetween(DayTime time, DayTime after, DayTime before)
{
    return time > after && time < before;
}

// A gate of the alert engine, which works on weekdays only.
template <bool (*gate)(DayTime)>
bool onWeekday(const Clock& clock)
{
    const ClockFields fields = decodeNow(clock);
    return !isWeekend(fields.date()) && gate(fields.time());
}

bool anyTime(DayTime)
{
    return true;
}

} // namespace

bool inQuotePanelWindow(DayTime time)
{
    return within(time, {9, 10, 0}, {15, 5, 0});
}

QuoteTickPlan planQuoteTick(int indexTicks, DayTime time, bool haveCode, bool inTray)
{
    return {indicesDue(indexTicks), quotePanelDue(time, haveCode, inTray)};
}

bool indicesDue(int indexTicks)
{
    return indexTicks % 3 == 0;
}

bool quotePanelDue(DayTime time, bool haveCode, bool inTray)
{
    return inQuotePanelWindow(time) && haveCode && !inTray;
}

bool inMorningSession(DayTime time)
{
    return strictlyBetween(time, {9, 30, 0}, {11, 30, 0});
}

bool inAfternoonSession(DayTime time)
{
    return strictlyBetween(time, {13, 0, 0}, {15, 0, 0});
}

bool inAlertSession(DayTime time)
{
    return inMorningSession(time) || inAfternoonSession(time);
}

bool inOpeningBroadcastMinutes(DayTime time)
{
    return within(time, {9, 28, 0}, {9, 30, 59});
}

bool inMiddayBroadcastMinutes(DayTime time)
{
    return within(time, {11, 33, 0}, {11, 44, 59});
}

bool inClosingBroadcastMinutes(DayTime time)
{
    return within(time, {15, 3, 0}, {15, 9, 59});
}

bool dashboardLoadsQuotesOnce(DayTime time)
{
    return !inQuotePanelWindow(time);
}

bool inBigOrderReloadWindow(DayTime time)
{
    return strictlyBetween(time, {10, 0, 0}, {15, 30, 0});
}

bool flowMonitorWorks(const QDate& day, DayTime time)
{
    return !isWeekend(day) && time >= DayTime{10, 0, 0};
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
        {"Timer2: big-order pages reloaded strictly between 10:00:00 and 15:30:00, any day",
         [](const Clock& clock) { return inBigOrderReloadWindow(clock.timeOfDay()); }},
        {"Timer4: alert engine, not on Saturday or Sunday", &onWeekday<anyTime>},
        {"Timer4: event alerts, morning session strictly between 9:30:00 and 11:30:00",
         &onWeekday<inMorningSession>},
        {"Timer4: event alerts, afternoon session strictly between 13:00:00 and 15:00:00",
         &onWeekday<inAfternoonSession>},
        {"Timer4: opening broadcast, 9:28:00-9:30:59, once a day",
         &onWeekday<inOpeningBroadcastMinutes>},
        {"Timer4: midday broadcast, 11:33:00-11:44:59, once a day",
         &onWeekday<inMiddayBroadcastMinutes>},
        {"Timer4: closing broadcast, 15:03:00-15:09:59, once a day",
         &onWeekday<inClosingBroadcastMinutes>},
        {"Timer7: half-hour flow monitor, weekdays from 10:00:00",
         [](const Clock& clock) {
             const ClockFields fields = decodeNow(clock);
             return flowMonitorWorks(fields.date(), fields.time());
         }},
        {"phone reports (lantuo-server): every 10/20/30/60 trading minutes, inside the sessions",
         &onWeekday<inAlertSession>},
    };
    return gates;
}

} // namespace app
