#pragma once

#include <QString>
#include <QStringView>

namespace net {

// The market of a stock as used in addresses: "sh" (Shanghai) for a code beginning with "6",
// "sz" (Shenzhen) for any other.
QString marketPrefix(QStringView code);

// Exactly six ASCII digits: the form of every stock code.
bool isStockCode(QStringView text);

} // namespace net
