#include "net/markerscan.h"

#include "net/markerwalk.h"

#include <stdexcept>

namespace net {

namespace {

unsigned unitCode(QChar unit) { return unit.unicode(); }
unsigned unitCode(char unit) { return static_cast<unsigned char>(unit); }

template <typename View>
View trimLowCodes(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && unitCode(text[begin]) <= 32u)
        ++begin;
    while (end > begin && unitCode(text[end - 1]) <= 32u)
        --end;
    return text.sliced(begin, end - begin);
}

template <typename Char, typename Pair, typename Handler>
void scanPairs(typename BasicMarkerWalk<Char>::TextView text, std::span<const Pair> pairs,
               const ScanOptions& options, const Handler& onCut)
{
    using TextView = typename BasicMarkerWalk<Char>::TextView;
    const int count = int(pairs.size());
    for (int i = 0; i < count; ++i) {
        const int gate = pairs[std::size_t(i)].gate;
        if (gate != -1 && (gate < 0 || gate >= count || gate == i))
            throw std::invalid_argument("marker scan: a gate must name another pair");
    }

    // Markers 0..count-1 are the starts, count..2*count-1 the ends: the walk reports the starts
    // standing at a position before the ends standing there, each kind in pair order.
    std::vector<TextView> markers;
    markers.reserve(std::size_t(count) * 2);
    for (const Pair& pair : pairs)
        markers.emplace_back(pair.start);
    for (const Pair& pair : pairs)
        markers.emplace_back(pair.end);

    std::vector<bool> open(std::size_t(count), false);
    std::vector<bool> seen(std::size_t(count), false);
    std::vector<qsizetype> cutStart(std::size_t(count), 0);
    qsizetype sharedCutStart = 0;

    // Only markers that can matter are looked for: an end while its pair is open, a gated start
    // once its gate was seen.
    BasicMarkerWalk<Char> walk(text, markers);
    for (int i = 0; i < count; ++i) {
        walk.setEnabled(count + i, false);
        if (pairs[std::size_t(i)].gate >= 0)
            walk.setEnabled(i, false);
    }
    typename BasicMarkerWalk<Char>::Hit hit;
    while (walk.next(hit)) {
        if (hit.marker < count) {
            const auto i = std::size_t(hit.marker);
            const int gate = pairs[i].gate;
            if (gate >= 0 && !seen[std::size_t(gate)])
                continue;
            open[i] = true;
            walk.setEnabled(count + hit.marker, true);
            if (!seen[i]) {
                seen[i] = true;
                for (int j = 0; j < count; ++j)
                    if (pairs[std::size_t(j)].gate == hit.marker)
                        walk.setEnabled(j, true);
            }
            const qsizetype after = hit.position + markers[i].size();
            cutStart[i] = after;
            sharedCutStart = after;
            continue;
        }
        const auto i = std::size_t(hit.marker - count);
        if (!open[i])
            continue;
        open[i] = false;
        walk.setEnabled(hit.marker, false);
        const qsizetype from = options.sharedStart ? sharedCutStart : cutStart[i];
        TextView value = hit.position > from ? text.sliced(from, hit.position - from) : TextView();
        if (options.trim == Trim::Yes)
            value = trimLowCodes(value);
        if (!onCut(int(i), value) || options.records == Records::First)
            return;
    }
}

} // namespace

std::vector<Cut> scan(QStringView text, std::span<const MarkerPair> pairs,
                      const ScanOptions& options)
{
    std::vector<Cut> cuts;
    scanPairs<char16_t>(text, pairs, options, [&](int pair, QStringView value) {
        cuts.push_back(Cut{pair, value.toString()});
        return true;
    });
    return cuts;
}

void scan(QStringView text, std::span<const MarkerPair> pairs, const ScanOptions& options,
          const CutHandler& onCut)
{
    scanPairs<char16_t>(text, pairs, options, onCut);
}

std::vector<ByteCut> scan(QByteArrayView bytes, std::span<const ByteMarkerPair> pairs,
                          const ScanOptions& options)
{
    std::vector<ByteCut> cuts;
    scanPairs<char>(bytes, pairs, options, [&](int pair, QByteArrayView value) {
        cuts.push_back(ByteCut{pair, value.toByteArray()});
        return true;
    });
    return cuts;
}

void scan(QByteArrayView bytes, std::span<const ByteMarkerPair> pairs, const ScanOptions& options,
          const ByteCutHandler& onCut)
{
    scanPairs<char>(bytes, pairs, options, onCut);
}

QStringList cutAll(QStringView text, QStringView start, QStringView end, Trim trim)
{
    const MarkerPair pair{start.toString(), end.toString()};
    QStringList values;
    scanPairs<char16_t>(text, std::span(&pair, 1), ScanOptions{.trim = trim},
                        [&](int, QStringView value) {
                            values.append(value.toString());
                            return true;
                        });
    return values;
}

std::optional<QString> cutFirst(QStringView text, QStringView start, QStringView end, Trim trim)
{
    const MarkerPair pair{start.toString(), end.toString()};
    std::optional<QString> first;
    scanPairs<char16_t>(text, std::span(&pair, 1),
                        ScanOptions{.trim = trim, .records = Records::First},
                        [&](int, QStringView value) {
                            first = value.toString();
                            return false;
                        });
    return first;
}

QList<QByteArray> cutAll(QByteArrayView bytes, QByteArrayView start, QByteArrayView end, Trim trim)
{
    const ByteMarkerPair pair{start.toByteArray(), end.toByteArray()};
    QList<QByteArray> values;
    scanPairs<char>(bytes, std::span(&pair, 1), ScanOptions{.trim = trim},
                    [&](int, QByteArrayView value) {
                        values.append(value.toByteArray());
                        return true;
                    });
    return values;
}

std::optional<QByteArray> cutFirst(QByteArrayView bytes, QByteArrayView start, QByteArrayView end,
                                   Trim trim)
{
    const ByteMarkerPair pair{start.toByteArray(), end.toByteArray()};
    std::optional<QByteArray> first;
    scanPairs<char>(bytes, std::span(&pair, 1), ScanOptions{.trim = trim, .records = Records::First},
                    [&](int, QByteArrayView value) {
                        first = value.toByteArray();
                        return false;
                    });
    return first;
}

QStringView trimControls(QStringView text) { return trimLowCodes(text); }
QByteArrayView trimControls(QByteArrayView bytes) { return trimLowCodes(bytes); }

} // namespace net
