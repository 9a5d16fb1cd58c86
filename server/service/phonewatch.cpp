#include "service/phonewatch.h"

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
    const auto add = [&](const WatchStock& stock, bool eventsOn) {
        watched.insert(stock.code);
        watch.watchBroadcast << (broadcast.contains(stock.code) ? QStringLiteral("1") : QStringLiteral("0"));
        watch.watchCodes << stock.code;
        watch.watchNames << stock.name;
        watch.watchFlags << (eventsOn ? stock.flags : QStringLiteral("0000"));
        watch.watchBigTrade << (eventsOn ? stock.bigTrade : QStringLiteral("4"));
        watch.watchBigOrder << (eventsOn ? stock.bigOrder : QStringLiteral("4"));
        watch.watchRiseFall << (eventsOn ? stock.riseFall : QStringLiteral("9"));
        const auto minutes = reportMinutes.constFind(stock.code);
        watch.watchReport << (minutes != reportMinutes.cend() ? QStringLiteral("1") : QStringLiteral("0"));
        watch.watchReportMinutes << (minutes != reportMinutes.cend() ? *minutes : QStringLiteral("0"));
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
