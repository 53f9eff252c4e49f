// A file system that passes every call to the native one except the Nth, which fails. Running an
// operation once with no failure and then with each call index failing in turn shows what every
// single fault does to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/file.h"

namespace testsupport {

enum class FileCall { Open, Seek, Read, Write, Flush, Close };
const char* Name(FileCall call);

struct CallRecord {
    FileCall call;
    std::uint64_t argument;  // Seek: the position; Read and Write: the size asked for
};

// Installs itself on construction and puts back what was installed before on destruction.
class FaultyFiles final : public platform::FileSystem {
public:
    // Call number `failAt` (counting from 1) fails; 0 lets every call through.
    explicit FaultyFiles(std::size_t failAt = 0);
    ~FaultyFiles() override;
    FaultyFiles(const FaultyFiles&) = delete;
    FaultyFiles& operator=(const FaultyFiles&) = delete;

    // Every call made so far, in order.
    const std::vector<CallRecord>& calls() const { return m_calls; }
    // The kind of call that was made to fail, if the run reached it.
    std::optional<FileCall> failed() const;

    platform::FileHandle Open(const char* path, platform::OpenMode mode) override;
    bool Seek(platform::FileHandle file, std::uint64_t position) override;
    bool Read(platform::FileHandle file, void* buffer, std::size_t size, std::size_t& got) override;
    bool Write(platform::FileHandle file, const void* buffer, std::size_t size) override;
    bool Flush(platform::FileHandle file) override;
    bool Close(platform::FileHandle file) override;

private:
    // Records the call; true when it is the one to fail.
    bool Fails(FileCall call, std::uint64_t argument);

    std::size_t m_failAt;
    std::vector<CallRecord> m_calls;
    platform::FileSystem* m_previous;
};

}  // namespace testsupport
