// Section keys with inheritance through PARENTCLASS.
#include <gtest/gtest.h>

#include "skin/data/acSectionReader.h"
#include "skin/data/acSkinIni.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::Parse;

TEST(SectionReader, MissingKeysComeFromTheParentChain) {
  const TacSkinIni ini = Parse(
      u"[BUTTON]\nCOLOR=100\nGIVEOWNFONT=TRUE\nAUTHOR=b\n"
      u"[TOOLBUTTON]\nPARENTCLASS=BUTTON\nFONTCOLOR=5\n"
      u"[SPEEDBUTTON]\nPARENTCLASS=TOOLBUTTON\nAUTHOR=\n");
  const TacSectionReader speed(ini, u"SPEEDBUTTON");
  EXPECT_EQ(speed.Chain().size(), 3u);
  EXPECT_EQ(speed.ReadInt(u"COLOR", 0xFFFFFF), 100);
  EXPECT_EQ(speed.ReadInt(u"FONTCOLOR", 0), 5);
  EXPECT_TRUE(speed.ReadBool(u"GIVEOWNFONT", false));
  EXPECT_EQ(speed.ReadText(u"AUTHOR", u""), u"b");  // an empty text counts as missing
}

TEST(SectionReader, HotKeysDoNotFallBackToTheNormalKey) {
  const TacSkinIni ini = Parse(u"[PANEL]\nCOLOR=8217672\nSTATES=3\n");
  const TacSectionReader panel(ini, u"PANEL");
  EXPECT_EQ(panel.ReadInt(u"HOTCOLOR", 0xFFFFFF), 0xFFFFFF);
  EXPECT_EQ(panel.ReadInt(u"COLOR", 0xFFFFFF), 8217672);
}

TEST(SectionReader, NegativeAndUnparsableValuesCountAsMissing) {
  const TacSkinIni ini = Parse(u"[BASE]\nCOLOR=7\nGLOW=9\n[X]\nPARENTCLASS=BASE\nCOLOR=-5\nGLOW=abc\nSTATES=-1\n");
  const TacSectionReader x(ini, u"X");
  EXPECT_EQ(x.ReadInt(u"COLOR", 0), 7);
  EXPECT_EQ(x.ReadInt(u"GLOW", 0), 9);
  EXPECT_EQ(x.ReadInt(u"STATES", 3), 3);
}

TEST(SectionReader, ResultsAreLimitedToTheMaximum) {
  const TacSkinIni ini = Parse(u"[X]\nGLOW=300\nOUTBLUR=10\n");
  const TacSectionReader x(ini, u"X");
  EXPECT_EQ(x.ReadInt(u"GLOW", 0, 255), 255);
  EXPECT_EQ(x.ReadInt(u"OUTBLUR", 9, 30), 10);
  // Outer offsets: missing reads -1, which stays below the maximum.
  EXPECT_EQ(x.ReadInt(u"OUTOFFSL", -1, 255), -1);
}

TEST(SectionReader, ChainsEndAtSelfEmptyQuestionMarkAndLoops) {
  const TacSkinIni ini = Parse(
      u"[SELF]\nPARENTCLASS=SELF\n"
      u"[Q]\nPARENTCLASS=?\n"
      u"[E]\nPARENTCLASS=\n"
      u"[A]\nPARENTCLASS=B\n"
      u"[B]\nPARENTCLASS=C\nCOLOR=2\n"
      u"[C]\nPARENTCLASS=A\nHOTCOLOR=3\n"
      u"[GHOST]\nPARENTCLASS=NOSUCHSECTION\n");
  EXPECT_EQ(TacSectionReader(ini, u"SELF").Chain().size(), 1u);
  EXPECT_EQ(TacSectionReader(ini, u"Q").Chain().size(), 1u);
  EXPECT_EQ(TacSectionReader(ini, u"E").Chain().size(), 1u);
  const TacSectionReader a(ini, u"A");
  EXPECT_EQ(a.Chain().size(), 3u);
  EXPECT_EQ(a.ReadInt(u"COLOR", 0), 2);
  EXPECT_EQ(a.ReadInt(u"HOTCOLOR", 0), 3);
  EXPECT_EQ(a.ReadInt(u"FONTCOLOR", 42), 42);
  EXPECT_EQ(TacSectionReader(ini, u"GHOST").Chain().size(), 1u);
  EXPECT_TRUE(TacSectionReader(ini, u"MISSING").Chain().empty());
  EXPECT_EQ(TacSectionReader(ini, u"MISSING").ReadInt(u"COLOR", 11), 11);
}

TEST(SectionReader, RepeatedSectionNamesReadTheFirstOccurrence) {
  const TacSkinIni ini = Parse(u"[EDIT]\nCOLOR=1\n[EDIT]\nCOLOR=2\nPARENTCLASS=BASE\n[BASE]\nHOTCOLOR=9\n");
  const TacSectionReader edit(ini, u"EDIT");
  EXPECT_EQ(edit.ReadInt(u"COLOR", 0), 1);
  EXPECT_EQ(edit.ReadInt(u"HOTCOLOR", 0), 0);
}

}  // namespace
}  // namespace skin
