#include <gtest/gtest.h>

#include "platform/gfx/TextLayout.h"

namespace gfx {
namespace {

// Every character 10 pixels wide, the space 5 and the full stop 2.
class FixedMeasurer final : public TextMeasurer {
 public:
  int Advance(char32_t c) override { return c == U' ' ? 5 : c == U'.' ? 2 : 10; }
};

std::vector<std::u16string> Texts(const TextLayout& l) {
  std::vector<std::u16string> out;
  for (const auto& line : l.lines) out.push_back(line.text);
  return out;
}

TEST(TextLayout, LineBreaksAndEmptyText) {
  FixedMeasurer m;
  EXPECT_TRUE(LayoutText(u"", 100, 0, 8, m).lines.empty());
  const TextLayout l = LayoutText(u"ab\r\ncd\ne\rf\n", 100, 0, 8, m);
  EXPECT_EQ(Texts(l), (std::vector<std::u16string>{u"ab", u"cd", u"e", u"f"}));  // no line after the final break
  EXPECT_EQ(l.width, 20);
  const TextLayout blank = LayoutText(u"a\n\nb", 100, 0, 8, m);
  EXPECT_EQ(blank.lines.size(), 3u);
  // A single line keeps its breaks as characters of no width.
  EXPECT_EQ(LayoutText(u"ab\ncd", 100, DT_SINGLELINE, 8, m).lines.size(), 1u);
}

TEST(TextLayout, WordBreakWrapsAtSpacesAndDropsThem) {
  FixedMeasurer m;
  // "aaa bbb ccc": words 30 wide, spaces 5.
  const TextLayout l = LayoutText(u"aaa bbb ccc", 70, DT_WORDBREAK, 8, m);
  EXPECT_EQ(Texts(l), (std::vector<std::u16string>{u"aaa bbb", u"ccc"}));
  EXPECT_EQ(l.lines[0].Width(), 65);
  EXPECT_EQ(Texts(LayoutText(u"aaa bbb ccc", 64, DT_WORDBREAK, 8, m)),
            (std::vector<std::u16string>{u"aaa", u"bbb", u"ccc"}));
  // Several spaces at a break all go; leading spaces of a paragraph stay.
  EXPECT_EQ(Texts(LayoutText(u"  aaa   bbb", 50, DT_WORDBREAK, 8, m)), (std::vector<std::u16string>{u"  aaa", u"bbb"}));
  // A word wider than the line stays whole on its own line...
  const TextLayout wide = LayoutText(u"aa bbbbbbbb cc", 40, DT_WORDBREAK, 8, m);
  EXPECT_EQ(Texts(wide), (std::vector<std::u16string>{u"aa", u"bbbbbbbb", u"cc"}));
  EXPECT_EQ(wide.width, 80);
  // ...unless the text is laid out like an edit control, which cuts it.
  EXPECT_EQ(Texts(LayoutText(u"bbbbbbbb", 35, DT_WORDBREAK | DT_EDITCONTROL, 8, m)),
            (std::vector<std::u16string>{u"bbb", u"bbb", u"bb"}));
  // Without DT_WORDBREAK nothing wraps.
  EXPECT_EQ(LayoutText(u"aaa bbb ccc", 20, 0, 8, m).lines.size(), 1u);
}

TEST(TextLayout, PrefixesAreTakenOut) {
  FixedMeasurer m;
  const TextLayout l = LayoutText(u"&Save && &close&", 500, 0, 8, m);
  ASSERT_EQ(l.lines.size(), 1u);
  EXPECT_EQ(l.lines[0].text, u"Save & close");
  EXPECT_EQ(l.lines[0].prefixes, (std::vector<int>{0, 7}));
  const TextLayout raw = LayoutText(u"&Save", 500, DT_NOPREFIX, 8, m);
  EXPECT_EQ(raw.lines[0].text, u"&Save");
  EXPECT_TRUE(raw.lines[0].prefixes.empty());
  // The marks follow wrapped lines.
  const TextLayout wrapped = LayoutText(u"aa &bb", 25, DT_WORDBREAK, 8, m);
  ASSERT_EQ(wrapped.lines.size(), 2u);
  EXPECT_EQ(wrapped.lines[1].prefixes, (std::vector<int>{0}));
}

TEST(TextLayout, EndEllipsis) {
  FixedMeasurer m;
  // "..." is 6 wide: 50 pixels keep four characters (40 + 6).
  const TextLayout l = LayoutText(u"abcdefgh", 50, DT_END_ELLIPSIS | DT_SINGLELINE, 8, m);
  EXPECT_EQ(l.lines[0].text, u"abcd...");
  EXPECT_EQ(l.lines[0].Width(), 46);
  EXPECT_EQ(LayoutText(u"abcd", 40, DT_END_ELLIPSIS, 8, m).lines[0].text, u"abcd");  // fits exactly
  EXPECT_EQ(LayoutText(u"abcd", 3, DT_END_ELLIPSIS, 8, m).lines[0].text, u"...");
  // A mark cut away is not underlined.
  EXPECT_TRUE(LayoutText(u"abcdef&gh", 50, DT_END_ELLIPSIS, 8, m).lines[0].prefixes.empty());
  // Surrogate pairs are never split.
  const TextLayout pair = LayoutText(u"ab\U0001F600cd", 35, DT_END_ELLIPSIS, 8, m);
  EXPECT_EQ(pair.lines[0].text, u"ab...");
}

TEST(TextLayout, TabsExpandToStops) {
  FixedMeasurer m;
  // Tab unit 4, 8 characters per stop: stops every 32 pixels.
  const TextLayout l = LayoutText(u"a\tb\tc", 500, DT_EXPANDTABS, 4, m);
  EXPECT_EQ(l.lines[0].x, (std::vector<int>{0, 10, 32, 42, 64, 74}));
  // DT_TABSTOP puts the characters per stop in bits 8-15.
  const unsigned twoChars = DT_EXPANDTABS | DT_TABSTOP | (2u << 8);
  EXPECT_EQ(LayoutText(u"a\tb", 500, twoChars, 4, m).lines[0].x, (std::vector<int>{0, 10, 16, 26}));
  EXPECT_EQ(DrawTextFlags(twoChars), DT_EXPANDTABS | DT_TABSTOP);
  // Without expansion a tab is as wide as a space.
  EXPECT_EQ(LayoutText(u"a\tb", 500, 0, 4, m).lines[0].Width(), 25);
}

}  // namespace
}  // namespace gfx
