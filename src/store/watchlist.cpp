#include "store/watchlist.h"

#include <algorithm>

namespace store {

namespace {

void fit(QStringList& list, qsizetype length, const QString& missing)
{
    if (list.size() > length)
        list.resize(length);
    while (list.size() < length)
        list << missing;
}

} // namespace

void fitToFirstWave(WatchList& watch)
{
    const qsizetype stocks = std::min({watch.watchBroadcast.size(), watch.watchCodes.size(),
                                       watch.watchNames.size()});
    fit(watch.watchBroadcast, stocks, newstock::broadcast);
    fit(watch.watchCodes, stocks, QString());
    fit(watch.watchNames, stocks, QString());
    fit(watch.watchFlags, stocks, newstock::flags);
    fit(watch.watchBigTrade, stocks, newstock::bigTrade);
    fit(watch.watchBigOrder, stocks, newstock::bigOrder);
    fit(watch.watchRiseFall, stocks, newstock::riseFall);
    fit(watch.watchReportMinutes, stocks, newstock::reportMinutes);
    fit(watch.watchReport, stocks, newstock::report);
}

int WatchList::completeCount() const
{
    return int(std::min({watchBroadcast.size(), watchCodes.size(), watchNames.size(),
                         watchFlags.size(), watchBigTrade.size(), watchBigOrder.size(),
                         watchRiseFall.size(), watchReportMinutes.size(), watchReport.size()}));
}

} // namespace store
