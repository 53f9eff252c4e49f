// The file operations the engine needs, and nothing more. Each port implements one FileSystem;
// tests can install another in front of it (to fail a chosen call) with InstallFileSystem.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// An open file. The value is the port's own; kInvalidFile means "not open".
using FileHandle = std::intptr_t;
inline constexpr FileHandle kInvalidFile = -1;

enum class OpenMode {
    // Read access; other programs may read the file too, nobody may write it meanwhile.
    Scan,
    // Read and write access; no other program may open the file meanwhile. Never creates
    // and never truncates.
    Write,
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Opens an existing regular file positioned at its start, or returns kInvalidFile.
    virtual FileHandle Open(const char* path, OpenMode mode) = 0;
    // Moves to an absolute position.
    virtual bool Seek(FileHandle file, std::uint64_t position) = 0;
    // Fills the buffer unless the file ends first; `got` is what was read (0 at the end).
    // False only on an error.
    virtual bool Read(FileHandle file, void* buffer, std::size_t size, std::size_t& got) = 0;
    // Writes every byte or fails.
    virtual bool Write(FileHandle file, const void* buffer, std::size_t size) = 0;
    // Makes what was written reach the disk.
    virtual bool Flush(FileHandle file) = 0;
    // Always releases the handle; false when the system reports an error on closing.
    virtual bool Close(FileHandle file) = 0;
};

// The port's own file system.
FileSystem& NativeFileSystem();

// The one in use: the native one unless another was installed.
FileSystem& Files();

// Puts `files` in use (nullptr restores the native one) and returns what was in use before.
FileSystem* InstallFileSystem(FileSystem* files);

// Closes on scope exit unless released; for paths where a failed close changes nothing.
class ScopedFile {
public:
    explicit ScopedFile(FileHandle file) : m_file(file) {}
    ~ScopedFile() {
        if (m_file != kInvalidFile)
            Files().Close(m_file);
    }
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;

    FileHandle get() const { return m_file; }
    bool is_open() const { return m_file != kInvalidFile; }
    // Closes now and reports whether the close succeeded.
    bool Close() {
        FileHandle file = m_file;
        m_file = kInvalidFile;
        return Files().Close(file);
    }

private:
    FileHandle m_file;
};

}  // namespace platform
