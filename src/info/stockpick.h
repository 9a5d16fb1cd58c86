#pragma once

// The reply of "/gpsfjgshow.asp?userid=…": a sequence of picks, each four fields ended by their
// marks, after the marker "#000000"> (the tail of the service envelope's body tag):
//
//   <body bgcolor="#FFFFFF" text="#000000">600036&1招商银行&22024-5-10&310:30:00&4
//   000001&1平安银行&22024-5-10&311:00:00&4</body>
//
// A record runs from just after the marker (each occurrence moves the start) or from just after
// the previous "&4" up to the next "&4", and is trimmed of characters of code 0 to 32. Inside it
// "&1" ends the code, "&2" the name, "&3" the date (each field the text since the previous mark,
// or since the record start), and the time is the rest after "&3". A record without "&3" is no
// pick; the fields themselves are not trimmed. Marks before the marker or after "</body>" do not
// count.

#include <QString>
#include <QStringView>

#include <vector>

namespace info {

struct StockPick {
    QString code;
    QString name;
    QString date;
    QString time;

    // Two picks are the same when their four fields, joined without separators, are equal.
    QString identity() const { return code + name + date + time; }
    friend bool operator==(const StockPick&, const StockPick&) = default;
};

// The picks of the reply in reply order, repeats included.
std::vector<StockPick> parseStockPicks(QStringView page);

// Appends to `picks` each fetched pick not the same as one already there; returns how many were
// appended (more than none: something new arrived).
int mergeStockPicks(std::vector<StockPick>& picks, const std::vector<StockPick>& fetched);

// The payload of the reply (the service wraps it in its envelope), one pick a line. A pick the
// reader would not give back unchanged (a field holding a mark, the marker or "</body>", a code
// beginning or a time ending with a blank) is left out.
QString stockPicksPayload(const std::vector<StockPick>& picks);

} // namespace info
