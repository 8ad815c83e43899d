// Scripts driving a program made of framework forms: typing and reading texts, message
// boxes and modal forms taking the commands while they are up, name lookup (the active
// form first, Form.Name), pointer commands, keys, timers under `wait`, closing the program
// at the end (modal windows open or not), and the errors of commands that cannot run.
#include <gmock/gmock.h>

#include <iostream>
#include <sstream>

#include "RunnerTestSupport.h"
#include "ScriptProgramTestSupport.h"
#include "platform/win/MessageApi.h"

namespace scripttest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST_F(ScriptTest, TypedTextLandsInTheClickedEditAndReadsBackEscaped) {
  RunResult r = RunTest(
      "click Edit1\n"
      "type héllo wörld\n"
      "text Edit1\n"
      "click Memo1\n"
      "type a\\tb\\\\c\\nd\n"
      "text Memo1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Edit1 héllo wörld", "TEXT Memo1 a\\tb\\\\c\\r\\nd"));
  EXPECT_THAT(Log(), ElementsAre("closed", "ended"));  // closed through the main window
}

TEST_F(ScriptTest, TabInTypedTextIsTheTabKey) {
  // Edit1 does not take tabs: the key moves the focus on to Memo1, which gets the rest.
  RunResult r = RunTest("click Edit1\ntype a\\tb\ntext Edit1\ntext Memo1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Edit1 a", "TEXT Memo1 b"));
}

TEST_F(ScriptTest, KeysEditTextWithModifiers) {
  RunResult r = RunTest(
      "click Edit1\n"
      "type abcd\n"
      "key Left\n"
      "key Backspace\n"
      "text Edit1\n"
      "key Shift+Home\n"
      "type Z\n"
      "text Edit1\n"
      "key End\n"
      "key q\n"
      "key Shift+q\n"
      "key 5\n"
      "key Space\n"
      "text Edit1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Edit1 abd", "TEXT Edit1 Zd", "TEXT Edit1 ZdqQ5 "));
}

TEST_F(ScriptTest, AltCombinationsReleaseAltAndLeaveNoMenuModeBehind) {
  RunResult r = RunTest(
      "click Edit1\n"
      "key Alt+x\n"  // no menu takes it; the edit does not type it either
      "type y\n"
      "key Ctrl+Shift+Left\n"
      "type z\n"
      "text Edit1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Edit1 z"));
}

TEST_F(ScriptTest, CommandsWhileAMessageBoxIsUpGoToTheBox) {
  RunResult r = RunTest(
      "click BoxButton\n"
      "text Message\n"  // the box's label, found in the box: the active form
      "click No\n"      // the box's button
      "click BoxButton\n"
      "key Escape\n"  // Cancel
      "click BoxButton\n"
      "key Enter\n");  // the default button, Yes
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Message Really?"));
  EXPECT_THAT(Log(), ElementsAre("box=7", "box=2", "box=6", "closed", "ended"));
}

TEST_F(ScriptTest, TheWindowSystemsErrorBoxTakesKeysAndDumpsWithoutNames) {
  RunResult r = RunTest(
      "click FailButton\n"
      "dump\n"
      "key Enter\n"
      "click Edit1\n"
      "type works again\n"
      "text Edit1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines = r.Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_THAT(lines[1], ::testing::MatchesRegex("#32770 - \"Tester\" [0-9]+,[0-9]+,[0-9]+,[0-9]+ active"));
  EXPECT_THAT(lines, ::testing::Contains(::testing::MatchesRegex("  Button - \"OK\" [0-9,]+ focused")));
  // The message keeps its quotes escaped (and gets no full stop after a quote).
  EXPECT_THAT(lines, ::testing::Contains(::testing::StartsWith("  Static - \"Cannot create file \\\"x\\\"\" ")));
  EXPECT_THAT(lines, ::testing::Contains(::testing::StartsWith("TMainForm Form1 \"Script test\" 0,0,")));
  EXPECT_EQ(lines.back(), "TEXT Edit1 works again");
  // Its button has no component name to find.
  r = RunTest("click FailButton\nclick OK\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "ERROR line 2: no component \"OK\" in any form\n");
}

TEST_F(ScriptTest, BareNamesLookInTheActiveFormFirst) {
  RunResult r = RunTest(
      "click Edit1\n"
      "type main\n"
      "click OpenButton\n"
      "click Edit1\n"  // Form2's, the active form
      "type second\n"
      "text Edit1\n"
      "text Form1.Edit1\n"
      "text Form2.Edit1\n"
      "text Form2\n"  // a form's text is its caption
      "click OkButton\n"
      "text Edit1\n");  // Form1 is active again
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Edit1 second", "TEXT Form1.Edit1 main", "TEXT Form2.Edit1 second",
                                     "TEXT Form2 Second", "TEXT Edit1 main"));
  EXPECT_THAT(Log(), ElementsAre("form2=1", "closed", "ended"));
}

TEST_F(ScriptTest, ABoxOverAModalFormTakesTheKeysThenTheFormDoes) {
  RunResult r = RunTest(
      "click OpenButton\n"
      "click AskButton\n"
      "key Enter\n"    // the box's OK
      "click Edit1\n"  // Form2's edit: Enter there is the form's default button
      "key Enter\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(Log(), ElementsAre("ask=1", "form2=1", "closed", "ended"));
}

TEST_F(ScriptTest, TheEndOfTheScriptClosesTheProgramWithModalWindowsOpen) {
  RunResult r = RunTest("click OpenButton\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(Log(), ElementsAre("form2=2", "ended"));
  Log().clear();
  r = RunTest("click OpenButton\nclick AskButton\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(Log(), ElementsAre("ask=2", "form2=2", "ended"));
  Log().clear();
  r = RunTest("click BoxButton\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(Log(), ElementsAre("box=2", "ended"));
  Log().clear();
  r = RunTest("");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_THAT(Log(), ElementsAre("closed", "ended"));
}

TEST_F(ScriptTest, WaitLetsTimersFireAtTheirTimes) {
  RunResult r = RunTest(
      "click TimerButton\n"
      "text Label1\n"  // no program time passes between commands
      "wait 99\n"
      "text Label1\n"
      "wait 1\n"
      "text Label1\n"
      "wait 250\n"
      "text Label1\n"
      "wait 0\n"
      "text Label1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Label1 ticks 0", "TEXT Label1 ticks 0", "TEXT Label1 ticks 1",
                                     "TEXT Label1 ticks 3", "TEXT Label1 ticks 3"));
}

TEST_F(ScriptTest, PointerCommandsByNameAndByPoint) {
  RunResult r = RunTest(
      "rclick Label1\n"
      "wait 1000\n"
      "dblclick Label1\n"
      "press InnerButton\n"
      "move 1 1\n"
      "release 1 1\n"  // released away from the button: no click
      "wait 1000\n"
      "press InnerButton\n"
      "release InnerButton\n"
      "text Label1\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(Log(), ElementsAre("down right", "down left", "dbl", "down left", "inner", "closed", "ended"));
}

TEST_F(ScriptTest, ClicksAtScreenPointsAndTextAtAPoint) {
  // The form sits at 0,0; find Edit1 through the dump, then click into it by point.
  RunResult r = RunTest("dump\n");
  std::string edit;
  for (const std::string& l : r.Lines())
    if (l.find(" Edit1 ") != std::string::npos) edit = l;
  ASSERT_FALSE(edit.empty()) << r.out;
  int L = 0, T = 0, R = 0, B = 0;
  ASSERT_EQ(std::sscanf(edit.c_str(), " TEdit Edit1 \"\" %d,%d,%d,%d", &L, &T, &R, &B), 4) << edit;
  std::string at = std::to_string(L + 5) + " " + std::to_string(T + 5);
  r = RunTest("click " + at + "\ntype by point\ntext " + at + "\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Edit1 by point"));
}

TEST_F(ScriptTest, DumpListsWindowsFrontToBackWithIndentedChildren) {
  RunResult r = RunTest("click Edit1\ndump\nclick OpenButton\ndump\n");
  EXPECT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines = r.Lines();
  ASSERT_FALSE(lines.empty());
  // First dump: the main form, active, then its children one level in (the edit focused),
  // the group box's button two levels in, the label after the child windows.
  std::vector<std::string> first(lines.begin(), std::find(lines.begin(), lines.end(), "END") + 1);
  ASSERT_GE(first.size(), 3u);
  EXPECT_EQ(first.front(), "DUMP");
  EXPECT_THAT(first[1], ::testing::MatchesRegex("TMainForm Form1 \"Script test\" 0,0,[0-9]+,[0-9]+ active"));
  int R = 0, B = 0;
  ASSERT_EQ(std::sscanf(first[1].c_str(), "TMainForm Form1 \"Script test\" 0,0,%d,%d", &R, &B), 2);
  int frame = (R - 400) / 2;
  int top = B - 300 - frame;  // the client area's top on the screen
  auto at = [&](int l, int t, int w, int h) {
    return std::to_string(frame + l) + "," + std::to_string(top + t) + "," + std::to_string(frame + l + w) + "," +
           std::to_string(top + t + h);
  };
  auto index = [&](const std::vector<std::string>& v, const std::string& part) {
    for (std::size_t i = 0; i < v.size(); ++i)
      if (v[i].find(part) != std::string::npos) return static_cast<int>(i);
    return -1;
  };
  EXPECT_THAT(first, ::testing::Contains("  TMemo Memo1 \"\" " + at(8, 40, 200, 100)));
  int edit = index(first, " Edit1 ");
  ASSERT_EQ(edit, 2) << "the first child, in front";
  // The edit's height follows its font; its left, top and right are as placed.
  EXPECT_THAT(first[2], ::testing::StartsWith("  TEdit Edit1 \"\" " + std::to_string(frame + 8) + "," +
                                              std::to_string(top + 8) + "," + std::to_string(frame + 208) + ","));
  EXPECT_THAT(first[2], ::testing::EndsWith(" focused"));
  EXPECT_THAT(first, ::testing::Contains("  TButton BoxButton \"Box\" " + at(220, 8, 100, 25)));
  EXPECT_THAT(first,
              ::testing::Contains("  TGroupBox GroupBox1 \"Group \\\"q\\\" \\\\ back\" " + at(8, 150, 380, 100)));
  EXPECT_THAT(first, ::testing::Contains("  TLabel Label1 \"ticks 0\" " + at(330, 50, 60, 20)));
  for (const std::string& l : first) EXPECT_EQ(l.find("HiddenButton"), std::string::npos) << "hidden controls stay out";
  for (const std::string& l : first) EXPECT_EQ(l.find("Form2"), std::string::npos) << "the hidden form stays out";
  int group = index(first, " GroupBox1 ");
  int inner = index(first, " InnerButton ");
  ASSERT_GE(inner, 0);
  EXPECT_EQ(first[static_cast<std::size_t>(inner)].rfind("    TButton InnerButton \"Inner\" ", 0), 0u)
      << "two levels in: " << first[static_cast<std::size_t>(inner)];
  EXPECT_EQ(inner, group + 1) << "a child follows its parent";
  EXPECT_GT(index(first, " Label1 "), index(first, " Edit1 ")) << "non-windowed controls after the windows";
  EXPECT_EQ(first.back(), "END");
  // Second dump: the modal form in front, active; the main form behind it, disabled.
  std::vector<std::string> second(std::find(lines.begin(), lines.end(), "END") + 1, lines.end());
  ASSERT_GE(second.size(), 2u);
  EXPECT_EQ(second.front(), "DUMP");
  int form2 = index(second, "TSecondForm Form2 \"Second\" ");
  int form1 = index(second, "TMainForm Form1 ");
  ASSERT_EQ(form2, 1) << r.out;
  EXPECT_GT(form1, form2);
  EXPECT_THAT(second[static_cast<std::size_t>(form2)], ::testing::EndsWith(" active"));
  EXPECT_THAT(second[static_cast<std::size_t>(form1)], ::testing::EndsWith(" disabled"));
  EXPECT_THAT(second[static_cast<std::size_t>(form2) + 1], ::testing::StartsWith("  TEdit Edit1 \"\" "));
  EXPECT_THAT(second[static_cast<std::size_t>(form2) + 1], ::testing::EndsWith(" focused"));
}

TEST_F(ScriptTest, ScreenshotWritesThePngOfTheScreenSize) {
  std::string path = OutputPath("script-shot.png");
  std::remove(path.c_str());
  script::RunOptions o;
  o.screen = {800, 600};
  RunResult r = RunTest("click OpenButton\nscreenshot " + path + "\n", o);
  EXPECT_EQ(r.status, 0) << r.err;
  FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_TRUE(f);
  unsigned char head[24] = {};
  ASSERT_EQ(std::fread(head, 1, 24, f), 24u);
  std::fclose(f);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(head) + 1, 3), "PNG");
  auto be = [&](int at) { return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3]; };
  EXPECT_EQ(be(16), 800);
  EXPECT_EQ(be(20), 600);
}

TEST_F(ScriptTest, DensityScalesTheForms) {
  script::RunOptions o;
  o.dpi = 144;
  RunResult r = RunTest("dump\n", o);
  EXPECT_EQ(r.status, 0) << r.err;
  ASSERT_GE(r.Lines().size(), 2u);
  int R = 0, B = 0;
  ASSERT_EQ(std::sscanf(r.Lines()[1].c_str(), "TMainForm Form1 \"Script test\" 0,0,%d,%d", &R, &B), 2) << r.out;
  RunResult base = RunTest("dump\n");
  int R96 = 0, B96 = 0;
  ASSERT_EQ(std::sscanf(base.Lines()[1].c_str(), "TMainForm Form1 \"Script test\" 0,0,%d,%d", &R96, &B96), 2);
  // The 400 x 300 client area in a sizeable frame (8, caption 23) at 96; at 144 the client
  // is 1.5 times as large and so is the frame (12, caption 35).
  EXPECT_EQ(R96, 400 + 2 * 8);
  EXPECT_EQ(B96, 300 + 2 * 8 + 23);
  EXPECT_EQ(R, 600 + 2 * 12);
  EXPECT_EQ(B, 450 + 2 * 12 + 35);
}

TEST_F(ScriptTest, CommandsThatCannotRunReportTheirLineAndStopTheScript) {
  struct Case {
    std::string script, error;
  };
  for (const Case& c : std::vector<Case>{
           {"dump\n\nclick Nope\ntype never\n", "ERROR line 3: no component \"Nope\" in any form\n"},
           {"click HiddenButton\n", "ERROR line 1: HiddenButton is not visible\n"},
           {"click Form2.OkButton\n", "ERROR line 1: Form2.OkButton is not visible\n"},
           {"click OkButton\n", "ERROR line 1: OkButton is not visible\n"},
           {"text Form9.Edit1\n", "ERROR line 1: no form \"Form9\"\n"},
           {"move Form1.Nope\n", "ERROR line 1: form Form1 has no component \"Nope\"\n"},
           {"screenshot /nonexistent-dir/x/shot.png\n",
            "ERROR line 1: cannot write the screenshot \"/nonexistent-dir/x/shot.png\"\n"},
           {"click CloseButton\n# the program is gone now\ntext Edit1\n", "ERROR line 3: the program has closed\n"},
       }) {
    Log().clear();
    RunResult r = RunTest(c.script);
    EXPECT_EQ(r.status, 2) << c.script;
    EXPECT_EQ(r.err, c.error) << c.script;
    EXPECT_THAT(Log(), ::testing::Contains("ended")) << "the program was closed: " << c.script;
  }
  // A script that cannot be read never starts the program.
  Log().clear();
  RunResult r = RunTest("click Edit1\nclik Edit1\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "ERROR line 2: unknown command \"clik\"\n");
  EXPECT_TRUE(Log().empty());
  // Output of the commands before the failing one stays.
  r = RunTest("text Label1\nclick Nope\ntext Label1\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.Lines(), ElementsAre("TEXT Label1 ticks 0"));
}

TEST_F(ScriptTest, AProgramThatFailsOrEndsEarlyIsReported) {
  std::ostringstream out, err;
  int status = script::RunScriptText(
      "dump\n", {}, []() -> int { throw std::runtime_error("no skin"); }, out, err);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err.str(), "ERROR line 1: the program stopped with an error: no skin\n");
  std::ostringstream out2, err2;
  status = script::RunScriptText(
      "# nothing to do\n", {}, [] { return 3; }, out2, err2);
  EXPECT_EQ(status, 0) << "no command missed";
  status = script::RunScriptText(
      "\ndump\n", {}, [] { return 0; }, out2, err2);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err2.str(), "ERROR line 2: the program has closed\n");
  std::ostringstream out3, err3;
  status = script::RunScriptText(
      "dump\n", {}, [] { return 1; }, out3, err3);  // it could not start
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err3.str(), "ERROR line 1: the program has closed with status 1\n");
}

TEST(ScriptDeathTest, AProgramThatIgnoresEveryQuitIsAbandoned) {
  // A loop of its own that never ends: the driver gives up after many requests to quit.
  auto stubborn = [] {
    for (;;) {
      win::MSG m;
      win::GetMessage(&m, nullptr, 0, 0);
    }
    return 0;
  };
  EXPECT_EXIT(
      {
        std::ostringstream out;
        script::RunScriptText("dump\n", {}, stubborn, out, std::cerr);
      },
      ::testing::ExitedWithCode(2), "ERROR line 1: the program does not close");
}

}  // namespace
}  // namespace scripttest
