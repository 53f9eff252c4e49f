#include "rom/candidates.h"

#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

#include "rom/signature.h"

namespace rom {

namespace {

// Scans whole blocks of 64 positions from `p` while they, and the bytes `lastOffset` further,
// lie inside the window and the block ends by `to`. Returns the first candidate, or the first
// position not scanned with `hit` false.
using BlockScan = std::size_t (*)(const std::uint8_t* w, std::uint8_t first, std::uint8_t last,
                                  std::size_t lastOffset, std::size_t p, std::size_t to, bool& hit);

std::size_t FirstBit(std::uint64_t mask) {
    return static_cast<std::size_t>(__builtin_ctzll(mask));
}

bool BlockFits(std::size_t p, std::size_t to, std::size_t lastOffset) {
    return p + 63 <= to && p + lastOffset + 64 <= kWindowSize;
}

#if defined(__SSE2__)

std::size_t ScanBlocksSse2(const std::uint8_t* w, std::uint8_t first, std::uint8_t last,
                           std::size_t lastOffset, std::size_t p, std::size_t to, bool& hit) {
    const __m128i f = _mm_set1_epi8(static_cast<char>(first));
    const __m128i l = _mm_set1_epi8(static_cast<char>(last));
    auto match = [&](std::size_t at) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + at + lastOffset));
        return _mm_and_si128(_mm_cmpeq_epi8(a, f), _mm_cmpeq_epi8(b, l));
    };
    // Four blocks a step while nothing is found: the test of a block costs more than its
    // comparisons.
    for (; BlockFits(p + 192, to, lastOffset); p += 256) {
        __m128i any = match(p);
        for (std::size_t at = 16; at < 256; at += 16) any = _mm_or_si128(any, match(p + at));
        if (_mm_movemask_epi8(any) != 0)
            break;
    }
    for (; BlockFits(p, to, lastOffset); p += 64) {
        const __m128i m0 = match(p), m1 = match(p + 16), m2 = match(p + 32), m3 = match(p + 48);
        const __m128i any = _mm_or_si128(_mm_or_si128(m0, m1), _mm_or_si128(m2, m3));
        if (_mm_movemask_epi8(any) == 0)
            continue;
        const std::uint64_t mask =
            static_cast<std::uint64_t>(_mm_movemask_epi8(m0) & 0xFFFF) |
            static_cast<std::uint64_t>(_mm_movemask_epi8(m1) & 0xFFFF) << 16 |
            static_cast<std::uint64_t>(_mm_movemask_epi8(m2) & 0xFFFF) << 32 |
            static_cast<std::uint64_t>(_mm_movemask_epi8(m3) & 0xFFFF) << 48;
        hit = true;
        return p + FirstBit(mask);
    }
    hit = false;
    return p;
}

// MinGW-w64's compiler does not realign the stack for 32-byte vectors it may spill, so the
// Windows build keeps to the baseline unit.
#if !defined(_WIN32)
#define KELVANE_HAVE_AVX2_SCAN 1

__attribute__((target("avx2"))) std::size_t ScanBlocksAvx2(const std::uint8_t* w,
                                                           std::uint8_t first, std::uint8_t last,
                                                           std::size_t lastOffset, std::size_t p,
                                                           std::size_t to, bool& hit) {
    const __m256i f = _mm256_set1_epi8(static_cast<char>(first));
    const __m256i l = _mm256_set1_epi8(static_cast<char>(last));
    auto match = [&](std::size_t at) __attribute__((target("avx2"))) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w + at));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w + at + lastOffset));
        return _mm256_and_si256(_mm256_cmpeq_epi8(a, f), _mm256_cmpeq_epi8(b, l));
    };
    // Four blocks a step while nothing is found, as above.
    for (; BlockFits(p + 192, to, lastOffset); p += 256) {
        const __m256i any =
            _mm256_or_si256(_mm256_or_si256(_mm256_or_si256(match(p), match(p + 32)),
                                            _mm256_or_si256(match(p + 64), match(p + 96))),
                            _mm256_or_si256(_mm256_or_si256(match(p + 128), match(p + 160)),
                                            _mm256_or_si256(match(p + 192), match(p + 224))));
        if (!_mm256_testz_si256(any, any))
            break;
    }
    for (; BlockFits(p, to, lastOffset); p += 64) {
        const __m256i m0 = match(p), m1 = match(p + 32);
        const __m256i any = _mm256_or_si256(m0, m1);
        if (_mm256_testz_si256(any, any))
            continue;
        const std::uint64_t mask =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(m0)) |
            static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(m1))) << 32;
        hit = true;
        return p + FirstBit(mask);
    }
    hit = false;
    return p;
}

#endif

// Chosen once: the wider unit where the processor has it. The processor is asked here, which
// may run before the compiler's own start-up code has asked it, hence the explicit init.
BlockScan ChooseBlockScan() {
#if defined(KELVANE_HAVE_AVX2_SCAN)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        return ScanBlocksAvx2;
#endif
    return ScanBlocksSse2;
}
const BlockScan kBestScanBlocks = ChooseBlockScan();
BlockScan g_scanBlocks = kBestScanBlocks;

#endif

}  // namespace

void UseBaselineVectorScan(bool baseline) {
#if defined(__SSE2__)
    g_scanBlocks = baseline ? ScanBlocksSse2 : kBestScanBlocks;
#else
    (void)baseline;
#endif
}

std::size_t CandidateScanner::Next(std::size_t from, std::size_t to) const {
    std::size_t p = from;
#if defined(__SSE2__)
    bool hit = false;
    p = g_scanBlocks(m_window, m_first, m_last, m_lastOffset, p, to, hit);
    if (hit)
        return p;
#endif
    // The last positions, one byte search at a time.
    while (p <= to) {
        const void* found = std::memchr(m_window + p, m_first, to - p + 1);
        if (found == nullptr)
            break;
        p = static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - m_window);
        const std::size_t end = p + m_lastOffset;
        const std::uint8_t atEnd = end < kWindowSize ? m_window[end] : 0;
        if (atEnd == m_last)
            return p;
        ++p;
    }
    return to + 1;
}

}  // namespace rom
