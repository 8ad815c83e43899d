// The options ini: text syntax, name comparison, repeated sections and keys, and the
// value kinds.
#include <gtest/gtest.h>

#include "skin/data/acSkinIni.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::Parse;

TEST(SkinIniSyntax, BlanksAroundNamesAndValuesAreTrimmed) {
  const TacSkinIni ini = Parse(u"[ EDIT ]\r\nCOLOR = 255\r\n\tFONTCOLOR\t=\t\"quoted\"  \r\n");
  EXPECT_TRUE(ini.SectionExists(u"EDIT"));
  EXPECT_EQ(ini.ReadInteger(u"EDIT", u"COLOR", -1), 255);
  EXPECT_EQ(ini.ReadString(u"EDIT", u"FONTCOLOR", u""), u"\"quoted\"");  // nothing is unquoted
}

TEST(SkinIniSyntax, CommentsEmptyLinesAndLinesBeforeTheFirstSectionAreIgnored) {
  const TacSkinIni ini = Parse(u"COLOR=1\n;[HIDDEN]\n\n[A]\n ; COLOR=2\nCOLOR=3\n");
  ASSERT_EQ(ini.Sections().size(), 1u);
  EXPECT_EQ(ini.Sections()[0].Name, u"A");
  EXPECT_EQ(ini.ReadInteger(u"A", u"COLOR", -1), 3);
  EXPECT_FALSE(ini.ValueExists(u"A", u"; COLOR"));
}

TEST(SkinIniSyntax, NamesAreCaseSensitive) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nMainFont=Tahoma\n[edit]\nCOLOR=1\n");
  EXPECT_EQ(ini.ReadString(u"GLOBALINFO", u"MainFont", u"-"), u"Tahoma");
  EXPECT_EQ(ini.ReadString(u"GLOBALINFO", u"MAINFONT", u"-"), u"-");
  EXPECT_FALSE(ini.SectionExists(u"EDIT"));
  EXPECT_TRUE(ini.SectionExists(u"edit"));
}

TEST(SkinIniSyntax, RepeatedSectionsAllCountButLookupsReadTheFirst) {
  const TacSkinIni ini = Parse(u"[EDIT]\nCOLOR=1\n[BUTTON]\n[EDIT]\nCOLOR=2\nHOTCOLOR=3\n");
  ASSERT_EQ(ini.Sections().size(), 3u);
  EXPECT_EQ(ini.Sections()[2].Name, u"EDIT");
  EXPECT_EQ(ini.IndexOfSection(u"EDIT"), 0);
  EXPECT_EQ(ini.ReadInteger(u"EDIT", u"COLOR", -1), 1);
  EXPECT_FALSE(ini.ValueExists(u"EDIT", u"HOTCOLOR"));
  EXPECT_EQ(*ini.FindValueAt(2, u"HOTCOLOR"), u"3");
}

TEST(SkinIniSyntax, FirstOccurrenceOfAKeyCountsAndLinesWithoutEqualsNeverMatch) {
  const TacSkinIni ini = Parse(u"[A]\nKEY=first\nKEY=second\nLONELY\nEMPTY=\n=nameless\nX=a=b\n");
  EXPECT_EQ(ini.ReadString(u"A", u"KEY", u""), u"first");
  EXPECT_FALSE(ini.ValueExists(u"A", u"LONELY"));
  EXPECT_TRUE(ini.ValueExists(u"A", u"EMPTY"));
  EXPECT_EQ(ini.ReadString(u"A", u"EMPTY", u"def"), u"");
  EXPECT_EQ(ini.ReadString(u"A", u"X", u""), u"a=b");
  ASSERT_EQ(ini.Sections()[0].Entries.size(), 6u);
  EXPECT_FALSE(ini.Sections()[0].Entries[2].HasValue);
}

TEST(SkinIniSyntax, BracketsMustCloseTheLine) {
  const TacSkinIni ini = Parse(u"[A]\n[B\n[]\nK=1\n");
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.Sections()[1].Name, u"");
  EXPECT_EQ(ini.Sections()[0].Entries[0].Key, u"[B");
}

TEST(SkinIniSyntax, SetLinesReplacesEverything) {
  TacSkinIni ini = Parse(u"[OLD]\nK=1\n");
  ini.SetLines({u"[NEW]", u"K=2"});
  EXPECT_FALSE(ini.SectionExists(u"OLD"));
  EXPECT_EQ(ini.ReadInteger(u"NEW", u"K", 0), 2);
  ini.Clear();
  EXPECT_TRUE(ini.Sections().empty());
}

TEST(SplitLines, CrLfCrAndLfAllEndLines) {
  EXPECT_EQ(SplitLines(u"a\r\nb\rc\nd"), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(SplitLines(u"a\r\n"), (std::vector<std::u16string>{u"a"}));
  EXPECT_EQ(SplitLines(u"a\n\r\nb"), (std::vector<std::u16string>{u"a", u"", u"b"}));
  EXPECT_EQ(SplitLines(u"a\n\rb"), (std::vector<std::u16string>{u"a", u"", u"b"}));
  EXPECT_TRUE(SplitLines(u"").empty());
}

TEST(SkinIniValues, IntegersInDecimalAndHexadecimal) {
  std::int32_t v = 0;
  EXPECT_TRUE(TryParseInt32(u"8217672", v));
  EXPECT_EQ(v, 8217672);
  EXPECT_TRUE(TryParseInt32(u"-50", v));
  EXPECT_EQ(v, -50);
  EXPECT_TRUE(TryParseInt32(u"0xFF00ff", v));
  EXPECT_EQ(v, 0xFF00FF);
  EXPECT_TRUE(TryParseInt32(u"$1F", v));
  EXPECT_EQ(v, 31);
  EXPECT_TRUE(TryParseInt32(u"$FFFFFFFF", v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(TryParseInt32(u"-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_TRUE(TryParseInt32(u"$000000000001", v));
  EXPECT_EQ(v, 1);
  for (const char16_t* bad : {u"", u"-", u"+5", u"12a", u"1.5", u"0x", u"$", u"2147483648", u"$100000000",
                              u"99999999999999999999", u" 5", u"0xG"}) {
    EXPECT_FALSE(TryParseInt32(bad, v)) << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
  }
}

TEST(SkinIniValues, UnparsableIntegersGiveTheDefault) {
  const TacSkinIni ini = Parse(u"[A]\nN=abc\nM=12\n");
  EXPECT_EQ(ini.ReadInteger(u"A", u"N", 7), 7);
  EXPECT_EQ(ini.ReadInteger(u"A", u"MISSING", 8), 8);
  EXPECT_EQ(ini.ReadInteger(u"A", u"M", 8), 12);
}

TEST(SkinIniValues, ArgbColoursAreReadAs64BitsAndTruncated) {
  const TacSkinIni ini = Parse(u"[G]\nBTNCOLOR1ACTIVE=-1580329\nBIG=4293387000\nBAD=x\n");
  EXPECT_EQ(ini.ReadArgb(u"G", u"BTNCOLOR1ACTIVE", 0), 0xFFE7E2D7u);
  EXPECT_EQ(ini.ReadArgb(u"G", u"BIG", 0), 4293387000u);
  EXPECT_EQ(ini.ReadArgb(u"G", u"BAD", 0x12345678u), 0x12345678u);
  std::int64_t v = 0;
  EXPECT_TRUE(TryParseInt64(u"-9223372036854775808", v));
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_FALSE(TryParseInt64(u"9223372036854775808", v));
}

TEST(SkinIniValues, BooleansAreExactlyTrueOrOne) {
  const TacSkinIni ini = Parse(u"[A]\nT=TRUE\nO=1\nL=true\nY=yes\nE=\n");
  EXPECT_TRUE(ini.ReadBool(u"A", u"T", false));
  EXPECT_TRUE(ini.ReadBool(u"A", u"O", false));
  EXPECT_FALSE(ini.ReadBool(u"A", u"L", true));
  EXPECT_FALSE(ini.ReadBool(u"A", u"Y", true));
  EXPECT_FALSE(ini.ReadBool(u"A", u"E", true));
  EXPECT_TRUE(ini.ReadBool(u"A", u"MISSING", true));
}

TEST(SkinIniValues, VersionsUseAFullStop) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nVERSION=14.01\nCOMMA=14,01\nNAN=nan\nEXP=1e2\n");
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"GLOBALINFO", u"VERSION", 0), 14.01);
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"GLOBALINFO", u"COMMA", -1), -1);
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"GLOBALINFO", u"NAN", -1), -1);
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"GLOBALINFO", u"EXP", -1), 100);
}

}  // namespace
}  // namespace skin
