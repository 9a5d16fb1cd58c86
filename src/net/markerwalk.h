#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <array>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace net {

// Finds every place where one of a few literal markers stands in a text, in text order, and at
// one position in the order the markers were given. That is exactly what testing every marker at
// every position yields (overlapping occurrences included, nothing skipped after a match), but
// each marker is searched for with a skip table, so a page costs about one quick pass per marker
// instead of one comparison per marker and position. Scrapers with their own small state
// machines walk these hits; markerscan.h builds the common start/end cuts on them.
//
// Positions are 0-based indexes into the text (UTF-16 code units, or bytes). Comparison is exact
// (case-sensitive, no normalisation). An empty marker never matches. The walk keeps views of the
// text and of the markers: both must outlive it.
template <typename Char>
class BasicMarkerWalk final {
public:
    using TextView = std::conditional_t<sizeof(Char) == 1, QByteArrayView, QStringView>;

    struct Hit {
        qsizetype position = 0;
        int marker = 0;
    };

    BasicMarkerWalk(TextView text, std::span<const TextView> markers) : m_text(toStd(text))
    {
        m_searchers.reserve(markers.size());
        for (const TextView& marker : markers)
            m_searchers.emplace_back(toStd(marker));
        m_next.assign(markers.size(), notSearched);
    }

    BasicMarkerWalk(TextView text, std::initializer_list<TextView> markers)
        : BasicMarkerWalk(text, std::span<const TextView>(markers.begin(), markers.size()))
    {
    }

    // The next hit after the previous one; false once no marker stands further on.
    bool next(Hit& hit)
    {
        qsizetype best = notFound;
        int bestMarker = -1;
        for (std::size_t i = 0; i < m_searchers.size(); ++i) {
            if (m_next[i] == notSearched)
                m_next[i] = m_searchers[i].find(m_text, m_from);
            if (m_next[i] != notFound && (best == notFound || m_next[i] < best)) {
                best = m_next[i];
                bestMarker = int(i);
            }
        }
        if (bestMarker < 0)
            return false;
        // Only the marker just reported searches again, one position on, since occurrences may
        // overlap; a marker standing at the same position but later in the list comes next.
        m_next[std::size_t(bestMarker)] = notSearched;
        m_from = best + 1;
        hit = Hit{best, bestMarker};
        return true;
    }

    qsizetype textSize() const { return qsizetype(m_text.size()); }

private:
    using View = std::basic_string_view<Char>;

    static constexpr qsizetype notFound = -1;
    static constexpr qsizetype notSearched = -2;

    static View toStd(TextView view)
    {
        if constexpr (sizeof(Char) == 1)
            return View(view.data(), std::size_t(view.size()));
        else
            return View(view.utf16(), std::size_t(view.size()));
    }

    // One marker with its Horspool skip table, indexed by a hash of the code unit; units that
    // share a hash only shorten a skip, so no occurrence is missed.
    class Searcher final {
    public:
        explicit Searcher(View marker) : m_marker(marker)
        {
            const qsizetype length = qsizetype(marker.size());
            m_skip.fill(length);
            for (qsizetype i = 0; i + 1 < length; ++i)
                m_skip[hash(marker[std::size_t(i)])] = length - 1 - i;
        }

        qsizetype find(View text, qsizetype from) const
        {
            const qsizetype length = qsizetype(m_marker.size());
            const qsizetype size = qsizetype(text.size());
            if (length == 0 || from + length > size)
                return notFound;
            if (length == 1)
                return findUnit(text, from, m_marker[0]);
            const Char last = m_marker[std::size_t(length - 1)];
            const Char* data = text.data();
            const Char* pattern = m_marker.data();
            const std::size_t headBytes = std::size_t(length - 1) * sizeof(Char);
            for (qsizetype pos = from; pos + length <= size;) {
                const Char unit = data[pos + length - 1];
                if (unit == last && std::memcmp(data + pos, pattern, headBytes) == 0)
                    return pos;
                pos += m_skip[hash(unit)];
            }
            return notFound;
        }

    private:
        static std::size_t hash(Char unit)
        {
            const auto code = static_cast<std::make_unsigned_t<Char>>(unit);
            if constexpr (sizeof(Char) == 1)
                return code;
            else
                return (code ^ (code >> 8)) & 0xffu;
        }

        static qsizetype findUnit(View text, qsizetype from, Char unit)
        {
            if constexpr (sizeof(Char) == 1) {
                const void* found = std::memchr(text.data() + from, static_cast<unsigned char>(unit),
                                                text.size() - std::size_t(from));
                return found ? static_cast<const Char*>(found) - text.data() : notFound;
            } else {
                // QStringView's search for one character is vectorised.
                return QStringView(text.data(), qsizetype(text.size())).indexOf(QChar(unit), from);
            }
        }

        View m_marker;
        std::array<qsizetype, 256> m_skip{};
    };

    View m_text;
    std::vector<Searcher> m_searchers;
    std::vector<qsizetype> m_next;
    qsizetype m_from = 0;
};

using MarkerWalk = BasicMarkerWalk<char16_t>;
using ByteMarkerWalk = BasicMarkerWalk<char>;

} // namespace net
