#include "platform/file.h"

namespace platform {

namespace {
FileSystem* g_installed = nullptr;
}

FileSystem& Files() {
    return g_installed ? *g_installed : NativeFileSystem();
}

FileSystem* InstallFileSystem(FileSystem* files) {
    FileSystem* previous = g_installed ? g_installed : &NativeFileSystem();
    g_installed = files;
    return previous;
}

}  // namespace platform
