// Density variants: which image variant a density reads, and scaled [GLOBALINFO] numbers.
#include <gtest/gtest.h>

#include "skin/data/acScaleVariants.h"
#include "skin/data/acSkinIni.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::Parse;

TEST(ScaleIndexOfPPI, Boundaries) {
  EXPECT_EQ(ScaleIndexOfPPI(72), 0);
  EXPECT_EQ(ScaleIndexOfPPI(110), 0);
  EXPECT_EQ(ScaleIndexOfPPI(111), 1);
  EXPECT_EQ(ScaleIndexOfPPI(134), 1);
  EXPECT_EQ(ScaleIndexOfPPI(135), 2);
  EXPECT_EQ(ScaleIndexOfPPI(170), 2);
  EXPECT_EQ(ScaleIndexOfPPI(171), 3);
  EXPECT_EQ(ScaleIndexOfPPI(480), 3);
}

TEST(FindImageVariant, PlainKeyAt96AndTheVariantAt192) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nBOXCHECKED=@0001@0001@0010@0010@1@0\nBOXCHECKED*200=!BIG.PNG!1!0!4\n");
  const auto at96 = FindImageVariant(ini, u"GLOBALINFO", u"BOXCHECKED", 96);
  ASSERT_TRUE(at96);
  EXPECT_EQ(at96->Value, u"@0001@0001@0010@0010@1@0");
  EXPECT_EQ(at96->PPI, 96);
  const auto at192 = FindImageVariant(ini, u"GLOBALINFO", u"BOXCHECKED", 192);
  ASSERT_TRUE(at192);
  EXPECT_EQ(at192->Value, u"!BIG.PNG!1!0!4");
  EXPECT_EQ(at192->PPI, 192);
  // 120 searches upward first: the 192 picture is scaled down rather than 96 scaled up.
  EXPECT_EQ(FindImageVariant(ini, u"GLOBALINFO", u"BOXCHECKED", 120)->PPI, 192);
}

TEST(FindImageVariant, AVariantWithoutItsPlainKeyIsNeverRead) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nBOXCHECKED*200=!BIG.PNG!1!0!4\n");
  for (int ppi : {96, 120, 144, 192, 288}) EXPECT_FALSE(FindImageVariant(ini, u"GLOBALINFO", u"BOXCHECKED", ppi));
}

TEST(FindImageVariant, SearchGoesUpwardThenDownward) {
  const TacSkinIni ini = Parse(u"[S]\nK=plain\nK*125=v120\n");
  EXPECT_EQ(FindImageVariant(ini, u"S", u"K", 144)->PPI, 120);  // nothing above 144: down to 120
  EXPECT_EQ(FindImageVariant(ini, u"S", u"K", 192)->PPI, 120);
  EXPECT_EQ(FindImageVariant(ini, u"S", u"K", 100)->PPI, 120);  // 96 is below 100: start one up
  EXPECT_EQ(FindImageVariant(ini, u"S", u"K", 96)->PPI, 96);
  EXPECT_FALSE(FindImageVariant(ini, u"OTHER", u"K", 96));
}

TEST(ReadScaledGlobalInt, SuffixedValueIsUsedAsItIs) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nBITOP=4\nBITOP*150=5\n");
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"BITOP", 0, 144), 5);
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"BITOP", 0, 120), 5);  // 4 * 120 / 96
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"BITOP", 0, 192), 8);
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"BITOP", 0, 96), 4);
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"BITOP", 0, 108), 4);  // index 0: never scaled
}

TEST(ReadScaledGlobalInt, DefaultsScaleOnlyAboveIndexZero) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\n");
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"WSHRAD", 17, 96), 17);
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"WSHRAD", 17, 105), 17);
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"WSHRAD", 17, 144), 25);  // 17 * 144 / 96, truncated
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"SHADOW1BLUR", -1, 144), -1);
}

TEST(ReadScaledGlobalInt, HugeValuesDoNotOverflow) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nBITOP=2147483647\n");
  EXPECT_EQ(ReadScaledGlobalInt(ini, u"BITOP", 0, 96), INT32_MAX);
  (void)ReadScaledGlobalInt(ini, u"BITOP", 0, 192);  // wraps, no undefined behaviour
}

TEST(ReadFormFrameInt, FollowsTheDensityOfTheExBorderImage) {
  const TacSkinIni ini = Parse(u"[GLOBALINFO]\nTITLEHEIGHT=30\nTITLEHEIGHT*200=64\nBORDERWIDTH=4\n");
  // EXBORDER drawn for 192: the "*200" value is scaled from 192.
  EXPECT_EQ(ReadFormFrameInt(ini, u"TITLEHEIGHT", 30, 144, 192), 48);
  EXPECT_EQ(ReadFormFrameInt(ini, u"TITLEHEIGHT", 30, 96, 192), 32);
  // No "*200" key: the plain key at 96.
  EXPECT_EQ(ReadFormFrameInt(ini, u"BORDERWIDTH", 4, 144, 192), 6);
  // EXBORDER drawn for 96: the plain key, even at 192 where a "*200" value exists.
  EXPECT_EQ(ReadFormFrameInt(ini, u"TITLEHEIGHT", 30, 192, 96), 60);
  // Without an EXBORDER image: like the other scaled numbers.
  EXPECT_EQ(ReadFormFrameInt(ini, u"TITLEHEIGHT", 30, 192, 0), 64);
  EXPECT_EQ(ReadFormFrameInt(ini, u"MAXHEIGHT", 0, 192, 0), 0);
}

}  // namespace
}  // namespace skin
