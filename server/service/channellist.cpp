#include "service/channellist.h"

#include "service/fieldrules.h"

#include <QStringList>

#include <algorithm>

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
    const QStringList fields = {scrambled, entry.caption, entry.category, entry.group, entry.level};
    return std::none_of(fields.begin(), fields.end(), &FieldRules::hasReplyMark);
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
