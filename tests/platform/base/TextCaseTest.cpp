#include <gtest/gtest.h>

#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"

namespace base {
namespace {

TEST(AsciiCase, ChangesOnlyTheLettersAToZ) {
  EXPECT_EQ(ToUpperAscii(u"skin_1.bmp"), u"SKIN_1.BMP");
  EXPECT_EQ(ToLowerAscii(u"Content-Type"), u"content-type");
  // Accented, Greek and Cyrillic letters, and the characters just beside the ranges, stay.
  EXPECT_EQ(ToUpperAscii(u"é`{ωж"), u"é`{ωж");
  EXPECT_EQ(ToLowerAscii(u"É@[ΩЖ"), u"É@[ΩЖ");
  EXPECT_EQ(ToUpperAscii(std::string("charset=utf-8")), "CHARSET=UTF-8");
  EXPECT_EQ(ToLowerAscii(std::string("\xC3\x89Tahoma")), "\xC3\x89tahoma") << "UTF-8 bytes pass through";
  EXPECT_EQ(ToUpperAscii('q'), 'Q');
  EXPECT_EQ(ToLowerAscii(u'Z'), u'z');
}

TEST(AsciiCase, EqualsIgnoresOnlyAsciiLetterCase) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase(u"OPTIONS.DAT", u"options.dat"));
  EXPECT_TRUE(EqualsIgnoreAsciiCase(std::string_view("GET"), std::string_view("get")));
  EXPECT_TRUE(EqualsIgnoreAsciiCase(u"", u""));
  EXPECT_FALSE(EqualsIgnoreAsciiCase(u"abc", u"abcd"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase(u"Ж", u"ж")) << "Cyrillic is not folded in the ASCII range";
  EXPECT_FALSE(EqualsIgnoreAsciiCase(u"@", u"`")) << "0x40 and 0x60 differ by 32 but are not letters";
}

TEST(UiCase, FoldsLatinGreekAndCyrillicLetters) {
  EXPECT_EQ(ToUpperUi(u"pellomir"), u"PELLOMIR");
  EXPECT_EQ(ToUpperUi(u"éàÿ"), u"ÉÀŸ");
  EXPECT_EQ(ToLowerUi(u"ÉÀŸ"), u"éàÿ");
  EXPECT_EQ(ToUpperUi(u"ωαβ"), u"ΩΑΒ");
  EXPECT_EQ(ToUpperUi(u"полученный ёж ђ"), u"ПОЛУЧЕННЫЙ ЁЖ Ђ");
  EXPECT_EQ(ToLowerUi(u"ПОЛУЧЕННЫЙ ЁЖ Ђ"), u"полученный ёж ђ");
  // Latin Extended-A pairs: even upper, odd lower, except the runs that start odd.
  EXPECT_EQ(ToLowerUi(u"ĀŁŽ"), u"āłž");
  EXPECT_EQ(ToUpperUi(u"āłž"), u"ĀŁŽ");
  EXPECT_EQ(ToLowerUi(u'\u0130'), u'i') << "capital I with dot";
}

TEST(UiCase, LeavesSignsAndOtherScriptsAlone) {
  EXPECT_EQ(ToUpperUi(u"×÷ß"), u"×÷ß") << "multiplication and division signs, sharp s";
  EXPECT_EQ(ToLowerUi(u"×÷"), u"×÷");
  EXPECT_EQ(ToUpperUi(u"ς"), u"ς") << "final sigma has no capital of its own";
  EXPECT_EQ(ToUpperUi(u"中文 ☃"), u"中文 ☃");
}

TEST(UiCase, ComparesOnLoweredCharacters) {
  EXPECT_TRUE(EqualsIgnoreUiCase(u"Сохранить", u"СОХРАНИТЬ"));
  EXPECT_FALSE(EqualsIgnoreUiCase(u"Сохранить", u"Сохранит"));
  EXPECT_TRUE(StartsWithIgnoreUiCase(u"Éclair", u"éC"));
  EXPECT_TRUE(StartsWithIgnoreUiCase(u"x", u""));
  EXPECT_FALSE(StartsWithIgnoreUiCase(u"ab", u"abc"));
  EXPECT_EQ(CompareIgnoreUiCase(u"apple", u"APPLE"), 0);
  EXPECT_EQ(CompareIgnoreUiCase(u"Apple", u"banana"), -1);
  EXPECT_EQ(CompareIgnoreUiCase(u"b", u"A"), 1) << "upper case does not sort before lower case";
  EXPECT_EQ(CompareIgnoreUiCase(u"ab", u"AB c"), -1) << "a prefix sorts first";
  EXPECT_EQ(CompareIgnoreUiCase(u"Ёж", u"ёЖ"), 0);
}

TEST(NumberText, WritesIntegersAndShortestDoubles) {
  EXPECT_EQ(IntToText(0), u"0");
  EXPECT_EQ(IntToText(-42), u"-42");
  EXPECT_EQ(IntToText(INT64_MIN), u"-9223372036854775808");
  EXPECT_EQ(FloatToText(14.01), u"14.01");
  EXPECT_EQ(FloatToText(0.5), u"0.5");
  EXPECT_EQ(FloatToText(3), u"3");
  EXPECT_EQ(FloatToText(-1e-7), u"-1e-07");
}

TEST(WidenAscii, TakesEachByteAsOneUnit) {
  EXPECT_EQ(WidenAscii("List index"), u"List index");
  EXPECT_EQ(WidenAscii(""), u"");
}

}  // namespace
}  // namespace base
