#include "net/market.h"

#include <algorithm>

namespace net {

QString marketPrefix(QStringView code)
{
    return code.startsWith(u'6') ? QStringLiteral("sh") : QStringLiteral("sz");
}

bool isStockCode(QStringView text)
{
    return text.size() == 6 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

} // namespace net
