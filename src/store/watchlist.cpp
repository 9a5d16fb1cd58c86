#include "store/watchlist.h"

#include <algorithm>

namespace store {

int WatchList::completeCount() const
{
    return int(std::min({watchBroadcast.size(), watchCodes.size(), watchNames.size(),
                         watchFlags.size(), watchBigTrade.size(), watchBigOrder.size(),
                         watchRiseFall.size(), watchReportMinutes.size(), watchReport.size()}));
}

} // namespace store
