// The `skin` command on Pellomir: the main window's manager is active with the stored
// skin after start-up; and a script that uses the command wrongly is refused.
#include <gtest/gtest.h>

#include <sstream>

#include "app/Program.h"
#include "tools/pellomir-script/driver/ScriptParser.h"
#include "tools/pellomir-script/driver/ScriptRunner.h"

namespace scripttest {
namespace {

TEST(PellomirScript, SkinPrintsTheManagersState) {
  std::ostringstream out, err;
  const int status = script::RunScriptText(
      "skin\n", {}, [] { return app::RunProgram("pellomir", {}); }, out, err);
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(out.str(),
            "SKIN sSkinManager1 active=1 info=14.01 skin=\"Emberfield (internal)\" path=\"\" "
            "directory=\"c:\\\\Skins\"\n");
}

TEST(PellomirScript, SkinTakesOnlyOnOrOff) {
  try {
    script::ParseScript("dump\nskin now\n");
    ADD_FAILURE() << "accepted";
  } catch (const script::ScriptError& e) {
    EXPECT_EQ(e.Line(), 2);
    EXPECT_STREQ(e.what(), "skin takes no argument, or \"on\" or \"off\"");
  }
}

}  // namespace
}  // namespace scripttest
