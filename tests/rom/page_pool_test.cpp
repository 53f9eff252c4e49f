#include "rom/page_pool.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_file.h"

namespace rom {
namespace {

using testsupport::Bytes;
using testsupport::FileSize;
using testsupport::Image;
using testsupport::MakeImage;
using testsupport::MessageCapture;
using testsupport::PlantMarker;
using testsupport::PlantPool;
using testsupport::PlantSignature;
using testsupport::RandomImageBytes;
using testsupport::ReadFile;
using testsupport::ReadRange;
using testsupport::TempDir;
using testsupport::WriteFile;

constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;
constexpr const char* kChanged = "The file has changed since it was scanned. Select it again.";

struct Located {
    std::uint64_t position;
    std::uint32_t value;
    std::vector<std::string> messages;
};

Located Locate(const std::string& path) {
    MessageCapture messages;
    Located result{};
    result.value = 0xDEADBEEF;  // must be set whatever happens
    result.position = LocatePagePool(path.c_str(), result.value);
    result.messages = messages.texts();
    return result;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// Random bytes with markers and pool signatures planted; the values are 7, 8, ... MiB in turn.
Bytes Planted(std::vector<std::size_t> markers, std::vector<std::size_t> pools) {
    Bytes bytes = RandomImageBytes(65536, 3);
    for (std::size_t at : markers) PlantMarker(bytes, at);
    std::uint32_t value = 0x600000;
    for (std::size_t at : pools) PlantPool(bytes, at, value += 0x100000);
    return bytes;
}

TEST(LocatePagePool, FindsTheFirstSignatureAfterTheSecondMarker) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::uint64_t position;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"a good image", MakeImage().bytes, Image::kValueAt, 0x600000},
        {"the marker only once", Planted({1000}, {40000}), 0, 0},
        {"no marker", Planted({}, {40000}), 0, 0},
        {"no signature", Planted({1000, 2000}, {}), 0, 0},
        {"the signature only before the second marker", Planted({1000, 30000}, {20000}), 0, 0},
        {"one signature before and one after the second marker",
         Planted({1000, 30000}, {20000, 40000}), 40027, 0x800000},
        {"two after the second marker", Planted({100, 200}, {20470, 40000}), 20497, 0x700000},
        {"a third marker", Planted({100, 200, 300}, {250}), 277, 0x700000},
        {"the markers and the signature back to back", Planted({100, 105}, {110}), 137, 0x700000},
        {"a value of 0", MakeImage(0).bytes, Image::kValueAt, 0},
        {"a value of 0xffffffff", MakeImage(0xFFFFFFFF).bytes, Image::kValueAt, 0xFFFFFFFF},
        {"a value cut short by the end",
         Truncated(MakeImage(0x00601122).bytes, Image::kValueAt + 2), Image::kValueAt, 0x1122},
        {"a value wholly past the end", Truncated(MakeImage().bytes, Image::kValueAt),
         Image::kValueAt, 0},
        {"a signature ending without its zero bytes",
         Truncated(MakeImage().bytes, Image::kSignature + 20), Image::kValueAt, 0},
        {"an empty file", {}, 0, 0},
        {"random bytes", Planted({}, {}), 0, 0},
    };
    TempDir dir;
    const std::string path = dir.File("image.nb0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(path, c.bytes);
        const Located found = Locate(path);
        EXPECT_EQ(found.position, c.position);
        EXPECT_EQ(found.value, c.value);
        EXPECT_TRUE(found.messages.empty()) << found.messages.front();
    }
}

TEST(WritePoolValue, ChangesTheFourBytesThatTheNextScanReads) {
    TempDir dir;
    const std::string path = dir.File("image.nb0");
    const Bytes before = MakeImage().bytes;
    WriteFile(path, before);

    MessageCapture messages;
    EXPECT_EQ(WritePoolValue(path.c_str(), Image::kValueAt, 13107200), WriteOutcome::Written);
    EXPECT_TRUE(messages.texts().empty());

    Bytes expected = before;
    testsupport::PlantValue(expected, Image::kValueAt, 13107200);
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_EQ(expected[Image::kValueAt + 2], 0xc8);

    const Located again = Locate(path);
    EXPECT_EQ(again.position, Image::kValueAt);
    EXPECT_EQ(again.value, 13107200u);
}

TEST(WritePoolValue, RefusesWhatWouldNotChangeJustTheValue) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::uint64_t position;
        const char* message;
    };
    const Bytes good = MakeImage().bytes;
    Bytes altered = good;
    altered[Image::kSignature + 11] ^= 0xFF;
    const Case cases[] = {
        {"a value running past the end", Truncated(good, Image::kValueAt + 2), Image::kValueAt,
         "Error writing file!"},
        {"a value wholly past the end", Truncated(good, Image::kValueAt), Image::kValueAt,
         "Error writing file!"},
        {"a signature changed since the scan", altered, Image::kValueAt, kChanged},
        {"a position one byte on", good, Image::kValueAt + 1, kChanged},
        {"a position one byte back", good, Image::kValueAt - 1, kChanged},
        {"a position too small for a signature", good, 26, kChanged},
        {"position 0", good, 0, kChanged},
        {"a position past the end", good, std::uint64_t{1} << 40, kChanged},
        {"a position no file can have", good, UINT64_MAX, "Error positioning in the file!"},
    };
    TempDir dir;
    const std::string path = dir.File("image.nb0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(path, c.bytes);
        MessageCapture messages;
        EXPECT_EQ(WritePoolValue(path.c_str(), c.position, 13107200), WriteOutcome::NotWritten);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(ReadFile(path), c.bytes);
    }
}

TEST(WritePoolValue, CannotOpenAReadOnlyOrMissingFile) {
    TempDir dir;
    const std::string path = dir.File("image.nb0");
    const Bytes before = MakeImage().bytes;
    WriteFile(path, before);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);  // refused even to root
    const std::string missing = dir.File("missing.nb0");

    for (const std::string& p : {path, missing}) {
        MessageCapture messages;
        EXPECT_EQ(WritePoolValue(p.c_str(), Image::kValueAt, 13107200), WriteOutcome::NotOpened)
            << p;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
    }
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_FALSE(std::filesystem::exists(missing));

    // A read-only file can still be scanned.
    EXPECT_EQ(Locate(path).position, Image::kValueAt);
}

TEST(PoolValue, IsReadAndWrittenPastFourGiB) {
    TempDir dir;
    const std::string path = dir.File("sparse.nb0");
    // The signature straddles the 4 GiB line; the value lies past it.
    const std::uint64_t base = kFourGiB - Image::kSignature - 10;
    const std::uint64_t at = base + Image::kValueAt;
    const std::uint64_t size = kFourGiB + 65536;
    testsupport::WriteSparseFile(path, size, testsupport::SparseImagePieces(base, 0x600000));

    {
        platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
        ASSERT_TRUE(file.is_open());
        MessageCapture messages;
        EXPECT_EQ(ReadPoolValue(file.get(), at), 0x600000u);
        EXPECT_EQ(ReadPoolValue(file.get(), size - 2), 0u);  // cut short: zeros from the hole
        EXPECT_TRUE(messages.texts().empty());
    }

    const Bytes around = ReadRange(path, at - 40, 80);
    MessageCapture messages;
    EXPECT_EQ(WritePoolValue(path.c_str(), at, 0x01020304), WriteOutcome::Written);
    EXPECT_TRUE(messages.texts().empty());
    Bytes expected = around;
    testsupport::PlantValue(expected, 40, 0x01020304);
    EXPECT_EQ(ReadRange(path, at - 40, 80), expected);
    EXPECT_EQ(FileSize(path), size);
}

// Scanning to 4.5 GiB takes most of a second even from memory, far longer from a disk: run by
// the benchmark target.
TEST(LocatePagePool, DISABLED_LocatesAValuePastFourAndAHalfGiB) {
    TempDir dir(TempDir::Place::Memory);
    const std::string path = dir.File("sparse.nb0");
    const std::uint64_t base = 9 * (kFourGiB / 8);
    testsupport::WriteSparseFile(path, base + Image::kSize,
                                 testsupport::SparseImagePieces(base, 0x600000));
    const Located found = Locate(path);
    EXPECT_EQ(found.position, base + Image::kValueAt);
    EXPECT_EQ(found.value, 0x600000u);
    EXPECT_TRUE(found.messages.empty());
}

}  // namespace
}  // namespace rom
