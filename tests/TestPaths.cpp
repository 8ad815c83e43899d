// Built into every test program: tells the tests where the source and build folders are,
// through the environment variables they read, unless the caller has set them already.
#include <cstdlib>

namespace {

struct TestPaths {
  TestPaths() {
    setenv("PELLOMIR_SOURCE_DIR", PELLOMIR_TEST_SOURCE_DIR, 0);
    setenv("PELLOMIR_BUILD_DIR", PELLOMIR_TEST_BUILD_DIR, 0);
  }
} const testPaths;

}  // namespace
