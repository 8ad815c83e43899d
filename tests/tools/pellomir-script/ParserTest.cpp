// Reading scripts: commands and their arguments, comments and line numbers, targets,
// the escapes of `type`, key names, and the reasons given for lines that are not commands.
#include <gtest/gtest.h>

#include "platform/win/Keys.h"
#include "tools/pellomir-script/driver/Escaping.h"
#include "tools/pellomir-script/driver/KeyChord.h"
#include "tools/pellomir-script/driver/ScriptParser.h"

namespace scripttest {
namespace {

using script::CommandKind;
using script::ParseScript;
using script::ScriptError;

// The "line N: reason" of the first bad line.
std::string ErrorOf(const std::string& text) {
  try {
    ParseScript(text);
  } catch (const ScriptError& e) {
    return "line " + std::to_string(e.Line()) + ": " + e.what();
  }
  return "no error";
}

TEST(Parser, CommandsCommentsAndLineNumbers) {
  auto cmds = ParseScript(
      "# a comment\n"
      "\n"
      "   click sBitBtn1\r\n"
      "dblclick 10 20\n"
      "  # an indented comment\n"
      "rclick Form2.sImage4\n"
      "move -5 7\n"
      "press A\n"
      "release 1 1\n"
      "type x\n"
      "key Ctrl+S\n"
      "wait 250\n"
      "text sMemo1\n"
      "dump\n"
      "screenshot out dir/shot 1.png\n");
  ASSERT_EQ(cmds.size(), 12u);
  EXPECT_EQ(cmds[0].line, 3);
  EXPECT_EQ(cmds[0].kind, CommandKind::Click);
  EXPECT_FALSE(cmds[0].target.isPoint);
  EXPECT_EQ(cmds[0].target.name, u"sBitBtn1");
  EXPECT_TRUE(cmds[0].target.form.empty());
  EXPECT_EQ(cmds[0].target.written, "sBitBtn1");  // no trailing CR
  EXPECT_EQ(cmds[1].kind, CommandKind::DoubleClick);
  EXPECT_TRUE(cmds[1].target.isPoint);
  EXPECT_EQ(cmds[1].target.point.X, 10);
  EXPECT_EQ(cmds[1].target.point.Y, 20);
  EXPECT_EQ(cmds[2].line, 6);
  EXPECT_EQ(cmds[2].target.form, u"Form2");
  EXPECT_EQ(cmds[2].target.name, u"sImage4");
  EXPECT_EQ(cmds[2].target.written, "Form2.sImage4");
  EXPECT_EQ(cmds[3].target.point.X, -5);
  EXPECT_EQ(cmds[4].kind, CommandKind::Press);
  EXPECT_EQ(cmds[5].kind, CommandKind::Release);
  EXPECT_EQ(cmds[6].typed, u"x");
  EXPECT_EQ(cmds[7].key.vk, 'S');
  EXPECT_TRUE(cmds[7].key.ctrl);
  EXPECT_EQ(cmds[8].ms, 250u);
  EXPECT_EQ(cmds[9].kind, CommandKind::Text);
  EXPECT_EQ(cmds[10].kind, CommandKind::Dump);
  EXPECT_EQ(cmds[11].file, "out dir/shot 1.png");
  EXPECT_TRUE(ParseScript("").empty());
  EXPECT_TRUE(ParseScript("# only\n\n   \n").empty());
}

TEST(Parser, SkinCommandsTakeTheirWords) {
  auto cmds = ParseScript("skin\nskin off\nskin  on \npreview  skins/My Skin \n");
  ASSERT_EQ(cmds.size(), 4u);
  EXPECT_EQ(cmds[0].kind, CommandKind::Skin);
  EXPECT_EQ(cmds[1].kind, CommandKind::SkinSwitch);
  EXPECT_FALSE(cmds[1].on);
  EXPECT_EQ(cmds[2].kind, CommandKind::SkinSwitch);
  EXPECT_TRUE(cmds[2].on);
  EXPECT_EQ(cmds[3].kind, CommandKind::Preview);
  EXPECT_EQ(cmds[3].file, "skins/My Skin") << "blanks inside the folder's name are kept";
}

TEST(Parser, TypeKeepsTheRestOfTheLineAndResolvesEscapes) {
  auto cmds = ParseScript(
      "type http://127.0.0.1:8080/sitemap.xml\n"
      "type  two blanks kept # not a comment \n"
      "type a\\nb\\tc\\\\d\n"
      "type Привет, мир\n");
  EXPECT_EQ(cmds[0].typed, u"http://127.0.0.1:8080/sitemap.xml");
  EXPECT_EQ(cmds[1].typed, u" two blanks kept # not a comment ");
  EXPECT_EQ(cmds[2].typed, u"a\nb\tc\\d");
  EXPECT_EQ(cmds[3].typed, u"Привет, мир");
}

TEST(Parser, BadLinesSayWhatIsWrongAndWhere) {
  EXPECT_EQ(ErrorOf("# c\n\nclik 1 2\n"), "line 3: unknown command \"clik\"");
  EXPECT_EQ(ErrorOf("Click x"), "line 1: unknown command \"Click\"");
  EXPECT_EQ(ErrorOf("dump\nclick"), "line 2: click needs a point \"X Y\" or a component name");
  EXPECT_EQ(ErrorOf("click 1 2 3"), "line 1: \"1 2 3\" is neither a point \"X Y\" nor a component name");
  EXPECT_EQ(ErrorOf("move 10"), "line 1: \"10\" is neither a point \"X Y\" nor a component name");
  EXPECT_EQ(ErrorOf("text a.b.c"), "line 1: \"a.b.c\" is neither a point \"X Y\" nor a component name");
  EXPECT_EQ(ErrorOf("text .x"), "line 1: \".x\" is neither a point \"X Y\" nor a component name");
  EXPECT_EQ(ErrorOf("press 1 y"), "line 1: \"1 y\" is neither a point \"X Y\" nor a component name");
  EXPECT_EQ(ErrorOf("click 99999999 1"), "line 1: \"99999999 1\" is neither a point \"X Y\" nor a component name");
  EXPECT_EQ(ErrorOf("type"), "line 1: type needs the text to type");
  EXPECT_EQ(ErrorOf("type c:\\Skins"), "line 1: unknown escape \"\\S\" (use \\n, \\t or \\\\)");
  EXPECT_EQ(ErrorOf("type \\ж"), "line 1: unknown escape \"\\ж\" (use \\n, \\t or \\\\)");
  EXPECT_EQ(ErrorOf("type end\\"), "line 1: the text ends in a lone \"\\\" (write \\\\ for a backslash)");
  EXPECT_EQ(ErrorOf("type \xff\xfe"), "line 1: the text is not valid UTF-8");
  EXPECT_EQ(ErrorOf("type \xed\xa0\x80"), "line 1: the text is not valid UTF-8");  // a surrogate
  EXPECT_EQ(ErrorOf("type \xc0\xaf"), "line 1: the text is not valid UTF-8");      // overlong
  EXPECT_EQ(ErrorOf("key"), "line 1: key needs a key such as Enter or Ctrl+A");
  EXPECT_EQ(ErrorOf("key Ctrl + A"), "line 1: key takes one key, such as Enter or Ctrl+A");
  EXPECT_EQ(ErrorOf("wait"), "line 1: wait needs a time in milliseconds");
  EXPECT_EQ(ErrorOf("wait -5"), "line 1: \"-5\" is not a time in milliseconds");
  EXPECT_EQ(ErrorOf("wait 1.5"), "line 1: \"1.5\" is not a time in milliseconds");
  EXPECT_EQ(ErrorOf("wait 3600001"), "line 1: wait is limited to 3600000 ms");
  EXPECT_EQ(ErrorOf("wait 99999999999999999999999"),
            "line 1: \"99999999999999999999999\" is not a time in milliseconds");
  EXPECT_EQ(ErrorOf("dump all"), "line 1: dump takes no arguments");
  EXPECT_EQ(ErrorOf("screenshot"), "line 1: screenshot needs a file name");
  EXPECT_EQ(ErrorOf("preview"), "line 1: preview needs a skin folder");
  EXPECT_EQ(ErrorOf("skin maybe"), "line 1: skin takes no argument, or \"on\" or \"off\"");
  EXPECT_EQ(ErrorOf("skin on off"), "line 1: skin takes no argument, or \"on\" or \"off\"");
  EXPECT_EQ(ParseScript("wait 3600000")[0].ms, 3600000u);
}

TEST(KeyChord, NamesPrefixesAndMistakes) {
  std::string error;
  struct Case {
    const char* chord;
    int vk;
    bool shift, ctrl, alt;
  };
  for (const Case& c : std::vector<Case>{
           {"Enter", win::VK_RETURN, false, false, false},
           {"escape", win::VK_ESCAPE, false, false, false},
           {"Tab", win::VK_TAB, false, false, false},
           {"Space", win::VK_SPACE, false, false, false},
           {"Backspace", win::VK_BACK, false, false, false},
           {"Delete", win::VK_DELETE, false, false, false},
           {"Home", win::VK_HOME, false, false, false},
           {"End", win::VK_END, false, false, false},
           {"Left", win::VK_LEFT, false, false, false},
           {"Right", win::VK_RIGHT, false, false, false},
           {"Up", win::VK_UP, false, false, false},
           {"Down", win::VK_DOWN, false, false, false},
           {"PageUp", win::VK_PRIOR, false, false, false},
           {"PageDown", win::VK_NEXT, false, false, false},
           {"F1", win::VK_F1, false, false, false},
           {"f12", win::VK_F12, false, false, false},
           {"F10", win::VK_F10, false, false, false},
           {"a", 'A', false, false, false},
           {"Z", 'Z', false, false, false},
           {"7", '7', false, false, false},
           {"Shift+Tab", win::VK_TAB, true, false, false},
           {"Alt+F4", win::VK_F4, false, false, true},
           {"ctrl+shift+End", win::VK_END, true, true, false},
           {"Alt+Ctrl+Shift+x", 'X', true, true, true},
       }) {
    auto k = script::ParseKeyChord(c.chord, error);
    ASSERT_TRUE(k) << c.chord << ": " << error;
    EXPECT_EQ(k->vk, c.vk) << c.chord;
    EXPECT_EQ(k->shift, c.shift) << c.chord;
    EXPECT_EQ(k->ctrl, c.ctrl) << c.chord;
    EXPECT_EQ(k->alt, c.alt) << c.chord;
  }
  for (const auto& [chord, reason] : std::vector<std::pair<const char*, std::string>>{
           {"F13", "unknown key \"F13\""},
           {"F0", "unknown key \"F0\""},
           {"F01", "unknown key \"F01\""},
           {"Return", "unknown key \"Return\""},
           {"ab", "unknown key \"ab\""},
           {"+", "unknown key \"+\""},
           {"Ctrl+", "unknown key \"Ctrl+\""},
           {"Win+A", "unknown prefix \"Win+\" (use Shift+, Ctrl+ or Alt+)"},
           {"Ctrl+Ctrl+A", "prefix \"Ctrl+\" given twice"},
           {"Shift+é", "unknown key \"é\""},
       }) {
    EXPECT_FALSE(script::ParseKeyChord(chord, error)) << chord;
    EXPECT_EQ(error.substr(0, reason.size()), reason) << chord;
  }
}

TEST(Escaping, OutputEscapesBackslashLineBreaksTabsAndOnRequestQuotes) {
  EXPECT_EQ(script::EscapeText(u"plain"), "plain");
  EXPECT_EQ(script::EscapeText(u"a\r\nb\tc\\d"), "a\\r\\nb\\tc\\\\d");
  EXPECT_EQ(script::EscapeText(u"\\n is not a line break"), "\\\\n is not a line break");
  EXPECT_EQ(script::EscapeText(u"say \"hi\""), "say \"hi\"");
  EXPECT_EQ(script::EscapeText(u"say \"hi\"", script::EscapeQuotes::Yes), "say \\\"hi\\\"");
  EXPECT_EQ(script::EscapeText(u" Найдено URL: 0 "), " Найдено URL: 0 ");
  EXPECT_EQ(script::EscapeText(u""), "");
  // What `type` reads back is what `text` printed, for texts without quotes.
  std::string error;
  for (const std::u16string s : {u"a\nb\tc\\d", u"\\\\", u"ж\\n"}) {
    std::string printed = script::EscapeText(s);
    EXPECT_EQ(script::UnescapeTyped(printed, error), s);
  }
}

}  // namespace
}  // namespace scripttest
