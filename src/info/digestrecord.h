#pragma once

// The reply of "/gpgetnews.asp": one record after the marker #000000"> (the tail of the service
// envelope's body tag), its four fields each ended by its mark:
//
//   <body bgcolor="#FFFFFF" text="#000000">TEXT&1TITLE&2THIRD&3FOURTH&4</body>
//
// The reader walks the payload: the marker moves the cut start to just after itself; "&1",
// "&2" and "&3" end the text, the title and the third field, each trimmed of characters of code
// 0 to 32, and move the cut start past the mark; "&4" ends the fourth field the same way and the
// record. Only the first record is read; a field whose mark never comes stays empty, so a reply
// without a record reads as all fields empty. Marks before the marker or after "</body>" do not
// count.

#include <QString>
#include <QStringView>

#include <optional>

namespace info {

struct DigestRecord {
    QString text; // the full message
    QString title;
    QString extra3; // two further fields nothing in the client uses
    QString extra4;
    friend bool operator==(const DigestRecord&, const DigestRecord&) = default;
};

DigestRecord parseDigestRecord(QStringView page);

// The payload of the reply (the service wraps it in its envelope), or nothing when the reader
// would not give the record back unchanged: a field holding a mark, the marker or "</body>", or
// beginning or ending with a blank.
std::optional<QString> digestPayload(const DigestRecord& record);

} // namespace info
