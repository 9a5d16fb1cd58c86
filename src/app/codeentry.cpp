#include "app/codeentry.h"

#include <algorithm>

namespace app {

namespace {

constexpr char16_t backspace = 8;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool codeKeyAccepted(QChar key)
{
    return isAsciiDigit(key) || key.unicode() == backspace;
}

bool codeTextAcceptable(const QString& text, int maxLength)
{
    return text.size() <= maxLength && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

} // namespace app
