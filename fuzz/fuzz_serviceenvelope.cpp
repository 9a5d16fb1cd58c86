// Service pages of arbitrary content: payload, status segments, digest fields and channel
// records, with the pieces checked against the literal reference.
#include "net/markerscan.h"
#include "net/serviceenvelope.h"

#include "../tests/net/referencescan.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const std::optional<QString> payload = net::envelopePayload(page);
    check(payload.has_value() == page.contains(net::envelopeMarker));
    if (payload)
        check(payload->size() <= page.size());

    for (const QString& segment : net::envelopeSegments(page, u"&2")) {
        check(!segment.isEmpty());
        check(net::trimControls(segment) == segment);
    }

    const std::vector<QString> fieldMarks{u"&1"_s, u"&2"_s, u"&3"_s, u"&4"_s};
    const std::vector<QString> recordMark{u"***"_s};
    for (const QStringView marker : {net::envelopeMarker, QStringView(u"\"#000000\">"),
                                     QStringView(u"#000000\">")}) {
        check(net::envelopePieces(page, fieldMarks, marker)
              == reference::envelopePieces(page, fieldMarks, marker));
        for (const net::MarkedPiece& record : net::envelopePieces(page, recordMark, marker)) {
            check(record.mark == 0);
            for (const net::MarkedPiece& field : net::splitAtMarks(record.text, fieldMarks))
                check(field.mark >= 0 && field.mark < 4 && field.text.size() <= record.text.size());
        }
    }
    return 0;
}
