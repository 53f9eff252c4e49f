// What the Windows file port leaves to the system, seen from outside: the sharing modes keep a
// writer out of a scan and everybody out of a write, the read-only attribute refuses the write,
// and only files on disk open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file.h"
#include "rom/page_pool.h"
#include "tests/support/temp_file.h"

namespace {

using testsupport::Bytes;
using testsupport::Image;
using testsupport::MakeImage;
using testsupport::MessageCapture;
using testsupport::ReadFile;
using testsupport::TempDir;

// A handle of "another program", opened with the system's own call.
class OtherHandle {
public:
    OtherHandle(const std::string& path, DWORD access, DWORD share)
        : m_handle(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OtherHandle() {
        if (is_open())
            CloseHandle(m_handle);
    }
    bool is_open() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class Win32Files : public testing::Test {
protected:
    void SetUp() override {
        m_path = m_dir.File("image.nb");
        testsupport::WriteFile(m_path, m_before);
    }

    TempDir m_dir;
    std::string m_path;
    const Bytes m_before = MakeImage(0x600000).bytes;
};

TEST_F(Win32Files, AnotherProgramsHandleKeepsOutWhatWouldConflict) {
    struct Case {
        const char* what;
        DWORD access;
        DWORD share;
        bool scans;  // a write is refused by all of them
    };
    const Case cases[] = {
        {"another reader that shares everything", GENERIC_READ, kShareAll, true},
        {"another reader that lets nobody write", GENERIC_READ, FILE_SHARE_READ, true},
        {"another writer that shares everything", GENERIC_READ | GENERIC_WRITE, kShareAll, false},
        {"another handle that shares nothing", GENERIC_READ, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OtherHandle other(m_path, c.access, c.share);
        ASSERT_TRUE(other.is_open());

        MessageCapture messages;
        std::uint32_t value = 0;
        const std::uint64_t position = rom::LocatePagePool(m_path.c_str(), value);
        EXPECT_EQ(position, c.scans ? Image::kValueAt : 0u);
        EXPECT_EQ(value, c.scans ? 0x600000u : 0u);
        EXPECT_EQ(rom::WritePoolValue(m_path.c_str(), Image::kValueAt, 0xC80000),
                  rom::WriteOutcome::NotOpened);

        std::vector<std::string> expected(c.scans ? 1 : 2, "Error opening file!");
        EXPECT_EQ(messages.texts(), expected);
    }
    EXPECT_EQ(ReadFile(m_path), m_before);
}

TEST_F(Win32Files, OurHandlesKeepOthersOutAsTheyPromise) {
    platform::FileSystem& files = platform::NativeFileSystem();
    {
        platform::ScopedFile scan(files.Open(m_path.c_str(), platform::OpenMode::Scan));
        ASSERT_TRUE(scan.is_open());
        EXPECT_TRUE(OtherHandle(m_path, GENERIC_READ, kShareAll).is_open());
        EXPECT_FALSE(OtherHandle(m_path, GENERIC_WRITE, kShareAll).is_open());
    }
    {
        platform::ScopedFile write(files.Open(m_path.c_str(), platform::OpenMode::Write));
        ASSERT_TRUE(write.is_open());
        EXPECT_FALSE(OtherHandle(m_path, GENERIC_READ, kShareAll).is_open());
    }
    EXPECT_TRUE(OtherHandle(m_path, GENERIC_WRITE, 0).is_open());  // all released
}

TEST_F(Win32Files, TheReadOnlyAttributeRefusesTheWriteButNotTheScan) {
    ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    MessageCapture messages;
    EXPECT_EQ(rom::WritePoolValue(m_path.c_str(), Image::kValueAt, 0xC80000),
              rom::WriteOutcome::NotOpened);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
    std::uint32_t value = 0;
    EXPECT_EQ(rom::LocatePagePool(m_path.c_str(), value), Image::kValueAt);
    EXPECT_EQ(value, 0x600000u);
    ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL));  // so it can be removed
    EXPECT_EQ(ReadFile(m_path), m_before);
}

TEST_F(Win32Files, OnlyFilesOnDiskOpen) {
    for (const std::string& path : {m_dir.path(), std::string("NUL")}) {
        SCOPED_TRACE(path);
        for (platform::OpenMode mode : {platform::OpenMode::Scan, platform::OpenMode::Write}) {
            EXPECT_EQ(platform::NativeFileSystem().Open(path.c_str(), mode),
                      platform::kInvalidFile);
        }
        MessageCapture messages;
        std::uint32_t value = 1;
        EXPECT_EQ(rom::LocatePagePool(path.c_str(), value), 0u);
        EXPECT_EQ(value, 0u);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
    }
}

}  // namespace
