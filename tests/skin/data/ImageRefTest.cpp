// Image references: the six syntaxes, their canonical form and its fields.
#include <gtest/gtest.h>

#include "skin/data/acImageRef.h"

namespace skin {
namespace {

const std::u16string Z16(16, u'0');
const std::u16string Z32(32, u'0');

TEST(NormalizeImageRef, ExamplesOfTheStoredSkin) {
  EXPECT_EQ(NormalizeImageRef(u"@0109@0079@0121@0091@1@0"), u"&0109007901210091" + Z16 + u"102" + u"00000000");
  EXPECT_EQ(NormalizeImageRef(u"^0356^0001^0367^0023^0005^0005^0005^0005^1^1^1^1"),
            u"&0356000103670023000500050005000511001000000");
  EXPECT_EQ(NormalizeImageRef(u"!EXTBORD.PNG!2!0!3!0040!0040!0040!0040!0"),
            u"&" + Z16 + u"0040004000400040" + u"203" + u"00" + u"000000" + u"EXTBORD.PNG");
}

TEST(NormalizeImageRef, TwelfthCaretFieldSetsAllBorders) {
  const std::u16string withFour = NormalizeImageRef(u"^0031^0000^0034^0010^0000^0000^0000^0000^1^1^1^0004");
  const TacImageRef r = ParseCanonicalImageRef(withFour);
  EXPECT_EQ(r.WL, 4);
  EXPECT_EQ(r.WT, 4);
  EXPECT_EQ(r.WR, 4);
  EXPECT_EQ(r.WB, 4);
  EXPECT_EQ(r.R, (gfx::TRect{31, 0, 34, 10}));
  EXPECT_EQ(r.DrawMode, 1);
  // A one-digit twelfth field is padded to four.
  EXPECT_EQ(ParseCanonicalImageRef(NormalizeImageRef(u"^0031^0000^0034^0010^0000^0000^0000^0000^1^1^01^7")).WT, 7);
}

TEST(NormalizeImageRef, TwelfthFieldOfZerosComputesTheBorders) {
  const TacImageRef r =
      ParseCanonicalImageRef(NormalizeImageRef(u"^0031^0000^0034^0010^0000^0000^0000^0000^1^1^1^0000"));
  EXPECT_EQ(r.WL, 1);  // max(0, (3 div 1 - 1) div 2)
  EXPECT_EQ(r.WR, 1);
  EXPECT_EQ(r.WT, 2);  // max(0, (10 div 2 - 1) div 2)
  EXPECT_EQ(r.WB, 2);
  // Three state pictures and no mask: (30 div 3 - 1) div 2 = 4, (8 div 1 - 1) div 2 = 3.
  const TacImageRef three =
      ParseCanonicalImageRef(NormalizeImageRef(u"^0000^0000^0030^0008^0000^0000^0000^0000^3^0^01^0000"));
  EXPECT_EQ(three.WL, 4);
  EXPECT_EQ(three.WT, 3);
  // An image count of 0 is taken as 1, and negative sizes give 0.
  const TacImageRef odd =
      ParseCanonicalImageRef(NormalizeImageRef(u"^0040^0020^0030^0008^0000^0000^0000^0000^0^0^01^0000"));
  EXPECT_EQ(odd.WL, 0);
  EXPECT_EQ(odd.WT, 0);
}

TEST(NormalizeImageRef, TwelfthFieldCountsOnlyInLongValuesWithZeroBorders) {
  // 47 characters: no twelfth field, the borders stay 0.
  const std::u16string value = u"^0031^0000^0034^0010^0000^0000^0000^0000^1^1^01";
  ASSERT_EQ(value.size(), 47u);
  EXPECT_EQ(ParseCanonicalImageRef(NormalizeImageRef(value)).WL, 0);
  // Borders given: the twelfth field is ignored.
  const TacImageRef given =
      ParseCanonicalImageRef(NormalizeImageRef(u"^0031^0000^0034^0010^0002^0000^0000^0000^1^1^1^0004"));
  EXPECT_EQ(given.WL, 2);
  EXPECT_EQ(given.WT, 0);
}

TEST(NormalizeImageRef, TextureSyntaxTakesMtFromPosition25) {
  EXPECT_EQ(NormalizeImageRef(u"~0010~0020~0030~0040~05~1~WOOD.JPG"),
            u"&0010002000300040" + Z16 + u"111" + u"05" + u"000000" + u"WOOD.JPG");
  const TacImageRef r = ParseCanonicalImageRef(NormalizeImageRef(u"~0010~0020~0030~0040~05~1"));
  EXPECT_EQ(r.ImgType, 1);
  EXPECT_EQ(r.ImageCount, 1);
  EXPECT_EQ(r.MaskType, 1);
  EXPECT_EQ(r.DrawMode, 5);
  EXPECT_TRUE(r.File.empty());
}

TEST(NormalizeImageRef, FileSyntaxByImageType) {
  // Border (0) and glow (3) with five or more fields: F5..F8 are border widths.
  EXPECT_EQ(NormalizeImageRef(u"!B.PNG!3!1!0!0001!0002!0003!0004!12"),
            u"&" + Z16 + u"0001000200030004" + u"310" + u"12" + u"000000" + u"B.PNG");
  // Glyphs (2, 4) with five or more fields: F5..F8 are the rectangle.
  EXPECT_EQ(NormalizeImageRef(u"!G.PNG!3!0!4!0001!0002!0003!0004"),
            u"&0001000200030004" + Z16 + u"304" + u"00" + u"000000" + u"G.PNG");
  // Textures ignore F5..F8.
  EXPECT_EQ(NormalizeImageRef(u"!T.BMP!1!0!1!0001!0002!0003!0004!02"),
            u"&" + Z32 + u"101" + u"02" + u"000000" + u"T.BMP");
  // Glyphs with fewer fields keep IC and MT.
  EXPECT_EQ(NormalizeImageRef(u"!G.PNG!2!1!2"), u"&" + Z32 + u"212" + u"00" + u"000000" + u"G.PNG");
  // Glows with fewer fields: one picture, no mask.
  EXPECT_EQ(NormalizeImageRef(u"!GLOW.PNG!5!1!3"), u"&" + Z32 + u"103" + u"00" + u"000000" + u"GLOW.PNG");
  // Image types above 4 count as 4.
  EXPECT_EQ(ParseCanonicalImageRef(NormalizeImageRef(u"!G.PNG!1!0!7!0001!0002!0003!0004")).ImgType, 4);
  EXPECT_EQ(ParseCanonicalImageRef(NormalizeImageRef(u"!G.PNG!1!0!7!0001!0002!0003!0004")).R, (gfx::TRect{1, 2, 3, 4}));
}

TEST(NormalizeImageRef, PlainFileNamesAndShortValues) {
  EXPECT_EQ(NormalizeImageRef(u"PICTURE.BMP"), u"&" + Z32 + u"101" + u"00" + u"000000" + u"PICTURE.BMP");
  const TacImageRef shortRef = ParseCanonicalImageRef(NormalizeImageRef(u"^1"));
  EXPECT_EQ(shortRef.ImageCount, 3);
  EXPECT_EQ(shortRef.DrawMode, 1);
  EXPECT_EQ(shortRef.ImgType, 0);
  EXPECT_EQ(ParseCanonicalImageRef(NormalizeImageRef(u"~")).ImgType, 1);
}

TEST(NormalizeImageRef, RunsOfSeparatorsCountAsOneAndShortFieldsArePadded) {
  EXPECT_EQ(NormalizeImageRef(u"^^0005^0003^^0010^0013^0002^0002^0002^0002^1^1^1"),
            NormalizeImageRef(u"^0005^0003^0010^0013^0002^0002^0002^0002^1^1^1"));
  EXPECT_EQ(NormalizeImageRef(u"^5^3^10^13^2^2^2^2^1^1^1"),
            NormalizeImageRef(u"^0005^0003^0010^0013^0002^0002^0002^0002^1^1^01"));
}

TEST(NormalizeImageRef, CanonicalFormStaysAsWritten) {
  const std::u16string canonical = u"&0041001400460019000200020002000210009000000";
  EXPECT_EQ(NormalizeImageRef(canonical), canonical);
  const TacImageRef r = ParseCanonicalImageRef(canonical);
  EXPECT_EQ(r.R, (gfx::TRect{41, 14, 46, 19}));
  EXPECT_EQ(r.WL, 2);
  EXPECT_EQ(r.WB, 2);
  EXPECT_EQ(r.ImageCount, 1);
  EXPECT_EQ(r.MaskType, 0);
  EXPECT_EQ(r.ImgType, 0);
  EXPECT_EQ(r.DrawMode, 9);
}

TEST(ParseCanonicalImageRef, FieldsThatDoNotParseReadZero) {
  const TacImageRef r = ParseCanonicalImageRef(u"&00A1000200030004XXXX");
  EXPECT_EQ(r.R, (gfx::TRect{0, 2, 3, 4}));
  EXPECT_EQ(r.WL, 0);
  EXPECT_EQ(r.ImageCount, 0);
  EXPECT_TRUE(r.File.empty());
  EXPECT_EQ(ParseCanonicalImageRef(u"").R, (gfx::TRect{}));
}

TEST(IsImageRefValue, SyntaxCharactersAndBmpOrJpgNames) {
  for (const char16_t* yes : {u"^0", u"&", u"@1", u"!X.PNG", u"~1", u"PICTURE.BMP", u"SUB\\WOOD.JPG", u"A.JPGX"})
    EXPECT_TRUE(IsImageRefValue(yes));
  for (const char16_t* no : {u"", u"AT86.PNG", u"N/A", u"8217672", u"TAHOMA", u"PICTURE.bmp"})
    EXPECT_FALSE(IsImageRefValue(no));
}

}  // namespace
}  // namespace skin
