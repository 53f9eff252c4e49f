#include "tests/support/faulty_files.h"

namespace testsupport {

namespace {

platform::FileSystem& Native() {
    return platform::NativeFileSystem();
}

}  // namespace

const char* Name(FileCall call) {
    switch (call) {
        case FileCall::Open:
            return "Open";
        case FileCall::Seek:
            return "Seek";
        case FileCall::Read:
            return "Read";
        case FileCall::Write:
            return "Write";
        case FileCall::Flush:
            return "Flush";
        case FileCall::Close:
            return "Close";
    }
    return "?";
}

FaultyFiles::FaultyFiles(std::size_t failAt)
    : m_failAt(failAt), m_previous(platform::InstallFileSystem(this)) {}

FaultyFiles::~FaultyFiles() {
    platform::InstallFileSystem(m_previous);
}

std::optional<FileCall> FaultyFiles::failed() const {
    if (m_failAt == 0 || m_calls.size() < m_failAt)
        return std::nullopt;
    return m_calls[m_failAt - 1].call;
}

bool FaultyFiles::Fails(FileCall call, std::uint64_t argument) {
    m_calls.push_back({call, argument});
    return m_calls.size() == m_failAt;
}

platform::FileHandle FaultyFiles::Open(const char* path, platform::OpenMode mode) {
    if (Fails(FileCall::Open, 0))
        return platform::kInvalidFile;
    return Native().Open(path, mode);
}

bool FaultyFiles::Seek(platform::FileHandle file, std::uint64_t position) {
    if (Fails(FileCall::Seek, position))
        return false;
    return Native().Seek(file, position);
}

bool FaultyFiles::Read(platform::FileHandle file, void* buffer, std::size_t size,
                       std::size_t& got) {
    got = 0;
    if (Fails(FileCall::Read, size))
        return false;
    return Native().Read(file, buffer, size, got);
}

bool FaultyFiles::Write(platform::FileHandle file, const void* buffer, std::size_t size) {
    if (Fails(FileCall::Write, size))
        return false;
    return Native().Write(file, buffer, size);
}

bool FaultyFiles::Flush(platform::FileHandle file) {
    if (Fails(FileCall::Flush, 0))
        return false;
    return Native().Flush(file);
}

bool FaultyFiles::Close(platform::FileHandle file) {
    // The handle is released whatever is reported, as the real Close promises.
    const bool fails = Fails(FileCall::Close, 0);
    const bool closed = Native().Close(file);
    return closed && !fails;
}

}  // namespace testsupport
