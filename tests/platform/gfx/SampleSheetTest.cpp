// Draws a sample sheet of text, gradients, smooth lines and shapes and writes it as
// gfx-sample-sheet.png into the build folder, for people to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace gfx {
namespace {

constexpr TColor kFace = 0xC8D0D4;  // the classic button face
constexpr TColor kBlack = 0x000000;
constexpr TColor kLabel = 0x606060;

Font MakeFont(const char16_t* face, int height, int weight = FW_NORMAL) {
  FontDesc d;
  d.face = face;
  d.height = height;
  d.weight = weight;
  return Font(d);
}

void Label(Surface& s, int x, int y, const std::u16string& text) {
  s.SetFont(MakeFont(u"Tahoma", -11));
  s.SetTextColor(kLabel);
  s.TextOut(x, y, text);
}

// One line of sample text; returns the row's bounding box.
TRect SampleLine(Surface& s, int x, int y, const Font& f, const std::u16string& text) {
  s.SetFont(f);
  s.SetTextColor(kBlack);
  s.TextOut(x, y, text);
  const TSize e = s.TextExtent(text);
  return {x, y, x + e.cx, y + e.cy};
}

bool HasInk(const PixelBuffer& b, const TRect& r, std::uint32_t background) {
  for (int y = std::max(0, r.Top); y < std::min(b.Height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(b.Width(), r.Right); ++x)
      if ((b.Row32(y)[x] & 0xFFFFFF) != (background & 0xFFFFFF)) return true;
  return false;
}

TEST(SampleSheet, WritesTheSheet) {
  PixelBuffer sheet(720, 640);
  Surface s(sheet.View());
  s.FillRect({0, 0, 720, 640}, 0xFFFFFF);
  s.FillRect({360, 0, 720, 236}, kFace);
  s.SetBkMode(BkMode::Transparent);

  // Text: Tahoma at 11 and 13 pixels, plain and bold, on white and on the button face.
  const std::u16string latin = u"Found lines: 1234  The quick brown fox";
  const std::u16string cyr = u"Получить список   Сохранить";
  int y = 6;
  for (int height : {-11, -13}) {
    for (int weight : {FW_NORMAL, FW_BOLD}) {
      const std::u16string name =
          u"Tahoma " + std::u16string(height == -11 ? u"11" : u"13") + (weight == FW_BOLD ? u" bold" : u"");
      Label(s, 8, y, name);
      y += 14;
      const Font f = MakeFont(u"Tahoma", height, weight);
      for (int column : {8, 368}) {
        EXPECT_TRUE(HasInk(sheet, SampleLine(s, column, y, f, cyr), column < 360 ? 0xFFFFFF : kFace));
        EXPECT_TRUE(HasInk(sheet, SampleLine(s, column, y + 18, f, latin), column < 360 ? 0xFFFFFF : kFace));
      }
      y += 40;
    }
  }
  Label(s, 8, y, u"\"NewSaturionCyr\" 13 (not installed: DejaVu Sans)");
  y += 14;
  const Font fallback = MakeFont(u"NewSaturionCyr", -13);
  EXPECT_TRUE(
      HasInk(sheet, SampleLine(s, 8, y, fallback, u"Программа для получения списка URL из sitemap.xml"), 0xFFFFFF));
  y += 20;
  Label(s, 8, y, u"Tahoma 13 with characters it lacks; italic, underline, strike-out");
  y += 14;
  SampleLine(s, 8, y, MakeFont(u"Tahoma", -13), u"Готово ✓ → ★ ∞ ≠ Ωmega ½");
  FontDesc styled;
  styled.height = -13;
  styled.italic = styled.underline = styled.strikeOut = true;
  SampleLine(s, 200, y, Font(styled), u"Курсив, italic");
  s.SetBkMode(BkMode::Opaque);
  s.SetBkColor(0x80FFFF);
  SampleLine(s, 330, y, MakeFont(u"Tahoma", -11), u"Opaque background, фон");
  s.SetBkMode(BkMode::Transparent);
  y += 24;

  // Formatted text: wrapping and centring, ellipsis, prefixes, right alignment.
  Label(s, 8, y, u"DrawText: word break + centre, end ellipsis, prefix, right");
  y += 14;
  s.SetFont(MakeFont(u"Tahoma", -13));
  s.SetTextColor(kBlack);
  TRect box{8, y, 208, y + 52};
  s.FrameRect(box, 0xA0A0A0);
  s.DrawText(u"Полученный список URL. Найдено URL: 0 — сохраните результаты в файл", box, DT_WORDBREAK | DT_CENTER);
  TRect ell{220, y, 340, y + 18};
  s.FrameRect(ell, 0xA0A0A0);
  s.DrawText(u"Сохранить результаты в файл", ell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  TRect pre{220, y + 24, 340, y + 42};
  s.DrawText(u"&Сохранить  &Open", pre, DT_SINGLELINE);
  TRect right{360, y, 560, y + 18};
  s.FrameRect(right, 0xA0A0A0);
  s.DrawText(u"Найдено URL: 25", right, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
  y += 64;

  // Gradients.
  Label(s, 8, y, u"Rectangle, triangle, alpha brush and path gradients");
  y += 14;
  const Surface::GradientVertex a{{8, y}, 0xFFFF0000}, b{{128, y + 60}, 0xFF0000FF};
  s.GradientFillRect(a, b, Surface::GradientDirection::Horizontal);
  const TPoint tl{140, y}, tr{260, y}, br{260, y + 60}, bl{140, y + 60}, ce{200, y + 30};
  const std::uint32_t corner[5] = {0xFFE0E8F0, 0xFF3070C0, 0xFFE0E8F0, 0xFF102040, 0xFF102040};
  const Surface::GradientVertex tris[4][3] = {{{tl, corner[0]}, {ce, corner[1]}, {tr, corner[2]}},
                                              {{ce, corner[1]}, {tr, corner[2]}, {br, corner[3]}},
                                              {{tl, corner[0]}, {ce, corner[1]}, {bl, corner[4]}},
                                              {{bl, corner[4]}, {ce, corner[1]}, {br, corner[3]}}};
  for (const auto& t : tris) s.GradientFillTriangle(t);
  for (int cy = 0; cy < 60; cy += 10)  // a checkerboard shows the alpha
    for (int cx = 0; cx < 120; cx += 10)
      if (((cx + cy) / 10) % 2 == 0) s.FillRect({272 + cx, y + cy, 282 + cx, y + cy + 10}, 0x808080);
  s.FillLinearGradient({272, double(y), 120, 60}, 0xFF2060FF, 0x002060FF, Surface::GradientDirection::Horizontal,
                       {272, y, 392, y + 60});
  const TPointF quad[4] = {{404, double(y)}, {524, double(y)}, {524, double(y + 60)}, {404, double(y + 60)}};
  const std::uint32_t qc[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
  s.FillPathGradient(quad, qc, 4, {464, y + 30.0}, 0xFFFFFFFF);
  EXPECT_EQ(sheet.Row32(y + 30)[464], 0xFFFFFFFFu);
  y += 72;

  // Smooth lines of several widths, and pen shapes.
  Label(s, 8, y, u"Anti-aliased lines 0.5, 1, 1.5, 2, 3 px; pen shapes");
  y += 14;
  const double widths[] = {0.5, 1.0, 1.5, 2.0, 3.0};
  for (int i = 0; i < 5; ++i) {
    const double x0 = 10 + i * 50;
    s.DrawSmoothLine({x0, double(y + 4)}, {x0 + 40, double(y + 60)}, widths[i], 0xFF000000);
    s.DrawSmoothLine({x0 + 40, double(y + 4)}, {x0 + 8, double(y + 60)}, widths[i], 0xFFC03020);
  }
  s.SetPen(Pen(PenStyle::Solid, 1, 0x303030));
  s.SetBrush(Brush::Solid(0xF0D0A0));
  s.Ellipse({270, y + 4, 340, y + 60});
  s.RoundRect({350, y + 4, 420, y + 60}, 16, 16);
  const TPoint arrow[] = {{440, y + 20}, {447, y + 27}, {448, y + 27}, {455, y + 20}};
  s.SetBrush(Brush::Solid(0));
  s.Polygon(arrow, 4);
  s.SetPen(Pen(PenStyle::Dot, 1, 0x000000));
  s.MoveTo({470, y + 10});
  s.LineTo({600, y + 10});
  s.SetPen(Pen(PenStyle::Solid, 3, 0x2040A0));
  s.MoveTo({470, y + 30});
  s.LineTo({600, y + 55});

  const std::vector<std::uint8_t> png = EncodePng(sheet.View());
  ASSERT_FALSE(png.empty());
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::string path = std::string(dir ? dir : ".") + "/gfx-sample-sheet.png";
  ASSERT_TRUE(base::WriteFileBytes(path, png, base::FileReplace::InPlace).Ok());
  const DecodeResult back = LoadImageFile(path);
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.image.pixels.Row32(y + 30)[10], sheet.Row32(y + 30)[10]);
}

}  // namespace
}  // namespace gfx
