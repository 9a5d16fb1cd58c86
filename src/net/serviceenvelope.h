#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace net {

// Replies of the own web service are HTML pages of this form:
//
//     <html><body bgcolor="#FFFFFF" text="#000000">PAYLOAD</body></html>
//
// The payload starts right after the envelope marker `text="#000000">` and ends at the first
// "</body>" after it, or at the end of the page. Should the marker stand more than once before
// that "</body>", a later occurrence replaces the earlier one (as every scan does), so the payload
// starts after the last. Inside the payload, fields are ended by two-character marks ("&1".."&4");
// channel records are ended by "***". Some readers look for the shorter tails of the marker,
// `"#000000">` or `#000000">`; on the service's pages they end at the same place.

inline constexpr QStringView envelopeMarker = u"text=\"#000000\">";
inline constexpr QStringView envelopeEnd = u"</body>";

// The service's page around a payload, as the service sends it (before its GBK encoding).
QString envelopePage(const QString& payload);

// The payload, or nothing when the page has no envelope marker.
std::optional<QString> envelopePayload(QStringView page, QStringView marker = envelopeMarker);

// A piece of text and the index of the mark that ended it.
struct MarkedPiece {
    int mark = 0;
    QString text;
    friend bool operator==(const MarkedPiece&, const MarkedPiece&) = default;
};

// The text cut at the marks, untrimmed, in text order: each piece runs from the previous mark (or
// the beginning) up to a mark; at one position the marks are tested in list order. Text after the
// last mark is not a piece.
std::vector<MarkedPiece> splitAtMarks(QStringView text, std::span<const QString> marks);

// The same over a service page: pieces begin once the envelope marker was seen (each occurrence
// of the marker moves the piece start to just after it) and end at the "</body>" after it.
std::vector<MarkedPiece> envelopePieces(QStringView page, std::span<const QString> marks,
                                        QStringView marker = envelopeMarker);

// The pieces of a service page ended by one mark, each trimmed of characters of code 0 to 32;
// pieces that are empty after trimming do not count. Status segments are read this way
// (`envelopeSegments(page, u"&2")`).
QStringList envelopeSegments(QStringView page, QStringView mark,
                             QStringView marker = envelopeMarker);

// A list payload of the service: each record in its written form, one per line, leaving out a
// record that its reader would not give back as it is (a value holding a mark, say) rather than
// sending it broken.
template <typename Record, typename Write, typename ReadsBack>
QString recordLines(const std::vector<Record>& records, Write write, ReadsBack readsBack)
{
    QString payload;
    for (const Record& record : records)
        if (readsBack(record))
            payload += write(record) + QLatin1String("\r\n");
    return payload;
}

} // namespace net
