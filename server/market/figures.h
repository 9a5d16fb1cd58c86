#pragma once

#include <QString>

namespace market {

// How the quote service writes its numbers.
namespace figures {

QString price(double yuan);
// Signed change with two decimals: "-0.15", "0.15", "0.00".
QString change(double value);
// The percent change: exactly "0" when the price is unchanged, otherwise "-1.25%" or "1.25%".
QString percent(double changeValue, double percentValue);
// 元 → 万元 with two decimals.
QString tenThousands(double yuan);

} // namespace figures
} // namespace market
