// Streaming search for a short byte string in an open file, in a fixed amount of memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/file.h"

namespace rom {

inline constexpr std::size_t kChunkSize = 20480;
// The longest pattern searched; the window keeps this many bytes of the previous read so that
// an occurrence straddling two reads is seen whole.
inline constexpr std::size_t kCarrySize = 23;
inline constexpr std::size_t kWindowSize = kCarrySize + kChunkSize + 1;

// One window serves every search of a scan.
using SearchWindow = std::array<std::uint8_t, kWindowSize>;

// Finds the `occurrence`-th (1 = first) occurrence of `pattern` (1 to kCarrySize bytes, not
// beginning with a space) in `file`, reading forward from its current position. On entry
// `position` holds that starting position; on success the occurrence's distance from it is added
// and true returned. Occurrences may overlap; bytes beyond the end of the file compare as zero.
// False, with `position` unchanged, when the file ends first or a read fails ("Error reading
// file!" is shown).
bool FindSignature(platform::FileHandle file, const std::uint8_t* pattern, std::size_t length,
                   std::uint64_t& position, unsigned occurrence, SearchWindow& window);

}  // namespace rom
