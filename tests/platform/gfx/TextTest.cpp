#include <gtest/gtest.h>

#include <climits>

#include "platform/gfx/FontFace.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace gfx {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

Font Tahoma(int height, int weight = FW_NORMAL) {
  FontDesc d;
  d.face = u"Tahoma";
  d.height = height;
  d.weight = weight;
  return Font(d);
}

// Bounding box of all pixels that are no longer white.
TRect InkOf(const PixelBuffer& pixels) {
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x)
      if (pixels.Row32(y)[x] != kWhite) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
      }
  return r.Left == INT_MAX ? TRect{} : r;
}

// A white page with a surface that draws black text on it.
struct Page {
  PixelBuffer pixels;
  Surface s;
  Page(int w, int h) : pixels(w, h) {
    s.SetTarget(pixels.View());
    s.FillRect(Rect(0, 0, w, h), 0xFFFFFF);
    s.SetBkMode(BkMode::Transparent);
    s.SetFont(Tahoma(-13));
  }
  TRect Ink() const { return InkOf(pixels); }
};

TEST(Fonts, TahomaMetricsAtTheProgramsSizes) {
  Page p(10, 10);
  p.s.SetFont(Tahoma(-11));
  TextMetric tm = p.s.GetTextMetrics();
  EXPECT_EQ(p.s.GetFont().Face().Family(), "Tahoma");
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_EQ(tm.tmExternalLeading, 0);
  EXPECT_GT(tm.tmAveCharWidth, 3);
  EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  p.s.SetFont(Tahoma(-13));
  tm = p.s.GetTextMetrics();
  EXPECT_EQ(tm.tmHeight, 16);  // "W" of a -13 Tahoma caption is 16 high
  EXPECT_EQ(tm.tmAscent, 13);
  EXPECT_EQ(p.s.TextExtent(u"W").cy, 16);
  // A positive height is the cell height.
  p.s.SetFont(Tahoma(16));
  EXPECT_EQ(p.s.GetTextMetrics().tmHeight, 16);
  EXPECT_EQ(p.s.GetTextMetrics().tmInternalLeading, 3);
}

TEST(Fonts, MissingFacesFallBackAndStylesShowInMetrics) {
  Page p(10, 10);
  FontDesc d;
  d.face = u"NewSaturionCyr";
  d.height = -13;
  d.underline = true;
  d.charSet = RUSSIAN_CHARSET;
  p.s.SetFont(Font(d));
  EXPECT_EQ(p.s.GetFont().Face().Family(), "DejaVu Sans");
  const TextMetric tm = p.s.GetTextMetrics();
  EXPECT_EQ(tm.tmUnderlined, 1);
  EXPECT_EQ(tm.tmCharSet, RUSSIAN_CHARSET);
  p.s.SetFont(Tahoma(-11));
  const int plain = p.s.TextExtent(u"Сохранить").cx;
  p.s.SetFont(Tahoma(-11, FW_BOLD));
  EXPECT_EQ(p.s.GetTextMetrics().tmWeight, FW_BOLD);
  EXPECT_GT(p.s.TextExtent(u"Сохранить").cx, plain);
  // Equal descriptions share one face.
  EXPECT_EQ(&Tahoma(-11).Face(), &Tahoma(-11).Face());
}

TEST(Text, ExtentsGrowWithTheStringAndRepeat) {
  Page p(10, 10);
  const std::u16string s = u"Получить список URL";
  int last = 0;
  for (std::size_t n = 0; n <= s.size(); ++n) {
    const int w = p.s.TextExtent(std::u16string_view(s).substr(0, n)).cx;
    EXPECT_GE(w, last);
    if (n > 0 && s[n - 1] != u' ') {
      EXPECT_GT(w, last);
    }
    last = w;
  }
  EXPECT_EQ(p.s.TextExtent(u"Сохранить"), p.s.TextExtent(u"Сохранить"));
  EXPECT_EQ(p.s.TextExtent(u"").cx, 0);
  int fit = -1;
  std::vector<int> ext;
  const TSize full = p.s.TextExtentEx(u"abcdef", p.s.TextExtent(u"abc").cx, &fit, &ext);
  EXPECT_EQ(fit, 3);
  ASSERT_EQ(ext.size(), 6u);
  EXPECT_EQ(ext.back(), full.cx);
}

TEST(Text, WhatIsDrawnLiesInsideTheExtent) {
  for (const char16_t* text : {u"Сохранить", u"Found lines: 123", u"Wg|"}) {
    Page p(200, 40);
    p.s.TextOut(10, 5, text);
    const TSize e = p.s.TextExtent(text);
    const TRect ink = p.Ink();
    ASSERT_FALSE(ink.IsEmpty()) << "nothing drawn";
    EXPECT_GE(ink.Left, 10 - 1);
    EXPECT_LE(ink.Right, 10 + e.cx + 1);
    EXPECT_GE(ink.Top, 5);
    EXPECT_LE(ink.Bottom, 5 + e.cy);
    EXPECT_GT(ink.Width(), e.cx * 3 / 4);
  }
}

TEST(Text, ColourAlignmentAndOpaqueBackground) {
  Page p(100, 30);
  p.s.SetTextColor(0x0000FF);
  p.s.TextOut(0, 0, u"I");
  bool sawRed = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) sawRed = sawRed || p.pixels.Row32(y)[x] == 0xFFFF0000u;
  EXPECT_TRUE(sawRed);  // solid coverage is exactly the text colour, opaque

  Page right(100, 30);
  right.s.SetTextAlign(TA_RIGHT | TA_BASELINE);
  right.s.TextOut(90, 20, u"Wg");
  const TRect ink = right.Ink();
  EXPECT_LE(ink.Right, 91);
  EXPECT_GT(ink.Bottom, 20);  // the descender of g goes below the baseline
  EXPECT_LE(ink.Top, 20 - 9);

  Page opaque(100, 30);
  opaque.s.SetBkMode(BkMode::Opaque);
  opaque.s.SetBkColor(0x00FF00);
  opaque.s.TextOut(5, 5, u"ab");
  const TSize e = opaque.s.TextExtent(u"ab");
  EXPECT_EQ(opaque.pixels.Row32(5)[5], 0xFF00FF00u);
  EXPECT_EQ(opaque.pixels.Row32(5 + e.cy - 1)[5 + e.cx - 1], 0xFF00FF00u);
  EXPECT_EQ(opaque.pixels.Row32(5 + e.cy)[5], kWhite);
}

TEST(Text, ClippingFollowsTheOriginAndSavedStates) {
  Page p(100, 40);
  p.s.Save();
  p.s.SetViewportOrg({20, 10});
  p.s.IntersectClip(Rect(0, 0, 10, 30));
  p.s.TextOut(0, 0, u"WWWWWW");
  p.s.Restore(-1);
  const TRect ink = p.Ink();
  EXPECT_GE(ink.Left, 20);
  EXPECT_LE(ink.Right, 30);
  EXPECT_GE(ink.Top, 10);
  p.s.TextOut(40, 0, u"W");  // the clip went with the restore
  EXPECT_GT(p.Ink().Right, 40);
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  Page p(200, 100);
  TRect r{10, 10, 10 + 60, 10};
  const int h = p.s.DrawText(u"Сохранить результаты в файл", r, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_TRUE(p.Ink().IsEmpty());
  EXPECT_EQ(h % 16, 0);
  EXPECT_GT(h, 16);  // wrapped onto several lines
  EXPECT_EQ(r.Bottom, 10 + h);
  EXPECT_LE(r.Width(), 60 + p.s.TextExtent(u"результаты").cx);
  TRect one{0, 0, 0, 0};
  EXPECT_EQ(p.s.DrawText(u"Сохранить", one, DT_SINGLELINE | DT_CALCRECT), 16);
  EXPECT_EQ(one.Right, p.s.TextExtent(u"Сохранить").cx);
  TRect none{0, 0, 50, 50};
  EXPECT_EQ(p.s.DrawText(u"", none, DT_CALCRECT), 0);
  EXPECT_EQ(none.Right, 0);
}

TEST(DrawText, AlignsInTheRectangle) {
  const std::u16string text = u"Сохранить";
  const auto inkFor = [&](unsigned format) {
    Page p(200, 60);
    TRect r{20, 10, 180, 50};
    const int ret = p.s.DrawText(text, r, format | DT_SINGLELINE);
    return std::make_pair(p.Ink(), ret);
  };
  Page probe(10, 10);
  const TSize e = probe.s.TextExtent(text);
  const auto [left, topRet] = inkFor(DT_LEFT | DT_TOP);
  const auto [centre, vRet] = inkFor(DT_CENTER | DT_VCENTER);
  const auto [right, bRet] = inkFor(DT_RIGHT | DT_BOTTOM);
  EXPECT_NEAR(left.Left, 20, 1);
  EXPECT_NEAR(right.Right, 180, 1);
  EXPECT_NEAR((centre.Left + centre.Right) / 2, 100, 2);
  EXPECT_NEAR(centre.Left - 20, (160 - e.cx) / 2, 2);
  EXPECT_GE(left.Top, 10);
  EXPECT_LE(right.Bottom, 50);
  EXPECT_GT(right.Top, centre.Top);
  EXPECT_GT(centre.Top, left.Top);
  EXPECT_EQ(topRet, 16);
  EXPECT_EQ(vRet, (40 - 16) / 2 + 16);
  EXPECT_EQ(bRet, 40);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
  Page clipped(200, 40), free(200, 40);
  TRect r{10, 5, 40, 30};
  clipped.s.DrawText(u"WWWWWWWW", r, DT_SINGLELINE);
  EXPECT_LE(clipped.Ink().Right, 40);
  free.s.DrawText(u"WWWWWWWW", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(free.Ink().Right, 40);
}

TEST(DrawText, EllipsisAndPrefixesShowInThePixels) {
  Page p(300, 40);
  TRect r{0, 0, 60, 20};
  p.s.DrawText(u"Получить список URL", r, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_LE(p.Ink().Right, 60);
  EXPECT_GT(p.Ink().Right, 40);  // cut near the edge, not far before it

  // The prefix underline lies under the marked letter, below the baseline.
  const auto underline = [](unsigned extra) {
    Page q(100, 30);
    TRect box{0, 0, 100, 30};
    q.s.DrawText(u"&Save", box, DT_SINGLELINE | extra);
    return std::move(q.pixels);
  };
  const PixelBuffer marked = underline(0), hidden = underline(DT_HIDEPREFIX), plain = underline(DT_NOPREFIX);
  const int baseline = 13;
  int underlineRow = -1;
  for (int y = baseline; y < 16; ++y)
    if (marked.Row32(y)[2] != kWhite && hidden.Row32(y)[2] == kWhite) underlineRow = y;
  EXPECT_GE(underlineRow, baseline);
  EXPECT_NE(InkOf(plain).Right, InkOf(marked).Right);  // "&Save" shows the ampersand
  const TRect ink = InkOf(underline(DT_PREFIXONLY));
  EXPECT_EQ(ink.Height(), 1);
  EXPECT_EQ(ink.Top, underlineRow);
}

TEST(Text, GlyphsAreCachedPerFace) {
  Page p(100, 30);
  FontFace& face = p.s.GetFont().Face();
  const Glyph* first = &face.GetGlyph(U'Ж');
  p.s.TextOut(0, 0, u"Ж");
  EXPECT_EQ(&face.GetGlyph(U'Ж'), first);  // the same rasterised glyph again
  PurgeGlyphCaches();
  EXPECT_GT(face.GetGlyph(U'Ж').width, 0);
}

}  // namespace
}  // namespace gfx
