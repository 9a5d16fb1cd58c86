#pragma once

#include "market/marketmodel.h"

#include <QByteArray>

#include <optional>

namespace market {

// The quote feed reply, UTF-8: one comma-separated record in a comma-free wrapper,
//   var quote_zhou="M,code,name,last,percent,change,bid,bidLots,ask,askLots,volume,
//                   amount(万元),open,prevClose,high,low,signedLastLots,lastLots,time";
// so that, counting commas from the start, field 2 is the code and field 18 the last trade's
// size. M is 1 for Shanghai and 2 for Shenzhen. An unknown code gets the empty wrapper, which has
// no field at all.
class QuoteFeedPage final {
public:
    static QByteArray render(const std::optional<StockQuote>& quote);
    static QByteArray record(const StockQuote& quote);
};

} // namespace market
