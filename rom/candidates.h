// Finds the window positions worth a full comparison: those holding the pattern's first byte
// and, `length - 1` bytes on, its last byte. Testing both ends at once, 64 positions a step with
// the vector unit, keeps the search close to the speed of reading the file, and keeps a file
// full of near misses, such as "NKKD" repeated, from costing a call and a comparison every few
// bytes. Every position that could start an occurrence is still returned, so the occurrences
// found are those of a plain byte search.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rom {

class CandidateScanner {
public:
    CandidateScanner(const std::uint8_t* window, const std::uint8_t* pattern, std::size_t length)
        : m_window(window),
          m_first(pattern[0]),
          m_last(pattern[length - 1]),
          m_lastOffset(length - 1) {}

    // The first candidate at a position from `from` to `to`, or a position past `to`.
    std::size_t Next(std::size_t from, std::size_t to) const;

private:
    const std::uint8_t* m_window;
    std::uint8_t m_first;
    std::uint8_t m_last;
    std::size_t m_lastOffset;
};

// Tests run the search both ways: with the widest vector unit this processor has (the default)
// and with the one every x86-64 processor has.
void UseBaselineVectorScan(bool baseline);

}  // namespace rom
