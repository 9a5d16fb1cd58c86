#include "info/digestrecord.h"

#include "net/markerscan.h"
#include "net/serviceenvelope.h"

#include <array>

namespace info {

namespace {

constexpr QStringView digestMarker = u"#000000\">";

const std::array<QString, 4>& fieldMarks()
{
    static const std::array<QString, 4> marks = {QStringLiteral("&1"), QStringLiteral("&2"),
                                                 QStringLiteral("&3"), QStringLiteral("&4")};
    return marks;
}

} // namespace

DigestRecord parseDigestRecord(QStringView page)
{
    DigestRecord record;
    QString* const fields[] = {&record.text, &record.title, &record.extra3, &record.extra4};
    for (const net::MarkedPiece& piece : net::envelopePieces(page, fieldMarks(), digestMarker)) {
        *fields[piece.mark] = net::trimControls(piece.text).toString();
        if (piece.mark == 3)
            break;
    }
    return record;
}

std::optional<QString> digestPayload(const DigestRecord& record)
{
    const auto& marks = fieldMarks();
    const QString payload = record.text + marks[0] + record.title + marks[1] + record.extra3
                          + marks[2] + record.extra4 + marks[3];
    // Checked by reading it back: the one test that cannot drift from the reader.
    if (parseDigestRecord(digestMarker.toString() + payload) != record)
        return std::nullopt;
    return payload;
}

} // namespace info
