#pragma once

#include <QTime>

namespace app {

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

} // namespace app
