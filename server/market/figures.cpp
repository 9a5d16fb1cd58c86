#include "market/figures.h"

#include <cmath>

namespace market::figures {

namespace {

QString fixed(double value)
{
    return QString::number(value, 'f', 2);
}

// A change that rounds to nothing is written without a sign.
QString signedFixed(double value)
{
    const double rounded = std::round(value * 100.0) / 100.0;
    if (rounded == 0.0)
        return QStringLiteral("0.00");
    return fixed(rounded);
}

} // namespace

QString price(double yuan)
{
    return fixed(yuan);
}

QString change(double value)
{
    return signedFixed(value);
}

QString percent(double changeValue, double percentValue)
{
    if (std::round(changeValue * 100.0) == 0.0)
        return QStringLiteral("0");
    // A real move too small to show in percent keeps its direction.
    if (std::round(percentValue * 100.0) == 0.0)
        return changeValue < 0 ? QStringLiteral("-0.00%") : QStringLiteral("0.00%");
    return signedFixed(percentValue) + QLatin1Char('%');
}

QString tenThousands(double yuan)
{
    return fixed(yuan / 10000.0);
}

} // namespace market::figures
