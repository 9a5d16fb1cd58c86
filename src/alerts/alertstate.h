#pragma once

#include <QDate>
#include <QStringList>

namespace alerts {

// What the alert engine remembers between ticks. The per-stock lists run parallel to the watch
// list and hold text: limitAlerted "1" once the limit alert fired; a cool-down "-1" while armed,
// else the seconds since its alert fired.
struct AlertState {
    QStringList limitAlerted;
    QStringList bigTradeCooldown;
    QStringList bigOrderCooldown;
    QStringList riseFallCooldown;
    bool openBroadcastDone = false;
    bool middayBroadcastDone = false;
    bool closeBroadcastDone = false;
    // The day the broadcast flags and limitAlerted belong to; a new day starts them afresh.
    QDate day;
    // A weekend tick stopped the quote panel's timer; the first weekday tick starts it again.
    bool quoteTimerStopped = false;

    // sendbase: every stock's alerts armed again, the limit alerts included.
    void resetStocks(int count);
    // Stocks the state has entries for.
    int stockCount() const;
};

} // namespace alerts
