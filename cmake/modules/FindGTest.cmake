# GoogleTest for a cross build: no Windows binaries of it exist on the build machine, so it is
# built from the sources Debian ships (package googletest) with the project's compiler. Defines
# GTest::gtest, GTest::gtest_main, GTest::gmock and GTest::gmock_main, as the native find does.
if(TARGET GTest::gtest)
  set(GTest_FOUND TRUE)
  return()
endif()

find_path(KELVANE_GOOGLETEST_SOURCE CMakeLists.txt PATHS /usr/src/googletest NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH)
if(NOT KELVANE_GOOGLETEST_SOURCE)
  set(GTest_FOUND FALSE)
  if(GTest_FIND_REQUIRED)
    message(FATAL_ERROR "GoogleTest sources not found in /usr/src/googletest (Debian package googletest)")
  endif()
  return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${KELVANE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(name gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${name})
    add_library(GTest::${name} ALIAS ${name})
  endif()
endforeach()
set(GTest_FOUND TRUE)
set(GTEST_FOUND TRUE)
