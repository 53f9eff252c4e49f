// POSIX stand-in for the Windows file functions. Windows gives the program sharing modes, the
// read-only attribute and "regular files only" for free; here each is rebuilt:
// - Sharing: a scan holds a shared lock and a write an exclusive lock on the whole file. They are
//   open file description locks, so two opens within one process conflict as two programs would,
//   and they are taken without waiting: a conflict fails the open at once.
// - Read-only: a file with no write permission bit refuses a write open even for root, who would
//   otherwise get past the permission bits.
// - Only regular files open: a directory, FIFO, socket or device fails before it can block or
//   stream forever. The path is checked before opening (so a device is never opened) and the open
//   file again afterwards (so a swap in between is caught).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/file.h"

namespace platform {

namespace {

int Fd(FileHandle file) {
    return static_cast<int>(file);
}

bool LockWholeFile(int fd, OpenMode mode) {
    struct flock lock = {};
    lock.l_type = mode == OpenMode::Write ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;  // to the end, however far it grows
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool Writable(const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

class PosixFileSystem final : public FileSystem {
public:
    FileHandle Open(const char* path, OpenMode mode) override {
        struct stat info;
        if (path == nullptr || stat(path, &info) != 0 || !S_ISREG(info.st_mode))
            return kInvalidFile;
        if (mode == OpenMode::Write && !Writable(info))
            return kInvalidFile;

        int flags =
            (mode == OpenMode::Write ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
        int fd;
        do {
            fd = open(path, flags);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return kInvalidFile;

        if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
            (mode == OpenMode::Write && !Writable(info)) || !LockWholeFile(fd, mode)) {
            close(fd);
            return kInvalidFile;
        }
        return fd;
    }

    bool Seek(FileHandle file, std::uint64_t position) override {
        if (position > static_cast<std::uint64_t>(LLONG_MAX))
            return false;
        return lseek(Fd(file), static_cast<off_t>(position), SEEK_SET) != static_cast<off_t>(-1);
    }

    bool Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        auto* bytes = static_cast<unsigned char*>(buffer);
        while (got < size) {
            ssize_t n = read(Fd(file), bytes + got, size - got);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        return true;
    }

    bool Write(FileHandle file, const void* buffer, std::size_t size) override {
        std::size_t done = 0;
        const auto* bytes = static_cast<const unsigned char*>(buffer);
        while (done < size) {
            ssize_t n = write(Fd(file), bytes + done, size - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            if (n == 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    bool Flush(FileHandle file) override {
        int result;
        do {
            result = fsync(Fd(file));
        } while (result != 0 && errno == EINTR);
        return result == 0;
    }

    bool Close(FileHandle file) override {
        // Linux releases the descriptor even when close reports EINTR: never retry.
        return close(Fd(file)) == 0;
    }
};

}  // namespace

FileSystem& NativeFileSystem() {
    static PosixFileSystem files;
    return files;
}

}  // namespace platform
