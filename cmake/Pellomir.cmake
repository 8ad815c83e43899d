# Shared build settings and helpers for every layer.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
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
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# pellomir_bench(<name> [DIRS <sub-folders>] [DEPS <libs>])
function(pellomir_bench name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;SOURCES" ${ARGN})
  pellomir_sources(srcs ${A_DIRS})
  add_executable(${name} ${srcs} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE pellomir_options ${A_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
