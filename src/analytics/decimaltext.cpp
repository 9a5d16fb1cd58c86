#include "analytics/decimaltext.h"

#include <QString>

#include <cmath>

namespace analytics {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The count of digits from `at` on.
qsizetype digitsFrom(QStringView text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - at;
}

qsizetype signLength(QStringView text, qsizetype at)
{
    return at < text.size() && (text[at] == u'-' || text[at] == u'+') ? 1 : 0;
}

} // namespace

std::optional<int> decimalInteger(QStringView text)
{
    const qsizetype sign = signLength(text, 0);
    if (digitsFrom(text, sign) == 0 || sign + digitsFrom(text, sign) != text.size())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> decimalNumber(QStringView text)
{
    qsizetype at = signLength(text, 0);
    const qsizetype whole = digitsFrom(text, at);
    at += whole;
    qsizetype fraction = 0;
    if (at < text.size() && text[at] == u'.') {
        fraction = digitsFrom(text, at + 1);
        at += 1 + fraction;
    }
    if (whole + fraction == 0)
        return std::nullopt;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        at += 1 + signLength(text, at + 1);
        const qsizetype exponent = digitsFrom(text, at);
        if (exponent == 0)
            return std::nullopt;
        at += exponent;
    }
    if (at != text.size())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace analytics
