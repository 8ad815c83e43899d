#pragma once
// Running the test program under a script text: the exit status, what it printed, and
// the lines of the output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/pellomir-script/driver/ScriptRunner.h"

namespace scripttest {

struct RunResult {
  int status = -1;
  std::string out, err;
  std::vector<std::string> Lines() const;
};

RunResult RunTest(const std::string& script, const script::RunOptions& options = {});

// A fresh application before and after each test.
class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Where test files go (the build folder, or the temporary folder outside CTest).
std::string OutputPath(const std::string& name);

}  // namespace scripttest
