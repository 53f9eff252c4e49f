// Where a ROM image keeps its page pool size, and reading and writing it in place.
#pragma once

#include <array>
#include <cstdint>

#include "platform/file.h"

namespace rom {

// "NKKD8"
inline constexpr std::array<std::uint8_t, 5> kNkMarker = {0x4E, 0x4B, 0x4B, 0x44, 0x38};
inline constexpr std::array<std::uint8_t, 23> kPoolSignature = {
    0xB0, 0x04, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x9B,
    0x4F, 0xFF, 0xFF, 0x64, 0xB0, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00};
// The value lies this far past the first byte of the pool signature.
inline constexpr std::uint64_t kValueDistance = 27;

// Scans the image at `path`: the first pool signature at or after the second NK marker. Returns
// the pool value's file position, with `value` set to what ReadPoolValue gave (0 when that
// failed), or 0 with `value` 0 when nothing was located.
std::uint64_t LocatePagePool(const char* path, std::uint32_t& value);

// The little-endian value at `position` of an open file; bytes past the end read as zero. 0
// after a failure, which has been shown.
std::uint32_t ReadPoolValue(platform::FileHandle file, std::uint64_t position);

enum class WriteOutcome {
    NotOpened,   // the file could not be opened; nothing else happened
    NotWritten,  // opened, but the value was not written, or not confirmed to have reached it
    Written,     // the four bytes reached the file
};

// Writes `value` over the four bytes at `position`, found by an earlier LocatePagePool, after
// checking that the pool signature still stands before them. Changes no other byte and never
// the file's length.
WriteOutcome WritePoolValue(const char* path, std::uint64_t position, std::uint32_t value);

}  // namespace rom
