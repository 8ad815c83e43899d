// The driver's command line: options, the script file or standard input, the program's
// own arguments after "--", and the reports for a bad command line or an unreadable script.
#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "RunnerTestSupport.h"
#include "ScriptProgramTestSupport.h"
#include "tools/pellomir-script/driver/Driver.h"

namespace scripttest {
namespace {

using script::ParseDriverArgs;

TEST(DriverArgs, OptionsScriptAndProgramArguments) {
  std::string error;
  auto d = ParseDriverArgs({"--screen", "800x600", "--dpi", "120", "run.txt", "--", "/acpreview", "--dpi"}, error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->run.screen.cx, 800);
  EXPECT_EQ(d->run.screen.cy, 600);
  EXPECT_EQ(d->run.dpi, 120);
  EXPECT_EQ(d->scriptPath, "run.txt");
  EXPECT_THAT(d->programArgs, ::testing::ElementsAre("/acpreview", "--dpi"));
  d = ParseDriverArgs({"-"}, error);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->scriptPath, "-");
  EXPECT_EQ(d->run.screen.cx, 1280);
  EXPECT_EQ(d->run.screen.cy, 1024);
  EXPECT_EQ(d->run.dpi, 96);
  EXPECT_FALSE(d->run.extendedBorders);
  EXPECT_TRUE(d->programArgs.empty());
  d = ParseDriverArgs({"--extended-borders", "s", "--", "--extended-borders"}, error);
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->run.extendedBorders);
  EXPECT_THAT(d->programArgs, ::testing::ElementsAre("--extended-borders"));
  for (const auto& [args, reason] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{}, "no script given"},
           {{"--", "x"}, "no script given"},
           {{"a", "b"}, "one script only (program arguments go after \"--\")"},
           {{"--screen"}, "--screen needs a value"},
           {{"--screen", "800", "s"}, "--screen takes WIDTHxHEIGHT, each from 64 to 16384, not \"800\""},
           {{"--screen", "800x", "s"}, "--screen takes WIDTHxHEIGHT, each from 64 to 16384, not \"800x\""},
           {{"--screen", "10x10", "s"}, "--screen takes WIDTHxHEIGHT, each from 64 to 16384, not \"10x10\""},
           {{"--dpi", "0", "s"}, "--dpi takes a density from 24 to 960, not \"0\""},
           {{"--dpi", "9x", "s"}, "--dpi takes a density from 24 to 960, not \"9x\""},
           {{"--verbose", "s"}, "unknown option \"--verbose\""},
       }) {
    EXPECT_FALSE(ParseDriverArgs(args, error));
    EXPECT_EQ(error, reason);
  }
}

class Driver : public ScriptTest {
 protected:
  int Run(const std::vector<std::string>& args, const std::string& stdinText = "") {
    std::istringstream in(stdinText);
    std::ostringstream out, err;
    int status = script::DriverMain(
        args,
        [this](const std::vector<std::string>& params) -> script::Program {
          programArgs = params;
          return &RunTestProgram;
        },
        in, out, err);
    this->out = out.str();
    this->err = err.str();
    return status;
  }
  std::vector<std::string> programArgs;
  std::string out, err;
};

TEST_F(Driver, RunsAScriptFileOrStandardInput) {
  std::string path = OutputPath("script-driver-test.txt");
  {
    std::ofstream f(path);
    f << "click Edit1\ntype from a file\ntext Edit1\n";
  }
  EXPECT_EQ(Run({path, "--", "one", "two"}), 0) << err;
  EXPECT_EQ(out, "TEXT Edit1 from a file\n");
  EXPECT_THAT(programArgs, ::testing::ElementsAre("one", "two"));
  EXPECT_EQ(Run({"--screen", "640x480", "-"}, "text Form1\n"), 0) << err;
  EXPECT_EQ(out, "TEXT Form1 Script test\n");
}

TEST_F(Driver, ReportsABadCommandLineOrAnUnreadableScript) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_THAT(err, ::testing::StartsWith("pellomir-script: no script given\nusage: pellomir-script "));
  EXPECT_EQ(Run({"/nonexistent/script.txt"}), 2);
  EXPECT_EQ(err, "pellomir-script: cannot read the script \"/nonexistent/script.txt\"\n");
  EXPECT_EQ(Run({"-"}, "wait x\n"), 2);
  EXPECT_EQ(err, "ERROR line 1: \"x\" is not a time in milliseconds\n");
  EXPECT_TRUE(Log().empty()) << "the program never started";
}

}  // namespace
}  // namespace scripttest
