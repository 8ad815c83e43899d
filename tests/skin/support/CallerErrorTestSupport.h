#pragma once
// A fixture for death tests of caller errors: its cases run only where PELLOMIR_ASSERT is
// on (Debug and the sanitizer build) and are skipped elsewhere.
#include <gtest/gtest.h>

#include "platform/base/Assert.h"

namespace skin::test {

class CallerErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!PELLOMIR_ASSERTIONS_ON) GTEST_SKIP() << "assertions are off in this build";
  }
};

// What an assertion prints before it stops the program.
inline constexpr char kAssertionFailed[] = "assertion failed";

}  // namespace skin::test
