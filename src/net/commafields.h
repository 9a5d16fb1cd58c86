#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>
#include <vector>

namespace net {

// Comma records as the quote service sends them, and comma lines.
//
// Field n (1-based) is fields[n - 1]: the text between the (n-1)-th and the n-th comma, field 1
// being everything before the first comma, wrapper text included. A field exists only once the
// comma that ends it was seen, so `fields.size() < n` means field n did not arrive; text after
// the last comma is not a field.
QStringList commaFields(QStringView text);

// Records introduced by names ("上证指数", "深证成指"): at every occurrence of any of the names a
// new record begins and its commas are counted afresh, up to the next occurrence of any name.
// Field 1 of a record runs from the name itself to the first comma after it. Commas before the
// first name belong to no record. Records come in text order.
struct FieldRecord {
    int marker = 0;
    QStringList fields;
    friend bool operator==(const FieldRecord&, const FieldRecord&) = default;
};
std::vector<FieldRecord> commaFieldsAfter(QStringView text, std::span<const QString> markers);

// The lines of a reply, each ended by a line feed; a carriage return before the line feed is
// dropped, so replies with CRLF line ends read the same. Text after the last line feed is not a
// line.
QStringList lines(QStringView text);

// A line split at its commas, empty pieces kept: n commas give n + 1 pieces. With maxPieces > 0
// the line is split at its first maxPieces - 1 commas only and the last piece holds the rest,
// later commas included.
QStringList splitAtCommas(QStringView line, qsizetype maxPieces = 0);

// lines() with every line split at its commas.
std::vector<QStringList> commaLines(QStringView text, qsizetype maxPieces = 0);

} // namespace net
