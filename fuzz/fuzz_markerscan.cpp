// The scans over arbitrary input, as text and as bytes, with markers taken from the input's
// first bytes; every result is checked against the literal position-by-position reference.
#include "net/commafields.h"
#include "net/markerscan.h"
#include "net/markerwalk.h"

#include "../tests/net/referencescan.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Reads the fuzz input front to back; runs dry gracefully.
class Input final {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte()
    {
        return m_at < m_size ? m_data[m_at++] : 0;
    }

    QByteArray bytes(size_t count)
    {
        count = std::min(count, m_size - m_at);
        QByteArray taken(reinterpret_cast<const char*>(m_data + m_at), qsizetype(count));
        m_at += count;
        return taken;
    }

    QByteArray rest() { return bytes(m_size - m_at); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Bytes to UTF-16 two at a time, so every code unit (surrogates included) can occur.
QString asUtf16(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8)));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The reference compares every marker at every position: keep inputs small enough for it.
    Input input(data, std::min<size_t>(size, 8192));
    const uint8_t flags = input.byte();
    const net::ScanOptions options{flags & 1 ? net::Trim::Yes : net::Trim::No,
                                   flags & 2 ? net::Records::First : net::Records::All,
                                   bool(flags & 4)};
    const int pairCount = 1 + (flags >> 3) % 3;

    std::vector<net::ByteMarkerPair> bytePairs;
    std::vector<net::MarkerPair> textPairs;
    for (int i = 0; i < pairCount; ++i) {
        const uint8_t shape = input.byte();
        const QByteArray start = input.bytes(shape & 7);
        const QByteArray end = input.bytes((shape >> 3) & 7);
        int gate = -1;
        if (pairCount > 1 && (shape & 0x40)) {
            gate = (i + 1 + (shape >> 7)) % pairCount;
            if (gate == i)
                gate = -1;
        }
        bytePairs.push_back({start, end, gate});
        textPairs.push_back({QString::fromLatin1(start), QString::fromLatin1(end), gate});
    }
    const QByteArray bytes = input.rest();

    // Variant B over the bytes.
    std::vector<std::pair<int, QByteArray>> byteCuts;
    for (const net::ByteCut& cut : net::scan(QByteArrayView(bytes), bytePairs, options))
        byteCuts.emplace_back(cut.pair, cut.value);
    check(byteCuts
          == (reference::scan<QByteArrayView, net::ByteMarkerPair, QByteArray>(bytes, bytePairs,
                                                                                options)));

    // Variant A over the same bytes read as Latin-1 text, where it must agree with Variant B.
    const QString latin1 = QString::fromLatin1(bytes);
    const auto textCuts = net::scan(latin1, textPairs, options);
    check(textCuts.size() == byteCuts.size());
    for (std::size_t i = 0; i < textCuts.size(); ++i)
        check(textCuts[i].pair == byteCuts[i].first
              && textCuts[i].value == QString::fromLatin1(byteCuts[i].second));

    // Variant A over UTF-16 text made of the bytes, with wide markers.
    const QString wide = asUtf16(bytes);
    std::vector<net::MarkerPair> widePairs;
    for (const net::ByteMarkerPair& pair : bytePairs)
        widePairs.push_back({asUtf16(pair.start), asUtf16(pair.end), pair.gate});
    std::vector<std::pair<int, QString>> wideCuts;
    for (const net::Cut& cut : net::scan(wide, widePairs, options))
        wideCuts.emplace_back(cut.pair, cut.value);
    check(wideCuts
          == (reference::scan<QStringView, net::MarkerPair, QString>(wide, widePairs, options)));

    // The walk itself, all markers on, then with markers switched on and off between hits as
    // the flags say.
    std::vector<QStringView> markers;
    for (const net::MarkerPair& pair : widePairs) {
        markers.emplace_back(pair.start);
        markers.emplace_back(pair.end);
    }
    const std::vector<reference::Hit> allHits = reference::hits(QStringView(wide), markers);
    std::vector<reference::Hit> hits;
    net::MarkerWalk walk(wide, markers);
    for (net::MarkerWalk::Hit hit; walk.next(hit);)
        hits.push_back({hit.position, hit.marker});
    check(hits == allHits);

    const int markerCount = int(markers.size());
    auto toggled = [&](unsigned step, int marker) {
        return ((step * 2654435761u + unsigned(marker) * 40503u + flags) >> 7) % 3 == 0;
    };
    std::vector<bool> enabled(markers.size(), true);
    std::vector<reference::Hit> expected;
    unsigned step = 0;
    for (int m = 0; m < markerCount; ++m)
        if (toggled(step, m))
            enabled[std::size_t(m)] = !enabled[std::size_t(m)];
    for (const reference::Hit& hit : allHits) {
        if (!enabled[std::size_t(hit.marker)])
            continue;
        expected.push_back(hit);
        ++step;
        for (int m = 0; m < markerCount; ++m)
            if (toggled(step, m))
                enabled[std::size_t(m)] = !enabled[std::size_t(m)];
    }
    net::MarkerWalk switching(wide, markers);
    step = 0;
    for (int m = 0; m < markerCount; ++m)
        if (toggled(step, m))
            switching.setEnabled(m, !switching.isEnabled(m));
    std::vector<reference::Hit> switched;
    for (net::MarkerWalk::Hit hit; switching.next(hit);) {
        switched.push_back({hit.position, hit.marker});
        ++step;
        for (int m = 0; m < markerCount; ++m)
            if (toggled(step, m))
                switching.setEnabled(m, !switching.isEnabled(m));
    }
    check(switched == expected);

    // Variants C and D.
    const QStringList fields = net::commaFields(latin1);
    check(fields.size() == latin1.count(u','));
    std::vector<QString> names;
    for (const net::MarkerPair& pair : textPairs)
        names.push_back(pair.start);
    check(net::commaFieldsAfter(latin1, names) == reference::fieldsAfter(latin1, names));
    const QStringList lines = net::lines(latin1);
    check(lines.size() == latin1.count(u'\n'));
    for (const QString& line : lines)
        check(net::splitAtCommas(line).size() == line.count(u',') + 1
              && net::splitAtCommas(line, 1 + flags % 7).size() <= 1 + flags % 7);
    (void)net::trimControls(QByteArrayView(bytes));
    return 0;
}
