#pragma once

#include "app/clock.h"

#include <vector>

namespace app {

// The trading-hours gates. Each compares the clock fields (DayTime: whole seconds), so a gate
// flips exactly at its boundary second whatever the milliseconds of the tick. Saturday and
// Sunday are the only days without trading; there is no holiday calendar.

// The quote panel refreshes every second from 9:10:00 to 15:05:00, both included.
bool inQuotePanelWindow(DayTime time);

// What one tick of the quote timer (Timer1) does.
struct QuoteTickPlan {
    bool indices = false;    // every third tick, at any time of day and also in the tray
    bool quotePanel = false; // inside the window, with a current stock, not in the tray
};

QuoteTickPlan planQuoteTick(int indexTicks, DayTime time, bool haveCode, bool inTray);
bool indicesDue(int indexTicks);
bool quotePanelDue(DayTime time, bool haveCode, bool inTray);

// The alert engine's sessions: strictly after 9:30:00 and before 11:30:00, strictly after
// 13:00:00 and before 15:00:00. 11:30:00 and 13:00:00 themselves are outside.
bool inMorningSession(DayTime time);
bool inAfternoonSession(DayTime time);
// Event alerts need one of the two sessions.
bool inAlertSession(DayTime time);

// The minutes of the three price broadcasts: 9:28-9:30, 11:33-11:44 and 15:03-15:09, each from
// the first second of its first minute to the last second of its last.
bool inOpeningBroadcastMinutes(DayTime time);
bool inMiddayBroadcastMinutes(DayTime time);
bool inClosingBroadcastMinutes(DayTime time);

// The one-off index and quote load of the dashboard runs outside 9:10:00-15:05:00.
bool dashboardLoadsQuotesOnce(DayTime time);

// Timer2 reloads the two intraday big-order pages strictly between 10:00:00 and 15:30:00, on
// any day of the week.
bool inBigOrderReloadWindow(DayTime time);

// The half-hour flow monitor (Timer7) works on weekdays from 10:00:00 on, with no end.
bool flowMonitorWorks(const QDate& day, DayTime time);

// One row of the table of timed rules: a piece of timed work and whether the clock lets it run
// now.
struct TradingGate {
    const char* work;
    bool (*open)(const Clock& clock);
};

// Every timed rule of the program, in the order of the work they gate.
const std::vector<TradingGate>& tradingGates();

} // namespace app
