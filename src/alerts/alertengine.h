#pragma once

// The alert engine's decisions, apart from any fetching or window, so the client, lantuo-cli and
// lantuo-server run the same code. A tick is planned (what to fetch, a broadcast or the alert
// pass), the caller fetches one quote row per planned code into an AlertQuoteTable, and the tick
// is evaluated into popups and broadcasts. Timer6's re-arming is rearmOneSecond.

#include "alerts/alertevents.h"
#include "alerts/alertstate.h"

#include <QDateTime>
#include <QStringList>

#include <vector>

namespace quotes {
class AlertQuoteTable;
}

namespace store {
struct WatchList;
}

namespace alerts {

enum class TickWork { None, OpeningBroadcast, MiddayBroadcast, ClosingBroadcast, AlertPass };

struct TickPlan {
    TickWork work = TickWork::None;
    // The watched stocks to fetch, by their index in the watch list, and their codes.
    std::vector<int> stocks;
    QStringList codes;
    // Inside a session when the tick began: event alerts may fire.
    bool trading = false;
    // Saturday and Sunday rest the quote panel's timer; the first weekday tick wakes it.
    bool stopQuoteTimer = false;
    bool startQuoteTimer = false;
};

struct PlannedTick {
    TickPlan plan;
    // With the day started afresh when the date changed, and a broadcast's flag set.
    AlertState state;
};

// What the tick at `now` does. No work on Saturday and Sunday or with local alerts off.
PlannedTick planTick(const store::WatchList& watch, bool localAlerts, AlertState state,
                     const QDateTime& now);

struct EvaluatedTick {
    std::vector<AlertEvent> events;
    AlertState state;
    // False when a figure was not a number: the tick ends there, and what it raised and changed
    // before stays.
    bool completed = true;
};

// The events of a planned tick from its table, whose row k is the quote of plan.stocks[k]. A
// stock without engine state (the watch list changed since the state was made) is skipped. The
// texts carry the time they are made at, madeAt (after the quotes came in); whether the tick is
// in a session was decided when it was planned.
EvaluatedTick evaluateTick(const TickPlan& plan, const quotes::AlertQuoteTable& table,
                           const store::WatchList& watch, AlertState state,
                           const QDateTime& madeAt);

// One second of re-arming: every running cool-down counts on, and one past 300 is armed again.
void rearmOneSecond(AlertState& state);

} // namespace alerts
