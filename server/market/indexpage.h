#pragma once

#include "market/marketmodel.h"

#include <QByteArray>

namespace market {

// The index page, UTF-8 HTML. Each index stands in its own block as a record introduced by its
// name, fields counted by the commas after the name:
//   上证指数,value,change,percent,amount(万元),rising,falling,unchanged,prevClose,open,high,low,
//   volume(手),
// The names appear nowhere else on the page, and no comma stands between the two records.
class IndexPage final {
public:
    static QByteArray render(const IndexQuote& shanghai, const IndexQuote& shenzhen);
    static QString record(const IndexQuote& quote);
};

} // namespace market
