#include "RunnerTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "ScriptProgramTestSupport.h"
#include "platform/forms/Application.h"

namespace scripttest {

std::vector<std::string> RunResult::Lines() const {
  std::vector<std::string> lines;
  std::istringstream s(out);
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  return lines;
}

RunResult RunTest(const std::string& script, const script::RunOptions& options) {
  std::ostringstream out, err;
  RunResult r;
  r.status = script::RunScriptText(script, options, &RunTestProgram, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

void ScriptTest::SetUp() {
  Log().clear();
  forms::TApplicationRef::Reset();
}

void ScriptTest::TearDown() { forms::TApplicationRef::Reset(); }

std::string OutputPath(const std::string& name) {
  // Under CTest the build folder; run by hand, the temporary folder (not the source tree).
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  return (dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path()) / name;
}

}  // namespace scripttest
