#include "net/commafields.h"

#include "net/markerwalk.h"

namespace net {

QStringList commaFields(QStringView text)
{
    QStringList fields;
    qsizetype from = 0;
    for (qsizetype comma = text.indexOf(u','); comma >= 0; comma = text.indexOf(u',', from)) {
        fields.append(text.sliced(from, comma - from).toString());
        from = comma + 1;
    }
    return fields;
}

std::vector<FieldRecord> commaFieldsAfter(QStringView text, std::span<const QString> markers)
{
    // The names are tested before the comma at each position, so a name that itself begins
    // with a comma starts its record with an empty field 1.
    std::vector<QStringView> searched(markers.begin(), markers.end());
    const int comma = int(searched.size());
    searched.emplace_back(u",");

    std::vector<FieldRecord> records;
    qsizetype fieldStart = 0;
    MarkerWalk walk(text, searched);
    MarkerWalk::Hit hit;
    while (walk.next(hit)) {
        if (hit.marker != comma) {
            records.push_back(FieldRecord{hit.marker, {}});
            fieldStart = hit.position;
        } else if (!records.empty()) {
            records.back().fields.append(text.sliced(fieldStart, hit.position - fieldStart).toString());
            fieldStart = hit.position + 1;
        }
    }
    return records;
}

QStringList lines(QStringView text)
{
    QStringList result;
    qsizetype from = 0;
    for (qsizetype feed = text.indexOf(u'\n'); feed >= 0; feed = text.indexOf(u'\n', from)) {
        QStringView line = text.sliced(from, feed - from);
        if (line.endsWith(u'\r'))
            line.chop(1);
        result.append(line.toString());
        from = feed + 1;
    }
    return result;
}

QStringList splitAtCommas(QStringView line, qsizetype maxPieces)
{
    QStringList pieces;
    qsizetype from = 0;
    for (qsizetype comma = line.indexOf(u','); comma >= 0; comma = line.indexOf(u',', from)) {
        if (maxPieces > 0 && pieces.size() + 1 >= maxPieces)
            break;
        pieces.append(line.sliced(from, comma - from).toString());
        from = comma + 1;
    }
    pieces.append(line.sliced(from).toString());
    return pieces;
}

std::vector<QStringList> commaLines(QStringView text, qsizetype maxPieces)
{
    std::vector<QStringList> result;
    for (const QString& line : lines(text))
        result.push_back(splitAtCommas(line, maxPieces));
    return result;
}

} // namespace net
