#include "service/phonewatch.h"

#include "alerts/watchedits.h"

#include <QHash>
#include <QSet>

namespace service {

store::WatchList watchListOf(const WatchCopy& copy)
{
    QSet<QString> broadcast;
    for (const WatchStock& stock : copy.wave1)
        broadcast.insert(stock.code);
    QHash<QString, QString> reportMinutes;
    for (const WatchStock& stock : copy.wave3) {
        if (!reportMinutes.contains(stock.code))
            reportMinutes.insert(stock.code, stock.minutes);
    }

    store::WatchList watch;
    QSet<QString> watched;
    // A stock only the first or third wave holds raises no events: the new-stock defaults.
    const auto add = [&](const WatchStock& stock, bool eventsOn) {
        watched.insert(stock.code);
        alerts::appendStock(watch, stock.code, stock.name);
        watch.watchBroadcast.last() = broadcast.contains(stock.code) ? QStringLiteral("1") : QStringLiteral("0");
        if (eventsOn) {
            watch.watchFlags.last() = stock.flags;
            watch.watchBigTrade.last() = stock.bigTrade;
            watch.watchBigOrder.last() = stock.bigOrder;
            watch.watchRiseFall.last() = stock.riseFall;
        }
        const auto minutes = reportMinutes.constFind(stock.code);
        if (minutes != reportMinutes.cend()) {
            watch.watchReport.last() = QStringLiteral("1");
            watch.watchReportMinutes.last() = *minutes;
        }
    };
    for (const WatchStock& stock : copy.wave2)
        add(stock, true);
    for (const auto* wave : {&copy.wave1, &copy.wave3}) {
        for (const WatchStock& stock : *wave) {
            if (!watched.contains(stock.code))
                add(stock, false);
        }
    }
    return watch;
}

} // namespace service
