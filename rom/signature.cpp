#include "rom/signature.h"

#include <cstring>

#include "platform/message.h"
#include "rom/candidates.h"

namespace rom {

namespace {

// Window positions [kCarrySize, kCarrySize + kChunkSize) hold the current read; one zero byte
// follows it.
constexpr std::size_t kEndByte = kWindowSize - 1;

// Compares the pattern at window position p; positions past the window count as zero, as the
// bytes past the end of the file do.
bool MatchesAt(const SearchWindow& window, std::size_t p, const std::uint8_t* pattern,
               std::size_t length) {
    std::size_t inside = length <= kWindowSize - p ? length : kWindowSize - p;
    if (std::memcmp(window.data() + p, pattern, inside) != 0)
        return false;
    for (std::size_t i = inside; i < length; ++i) {
        if (pattern[i] != 0)
            return false;
    }
    return true;
}

}  // namespace

bool FindSignature(platform::FileHandle file, const std::uint8_t* pattern, std::size_t length,
                   std::uint64_t& position, unsigned occurrence, SearchWindow& window) {
    if (pattern == nullptr || length == 0 || length > kCarrySize || occurrence == 0)
        return false;

    // The carry holds spaces before the first read; no pattern begins with one, and the first
    // window is searched from its chunk onwards anyway.
    std::memset(window.data(), 0x20, kCarrySize);
    std::memset(window.data() + kCarrySize, 0, kWindowSize - kCarrySize);

    std::uint64_t chunkBase = 0;
    unsigned remaining = occurrence;
    std::size_t first = kCarrySize;  // first window position not yet decided

    for (;;) {
        std::size_t n = 0;
        if (!platform::Files().Read(file, window.data() + kCarrySize, kChunkSize, n)) {
            platform::ShowError("Error reading file!");
            return false;
        }
        const bool full = n == kChunkSize;
        if (!full)
            std::memset(window.data() + kCarrySize + n, 0, kChunkSize - n);
        window[kEndByte] = 0;

        // After a full read the file goes on: decide only candidates whose every byte is in this
        // window, and leave the rest to the next one, where they sit in the carry. After a short
        // read the file has ended: decide every candidate that starts in the data, against the
        // zero fill.
        const std::size_t last = full ? kEndByte - length : kCarrySize + n - 1;
        CandidateScanner scanner(window.data(), pattern, length);
        for (std::size_t p = scanner.Next(first, last); p <= last; p = scanner.Next(p + 1, last)) {
            if (!MatchesAt(window, p, pattern, length))
                continue;
            if (--remaining == 0) {
                position += chunkBase + p - kCarrySize;
                return true;
            }
        }
        // Nothing from a pass after a short read could be placed right, and the file has ended.
        if (!full)
            return false;

        std::memmove(window.data(), window.data() + kChunkSize, kCarrySize);
        first = last + 1 - kChunkSize;
        chunkBase += kChunkSize;
    }
}

}  // namespace rom
