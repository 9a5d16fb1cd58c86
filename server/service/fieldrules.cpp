#include "service/fieldrules.h"

#include "net/market.h"

#include <QUrl>

namespace service {

bool FieldRules::hasReplyMark(const QString& text)
{
    // The field marks of every reply, the record marks of the channel list and the end of the
    // reply's body.
    static const char* const marks[] = {"&1",  "&2",  "&3",  "&4",  "$a0",   "$a1",
                                        "$a2", "$a3", "$a4", "***", "</body"};
    for (const char* mark : marks) {
        if (text.contains(QLatin1String(mark), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool FieldRules::isDigits(const QString& text, int minLength, int maxLength)
{
    if (text.size() < minLength || text.size() > maxLength)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool FieldRules::isStockCode(const QString& text)
{
    return net::isStockCode(text);
}

bool FieldRules::isFlags(const QString& text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
    }
    return true;
}

bool FieldRules::isSafeText(const QString& text, int maxChars)
{
    if (text.trimmed().isEmpty() || text.size() > maxChars)
        return false;
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x20 || unit == 0x7F || c == QLatin1Char('<') || c == QLatin1Char('>'))
            return false;
    }
    return !hasReplyMark(text);
}

bool FieldRules::isSafeAddress(const QString& text)
{
    if (text.isEmpty() || text.size() > 300 || hasReplyMark(text))
        return false;
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit <= 0x20 || unit >= 0x7F || c == QLatin1Char('"') || c == QLatin1Char('<')
            || c == QLatin1Char('>'))
            return false;
    }
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty();
}

} // namespace service
