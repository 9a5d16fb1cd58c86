#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace net {

// Finds every place where one of a few literal markers stands in a text, in text order, and at
// one position in the order the markers were given. That is exactly what testing every marker at
// every position yields (overlapping occurrences included, nothing skipped after a match), but
// each distinct marker is searched for a vector register at a time, so a page costs about one
// quick pass per distinct marker instead of one comparison per marker and position. Scrapers with their own small state
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
        // A marker given more than once (one end for several pairs) is searched for once.
        for (int index = 0; index < int(markers.size()); ++index) {
            const View marker = toStd(markers[std::size_t(index)]);
            std::size_t unique = 0;
            while (unique < m_searchers.size() && m_searchers[unique].marker() != marker)
                ++unique;
            if (unique == m_searchers.size()) {
                m_searchers.emplace_back(marker);
                m_markersOf.emplace_back();
            }
            m_markersOf[unique].push_back(index);
        }
        m_next.assign(m_searchers.size(), notSearched);
    }

    BasicMarkerWalk(TextView text, std::initializer_list<TextView> markers)
        : BasicMarkerWalk(text, std::span<const TextView>(markers.begin(), markers.size()))
    {
    }

    // The next hit after the previous one; false once no marker stands further on.
    bool next(Hit& hit)
    {
        if (m_pendingAt == m_pending.size() && !findNextPosition())
            return false;
        hit = Hit{m_position, m_pending[m_pendingAt++]};
        return true;
    }

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

    // Finds the nearest position where any marker stands and queues, in marker order, every
    // marker standing there.
    bool findNextPosition()
    {
        qsizetype best = notFound;
        for (std::size_t i = 0; i < m_searchers.size(); ++i) {
            if (m_next[i] == notSearched)
                m_next[i] = m_searchers[i].find(m_text, m_from);
            if (m_next[i] != notFound && (best == notFound || m_next[i] < best))
                best = m_next[i];
        }
        if (best == notFound)
            return false;
        m_pending.clear();
        m_pendingAt = 0;
        for (std::size_t i = 0; i < m_searchers.size(); ++i) {
            if (m_next[i] != best)
                continue;
            m_pending.insert(m_pending.end(), m_markersOf[i].begin(), m_markersOf[i].end());
            // Occurrences may overlap: the next search starts one position on.
            m_next[i] = notSearched;
        }
        if (m_pending.size() > 1)
            std::sort(m_pending.begin(), m_pending.end());
        m_position = best;
        m_from = best + 1;
        return true;
    }

    // One marker. Candidates are the positions where both its first and its last code unit
    // stand, tested a vector register at a time; only those are compared in full.
    class Searcher final {
    public:
        explicit Searcher(View marker) : m_marker(marker) {}

        View marker() const { return m_marker; }

        qsizetype find(View text, qsizetype from) const
        {
            const qsizetype length = qsizetype(m_marker.size());
            const qsizetype size = qsizetype(text.size());
            if (length == 0 || from + length > size)
                return notFound;
            if (length == 1)
                return findUnit(text, from, m_marker[0]);
            qsizetype pos = from;
#if defined(__SSE2__)
            const qsizetype found = findVectorised(text, pos);
            if (found != notFound)
                return found;
#endif
            const Char* data = text.data();
            for (; pos + length <= size; ++pos)
                if (std::memcmp(data + pos, m_marker.data(), std::size_t(length) * sizeof(Char))
                    == 0)
                    return pos;
            return notFound;
        }

    private:
        static constexpr qsizetype lanes = qsizetype(16 / sizeof(Char));

#if defined(__SSE2__)
        // Tries the start positions from pos on a register at a time while whole registers fit,
        // and leaves pos at the first position it did not try, for the plain loop.
        qsizetype findVectorised(View text, qsizetype& pos) const
        {
            const qsizetype length = qsizetype(m_marker.size());
            const qsizetype size = qsizetype(text.size());
            const Char* data = text.data();
            const Char* pattern = m_marker.data();
            const std::size_t middleBytes = std::size_t(length - 2) * sizeof(Char);
            const __m128i first = broadcast(pattern[0]);
            const __m128i last = broadcast(pattern[length - 1]);
            for (; pos + length - 1 + lanes <= size; pos += lanes) {
                const __m128i head =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
                const __m128i tail =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + length - 1));
                unsigned mask = unsigned(_mm_movemask_epi8(
                    _mm_and_si128(equal(head, first), equal(tail, last))));
                while (mask != 0) {
                    const int lane = __builtin_ctz(mask) / int(sizeof(Char));
                    if (std::memcmp(data + pos + lane + 1, pattern + 1, middleBytes) == 0)
                        return pos + lane;
                    mask &= ~((sizeof(Char) == 1 ? 1u : 3u) << (lane * int(sizeof(Char))));
                }
            }
            return notFound;
        }

        static __m128i broadcast(Char unit)
        {
            if constexpr (sizeof(Char) == 1)
                return _mm_set1_epi8(static_cast<char>(unit));
            else
                return _mm_set1_epi16(static_cast<short>(unit));
        }

        static __m128i equal(__m128i a, __m128i b)
        {
            if constexpr (sizeof(Char) == 1)
                return _mm_cmpeq_epi8(a, b);
            else
                return _mm_cmpeq_epi16(a, b);
        }
#endif

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
    };

    View m_text;
    std::vector<Searcher> m_searchers;
    std::vector<std::vector<int>> m_markersOf;
    std::vector<qsizetype> m_next;
    std::vector<int> m_pending;
    std::size_t m_pendingAt = 0;
    qsizetype m_position = 0;
    qsizetype m_from = 0;
};

using MarkerWalk = BasicMarkerWalk<char16_t>;
using ByteMarkerWalk = BasicMarkerWalk<char>;

} // namespace net
