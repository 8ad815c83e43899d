// The driver's --extended-borders on Pellomir: the main window gets its border window (the
// stored skin's frame, title band and shadow around it); without the option the program's
// own setting holds and no border window exists.
#include <gtest/gtest.h>

#include <sstream>

#include "app/Program.h"
#include "tools/pellomir-script/driver/ScriptRunner.h"

namespace scripttest {
namespace {

std::string DumpUnderTheDriver(bool extended) {
  std::ostringstream out, err;
  script::RunOptions options;
  options.extendedBorders = extended;
  const int status = script::RunScriptText(
      "dump\n", options, [] { return app::RunProgram("pellomir", {}); }, out, err);
  EXPECT_EQ(status, 0) << err.str();
  return out.str();
}

TEST(PellomirScript, ExtendedBordersOptionShowsTheBorderWindow) {
  const std::string on = DumpUnderTheDriver(true);
  // The main window at (0, 0), 670 x 585: its client area at (8, 31) gets 15 + 24 to the
  // left and 36 + 24 above, 15 + 24 to the right and below.
  EXPECT_NE(on.find("\nTacBorderForm - \"\" -31,-29,701,616\n"), std::string::npos) << on;
  EXPECT_NE(on.find("TForm1 Form1 \"Pellomir by Orvanta V1.0\" 0,0,670,585 active"), std::string::npos) << on;
  const std::string off = DumpUnderTheDriver(false);
  EXPECT_EQ(off.find("TacBorderForm"), std::string::npos) << off;
}

}  // namespace
}  // namespace scripttest
