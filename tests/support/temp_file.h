// Files and messages for tests: a scratch directory per test, whole-file helpers, generated ROM
// images and a capture of the error messages the engine shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message.h"

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// A fresh directory under $TMPDIR (or the system's temporary directory), removed with everything
// in it on destruction.
class TempDir {
public:
    enum class Place {
        Default,
        // /dev/shm where there is one: reading a hole of a sparse file there costs next to
        // nothing, while a disk file system allocates and zeroes a page for every page read.
        Memory,
    };
    explicit TempDir(Place place = Place::Default);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // The path of `name` inside the directory; nothing is created.
    std::string File(std::string_view name) const;

private:
    std::string m_path;
};

// Replaces the file's contents (creating it); fails the current test on error.
void WriteFile(const std::string& path, const Bytes& bytes);
// The whole file; empty, with a test failure, when it cannot be read.
Bytes ReadFile(const std::string& path);
std::uint64_t FileSize(const std::string& path);

// A file of `size` bytes that are all a hole but for the pieces, so that images far larger than
// the disk can be tested.
struct Piece {
    std::uint64_t at;
    Bytes bytes;
};
void WriteSparseFile(const std::string& path, std::uint64_t size, const std::vector<Piece>& pieces);
// `length` bytes from `at`, fewer where the file ends first.
Bytes ReadRange(const std::string& path, std::uint64_t at, std::size_t length);

// Bytes of `text` without its terminating zero.
Bytes BytesOf(std::string_view text);

// Random bytes that never contain 'N' or 0xB0, the first bytes of the NK marker and of the pool
// signature, so that only planted markers and signatures are found.
Bytes RandomImageBytes(std::size_t size, std::uint32_t seed);

// Copies `what` into `image` at `at`; bytes that would lie past the end are dropped.
void Plant(Bytes& image, std::size_t at, const std::uint8_t* what, std::size_t length);
void Plant(Bytes& image, std::size_t at, const Bytes& what);
void PlantMarker(Bytes& image, std::size_t at);
void PlantSignature(Bytes& image, std::size_t at);
// The value little-endian at `at`, clipped at the end of the image.
void PlantValue(Bytes& image, std::size_t at, std::uint32_t value);
// The pool signature at `signatureAt` and `value` 27 bytes after its start.
void PlantPool(Bytes& image, std::size_t signatureAt, std::uint32_t value);

// A good image: 64 KiB, NK markers at 1000 and 20478 (the second straddles the first read
// boundary) and the pool signature at 40000, so the value lies at 40027 (0x9c5b).
struct Image {
    static constexpr std::size_t kSize = 65536;
    static constexpr std::size_t kFirstMarker = 1000;
    static constexpr std::size_t kSecondMarker = 20478;
    static constexpr std::size_t kSignature = 40000;
    static constexpr std::uint64_t kValueAt = 40027;

    Bytes bytes;
};
Image MakeImage(std::uint32_t value = 0x600000, std::uint32_t seed = 1);

// The pieces of a good image placed `base` bytes into a sparse file: NK markers at base + 1000 and
// base + 20478, the pool signature at base + 40000 and `value` at base + 40027.
std::vector<Piece> SparseImagePieces(std::uint64_t base, std::uint32_t value);

// Records every message shown while it lives, instead of showing it; puts back the sink that
// was installed before.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<std::string>& texts() const { return m_texts; }
    void Clear() { m_texts.clear(); }

private:
    std::vector<std::string> m_texts;
    platform::MessageSink m_previous;
};

}  // namespace testsupport
