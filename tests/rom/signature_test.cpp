#include "rom/signature.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "rom/candidates.h"
#include "rom/page_pool.h"
#include "tests/support/faulty_files.h"
#include "tests/support/temp_file.h"

namespace rom {
namespace {

using testsupport::Bytes;
using testsupport::BytesOf;
using testsupport::FaultyFiles;
using testsupport::FileCall;
using testsupport::MessageCapture;
using testsupport::Plant;
using testsupport::TempDir;
using testsupport::WriteFile;

struct Pattern {
    const char* name;
    Bytes bytes;
    std::uint8_t filler;  // a byte the pattern does not contain
};

// One of each length the engine cares about, and patterns that overlap themselves.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = {
        {"N", BytesOf("N"), 'x'},
        {"aa", BytesOf("aa"), 'x'},
        {"NNN", BytesOf("NNN"), 'x'},
        {"NK marker", Bytes(kNkMarker.begin(), kNkMarker.end()), 'x'},
        {"pool signature", Bytes(kPoolSignature.begin(), kPoolSignature.end()), 0x11},
        {"23 N", Bytes(23, 'N'), 'x'},
        // Matches the zeros past the end of the file, where no occurrence may start.
        {"two zeros", Bytes(2, 0), 'x'},
    };
    return patterns;
}

// The pattern at `at`, with the bytes past the end of the data taken as zero.
bool MatchesAt(const Bytes& data, std::size_t at, const Bytes& pattern) {
    const std::uint8_t* bytes = data.data();
    const std::uint8_t* wanted = pattern.data();
    const std::size_t size = data.size();
    const std::size_t length = pattern.size();
    std::size_t j = 0;
    while (j < length && (at + j < size ? bytes[at + j] : 0) == wanted[j]) ++j;
    return j == length;
}

// Every occurrence that starts in the data at or after `start`, overlapping ones included.
std::vector<std::uint64_t> NaiveOccurrences(const Bytes& data, std::size_t start,
                                            const Bytes& pattern) {
    std::vector<std::uint64_t> found;
    const std::uint8_t* bytes = data.data();
    const std::size_t size = data.size();
    for (std::size_t i = start; i < size; ++i) {
        const void* next = std::memchr(bytes + i, pattern[0], size - i);
        if (next == nullptr)
            break;
        i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(next) - bytes);
        if (MatchesAt(data, i, pattern))
            found.push_back(i);
    }
    return found;
}

// Bytes of the pattern's own alphabet with near misses of it everywhere: prefixes cut short and
// copies with first and last byte right but one byte between them wrong.
Bytes NoisyBytes(const Pattern& p, std::size_t size, std::mt19937& random) {
    Bytes alphabet(p.bytes);
    alphabet.push_back(p.filler);
    std::sort(alphabet.begin(), alphabet.end());
    alphabet.erase(std::unique(alphabet.begin(), alphabet.end()), alphabet.end());

    Bytes data(size);
    for (auto& b : data) b = alphabet[random() % alphabet.size()];
    const std::size_t length = p.bytes.size();
    if (length < 2 || size < length)
        return data;
    for (std::size_t at = random() % 30; at + length <= size; at += 8 + random() % 40) {
        Bytes miss = p.bytes;
        const std::size_t wrong = 1 + random() % (length - 1);
        miss[wrong] = p.filler;
        if (random() % 2)
            miss.resize(wrong + 1);
        Plant(data, at, miss);
    }
    return data;
}

// Removes every occurrence without making new ones: each loses its first byte to the filler.
void Scrub(Bytes& data, const Pattern& p) {
    for (std::uint64_t at : NaiveOccurrences(data, 0, p.bytes)) data[at] = p.filler;
}

// Writes `data` to `path` and asks FindSignature, from `start`, for the first three occurrences,
// the last one and one more than there are, expecting what the naive search finds.
void ExpectSameAsNaive(const std::string& path, const Bytes& data, std::size_t start,
                       const Pattern& p) {
    SCOPED_TRACE(testing::Message() << p.name << ", " << data.size() << " bytes from " << start);
    const std::vector<std::uint64_t> expected = NaiveOccurrences(data, start, p.bytes);
    WriteFile(path, data);

    MessageCapture messages;
    platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
    ASSERT_TRUE(file.is_open());
    const unsigned count = static_cast<unsigned>(expected.size());
    const std::set<unsigned> occurrences = {1, 2, 3, std::max(count, 1u), count + 1};
    SearchWindow window;
    for (unsigned occurrence : occurrences) {
        ASSERT_TRUE(platform::Files().Seek(file.get(), start));
        // Whatever a previous search left in the window must not matter.
        window.fill(p.bytes[0]);
        std::uint64_t position = start;
        const bool found =
            FindSignature(file.get(), p.bytes.data(), p.bytes.size(), position, occurrence, window);
        if (occurrence <= count) {
            ASSERT_TRUE(found) << "occurrence " << occurrence << " of " << count << " at "
                               << expected[occurrence - 1];
            ASSERT_EQ(position, expected[occurrence - 1]) << "occurrence " << occurrence;
        } else {
            ASSERT_FALSE(found) << "occurrence " << occurrence << " of " << count << " reported at "
                                << position;
            ASSERT_EQ(position, start);
        }
    }
    EXPECT_TRUE(messages.texts().empty());
}

bool Find(const std::string& path, const Bytes& pattern, std::uint64_t& position,
          unsigned occurrence = 1) {
    platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
    EXPECT_TRUE(file.is_open());
    if (position != 0) {
        EXPECT_TRUE(platform::Files().Seek(file.get(), position));
    }
    SearchWindow window;
    return FindSignature(file.get(), pattern.data(), pattern.size(), position, occurrence, window);
}

TEST(FindSignature, PlainCases) {
    const Pattern& marker = Patterns()[3];
    struct Case {
        const char* what;
        Bytes data;
        Bytes pattern;
        std::uint64_t start;
        unsigned occurrence;
        bool found;
        std::uint64_t position;
    };
    Bytes once(100, 'x');
    Plant(once, 40, marker.bytes);
    Bytes cutMarker(60, 'x');
    Plant(cutMarker, 56, marker.bytes);  // "NKKD" ends the file; "8" is no zero
    Bytes cutSignature(60, 'x');
    Plant(cutSignature, 40, kPoolSignature.data(), 20);  // ends without its three zero bytes
    const Case cases[] = {
        {"empty file", {}, marker.bytes, 0, 1, false, 0},
        {"first byte read", BytesOf("NKKD8xx"), marker.bytes, 0, 1, true, 0},
        {"first byte read after a seek", BytesOf("xxNKKD8"), marker.bytes, 2, 1, true, 2},
        {"before the starting position", BytesOf("NKKD8xxx"), marker.bytes, 1, 1, false, 1},
        {"second of one", once, marker.bytes, 0, 2, false, 0},
        {"overlapping, first", BytesOf("aaa"), BytesOf("aa"), 0, 1, true, 0},
        {"overlapping, second", BytesOf("aaa"), BytesOf("aa"), 0, 2, true, 1},
        {"overlapping, no third", BytesOf("aaa"), BytesOf("aa"), 0, 3, false, 0},
        {"last byte of the file", BytesOf("xxxxN"), BytesOf("N"), 0, 1, true, 4},
        {"cut short, non-zero tail", cutMarker, marker.bytes, 0, 1, false, 0},
        {"cut short, zero tail", cutSignature, Patterns()[4].bytes, 0, 1, true, 40},
    };
    TempDir dir;
    const std::string path = dir.File("plain");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(path, c.data);
        MessageCapture messages;
        std::uint64_t position = c.start;
        EXPECT_EQ(Find(path, c.pattern, position, c.occurrence), c.found);
        EXPECT_EQ(position, c.position);
        EXPECT_TRUE(messages.texts().empty());
    }
}

TEST(FindSignature, FindsAnOccurrenceStraddlingTwoReads) {
    TempDir dir;
    const std::string path = dir.File("image");
    for (std::size_t at : {20476u, 20479u, 40958u}) {
        Bytes data(61440, 'x');
        Plant(data, at, kNkMarker.data(), kNkMarker.size());
        WriteFile(path, data);
        std::uint64_t position = 0;
        EXPECT_TRUE(Find(path, Bytes(kNkMarker.begin(), kNkMarker.end()), position)) << at;
        EXPECT_EQ(position, at);
    }
}

TEST(FindSignature, ReadsWholeChunksAndNeverSeeks) {
    TempDir dir;
    const std::string path = dir.File("image");
    WriteFile(path, Bytes(2 * kChunkSize, 'x'));
    platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
    ASSERT_TRUE(file.is_open());

    FaultyFiles files;
    SearchWindow window;
    std::uint64_t position = 0;
    EXPECT_FALSE(
        FindSignature(file.get(), kNkMarker.data(), kNkMarker.size(), position, 1, window));
    ASSERT_EQ(files.calls().size(), 3u);  // two full reads and the one that meets the end
    for (const auto& call : files.calls()) {
        EXPECT_EQ(call.call, FileCall::Read);
        EXPECT_EQ(call.argument, kChunkSize);
    }
}

TEST(FindSignature, AFailedReadIsShownAndLeavesThePosition) {
    TempDir dir;
    const std::string path = dir.File("image");
    Bytes data(3 * kChunkSize, 'x');
    Plant(data, 100, kNkMarker.data(), kNkMarker.size());
    Plant(data, 2 * kChunkSize + 100, kNkMarker.data(), kNkMarker.size());
    WriteFile(path, data);
    for (std::size_t failAt : {1u, 2u, 3u}) {
        platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
        ASSERT_TRUE(file.is_open());
        ASSERT_TRUE(platform::Files().Seek(file.get(), 7));
        MessageCapture messages;
        FaultyFiles files(failAt);
        SearchWindow window;
        std::uint64_t position = 7;
        EXPECT_FALSE(
            FindSignature(file.get(), kNkMarker.data(), kNkMarker.size(), position, 2, window))
            << "read " << failAt;
        EXPECT_EQ(position, 7u);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error reading file!"});
    }
}

// The differential tests run once with the widest vector unit the processor has and once with
// the baseline one, so that both ways of finding candidates are checked.
class AgainstNaive : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { UseBaselineVectorScan(GetParam()); }
    void TearDown() override { UseBaselineVectorScan(false); }
};

INSTANTIATE_TEST_SUITE_P(VectorUnits, AgainstNaive, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Baseline" : "Widest";
                         });

TEST_P(AgainstNaive, AgreesWithNaiveSearchAroundReadBoundaries) {
    TempDir dir;
    const std::string path = dir.File("boundaries");
    std::mt19937 random(2024);
    // From the start of the file the read after the boundary is a full one; from a later start
    // it is the last, and short.
    const std::pair<std::size_t, std::size_t> startsAndRests[] = {{0, 2 * kChunkSize + 50},
                                                                  {7777, kChunkSize + 300}};
    for (const Pattern& p : Patterns()) {
        const std::size_t length = p.bytes.size();
        for (const auto& [start, rest] : startsAndRests) {
            const std::size_t boundary = start + kChunkSize;
            Bytes base = NoisyBytes(p, start + rest, random);
            Scrub(base, p);
            for (int d = -25; d <= 2; ++d) {
                Bytes data = base;
                const std::size_t at = boundary + d;
                Plant(data, at, p.bytes);
                // A second copy overlapping, touching or just clear of the first.
                Plant(data, at + 1 + static_cast<std::size_t>(d + 25) % (length + 2), p.bytes);
                Plant(data, at + kChunkSize - length / 2, p.bytes);
                ExpectSameAsNaive(path, data, start, p);
                if (HasFatalFailure())
                    return;
            }
        }
    }
}

TEST_P(AgainstNaive, AgreesWithNaiveSearchAtTheEndOfTheFile) {
    TempDir dir;
    const std::string path = dir.File("ends");
    std::mt19937 random(7);
    for (const Pattern& p : Patterns()) {
        const std::size_t length = p.bytes.size();
        // Lengths from the starting position: a first read cut short; reads that end at, just
        // before and just after a chunk boundary; a last read shorter than the carry. From the
        // start of the file and from a later start in turn.
        const std::size_t rests[] = {1, length, length + 1, 20479, 20480, 20481, 20502};
        for (std::size_t i = 0; i < std::size(rests); ++i) {
            const std::size_t start = (i + length) % 2 == 0 ? 0 : 5000;
            Bytes base = NoisyBytes(p, start + rests[i], random);
            Scrub(base, p);
            const std::size_t size = base.size();
            const std::size_t from = size >= length + 2 ? size - length - 2 : 0;
            for (std::size_t at = std::max(from, start); at < size; ++at) {
                Bytes data = base;
                if (at >= start + 2 * length)
                    Plant(data, start + random() % (at - start - length), p.bytes);
                Plant(data, at, p.bytes);  // cut short by the end of the file
                ExpectSameAsNaive(path, data, start, p);
                if (HasFatalFailure())
                    return;
            }
        }
    }
    WriteFile(path, {});
    ExpectSameAsNaive(path, {}, 0, Patterns()[0]);
}

TEST_P(AgainstNaive, AgreesWithNaiveSearchOnRandomFiles) {
    TempDir dir;
    const std::string path = dir.File("random");
    std::mt19937 random(99);
    for (int round = 0; round < 150; ++round) {
        const Pattern& p = Patterns()[random() % Patterns().size()];
        const long chunks = static_cast<long>(random() % 3);
        const long size = std::max(0L, chunks * 20480 + static_cast<long>(random() % 61) - 30);
        const std::size_t start =
            random() % 3 == 0 ? 0 : random() % (static_cast<std::size_t>(size) + 1);
        Bytes data = NoisyBytes(p, static_cast<std::size_t>(size), random);
        // Copies, some of them runs of overlapping ones, scattered all over.
        for (int i = 0; i < 20 && size > 0; ++i) {
            const std::size_t at = random() % static_cast<std::size_t>(size);
            for (int copy = static_cast<int>(random() % 3); copy >= 0; --copy) {
                Plant(data, at + static_cast<std::size_t>(copy), p.bytes);
            }
        }
        ExpectSameAsNaive(path, data, start, p);
        if (HasFatalFailure())
            return;
    }
}

TEST(FindSignature, CountsPositionsPastFourGiBInSixtyFourBits) {
    TempDir dir;
    const std::string path = dir.File("sparse");
    constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;
    // The search starts 4 GiB - 20487 into the file, so its first read boundary lies at 4 GiB - 7.
    const std::uint64_t start = kFourGiB - kChunkSize - 7;
    const std::uint64_t first = kFourGiB - 9;  // straddles that boundary
    const std::uint64_t second = kFourGiB + 100000;
    const Bytes marker(kNkMarker.begin(), kNkMarker.end());
    testsupport::WriteSparseFile(path, kFourGiB + 200000, {{first, marker}, {second, marker}});

    std::uint64_t position = start;
    EXPECT_TRUE(Find(path, marker, position, 1));
    EXPECT_EQ(position, first);
    position = start;
    EXPECT_TRUE(Find(path, marker, position, 2));
    EXPECT_EQ(position, second);
    position = start;
    EXPECT_FALSE(Find(path, marker, position, 3));
    EXPECT_EQ(position, start);
}

}  // namespace
}  // namespace rom
