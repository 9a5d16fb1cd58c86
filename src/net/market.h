#pragma once

#include <QString>
#include <QStringView>

namespace net {

// The market of a stock as used in addresses: "sh" (Shanghai) for a code beginning with "6",
// "sz" (Shenzhen) for any other.
QString marketPrefix(QStringView code);

} // namespace net
