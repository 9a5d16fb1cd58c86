#pragma once

#include <QString>

namespace service {

// What the service accepts in each kind of field. Texts that end up in replies may not carry the
// marks that cut those replies into fields and records, nor markup or control characters.
class FieldRules final {
public:
    static bool isDigits(const QString& text, int minLength, int maxLength);
    static bool isPhoneNumber(const QString& text) { return isDigits(text, 11, 11); }
    static bool isStockCode(const QString& text);
    static bool isInstallationId(const QString& text) { return isDigits(text, 1, 32); }
    static bool isFlags(const QString& text);
    static bool isSmallNumber(const QString& text) { return isDigits(text, 1, 6); }
    // Non-empty after trimming, at most maxChars characters, none of the forbidden ones.
    static bool isSafeText(const QString& text, int maxChars);
    // An http or https address the channel list, the status reply and the pages may carry.
    static bool isSafeAddress(const QString& text);
    // Whether the text holds a mark that cuts a reply into fields or records.
    static bool hasReplyMark(const QString& text);
};

} // namespace service
