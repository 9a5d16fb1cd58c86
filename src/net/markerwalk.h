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
// all markers are looked for together in one pass, a vector register of positions at a time, so a
// page costs one quick pass instead of one comparison per marker and position. Scrapers with their own small state
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
        // A marker given more than once (one end for several pairs) is looked for once.
        for (int index = 0; index < int(markers.size()); ++index) {
            const View marker = toStd(markers[std::size_t(index)]);
            if (marker.empty())
                continue;
            std::size_t unique = 0;
            while (unique < m_markers.size() && m_markers[unique].text != marker)
                ++unique;
            if (unique == m_markers.size()) {
                m_markers.push_back(Marker{marker, {}});
                m_longest = std::max(m_longest, qsizetype(marker.size()));
            }
            m_markers[unique].indexes.push_back(index);
        }
#if defined(__SSE2__)
        groupCandidates();
#endif
    }

    BasicMarkerWalk(TextView text, std::initializer_list<TextView> markers)
        : BasicMarkerWalk(text, std::span<const TextView>(markers.begin(), markers.size()))
    {
    }

    // The next hit after the previous one; false once no marker stands further on.
    bool next(Hit& hit)
    {
        if (m_pendingAt == m_pending.size() && !scanOn())
            return false;
        hit = m_pending[m_pendingAt++];
        return true;
    }

private:
    using View = std::basic_string_view<Char>;

    struct Marker {
        View text;
        std::vector<int> indexes;
    };

#if defined(__SSE2__)
    // Markers of one length with the same first and last unit share their candidates, and
    // markers with the same first unit share its comparison: HTML markers mostly begin with "<"
    // and end with ">".
    struct CandidateGroup {
        qsizetype length = 0;
        std::size_t firstSlot = 0;
        __m128i last;
        std::vector<std::size_t> markers;
        unsigned mask = 0;
    };
#endif

    static constexpr qsizetype lanes = qsizetype(16 / sizeof(Char));

    static View toStd(TextView view)
    {
        if constexpr (sizeof(Char) == 1)
            return View(view.data(), std::size_t(view.size()));
        else
            return View(view.utf16(), std::size_t(view.size()));
    }

    // Moves on block by block until a block holds hits, and queues them in text order, markers
    // standing at one position in marker order. A candidate is a position where a marker's first
    // and last code units stand; all markers are tested a register of positions at a time, in
    // one pass over the text, and only candidates are compared in full.
    bool scanOn()
    {
        m_pending.clear();
        m_pendingAt = 0;
        if (m_markers.empty())
            return false;
        const qsizetype size = qsizetype(m_text.size());
        while (m_at < size) {
#if defined(__SSE2__)
            if (m_at + m_longest - 1 + lanes <= size) {
                const unsigned any = candidates(m_at);
                const qsizetype block = m_at;
                m_at += lanes;
                if (any != 0 && confirm(block, any))
                    return true;
                continue;
            }
#endif
            const qsizetype position = m_at++;
            if (confirmAt(position))
                return true;
        }
        return false;
    }

    bool matchesAt(const Marker& marker, qsizetype position) const
    {
        const qsizetype length = qsizetype(marker.text.size());
        return position + length <= qsizetype(m_text.size())
            && std::memcmp(m_text.data() + position, marker.text.data(),
                           std::size_t(length) * sizeof(Char))
            == 0;
    }

    // Queues the markers standing at the position (the plain path near the end of the text).
    bool confirmAt(qsizetype position)
    {
        const std::size_t before = m_pending.size();
        for (const Marker& marker : m_markers)
            if (matchesAt(marker, position))
                for (int index : marker.indexes)
                    m_pending.push_back(Hit{position, index});
        sortFrom(before);
        return m_pending.size() > before;
    }

    // Hits at one position go out in marker order.
    void sortFrom(std::size_t before)
    {
        if (m_pending.size() - before > 1)
            std::sort(m_pending.begin() + qsizetype(before), m_pending.end(),
                      [](const Hit& a, const Hit& b) { return a.marker < b.marker; });
    }

#if defined(__SSE2__)
    void groupCandidates()
    {
        for (std::size_t i = 0; i < m_markers.size(); ++i) {
            const View marker = m_markers[i].text;
            const auto firstAt = std::find(m_firstUnits.begin(), m_firstUnits.end(), marker.front());
            const std::size_t slot = std::size_t(firstAt - m_firstUnits.begin());
            if (firstAt == m_firstUnits.end()) {
                m_firstUnits.push_back(marker.front());
                m_firsts.push_back(broadcast(marker.front()));
            }
            auto group = std::find_if(m_groups.begin(), m_groups.end(), [&](const auto& g) {
                return g.length == qsizetype(marker.size()) && g.firstSlot == slot
                    && m_markers[g.markers.front()].text.back() == marker.back();
            });
            if (group == m_groups.end()) {
                m_groups.push_back(CandidateGroup{qsizetype(marker.size()), slot,
                                                  broadcast(marker.back()), {}, 0});
                group = m_groups.end() - 1;
            }
            group->markers.push_back(i);
        }
        m_headMatches.resize(m_firsts.size());
    }

    // One bit (bytes) or two (UTF-16) per position of the block where some marker may stand;
    // each group keeps its own bits.
    unsigned candidates(qsizetype block)
    {
        const Char* data = m_text.data() + block;
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
        for (std::size_t slot = 0; slot < m_firsts.size(); ++slot)
            m_headMatches[slot] = equal(head, m_firsts[slot]);
        unsigned any = 0;
        for (CandidateGroup& group : m_groups) {
            const __m128i tail =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + group.length - 1));
            group.mask = unsigned(_mm_movemask_epi8(
                _mm_and_si128(m_headMatches[group.firstSlot], equal(tail, group.last))));
            any |= group.mask;
        }
        return any;
    }

    bool confirm(qsizetype block, unsigned any)
    {
        constexpr int bitsPerLane = int(sizeof(Char));
        while (any != 0) {
            const int bit = __builtin_ctz(any);
            any &= ~(((1u << bitsPerLane) - 1u) << bit);
            const qsizetype position = block + bit / bitsPerLane;
            const std::size_t before = m_pending.size();
            for (const CandidateGroup& group : m_groups) {
                if (((group.mask >> bit) & 1u) == 0)
                    continue;
                for (std::size_t i : group.markers)
                    if (matchesAt(m_markers[i], position))
                        for (int index : m_markers[i].indexes)
                            m_pending.push_back(Hit{position, index});
            }
            sortFrom(before);
        }
        return !m_pending.empty();
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

    View m_text;
    std::vector<Marker> m_markers;
#if defined(__SSE2__)
    std::vector<Char> m_firstUnits;
    std::vector<__m128i> m_firsts;
    std::vector<__m128i> m_headMatches;
    std::vector<CandidateGroup> m_groups;
#endif
    qsizetype m_longest = 0;
    qsizetype m_at = 0;
    std::vector<Hit> m_pending;
    std::size_t m_pendingAt = 0;
};

using MarkerWalk = BasicMarkerWalk<char16_t>;
using ByteMarkerWalk = BasicMarkerWalk<char>;

} // namespace net
