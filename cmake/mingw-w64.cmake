# Cross-compiles Kelvane.exe and its tests for 64-bit Windows with Debian's MinGW-w64, and runs
# the test programs under Wine (tools/wine-run). Use: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVANE_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread variant: GCC 12's win32 variant has no std::thread or std::mutex.
find_program(CMAKE_CXX_COMPILER NAMES ${KELVANE_MINGW_TRIPLE}-g++-posix ${KELVANE_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${KELVANE_MINGW_TRIPLE}-gcc-posix ${KELVANE_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KELVANE_MINGW_TRIPLE}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file to copy: no libgcc, libstdc++ or winpthread DLL beside the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine in the build's own prefix. Their tests are listed when ctest runs,
# not after each link, so that building needs no Wine and no display.
get_filename_component(KELVANE_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVANE_WINE_RUN})
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# find_package(GTest) finds cmake/modules/FindGTest.cmake, which builds GoogleTest from the
# Debian sources with the cross compiler.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/modules)
