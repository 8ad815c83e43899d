// Plain output, measuring and cutting of caption texts through the drawing layer's text.
#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/render/acTextMeasure.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

class TextMeasureTest : public ::testing::Test {
 protected:
  TextMeasureTest() { surface.SetFont(font); }
  gfx::Font font;  // Tahoma, 11 pixels
  gfx::Surface surface;
};

TEST_F(TextMeasureTest, CutTextToWidthKeepsFittingTextsAndShortensOthers) {
  const std::u16string text = u"Получить список";
  EXPECT_EQ(CutTextToWidth(surface, text, 0), u"");
  EXPECT_EQ(CutTextToWidth(surface, text, -5), u"");
  const int whole = surface.TextExtent(text).cx;
  EXPECT_EQ(CutTextToWidth(surface, text, whole), text);
  EXPECT_EQ(CutTextToWidth(surface, text, 1000), text);

  const std::u16string cut = CutTextToWidth(surface, text, whole - 1);
  ASSERT_GE(cut.size(), 4u);
  EXPECT_EQ(cut.substr(cut.size() - 3), u"...");
  EXPECT_LE(surface.TextExtent(cut).cx, whole - 1);
  EXPECT_EQ(text.substr(0, cut.size() - 3), cut.substr(0, cut.size() - 3));
  // One more character would not have fitted.
  const std::u16string longer = text.substr(0, cut.size() - 2) + u"...";
  EXPECT_GT(surface.TextExtent(longer).cx, whole - 1);
  // Narrower than one letter and the dots: nothing is left, and no dots are added.
  EXPECT_EQ(CutTextToWidth(surface, text, surface.TextExtent(u"...").cx), u"");
}

TEST_F(TextMeasureTest, CutTextToWidthKeepsSurrogatePairsWhole) {
  const std::u16string text = u"ab\U0001F600\U0001F600\U0001F600cd";
  for (int w = 1; w < surface.TextExtent(text).cx; ++w) {
    const std::u16string cut = CutTextToWidth(surface, text, w);
    if (cut.size() < 4) continue;
    const char16_t last = cut[cut.size() - 4];
    EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << w;
  }
}

TEST_F(TextMeasureTest, MeasureTextOnOneLineOrWrapped) {
  const std::u16string text = u"one two three four";
  const gfx::TSize line = MeasureText(font, text, 0, false, 0, false);
  EXPECT_EQ(line, surface.TextExtent(text));
  const gfx::TSize plusI = MeasureText(font, text, 0, true, 0, false);
  EXPECT_EQ(plusI.cx, line.cx + surface.TextExtent(u"I").cx);
  EXPECT_EQ(plusI.cy, line.cy);

  const gfx::TSize wrapped = MeasureText(font, text, gfx::DT_WORDBREAK, false, line.cx / 2, true);
  EXPECT_LE(wrapped.cx, line.cx / 2);
  EXPECT_GE(wrapped.cy, 2 * line.cy);
  // Wide enough: one line.
  EXPECT_EQ(MeasureText(font, text, gfx::DT_WORDBREAK, false, 1000, true).cy, line.cy);
  // The prefix character is not measured; with DT_NOPREFIX it is.
  const int close = MeasureText(font, u"&Close", gfx::DT_SINGLELINE, false, 1000, true).cx;
  EXPECT_EQ(close, surface.TextExtent(u"Close").cx);
  EXPECT_EQ(MeasureText(font, u"&Close", gfx::DT_SINGLELINE | gfx::DT_NOPREFIX, false, 1000, true).cx,
            surface.TextExtent(u"&Close").cx);
}

TEST_F(TextMeasureTest, LineHeightExactOrWithSpacing) {
  const gfx::TextMetric tm = surface.GetTextMetrics();
  EXPECT_EQ(TextLineHeight(font, false), tm.tmHeight + 6);
  EXPECT_EQ(TextLineHeight(font, true), tm.tmHeight - tm.tmInternalLeading - tm.tmExternalLeading);
  EXPECT_LT(TextLineHeight(font, true), TextLineHeight(font, false));
}

TEST_F(TextMeasureTest, PlainOutputPassesAtMost5460Characters) {
  const std::u16string longText(6000, u'I');
  gfx::TRect r{0, 0, 0, 0};
  DrawTextPlain(surface, longText, r, gfx::DT_SINGLELINE | gfx::DT_CALCRECT | gfx::DT_NOCLIP);
  EXPECT_EQ(r.Width(), surface.TextExtent(std::u16string(acMaxTextOutput, u'I')).cx);
  // Drawn text lands in the rectangle with the format's prefix handling.
  Bitmap32 b = test::Ground(60, 24);
  b.Canvas().SetFont(font);
  gfx::TRect at{2, 2, 58, 22};
  DrawTextPlain(b.Canvas(), u"&Close", at, gfx::DT_SINGLELINE);
  Bitmap32 plain = test::Ground(60, 24);
  plain.Canvas().SetFont(font);
  at = {2, 2, 58, 22};
  DrawTextPlain(plain.Canvas(), u"Close", at, gfx::DT_SINGLELINE);
  // The same letters, and an underline under the C.
  EXPECT_GT(test::Count(b, [](std::uint32_t p) { return (p & 0xFFFFFF) != 0xFFFFFF; }),
            test::Count(plain, [](std::uint32_t p) { return (p & 0xFFFFFF) != 0xFFFFFF; }));
}

}  // namespace
}  // namespace skin
