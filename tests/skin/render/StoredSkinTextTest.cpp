// Text and glyphs with the stored Emberfield skin: which sections text looks through,
// its glyph images, and a board of captions, arrows and glyphs to look at
// (skin-text-board.png in the build folder).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/base/Files.h"
#include "platform/forms/Bitmaps.h"
#include "platform/forms/Buttons.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/render/acArrow.h"
#include "skin/render/acBitmapText.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/acGlyphImages.h"
#include "skin/render/acGlyphStrip.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acSectionSeeThrough.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acStyledArrow.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin {
namespace {

class StoredSkinTextTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loader.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)")); }
  int Index(std::u16string_view name) { return loader.GetSkinIndex(name, &loader.Data()); }
  test::TestLoader loader;
};

TEST_F(StoredSkinTextTest, WhichSectionsTextLooksThrough) {
  // The group box (transparent, a border without centre) and the check box (transparent,
  // no border) show what is behind them; the button and the form do not.
  EXPECT_TRUE(IsSectionSeeThrough(&loader, Index(u"GROUPBOX"), 0));
  EXPECT_TRUE(IsSectionSeeThrough(&loader, Index(u"CHECKBOX"), 0));
  EXPECT_TRUE(IsSectionSeeThrough(&loader, Index(u"CHECKBOX"), 2));
  EXPECT_TRUE(IsSectionSeeThrough(&loader, Index(u"WEBBUTTON"), 1));
  EXPECT_FALSE(IsSectionSeeThrough(&loader, Index(u"BUTTON"), 0));
  EXPECT_FALSE(IsSectionSeeThrough(&loader, Index(u"BUTTON"), 1));
  EXPECT_FALSE(IsSectionSeeThrough(&loader, Index(u"FORM"), 0));
  EXPECT_FALSE(IsSectionSeeThrough(&loader, Index(u"PANEL"), 0));

  EXPECT_TRUE(IsTextLookThroughSection(&loader, Index(u"BUTTON")));
  EXPECT_TRUE(IsTextLookThroughSection(&loader, Index(u"GROUPBOX")));
  EXPECT_TRUE(IsTextLookThroughSection(&loader, Index(u"CHECKBOX")));
  EXPECT_FALSE(IsTextLookThroughSection(&loader, Index(u"FORM")));
  EXPECT_FALSE(IsTextLookThroughSection(&loader, Index(u"EDIT")));
  EXPECT_FALSE(IsTextLookThroughSection(&loader, -1));
}

TEST_F(StoredSkinTextTest, CheckGlyphImagesByCheckStateIntoThePicture) {
  const TacSkinData& data = loader.Data();
  const int off = CheckGlyphImage(data, TacCheckGlyph::Box, 0), on = CheckGlyphImage(data, TacCheckGlyph::Box, 1);
  ASSERT_GE(off, 0);
  ASSERT_GE(on, 0);
  EXPECT_NE(off, on);
  EXPECT_EQ(CheckGlyphImage(data, TacCheckGlyph::Radio, 2), -1);
  EXPECT_EQ(CheckGlyphImage(data, TacCheckGlyph::Box, 3), -1);
  const TsMaskData& md = data.ma[static_cast<std::size_t>(on)];
  Bitmap32 picture = test::Ground(40, 20, 0x806040);
  const std::vector<std::uint32_t> before = test::PixelsOf(picture);
  const gfx::TPoint p = CheckGlyphOrigin({0, 0, 40, 20}, {md.Width, md.Height}, false);
  PaintGlyphImage(&picture, p, data, on, 1);
  EXPECT_NE(test::PixelsOf(picture), before);
  EXPECT_EQ(test::CountValue(picture, KeyPixel), 0);
  // Nothing outside the glyph's place, nothing for an invalid index.
  for (int y = 0; y < 20; ++y)
    for (int x = md.Width; x < 40; ++x) ASSERT_EQ(picture.Pixel(x, y), 0xFF406080u);
  const std::vector<std::uint32_t> after = test::PixelsOf(picture);
  PaintGlyphImage(&picture, p, data, -1, 0);
  PaintGlyphImage(&picture, p, data, static_cast<int>(data.ma.size()), 0);
  EXPECT_EQ(test::PixelsOf(picture), after);
}

// The board: one row per section of the skin, then arrows and glyphs.
class TextBoard {
 public:
  TextBoard(int w, int h) : board_(test::Ground(w, h, 0xE8E4E0)) {}
  Bitmap32& Board() { return board_; }

  // A label in dark grey, left aligned.
  void Label(std::u16string_view text, const gfx::TRect& r) {
    gfx::Surface& s = board_.Canvas();
    s.SetFont(gfx::Font());
    s.SetBkMode(gfx::BkMode::Transparent);
    s.SetTextColor(0x303030);
    gfx::TRect at = r;
    DrawTextPlain(s, text, at, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS | gfx::DT_NOPREFIX);
  }

  // The section's look in a state: its colour over a checker of the form's colour (what
  // a see-through control shows), by its transparency, then its border image.
  void Face(const TacSkinData& data, const TsGeneralData& g, int state, const gfx::TRect& r, TColor form) {
    const int s = LimitSectionState(g, state);
    const TsGenState& p = SectionStateProps(g, s);
    const TColor light = BlendColorValues(form, 0xFFFFFF, 220);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const TColor checker = ((x - r.Left) / 4 + (y - r.Top) / 4) % 2 ? light : form;
        const int t = std::clamp(p.Transparency, 0, 100) * 255 / 100;
        board_.SetPixel(x, y, test::Opaque(BlendColorValues(checker, p.Color, t)));
      }
    if (g.BorderIndex >= 0 && g.BorderIndex < static_cast<int>(data.ma.size())) {
      // Only the cell is copied: a copy of the whole board per cell made the test slow.
      Bitmap32 behind(r.Right - r.Left, r.Bottom - r.Top);
      CopyBitmapRect(&behind, &board_, {0, 0}, r);
      PaintImageSlices(&board_, r, BgInfoFromBitmap(&behind, -r.Left, -r.Top), true, s,
                       data.ma[std::size_t(g.BorderIndex)]);
    }
  }

 private:
  Bitmap32 board_;
};

constexpr unsigned kCaption = gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER;

// A 32-bit picture with alpha: a soft disc in two colours.
Bitmap32 Disc(int size) {
  Bitmap32 b(size, size);
  const double c = (size - 1) / 2.0, r = size / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double d = std::hypot(x - c, y - c);
      const double a = std::clamp((r - d) / 2.0, 0.0, 1.0);
      const std::uint32_t rgb = x < size / 2 ? 0x00E05020u : 0x002080E0u;
      b.SetPixel(x, y, (std::uint32_t(a * 255) << 24) | rgb);
    }
  return b;
}

TEST_F(StoredSkinTextTest, BoardOfCaptionsArrowsAndGlyphs) {
  const TacSkinData& data = loader.Data();
  const int cellW = 96, cellH = 24, nameW = 132, gap = 4;
  const int rows = static_cast<int>(data.gd.size());
  const int W = nameW + 9 * (cellW + gap) + gap, H = 40 + rows * (cellH + gap) + 640;
  TextBoard t(W, H);
  const TColor form = data.gd[static_cast<std::size_t>(Index(u"FORM"))].Props[0].Color;
  const TColor title = data.gd[static_cast<std::size_t>(Index(u"FORMTITLE"))].Props[1].Color;
  Bitmap32& board = t.Board();
  board.Canvas().SetFont(gfx::Font());

  const char16_t* heads[] = {u"normal",        u"hot",        u"pressed",        u"disabled 0",
                             u"disabled 1",    u"disabled 2", u"contour+glow 0", u"contour+glow 1",
                             u"contour+glow 2"};
  for (int c = 0; c < 9; ++c) t.Label(heads[c], {nameW + c * (cellW + gap), 8, nameW + c * (cellW + gap) + cellW, 30});
  int y = 40;
  for (int i = 0; i < rows; ++i, y += cellH + gap) {
    const TsGeneralData& g = data.gd[static_cast<std::size_t>(i)];
    t.Label(g.ClassName, {gap, y, nameW - gap, y + cellH});
    for (int c = 0; c < 9; ++c) {
      const gfx::TRect cell{nameW + c * (cellW + gap), y, nameW + c * (cellW + gap) + cellW, y + cellH};
      const int state = c % 3;
      t.Face(data, g, state, cell, form);
      gfx::Surface& s = board.Canvas();
      s.SetFont(gfx::Font());
      if (c < 6) {
        WriteSectionText(s, u"&Caption", c < 3, &loader, state, i, kCaption, cell);
        continue;
      }
      // The caption route of a control, with a contour and a glow the skin lacks: a dark
      // shadow under light text, a light one under dark text.
      TsGenState p = SectionStateProps(g, state);
      const TColor fc = p.FontColor.Color;
      const bool light = ((fc & 0xFF) + ((fc >> 8) & 0xFF) + ((fc >> 16) & 0xFF)) > 3 * 128;
      p.FontColor.Bottom = light ? 0x202020 : 0xFFFFFF;
      p.GlowColor = light ? 0x000000 : 0xFFFFFF;
      p.GlowSize = 3;
      TacCaptionStyle style;
      style.Coloring = TacCaptionColoring::Skin;
      style.Props = &p;
      style.GlobalColor = loader.Palette[pcMainColor];
      style.GlowTarget = &board;
      WriteStateText(s, u"&Caption", true, style, kCaption, cell);
    }
  }

  // Arrows: the small arrow and the four styles, every direction, at 96 and 144 dots per
  // inch, dark on light and light on dark.
  y += 8;
  t.Label(u"arrows: small, solid1, lines1, solid2, lines2 x left, top, right, bottom; 96 and 144 dpi",
          {gap, y, W, y + 16});
  y += 20;
  int x = gap;
  for (const int ppi : {96, 144}) {
    const int box = 17 * ppi / 96, groupW = 20 * (box + 2) + 8;
    for (const bool dark : {false, true}) {
      if (x + groupW > W) {
        x = gap;
        y += box + 6;
      }
      const TColor ground = dark ? 0x5A4632 : 0xF4F0EC, ink = dark ? 0xFFFFFF : 0x202020;
      for (int style = -1; style < 4; ++style)
        for (const TacSide side : {asLeft, asTop, asRight, asBottom}) {
          const gfx::TRect r{x, y, x + box, y + box};
          FillPixels(&board, r, ground, 255);
          if (style < 0) DrawArrow(&board, ink, r, ppi, side);
          else DrawStyledArrow(&board, ink, NoKey, ppi, TacArrowDrawStyle(style), 0, 0, 0, side, r);
          x += box + 2;
        }
      x += 8;
    }
    x = gap;
    y += box + 6;
  }
  y += 10;

  // Glyph strips of the standard button kinds: normal, pressed, disabled picture,
  // disabled blended, reflected; on the button face.
  t.Label(u"glyph strips: normal, pressed, disabled, blended, reflected", {gap, y, W, y + 16});
  y += 20;
  const TsGeneralData& button = data.gd[static_cast<std::size_t>(Index(u"BUTTON"))];
  for (int k = 1; k <= 10; ++k) {
    auto glyph = forms::StandardGlyph(static_cast<forms::TBitBtnKind>(k));
    if (!glyph) continue;
    const int gw = glyph->Width() / 2, gh = glyph->Height();
    const gfx::TRect face{x, y, x + 5 * (gw + 6) + 6, y + gh + 22};
    t.Face(data, button, 0, face, form);
    const int top = y + 4;
    DrawGlyphStrip(*glyph, &board, {x + 6, top, x + 6 + gw, top + gh}, false, 0, 0, gkUp, true, 2);
    DrawGlyphStrip(*glyph, &board, {x + 12 + gw, top, x + 12 + 2 * gw, top + gh}, false, 0, 0, gkDown, true, 2);
    DrawGlyphStrip(*glyph, &board, {x + 18 + 2 * gw, top, x + 18 + 3 * gw, top + gh}, false, 0, 0, gkDisabled, false,
                   2);
    DrawGlyphStrip(*glyph, &board, {x + 24 + 3 * gw, top, x + 24 + 4 * gw, top + gh}, false, 0, 50, gkUp, false, 2);
    DrawGlyphStrip(*glyph, &board, {x + 30 + 4 * gw, top + 2, x + 30 + 5 * gw, top + 2 + gh}, true, 0, 0, gkUp, true,
                   2);
    x += face.Width() + 8;
    if (x > W - face.Width()) {
      x = gap;
      y += face.Height() + 8;
    }
  }
  x = gap;
  y += 50 + 8;

  // 32-bit glyphs: opaque, half transparent, tinted red and blue, reflected, invisible;
  // then the global section's glyph images in states 0, 1, 2 and faded.
  t.Label(u"32-bit glyphs: opaque, 50%, tinted, tinted, reflected, 100%; global glyph images", {gap, y, W, y + 16});
  y += 20;
  const Bitmap32 disc = Disc(32);
  const TColor tints[] = {NoKey, NoKey, 0x0000C0, 0xC06000, NoKey, NoKey};
  const int transparency[] = {0, 50, 0, 0, 0, 100};
  Bitmap32 under = board;
  for (int i = 0; i < 6; ++i) {
    const gfx::TRect r{x, y, x + 32, y + 32};
    DrawGlyph32(r, {0, 0, 32, 32}, &board, i == 4, transparency[i], tints[i], true, BgInfoFromBitmap(&under, 0, 0),
                &disc);
    x += 40;
  }
  x += 16;
  const std::u16string_view glyphs[] = {u"BOXUNCHECKED", u"BOXCHECKED", u"BOXGRAYED", u"RADIOUNCHECKED",
                                        u"RADIOCHECKED", u"BICONCLOSE", u"BICONMAX",  u"BICONMIN",
                                        u"BICONHELP",    u"GRIPIMAGE"};
  for (const auto key : glyphs) {
    const int index = loader.GetMaskIndex(u"GLOBALINFO", key, &data);
    if (index < 0) continue;
    const TsMaskData& md = data.ma[static_cast<std::size_t>(index)];
    if (x + 4 * (md.Width + 4) > W) {
      x = gap + 6 * 40 + 16;
      y += 40;
    }
    // Title bar buttons are drawn for the title bar's colour.
    if (key.starts_with(u"BICON"))
      FillPixels(&board, {x - 3, y - 3, x + 4 * (md.Width + 4) - 1, y + md.Height + 3}, title, 255);
    for (int state = 0; state < 4; ++state) {
      PaintGlyphImage(&board, {x, y}, data, index, std::min(state, 2),
                      state == 3 ? TacImageLook::Faded : TacImageLook::Normal);
      x += md.Width + 4;
    }
    x += 10;
  }
  y += 48;
  x = gap;

  // Text merged into 32-bit pictures: with alpha over a transparent picture put on the
  // board, and opaque into a face.
  t.Label(u"text merged into 32-bit pictures: premultiplied (GLOBALINFO contours), opaque", {gap, y, W, y + 16});
  y += 20;
  Bitmap32 layer(220, 28);
  for (int j = 0; j < 28; ++j) std::fill_n(layer.Row(j), 220, 0u);
  gfx::FontDesc bold;
  bold.height = -16;
  bold.weight = gfx::FW_BOLD;
  layer.Canvas().SetFont(gfx::Font(bold));
  WriteBitmapText(&layer, u"Премультипликация", true, &loader, 0, Index(u"GLOBALINFO"), kCaption, {0, 0, 220, 28});
  {
    const gfx::TRect r{x, y, x + 220, y + 28};
    t.Face(data, data.gd[std::size_t(Index(u"FORM"))], 0, r, form);
    gfx::BlendFunction bf;
    bf.alphaFormat = gfx::AC_SRC_ALPHA;
    board.Canvas().AlphaBlend(x, y, 220, 28, layer.Canvas(), 0, 0, 220, 28, bf);
  }
  x += 232;
  {
    const gfx::TRect r{x, y, x + 220, y + 28};
    t.Face(data, button, 1, r, form);
    board.Canvas().SetFont(gfx::Font(bold));
    WriteBitmapText(&board, u"Получить список", false, &loader, 1, Index(u"BUTTON"), kCaption, r);
  }
  y += 40;
  ASSERT_LE(y, H);

  // The board stands for the screen, where byte A is not looked at; it ends below the
  // last row drawn.
  Bitmap32 used(W, y);
  for (int j = 0; j < y; ++j)
    for (int i = 0; i < W; ++i) used.SetPixel(i, j, board.Pixel(i, j) | 0xFF000000u);
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::vector<std::uint8_t> png = gfx::EncodePng(used.View());
  EXPECT_TRUE(
      base::WriteFileBytes(std::string(dir ? dir : ".") + "/skin-text-board.png", png, base::FileReplace::InPlace)
          .Ok());
}

}  // namespace
}  // namespace skin
