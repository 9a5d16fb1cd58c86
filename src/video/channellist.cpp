#include "video/channellist.h"

#include "net/markerscan.h"
#include "net/markerwalk.h"
#include "net/serviceenvelope.h"

#include <optional>

namespace video {

namespace {

constexpr QStringView captionEnd = u"&1";
constexpr QStringView addressEnd = u"&2";
constexpr QStringView categoryEnd = u"&3";
constexpr QStringView groupEnd = u"&4";
constexpr QStringView recordEnd = u"***";
constexpr qsizetype kMarkLength = 2;

// Moves the first 18 code units by `step`; shorter fields are left alone.
QString shifted(QStringView field, int step)
{
    QString result = field.toString();
    if (result.size() < kScrambledLength)
        return result;
    for (qsizetype i = 0; i < kScrambledLength; ++i)
        result[i] = QChar(char16_t(result[i].unicode() + step));
    return result;
}

std::optional<ChannelRecord> splitRecord(QStringView record)
{
    ChannelRecord split;
    QString* const fields[] = {&split.caption, &split.address, &split.category, &split.group};
    bool seen[] = {false, false, false, false};
    qsizetype from = 0;
    net::MarkerWalk walk(record, {captionEnd, addressEnd, categoryEnd, groupEnd});
    net::MarkerWalk::Hit hit;
    while (walk.next(hit)) {
        const QStringView field = record.sliced(from, std::max<qsizetype>(0, hit.position - from));
        *fields[hit.marker] = hit.marker == 1 ? jiemi(field) : field.toString();
        seen[hit.marker] = true;
        from = hit.position + kMarkLength;
        if (hit.marker == 3)
            split.level = record.sliced(from).toString();
    }
    for (bool found : seen) {
        if (!found)
            return std::nullopt;
    }
    return split;
}

QString recordOf(const ChannelRecord& record)
{
    return record.caption + captionEnd.toString() + scramble(record.address)
         + addressEnd.toString() + record.category + categoryEnd.toString() + record.group
         + groupEnd.toString() + record.level + recordEnd.toString();
}

} // namespace

ChannelRecord ChannelRecords::at(int index) const
{
    return {captions.at(index), addresses.at(index), categories.at(index), groups.at(index),
            levels.at(index)};
}

void ChannelRecords::append(const ChannelRecord& record)
{
    captions.append(record.caption);
    addresses.append(record.address);
    categories.append(record.category);
    groups.append(record.group);
    levels.append(record.level);
}

ChannelRecords parseChannelList(QStringView page)
{
    const QString ends[] = {recordEnd.toString()};
    ChannelRecords records;
    for (const net::MarkedPiece& piece : net::envelopePieces(page, ends)) {
        if (const auto record = splitRecord(net::trimControls(piece.text)))
            records.append(*record);
    }
    return records;
}

QString jiemi(QStringView field)
{
    return shifted(field, +1);
}

QString scramble(QStringView address)
{
    return shifted(address, -1);
}

bool fitsChannelList(const ChannelRecord& record)
{
    const ChannelRecords read = parseChannelList(net::envelopeMarker.toString() + recordOf(record));
    return read.size() == 1 && read.at(0) == record;
}

QString channelListPayload(const std::vector<ChannelRecord>& records)
{
    return net::recordLines(records, recordOf, fitsChannelList);
}

} // namespace video
