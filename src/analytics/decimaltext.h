#pragma once

#include <QStringView>

#include <optional>

namespace analytics {

// The numbers the chart pages and replies carry, read strictly: an optional sign and decimal
// digits, no blanks, no hex. An integer is one of 32 bits, as the sites send them; sums of them
// are kept in 64 bits so a day of figures never overflows.
std::optional<int> decimalInteger(QStringView text);

// A decimal number with "." as its separator ("45.2", "-3", ".5"), an exponent allowed; never
// infinite or NaN.
std::optional<double> decimalNumber(QStringView text);

} // namespace analytics
