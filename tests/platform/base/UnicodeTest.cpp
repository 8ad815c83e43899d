#include <gtest/gtest.h>

#include "platform/base/Unicode.h"

namespace base {
namespace {

TEST(Unicode, Utf8RoundTrip) {
  const std::string s = "Получить список \xF0\x9F\x98\x80 x";
  const std::u16string u = Utf8ToUtf16(s);
  EXPECT_EQ(u.substr(0, 8), u"Получить");
  EXPECT_EQ(Utf16ToUtf8(u), s);
}

TEST(Unicode, MalformedInputBecomesReplacement) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");    // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(Utf16ToUtf8(lone),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(Unicode, CodePageFromLocale) {
  EXPECT_EQ(CodePageForLocale("ru_RU.UTF-8"), 1251);
  EXPECT_EQ(CodePageForLocale("uk_UA"), 1251);
  EXPECT_EQ(CodePageForLocale("pl_PL.UTF-8"), 1250);
  EXPECT_EQ(CodePageForLocale("el_GR"), 1253);
  EXPECT_EQ(CodePageForLocale("zh_TW.UTF-8"), 950);
  EXPECT_EQ(CodePageForLocale("zh_CN.UTF-8"), 936);
  EXPECT_EQ(CodePageForLocale("ja_JP"), 932);
  EXPECT_EQ(CodePageForLocale("C.UTF-8"), 1252);
  EXPECT_EQ(CodePageForLocale("en_US.UTF-8"), 1252);
  EXPECT_EQ(CodePageForLocale(""), 1252);
}

TEST(Unicode, CodePageConversion) {
  EXPECT_EQ(Utf16ToCodePage(u"Сохранить", 1251), "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC");
  EXPECT_EQ(CodePageToUtf16("\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC", 1251), u"Сохранить");
  // Missing characters become look-alikes or question marks.
  EXPECT_EQ(Utf16ToCodePage(u"Я", 1252), "?");
  EXPECT_EQ(Utf16ToCodePage(u"a\u4E2Db", 1251), "a?b");
  EXPECT_EQ(Utf16ToCodePage(u"\u00E9", 1252), "\xE9");
  // A byte that 1251 leaves undefined.
  EXPECT_EQ(CodePageToUtf16("\x98", 1251), u"\uFFFD");
}

}  // namespace
}  // namespace base

namespace base {
namespace {

TEST(Unicode, LookAlikesAreSingleCharacters) {
  // A curly quote has a plain look-alike in 1251; a long dash exists there as it is.
  EXPECT_EQ(Utf16ToCodePage(u"\u201C", 1251), "\x93");
  EXPECT_EQ(Utf16ToCodePage(u"x\U0001F600y", 1252), "x?y");
  EXPECT_EQ(Utf16ToCodePage(u"", 1251), "");
}

}  // namespace
}  // namespace base
