#include "net/market.h"

namespace net {

QString marketPrefix(QStringView code)
{
    return code.startsWith(u'6') ? QStringLiteral("sh") : QStringLiteral("sz");
}

} // namespace net
