// The Windows file functions behind platform::FileSystem. The system itself gives what the POSIX
// port has to rebuild: the sharing mode keeps writers out during a scan and everybody out during a
// write, and the read-only attribute refuses the write open. What is checked by hand:
// - the kind of file: CreateFileA also opens devices (NUL, COM1) and pipes;
// - the read-only attribute once more, since Wine run by root maps it to permission bits that root
//   gets past; on Windows itself the open has failed already.
#include <windows.h>

#include <climits>

#include "platform/file.h"

namespace platform {

namespace {

HANDLE Native(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

// Only a file on disk, never a directory, device or pipe; for writing, not a read-only one.
bool Usable(HANDLE handle, OpenMode mode) {
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info))
        return false;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    return mode != OpenMode::Write || (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
}

class Win32FileSystem final : public FileSystem {
public:
    FileHandle Open(const char* path, OpenMode mode) override {
        if (path == nullptr)
            return kInvalidFile;
        const bool write = mode == OpenMode::Write;
        // The write reads the signature back before it changes the value, hence read access too.
        HANDLE handle = CreateFileA(path, write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                                    write ? 0 : FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return kInvalidFile;
        if (!Usable(handle, mode)) {
            CloseHandle(handle);
            return kInvalidFile;
        }
        return reinterpret_cast<FileHandle>(handle);
    }

    bool Seek(FileHandle file, std::uint64_t position) override {
        if (position > static_cast<std::uint64_t>(LLONG_MAX))
            return false;
        LARGE_INTEGER distance;
        distance.QuadPart = static_cast<LONGLONG>(position);
        return SetFilePointerEx(Native(file), distance, nullptr, FILE_BEGIN) != 0;
    }

    bool Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        auto* bytes = static_cast<unsigned char*>(buffer);
        while (got < size) {
            const DWORD ask = static_cast<DWORD>(size - got > MAXDWORD ? MAXDWORD : size - got);
            DWORD n = 0;
            if (!ReadFile(Native(file), bytes + got, ask, &n, nullptr))
                return false;
            if (n == 0)
                break;  // the end of the file
            got += n;
        }
        return true;
    }

    bool Write(FileHandle file, const void* buffer, std::size_t size) override {
        std::size_t done = 0;
        const auto* bytes = static_cast<const unsigned char*>(buffer);
        while (done < size) {
            const DWORD ask = static_cast<DWORD>(size - done > MAXDWORD ? MAXDWORD : size - done);
            DWORD n = 0;
            if (!WriteFile(Native(file), bytes + done, ask, &n, nullptr) || n == 0)
                return false;
            done += n;
        }
        return true;
    }

    bool Flush(FileHandle file) override { return FlushFileBuffers(Native(file)) != 0; }

    bool Close(FileHandle file) override { return CloseHandle(Native(file)) != 0; }
};

}  // namespace

FileSystem& NativeFileSystem() {
    static Win32FileSystem files;
    return files;
}

}  // namespace platform
