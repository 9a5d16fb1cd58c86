#pragma once

// Literal position-by-position versions of the scans, kept as plain as the rules read: at every
// position each marker is compared in full. The fast scans must give exactly what these give.

#include "net/commafields.h"
#include "net/markerscan.h"
#include "net/serviceenvelope.h"

#include <utility>
#include <vector>

namespace reference {

template <typename View>
bool standsAt(View text, qsizetype position, View marker)
{
    return !marker.isEmpty() && position + marker.size() <= text.size()
        && text.sliced(position, marker.size()) == marker;
}

template <typename View>
View trimLow(View text)
{
    auto code = [](auto unit) {
        if constexpr (std::is_same_v<decltype(unit), char>)
            return unsigned(static_cast<unsigned char>(unit));
        else
            return unsigned(unit.unicode());
    };
    while (!text.isEmpty() && code(text.front()) <= 32u)
        text = text.sliced(1);
    while (!text.isEmpty() && code(text.back()) <= 32u)
        text.chop(1);
    return text;
}

struct Hit {
    qsizetype position;
    int marker;
    friend bool operator==(const Hit&, const Hit&) = default;
};

template <typename View>
std::vector<Hit> hits(View text, const std::vector<View>& markers)
{
    std::vector<Hit> found;
    for (qsizetype p = 0; p < text.size(); ++p)
        for (int m = 0; m < int(markers.size()); ++m)
            if (standsAt(text, p, markers[std::size_t(m)]))
                found.push_back({p, m});
    return found;
}

// Variant A / B. Pair is net::MarkerPair or net::ByteMarkerPair; View the matching view type.
template <typename View, typename Pair, typename Value>
std::vector<std::pair<int, Value>> scan(View text, const std::vector<Pair>& pairs,
                                        const net::ScanOptions& options)
{
    const std::size_t n = pairs.size();
    std::vector<bool> open(n, false), seen(n, false);
    std::vector<qsizetype> start(n, 0);
    qsizetype shared = 0;
    std::vector<std::pair<int, Value>> cuts;
    for (qsizetype p = 0; p < text.size(); ++p) {
        for (std::size_t i = 0; i < n; ++i) {
            const View marker(pairs[i].start);
            if (!standsAt(text, p, marker))
                continue;
            if (pairs[i].gate >= 0 && !seen[std::size_t(pairs[i].gate)])
                continue;
            open[i] = true;
            seen[i] = true;
            start[i] = shared = p + marker.size();
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (!open[i] || !standsAt(text, p, View(pairs[i].end)))
                continue;
            open[i] = false;
            const qsizetype from = options.sharedStart ? shared : start[i];
            View value = p - from > 0 ? text.sliced(from, p - from) : View();
            if (options.trim == net::Trim::Yes)
                value = trimLow(value);
            cuts.emplace_back(int(i), Value(value.data(), value.size()));
            if (options.records == net::Records::First)
                return cuts;
        }
    }
    return cuts;
}

// Variant C with names: at every position the names, then the comma.
inline std::vector<net::FieldRecord> fieldsAfter(QStringView text, const std::vector<QString>& names)
{
    std::vector<net::FieldRecord> records;
    qsizetype fieldStart = 0;
    for (qsizetype p = 0; p < text.size(); ++p) {
        for (int m = 0; m < int(names.size()); ++m) {
            if (standsAt(text, p, QStringView(names[std::size_t(m)]))) {
                records.push_back({m, {}});
                fieldStart = p;
            }
        }
        if (text[p] == u',' && !records.empty()) {
            records.back().fields.append(text.sliced(fieldStart, p - fieldStart).toString());
            fieldStart = p + 1;
        }
    }
    return records;
}

// Envelope pieces: the marker (re)starts, "</body>" after it ends, the marks cut.
inline std::vector<net::MarkedPiece> envelopePieces(QStringView page,
                                                    const std::vector<QString>& marks,
                                                    QStringView marker)
{
    std::vector<net::MarkedPiece> pieces;
    bool started = false;
    qsizetype pieceStart = 0;
    for (qsizetype p = 0; p < page.size(); ++p) {
        if (standsAt(page, p, marker)) {
            started = true;
            pieceStart = p + marker.size();
        }
        if (!started)
            continue;
        if (standsAt(page, p, net::envelopeEnd))
            return pieces;
        for (int m = 0; m < int(marks.size()); ++m) {
            const QStringView mark(marks[std::size_t(m)]);
            if (!standsAt(page, p, mark))
                continue;
            pieces.push_back({m, p > pieceStart ? page.sliced(pieceStart, p - pieceStart).toString()
                                                : QString()});
            pieceStart = p + mark.size();
        }
    }
    return pieces;
}

} // namespace reference
