// The POSIX port's stand-ins for what Windows gives the program: sharing modes, the read-only
// attribute and opening regular files only.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "platform/file.h"
#include "rom/page_pool.h"
#include "tests/support/temp_file.h"

namespace platform {
namespace {

using testsupport::Bytes;
using testsupport::Image;
using testsupport::MakeImage;
using testsupport::MessageCapture;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

FileSystem& Native() {
    return NativeFileSystem();
}

// Owns a handle of the native port for the length of a test.
class Held {
public:
    Held(const std::string& path, OpenMode mode) : m_file(Native().Open(path.c_str(), mode)) {}
    ~Held() {
        if (m_file != kInvalidFile)
            Native().Close(m_file);
    }
    bool is_open() const { return m_file != kInvalidFile; }
    FileHandle get() const { return m_file; }

private:
    FileHandle m_file;
};

class NativeFiles : public testing::Test {
protected:
    void SetUp() override {
        m_path = m_dir.File("image.nb0");
        m_image = MakeImage().bytes;
        WriteFile(m_path, m_image);
    }

    TempDir m_dir;
    std::string m_path;
    Bytes m_image;
};

TEST_F(NativeFiles, AScanSharesTheFileOnlyWithOtherScans) {
    {
        Held scan(m_path, OpenMode::Scan);
        ASSERT_TRUE(scan.is_open());
        Held otherScan(m_path, OpenMode::Scan);
        EXPECT_TRUE(otherScan.is_open());
        EXPECT_FALSE(Held(m_path, OpenMode::Write).is_open());

        MessageCapture messages;
        EXPECT_EQ(rom::WritePoolValue(m_path.c_str(), Image::kValueAt, 13107200),
                  rom::WriteOutcome::NotOpened);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
    }
    EXPECT_TRUE(Held(m_path, OpenMode::Write).is_open());
    EXPECT_EQ(ReadFile(m_path), m_image);
}

TEST_F(NativeFiles, AWriteSharesTheFileWithNobody) {
    {
        Held write(m_path, OpenMode::Write);
        ASSERT_TRUE(write.is_open());
        EXPECT_FALSE(Held(m_path, OpenMode::Scan).is_open());
        EXPECT_FALSE(Held(m_path, OpenMode::Write).is_open());

        MessageCapture messages;
        std::uint32_t value = 1;
        EXPECT_EQ(rom::LocatePagePool(m_path.c_str(), value), 0u);
        EXPECT_EQ(value, 0u);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
    }
    EXPECT_TRUE(Held(m_path, OpenMode::Scan).is_open());
}

TEST_F(NativeFiles, AFileWithoutWriteBitsOpensOnlyForScanning) {
    for (mode_t mode : {0444, 0400, 0000}) {
        ASSERT_EQ(chmod(m_path.c_str(), mode), 0);
        EXPECT_FALSE(Held(m_path, OpenMode::Write).is_open()) << std::oct << mode;
    }
    ASSERT_EQ(chmod(m_path.c_str(), 0644), 0);
    EXPECT_TRUE(Held(m_path, OpenMode::Write).is_open());
}

TEST_F(NativeFiles, AWriteOpenNeitherCreatesNorTruncates) {
    const std::string missing = m_dir.File("missing.nb0");
    EXPECT_FALSE(Held(missing, OpenMode::Write).is_open());
    EXPECT_FALSE(Held(missing, OpenMode::Scan).is_open());
    EXPECT_FALSE(std::filesystem::exists(missing));

    {
        Held write(m_path, OpenMode::Write);
        ASSERT_TRUE(write.is_open());
        std::uint8_t first[4] = {};
        std::size_t got = 0;
        EXPECT_TRUE(
            Native().Read(write.get(), first, sizeof first, got));  // positioned at the start
        EXPECT_EQ(got, 4u);
        EXPECT_EQ(Bytes(first, first + 4), Bytes(m_image.begin(), m_image.begin() + 4));
    }
    EXPECT_EQ(ReadFile(m_path), m_image);
}

TEST_F(NativeFiles, OnlyRegularFilesOpen) {
    const std::string fifo = m_dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const std::string socketPath = m_dir.File("socket");
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(server, 1), 0);

    for (const std::string& path :
         {m_dir.path(), fifo, socketPath, std::string("/dev/zero"), m_dir.File("missing")}) {
        SCOPED_TRACE(path);
        // A FIFO without a writer would block an ordinary open, and /dev/zero would never end a
        // scan: the open itself must fail, at once.
        auto opened = std::async(std::launch::async, [&] {
            FileHandle file = Native().Open(path.c_str(), OpenMode::Scan);
            if (file != kInvalidFile)
                Native().Close(file);
            return file != kInvalidFile;
        });
        if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "the open blocks";
            const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // lets it go
            opened.wait();
            if (writer >= 0)
                close(writer);
            continue;
        }
        ASSERT_FALSE(opened.get());
        EXPECT_FALSE(Held(path, OpenMode::Write).is_open());

        MessageCapture messages;
        std::uint32_t value = 1;
        EXPECT_EQ(rom::LocatePagePool(path.c_str(), value), 0u);
        EXPECT_EQ(value, 0u);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
        messages.Clear();
        EXPECT_EQ(rom::WritePoolValue(path.c_str(), Image::kValueAt, 1),
                  rom::WriteOutcome::NotOpened);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error opening file!"});
    }
    close(server);
}

}  // namespace
}  // namespace platform
