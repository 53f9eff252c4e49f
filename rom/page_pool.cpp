#include "rom/page_pool.h"

#include <algorithm>
#include <cstring>

#include "platform/message.h"
#include "rom/signature.h"

namespace rom {

namespace {

using platform::Files;
using platform::ScopedFile;
using platform::ShowError;

std::uint32_t FromLittleEndian(const std::uint8_t* b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

}  // namespace

std::uint64_t LocatePagePool(const char* path, std::uint32_t& value) {
    value = 0;
    ScopedFile file(Files().Open(path, platform::OpenMode::Scan));
    if (!file.is_open()) {
        ShowError("Error opening file!");
        return 0;
    }

    SearchWindow window;
    std::uint64_t position = 0;
    if (!FindSignature(file.get(), kNkMarker.data(), kNkMarker.size(), position, 2, window))
        return 0;
    if (!Files().Seek(file.get(), position))
        return 0;
    if (!FindSignature(file.get(), kPoolSignature.data(), kPoolSignature.size(), position, 1,
                       window))
        return 0;

    position += kValueDistance;
    value = ReadPoolValue(file.get(), position);
    return position;
}

std::uint32_t ReadPoolValue(platform::FileHandle file, std::uint64_t position) {
    std::uint8_t bytes[4] = {};
    if (!Files().Seek(file, position)) {
        ShowError("Error positioning in the file!");
        return 0;
    }
    std::size_t got = 0;
    if (!Files().Read(file, bytes, sizeof bytes, got)) {
        ShowError("Error reading file!");
        return 0;
    }
    return FromLittleEndian(bytes);
}

WriteOutcome WritePoolValue(const char* path, std::uint64_t position, std::uint32_t value) {
    ScopedFile file(Files().Open(path, platform::OpenMode::Write));
    if (!file.is_open()) {
        ShowError("Error opening file!");
        return WriteOutcome::NotOpened;
    }

    // The position came from an earlier scan and the file may have changed since: the
    // signature must still stand before it, and the value must lie wholly inside the file.
    constexpr std::size_t kSpan = kValueDistance + 4;
    std::uint8_t seen[kSpan] = {};
    std::size_t got = 0;
    if (position >= kValueDistance) {
        if (!Files().Seek(file.get(), position - kValueDistance)) {
            ShowError("Error positioning in the file!");
            return WriteOutcome::NotWritten;
        }
        if (!Files().Read(file.get(), seen, kSpan, got)) {
            ShowError("Error reading file!");
            return WriteOutcome::NotWritten;
        }
    }
    if (got < kPoolSignature.size() ||
        !std::equal(kPoolSignature.begin(), kPoolSignature.end(), seen)) {
        ShowError("The file has changed since it was scanned. Select it again.");
        return WriteOutcome::NotWritten;
    }
    if (got < kSpan) {
        ShowError("Error writing file!");  // it would grow the file
        return WriteOutcome::NotWritten;
    }

    if (!Files().Seek(file.get(), position)) {
        ShowError("Error positioning in the file!");
        return WriteOutcome::NotWritten;
    }
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    if (!Files().Write(file.get(), bytes, sizeof bytes) || !Files().Flush(file.get()) ||
        !file.Close()) {
        ShowError("Error writing file!");
        return WriteOutcome::NotWritten;
    }
    return WriteOutcome::Written;
}

}  // namespace rom
