// Every single failure of the file port, at every call of a scan and of a write, must be reported
// with the right text, give the right result and leave the file as it was (or, once the bytes
// have gone out, with exactly the four bytes changed). Each run also checks that the handle was
// released, since a leaked one would keep its lock.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "rom/page_pool.h"
#include "tests/support/faulty_files.h"
#include "tests/support/temp_file.h"

namespace rom {
namespace {

using testsupport::Bytes;
using testsupport::CallRecord;
using testsupport::FaultyFiles;
using testsupport::FileCall;
using testsupport::Image;
using testsupport::MakeImage;
using testsupport::MessageCapture;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

using Messages = std::vector<std::string>;

void ExpectReleased(const std::string& path) {
    const platform::FileHandle file =
        platform::NativeFileSystem().Open(path.c_str(), platform::OpenMode::Write);
    EXPECT_NE(file, platform::kInvalidFile) << "the file is still open";
    if (file != platform::kInvalidFile)
        platform::NativeFileSystem().Close(file);
}

// A clean run's calls, to tell the seek to the marker from the seek to the value.
std::vector<CallRecord> CleanScanCalls(const std::string& path) {
    FaultyFiles files;
    std::uint32_t value = 0;
    EXPECT_EQ(LocatePagePool(path.c_str(), value), Image::kValueAt);
    return files.calls();
}

TEST(Faults, EveryFailureOfAScan) {
    TempDir dir;
    const std::string path = dir.File("image.nb0");
    const Bytes image = MakeImage().bytes;
    WriteFile(path, image);
    const std::vector<CallRecord> clean = CleanScanCalls(path);
    ASSERT_GT(clean.size(), 5u);
    std::size_t seeks = 0;

    for (std::size_t failAt = 1;; ++failAt) {
        MessageCapture messages;
        FaultyFiles files(failAt);
        std::uint32_t value = 0xDEADBEEF;
        const std::uint64_t position = LocatePagePool(path.c_str(), value);
        if (!files.failed()) {
            EXPECT_EQ(failAt, clean.size() + 1);
            break;
        }
        const FileCall call = *files.failed();
        SCOPED_TRACE(testing::Message() << "call " << failAt << ": " << testsupport::Name(call));
        ASSERT_EQ(call, clean[failAt - 1].call);

        // The value's position is kept once the signature was found, whatever happened next.
        const bool valueSeek = call == FileCall::Seek && ++seeks == 2;
        const bool valueRead = call == FileCall::Read && failAt == clean.size() - 1;
        switch (call) {
            case FileCall::Open:
                EXPECT_EQ(messages.texts(), Messages{"Error opening file!"});
                EXPECT_EQ(position, 0u);
                EXPECT_EQ(value, 0u);
                break;
            case FileCall::Seek:
                if (valueSeek) {
                    EXPECT_EQ(messages.texts(), Messages{"Error positioning in the file!"});
                    EXPECT_EQ(position, Image::kValueAt);
                } else {  // to the marker: reported as nothing found by the caller
                    EXPECT_EQ(clean[failAt - 1].argument, Image::kSecondMarker);
                    EXPECT_TRUE(messages.texts().empty());
                    EXPECT_EQ(position, 0u);
                }
                EXPECT_EQ(value, 0u);
                break;
            case FileCall::Read:
                EXPECT_EQ(messages.texts(), Messages{"Error reading file!"});
                EXPECT_EQ(position, valueRead ? Image::kValueAt : 0u);
                EXPECT_EQ(value, 0u);
                break;
            case FileCall::Close:  // nothing was written; what was read stands
                EXPECT_TRUE(messages.texts().empty());
                EXPECT_EQ(position, Image::kValueAt);
                EXPECT_EQ(value, 0x600000u);
                break;
            default:
                ADD_FAILURE() << "a scan made a call that changes the file";
        }
        EXPECT_EQ(ReadFile(path), image);
        ExpectReleased(path);
    }
    EXPECT_EQ(seeks, 2u);
}

TEST(Faults, EveryFailureOfAWrite) {
    TempDir dir;
    const std::string path = dir.File("image.nb0");
    const Bytes image = MakeImage().bytes;
    Bytes written = image;
    testsupport::PlantValue(written, Image::kValueAt, 13107200);
    std::size_t seeks = 0;
    std::set<FileCall> failed;

    for (std::size_t failAt = 1;; ++failAt) {
        WriteFile(path, image);
        MessageCapture messages;
        FaultyFiles files(failAt);
        const WriteOutcome outcome = WritePoolValue(path.c_str(), Image::kValueAt, 13107200);
        if (!files.failed()) {
            EXPECT_EQ(outcome, WriteOutcome::Written);
            EXPECT_TRUE(messages.texts().empty());
            EXPECT_EQ(ReadFile(path), written);
            break;
        }
        const FileCall call = *files.failed();
        failed.insert(call);
        SCOPED_TRACE(testing::Message() << "call " << failAt << ": " << testsupport::Name(call));
        const Messages one = messages.texts();
        switch (call) {
            case FileCall::Open:
                EXPECT_EQ(outcome, WriteOutcome::NotOpened);
                EXPECT_EQ(one, Messages{"Error opening file!"});
                break;
            case FileCall::Seek:
                ++seeks;
                EXPECT_EQ(outcome, WriteOutcome::NotWritten);
                EXPECT_EQ(one, Messages{"Error positioning in the file!"});
                break;
            case FileCall::Read:
                EXPECT_EQ(outcome, WriteOutcome::NotWritten);
                EXPECT_EQ(one, Messages{"Error reading file!"});
                break;
            case FileCall::Write:
            case FileCall::Flush:
            case FileCall::Close:
                EXPECT_EQ(outcome, WriteOutcome::NotWritten);
                EXPECT_EQ(one, Messages{"Error writing file!"});
                break;
        }
        // The port's write either fails whole or goes out whole: after it, the value is there.
        const bool afterWrite = call == FileCall::Flush || call == FileCall::Close;
        EXPECT_EQ(ReadFile(path), afterWrite ? written : image);
        ExpectReleased(path);
    }
    EXPECT_EQ(seeks, 2u);  // to the signature before the value, and to the value
    EXPECT_EQ(failed.size(), 6u) << "a kind of call was never made";
}

}  // namespace
}  // namespace rom
