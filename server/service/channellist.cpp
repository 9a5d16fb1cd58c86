#include "service/channellist.h"

#include "service/fieldrules.h"

namespace service {

namespace {

QString resolve(const QString& address, const QString& base)
{
    QString resolved = address;
    return resolved.replace(QLatin1String("{base}"), base);
}

QString record(const ChannelEntry& entry, const QString& base)
{
    return entry.caption + QLatin1String("&1") + ChannelList::scramble(resolve(entry.address, base))
         + QLatin1String("&2") + entry.category + QLatin1String("&3") + entry.group
         + QLatin1String("&4") + entry.level;
}

bool carriesMark(const QString& text)
{
    static const char* const marks[] = {"&1", "&2", "&3", "&4", "***", "</body"};
    for (const char* mark : marks) {
        if (text.contains(QLatin1String(mark), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

QString ChannelList::scramble(const QString& address)
{
    if (address.size() < kScrambledLength)
        return address;
    QString scrambled = address;
    for (int i = 0; i < kScrambledLength; ++i)
        scrambled[i] = QChar(char16_t(address[i].unicode() - 1));
    return scrambled;
}

QString ChannelList::descramble(const QString& field)
{
    if (field.size() < kScrambledLength)
        return field;
    QString plain = field;
    for (int i = 0; i < kScrambledLength; ++i)
        plain[i] = QChar(char16_t(field[i].unicode() + 1));
    return plain;
}

bool ChannelList::fitsReply(const ChannelEntry& entry, const QString& base)
{
    const QString address = resolve(entry.address, base);
    if (!address.isEmpty() && !FieldRules::isSafeAddress(address))
        return false;
    const QString scrambled = scramble(address);
    for (QChar c : scrambled) {
        if (c.unicode() <= 0x20) // a blank or control character would be trimmed or break lines
            return false;
    }
    return !carriesMark(scrambled) && !carriesMark(entry.caption) && !carriesMark(entry.category)
        && !carriesMark(entry.group) && !carriesMark(entry.level);
}

QString ChannelList::payload(const std::vector<ChannelEntry>& channels, const QString& base)
{
    QString text;
    for (const ChannelEntry& entry : channels) {
        if (!fitsReply(entry, base)) {
            qWarning("lantuo-server: channel %s left out of the list", qPrintable(entry.caption));
            continue;
        }
        text += record(entry, base) + QLatin1String("***\r\n");
    }
    return text;
}

} // namespace service
