// Decoding options texts: byte-order marks, the 8-bit code page, line ends.
#include <gtest/gtest.h>

#include "skin/data/acOptionsText.h"
#include "skin/data/acSkinIni.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::Bytes;
using test::U;

TEST(DecodeOptionsText, Utf8MarkIsRemovedAndDecoded) {
  EXPECT_EQ(DecodeOptionsText(Bytes("\xEF\xBB\xBF[A]\nAUTHOR=Юрий"), 1252), U("[A]\nAUTHOR=Юрий"));
}

TEST(DecodeOptionsText, Utf16BothByteOrders) {
  EXPECT_EQ(DecodeOptionsText(Bytes(std::string("\xFF\xFE[\0A\0]\0\x16\x04", 10)), 1252), U("[A]Ж"));
  EXPECT_EQ(DecodeOptionsText(Bytes(std::string("\xFE\xFF\0[\0A\0]\x04\x16", 10)), 1252), U("[A]Ж"));
  // A dangling last byte is dropped.
  EXPECT_EQ(DecodeOptionsText(Bytes(std::string("\xFF\xFE"
                                                "A\0B",
                                                5)),
                              1252),
            u"A");
}

TEST(DecodeOptionsText, UnmarkedTextUsesTheCodePage) {
  EXPECT_EQ(DecodeOptionsText(Bytes("\xC0\xE2\xF2\xEE\xF0"), 1251), U("Автор"));
  EXPECT_EQ(DecodeOptionsText(Bytes("\xC0\xE9"), 1252), U("Àé"));
  // UTF-8 without a mark is not recognised: it is read as 8-bit text.
  EXPECT_EQ(DecodeOptionsText(Bytes("\xC3\xA9"), 1252), U("Ã©"));
}

TEST(LoadOptionsText, UsesTheSystemCodePageAndEveryLineEnd) {
  test::ScopedEnv lang("LC_ALL", "ru_RU.UTF-8");
  TacSkinIni ini;
  LoadOptionsText(ini, Bytes("[GLOBALINFO]\r\nAUTHOR=\xC8\xE2\xE0\xED\rVERSION=14.01\n[EDIT]\r\nCOLOR=1"));
  EXPECT_EQ(ini.ReadString(u"GLOBALINFO", u"AUTHOR", u""), U("Иван"));
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"GLOBALINFO", u"VERSION", 0), 14.01);
  EXPECT_EQ(ini.ReadInteger(u"EDIT", u"COLOR", 0), 1);
}

}  // namespace
}  // namespace skin
