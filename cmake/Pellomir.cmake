# Shared build settings and helpers for every layer.

option(PELLOMIR_PCH "Precompile the standard library headers (and GoogleTest for the tests)" ON)

# ccache, told that precompiled headers are in use: it cannot see #defines or __TIME__
# through a precompiled header, so it must be allowed to ignore them (pch_defines,
# time_macros); the include_file_* entries keep a header made during the build cacheable.
# Paths under the source folder are hashed relative to it (base_dir) and the build folder
# is left out of the hash (hash_dir off), so another checkout of the same code at another
# path, such as a fresh clone or a second work tree, hits the cache the first one filled.
# The price: an object taken from the cache names the first checkout's folder in its debug
# information.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(launcher env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1)
  if(PELLOMIR_PCH)
    list(APPEND launcher CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime)
  endif()
  list(APPEND launcher ${CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()

add_library(pellomir_options INTERFACE)
target_compile_options(pellomir_options INTERFACE -Wall -Wextra)
target_include_directories(pellomir_options INTERFACE ${PROJECT_SOURCE_DIR})
if(PELLOMIR_SANITIZE)
  target_compile_definitions(pellomir_options INTERFACE PELLOMIR_SANITIZE)  # assertions on
  target_compile_options(pellomir_options INTERFACE
    -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(pellomir_options INTERFACE -fsanitize=address,undefined)
endif()

# Precompiled headers, one per kind of target: `library` (libraries, tools and the
# program: the standard headers most files use), `test` (those and GoogleTest, the file
# system and file streams) and `bench` (those and Google Benchmark). Each kind is built
# once, on a small host target with the flags every target takes (pellomir_options), and
# reused by the others of its kind; -Winvalid-pch (added by CMake) warns if a target's
# flags ever stop matching.
set(PELLOMIR_PCH_library
    <algorithm> <any> <cmath> <cstdint> <cstring> <functional> <map> <memory> <optional> <span> <string>
    <string_view> <utility> <vector>)
set(PELLOMIR_PCH_test ${PELLOMIR_PCH_library} <filesystem> <fstream> <gtest/gtest.h>)
set(PELLOMIR_PCH_bench ${PELLOMIR_PCH_library} <benchmark/benchmark.h>)

# GCC 12 loses the `#pragma GCC diagnostic` state of headers read from a precompiled
# header, so the -Warray-bounds and -Wstringop-* false positives libstdc++ silences for its
# own string code (char_traits.h) show again wherever a test joins strings. The test
# programs, which join strings in almost every message, take those warnings off; the
# libraries keep them.
set(PELLOMIR_PCH_test_options)
if(PELLOMIR_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  set(PELLOMIR_PCH_test_options -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
endif()

# pellomir_precompiled_headers(<target> <library|test|bench>)
function(pellomir_precompiled_headers target kind)
  if(NOT PELLOMIR_PCH)
    return()
  endif()
  set(host pellomir_pch_${kind})
  if(NOT TARGET ${host})
    add_library(${host} OBJECT ${PROJECT_SOURCE_DIR}/cmake/PrecompiledHost.cpp)
    target_link_libraries(${host} PRIVATE pellomir_options)
    if(kind STREQUAL "test")
      target_link_libraries(${host} PRIVATE GTest::gtest)
    elseif(kind STREQUAL "bench")
      target_link_libraries(${host} PRIVATE benchmark::benchmark)
    endif()
    target_precompile_headers(${host} PRIVATE ${PELLOMIR_PCH_${kind}})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${host})
  if(kind STREQUAL "test")
    target_compile_options(${target} PRIVATE ${PELLOMIR_PCH_test_options})
  endif()
endfunction()

# Collects the .cpp files of the current folder, or of the given sub-folders.
function(pellomir_sources out)
  set(srcs)
  if(ARGN)
    foreach(d ${ARGN})
      file(GLOB s CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp)
      list(APPEND srcs ${s})
    endforeach()
  else()
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# pellomir_library(<name> [DIRS <sub-folders>] [DEPS <public libs>] [PRIVATE_DEPS <libs>])
# Builds the .cpp files of the current folder (or of DIRS) into one static library.
function(pellomir_library name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;PRIVATE_DEPS" ${ARGN})
  pellomir_sources(srcs ${A_DIRS})
  add_library(${name} STATIC ${srcs})
  target_link_libraries(${name} PUBLIC pellomir_options ${A_DEPS} PRIVATE ${A_PRIVATE_DEPS})
  pellomir_precompiled_headers(${name} library)
endfunction()

# pellomir_test(<name> [DIRS <sub-folders>] [DEPS <libs>] [SOURCES <extra sources>])
# One test program per layer, registered test by test with CTest.
function(pellomir_test name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;SOURCES" ${ARGN})
  pellomir_sources(srcs ${A_DIRS})
  add_executable(${name} ${srcs} ${A_SOURCES} ${PROJECT_SOURCE_DIR}/tests/TestPaths.cpp)
  target_link_libraries(${name} PRIVATE pellomir_options ${A_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/tests/TestPaths.cpp TARGET_DIRECTORY ${name} APPEND PROPERTY
    COMPILE_DEFINITIONS PELLOMIR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}" PELLOMIR_TEST_BUILD_DIR="${PROJECT_BINARY_DIR}")
  pellomir_precompiled_headers(${name} test)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# pellomir_bench(<name> [DIRS <sub-folders>] [DEPS <libs>])
function(pellomir_bench name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;SOURCES" ${ARGN})
  pellomir_sources(srcs ${A_DIRS})
  add_executable(${name} ${srcs} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE pellomir_options ${A_DEPS} benchmark::benchmark benchmark::benchmark_main)
  pellomir_precompiled_headers(${name} bench)
endfunction()
