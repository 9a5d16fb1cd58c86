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
#if defined(__SSE2__) && defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LANTUO_MARKERWALK_AVX2 1
#endif

namespace net {

// Finds every place where one of a few literal markers stands in a text, in text order, and at
// one position in the order the markers were given. That is exactly what testing every marker at
// every position yields (overlapping occurrences included, nothing skipped after a match), but
// all markers are looked for together in one pass, a vector register of positions at a time
// (SSE2, or AVX2 where the processor has it), so a page costs one quick pass instead of one
// comparison per marker and position. Scrapers with their own small state machines walk these
// hits; markerscan.h builds the common start/end cuts on them.
//
// A marker can be switched off while it does not matter (an end marker while its pair is not
// open): it is then neither looked for nor reported. Switching one on takes effect right after
// the hit just returned, at that same position included, exactly as if it had been on all along.
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
        m_uniqueOf.assign(markers.size(), noMarker);
        m_enabled.assign(markers.size(), true);
        // A marker given more than once (one end for several pairs) is looked for once.
        for (int index = 0; index < int(markers.size()); ++index) {
            const View marker = toStd(markers[std::size_t(index)]);
            if (marker.empty())
                continue;
            std::size_t unique = 0;
            while (unique < m_markers.size() && m_markers[unique].text != marker)
                ++unique;
            if (unique == m_markers.size()) {
                m_markers.push_back(Marker{marker, {}, 0});
                m_longest = std::max(m_longest, qsizetype(marker.size()));
            }
            m_markers[unique].indexes.push_back(index);
            ++m_markers[unique].enabledIndexes;
            m_uniqueOf[std::size_t(index)] = unique;
        }
#if defined(__SSE2__)
        groupCandidates();
#endif
#if defined(LANTUO_MARKERWALK_AVX2)
        m_wide = __builtin_cpu_supports("avx2") && m_firsts.size() <= maxWideSlots
            && m_groups.size() <= maxWideSlots;
#endif
    }

    BasicMarkerWalk(TextView text, std::initializer_list<TextView> markers)
        : BasicMarkerWalk(text, std::span<const TextView>(markers.begin(), markers.size()))
    {
    }

    // The next hit after the previous one; false once no switched-on marker stands further on.
    bool next(Hit& hit)
    {
        for (;;) {
            if (m_pendingAt == m_pending.size() && !scanOn())
                return false;
            hit = m_pending[m_pendingAt++];
            if (!m_enabled[std::size_t(hit.marker)])
                continue; // switched off after it was queued
            m_last = hit;
            m_delivered = true;
            return true;
        }
    }

    bool isEnabled(int marker) const { return m_enabled[std::size_t(marker)]; }

    void setEnabled(int marker, bool enabled)
    {
        if (m_enabled[std::size_t(marker)] == enabled)
            return;
        m_enabled[std::size_t(marker)] = enabled;
        const std::size_t unique = m_uniqueOf[std::size_t(marker)];
        if (unique == noMarker)
            return;
        Marker& found = m_markers[unique];
        const bool wasActive = found.enabledIndexes > 0;
        found.enabledIndexes += enabled ? 1 : -1;
#if defined(__SSE2__)
        if (wasActive != (found.enabledIndexes > 0))
            m_groups[found.group].activeMarkers += enabled ? 1 : -1;
#else
        (void)wasActive;
#endif
        if (enabled && m_delivered) {
            // What was queued was found without this marker: look again from the last hit on.
            m_pending.clear();
            m_pendingAt = 0;
            m_at = m_last.position;
            m_resumeAfterLast = true;
        }
    }

private:
    using View = std::basic_string_view<Char>;

    static constexpr std::size_t noMarker = std::size_t(-1);
    static constexpr qsizetype lanes = qsizetype(16 / sizeof(Char));

    struct Marker {
        View text;
        std::vector<int> indexes;
        int enabledIndexes = 0;
        std::size_t group = 0;
    };

    static View toStd(TextView view)
    {
        if constexpr (sizeof(Char) == 1)
            return View(view.data(), std::size_t(view.size()));
        else
            return View(view.utf16(), std::size_t(view.size()));
    }

    // Moves on block by block until a block holds hits, and queues them in text order, markers
    // standing at one position in marker order. A candidate is a position where a marker's first
    // and last code units stand; only candidates are compared in full.
    bool scanOn()
    {
        m_pending.clear();
        m_pendingAt = 0;
        if (m_markers.empty())
            return false;
        const qsizetype size = qsizetype(m_text.size());
#if defined(LANTUO_MARKERWALK_AVX2)
        if (m_wide && scanWideBlocks())
            return true;
#endif
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
            confirmAt(position, [](const Marker&) { return true; });
            if (!m_pending.empty())
                return true;
        }
        return false;
    }

    // Queues the switched-on markers standing at the position among those the filter lets
    // through, in marker order.
    template <typename Filter>
    void confirmAt(qsizetype position, const Filter& candidate)
    {
        const bool resuming = m_resumeAfterLast && position == m_last.position;
        if (position > m_last.position)
            m_resumeAfterLast = false;
        const std::size_t before = m_pending.size();
        for (const Marker& marker : m_markers) {
            if (marker.enabledIndexes == 0 || !candidate(marker) || !matchesAt(marker, position))
                continue;
            for (int index : marker.indexes)
                if (m_enabled[std::size_t(index)] && !(resuming && index <= m_last.marker))
                    m_pending.push_back(Hit{position, index});
        }
        if (m_pending.size() - before > 1)
            std::sort(m_pending.begin() + qsizetype(before), m_pending.end(),
                      [](const Hit& a, const Hit& b) { return a.marker < b.marker; });
    }

    bool matchesAt(const Marker& marker, qsizetype position) const
    {
        const qsizetype length = qsizetype(marker.text.size());
        return position + length <= qsizetype(m_text.size())
            && std::memcmp(m_text.data() + position, marker.text.data(),
                           std::size_t(length) * sizeof(Char))
            == 0;
    }

#if defined(__SSE2__)
    // Markers of one length with the same first and last unit share their candidates, and
    // markers with the same first unit share its comparison: HTML markers mostly begin with "<"
    // and end with ">".
    struct CandidateGroup {
        qsizetype length = 0;
        std::size_t firstSlot = 0;
        Char lastUnit = 0;
        __m128i last;
        int activeMarkers = 0;
        unsigned mask = 0;
    };

    // Registers in a struct, so the vectors keep their alignment.
    struct Register {
        __m128i value;
    };

    void groupCandidates()
    {
        for (Marker& marker : m_markers) {
            const View text = marker.text;
            const auto firstAt = std::find(m_firstUnits.begin(), m_firstUnits.end(), text.front());
            const std::size_t slot = std::size_t(firstAt - m_firstUnits.begin());
            if (firstAt == m_firstUnits.end()) {
                m_firstUnits.push_back(text.front());
                m_firsts.push_back(Register{broadcast(text.front())});
            }
            std::size_t group = 0;
            while (group < m_groups.size()
                   && !(m_groups[group].length == qsizetype(text.size())
                        && m_groups[group].firstSlot == slot
                        && m_groups[group].lastUnit == text.back()))
                ++group;
            if (group == m_groups.size())
                m_groups.push_back(CandidateGroup{qsizetype(text.size()), slot, text.back(),
                                                  broadcast(text.back()), 0, 0});
            marker.group = group;
            ++m_groups[group].activeMarkers;
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
            m_headMatches[slot].value = equal(head, m_firsts[slot].value);
        unsigned any = 0;
        for (CandidateGroup& group : m_groups) {
            if (group.activeMarkers == 0) {
                group.mask = 0;
                continue;
            }
            const __m128i tail =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + group.length - 1));
            group.mask = unsigned(_mm_movemask_epi8(
                _mm_and_si128(m_headMatches[group.firstSlot].value, equal(tail, group.last))));
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
            confirmAt(block + bit / bitsPerLane, [&](const Marker& marker) {
                return (m_groups[marker.group].mask >> bit) & 1u;
            });
        }
        return !m_pending.empty();
    }

#if defined(LANTUO_MARKERWALK_AVX2)
    static constexpr std::size_t maxWideSlots = 16;

    // The same test two registers wide where the processor has AVX2; returns with hits queued,
    // or false once no whole wide block is left.
    __attribute__((target("avx2"))) bool scanWideBlocks()
    {
        constexpr qsizetype wideLanes = qsizetype(32 / sizeof(Char));
        constexpr bool bytes = sizeof(Char) == 1;
        __m256i firsts[maxWideSlots];
        __m256i heads[maxWideSlots];
        __m256i lasts[maxWideSlots];
        for (std::size_t slot = 0; slot < m_firsts.size(); ++slot) {
            const Char unit = m_firstUnits[slot];
            firsts[slot] = bytes ? _mm256_set1_epi8(static_cast<char>(unit))
                                 : _mm256_set1_epi16(static_cast<short>(unit));
        }
        for (std::size_t g = 0; g < m_groups.size(); ++g) {
            const Char unit = m_groups[g].lastUnit;
            lasts[g] = bytes ? _mm256_set1_epi8(static_cast<char>(unit))
                             : _mm256_set1_epi16(static_cast<short>(unit));
        }
        const qsizetype size = qsizetype(m_text.size());
        while (m_at + m_longest - 1 + wideLanes <= size) {
            const Char* data = m_text.data() + m_at;
            const __m256i head = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
            for (std::size_t slot = 0; slot < m_firsts.size(); ++slot)
                heads[slot] = bytes ? _mm256_cmpeq_epi8(head, firsts[slot])
                                    : _mm256_cmpeq_epi16(head, firsts[slot]);
            unsigned any = 0;
            for (std::size_t g = 0; g < m_groups.size(); ++g) {
                CandidateGroup& group = m_groups[g];
                if (group.activeMarkers == 0) {
                    group.mask = 0;
                    continue;
                }
                const __m256i tail = _mm256_loadu_si256(
                    reinterpret_cast<const __m256i*>(data + group.length - 1));
                const __m256i lastMatches = bytes ? _mm256_cmpeq_epi8(tail, lasts[g])
                                                  : _mm256_cmpeq_epi16(tail, lasts[g]);
                group.mask = unsigned(
                    _mm256_movemask_epi8(_mm256_and_si256(heads[group.firstSlot], lastMatches)));
                any |= group.mask;
            }
            const qsizetype block = m_at;
            m_at += wideLanes;
            if (any != 0 && confirm(block, any))
                return true;
        }
        return false;
    }
#endif

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
    std::vector<std::size_t> m_uniqueOf;
    std::vector<bool> m_enabled;
#if defined(__SSE2__)
    std::vector<Char> m_firstUnits;
    std::vector<Register> m_firsts;
    std::vector<Register> m_headMatches;
    std::vector<CandidateGroup> m_groups;
#endif
#if defined(LANTUO_MARKERWALK_AVX2)
    bool m_wide = false;
#endif
    qsizetype m_longest = 0;
    qsizetype m_at = 0;
    std::vector<Hit> m_pending;
    std::size_t m_pendingAt = 0;
    Hit m_last;
    bool m_delivered = false;
    bool m_resumeAfterLast = false;
};

using MarkerWalk = BasicMarkerWalk<char16_t>;
using ByteMarkerWalk = BasicMarkerWalk<char>;

} // namespace net
