// Finds the window positions worth a full comparison: those holding the pattern's first byte
// and, `length - 1` bytes on, its last byte. Testing both ends at once (sixteen positions a step
// where the processor allows) keeps a file full of near misses, such as "NKKD" repeated, from
// costing a call and a comparison every few bytes. Every position that could start an
// occurrence is still returned, so the occurrences found are those of a plain byte search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "rom/signature.h"

namespace rom {

class CandidateScanner {
public:
    CandidateScanner(const std::uint8_t* window, const std::uint8_t* pattern, std::size_t length)
        : m_window(window), m_first(pattern[0]), m_last(pattern[length - 1]), m_lastOffset(length - 1) {}

    // The first candidate at a position from `from` to `to`, or a position past `to`.
    std::size_t Next(std::size_t from, std::size_t to) const {
        std::size_t p = from;
#if defined(__SSE2__)
        const __m128i first = _mm_set1_epi8(static_cast<char>(m_first));
        const __m128i last = _mm_set1_epi8(static_cast<char>(m_last));
        // Both 16-byte loads must stay inside the window.
        while (p + 15 <= to && p + m_lastOffset + 16 <= kWindowSize) {
            __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_window + p));
            __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_window + p + m_lastOffset));
            unsigned mask = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
            if (mask != 0) return p + static_cast<std::size_t>(__builtin_ctz(mask));
            p += 16;
        }
#endif
        while (p <= to) {
            const void* hit = std::memchr(m_window + p, m_first, to - p + 1);
            if (hit == nullptr) break;
            p = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - m_window);
            std::size_t end = p + m_lastOffset;
            std::uint8_t atEnd = end < kWindowSize ? m_window[end] : 0;
            if (atEnd == m_last) return p;
            ++p;
        }
        return to + 1;
    }

private:
    const std::uint8_t* m_window;
    std::uint8_t m_first;
    std::uint8_t m_last;
    std::size_t m_lastOffset;
};

}  // namespace rom
