#pragma once

#include <QTime>

#include <vector>

namespace app {

class Clock;

// The trading-hours gates, on the local clock, compared to the second. Saturday and Sunday are
// the only days without trading; there is no holiday calendar.

// The quote panel refreshes every second from 9:10:00 to 15:05:00, both included.
bool inQuotePanelWindow(QTime time);

// What one tick of the quote timer (Timer1) does.
struct QuoteTickPlan {
    bool indices = false;    // every third tick, at any time of day and also in the tray
    bool quotePanel = false; // inside the window, with a current stock, not in the tray
};

QuoteTickPlan planQuoteTick(int indexTicks, QTime time, bool haveCode, bool inTray);

// The alert engine's event alerts: strictly inside 9:30:00-11:30:00 or 13:00:00-15:00:00, to
// the millisecond, so 11:30:00 and 13:00:00 themselves are outside.
bool inAlertSession(QTime time);

// The one-off index and quote load of the dashboard runs outside 9:10:00-15:05:00.
bool dashboardLoadsQuotesOnce(QTime time);

// One row of the table of trading-hours gates: a piece of timed work and whether the clock
// lets it run now.
struct TradingGate {
    const char* work;
    bool (*open)(const Clock& clock);
};

// Every trading-hours gate of the program, in the order of the work they gate.
const std::vector<TradingGate>& tradingGates();

} // namespace app
