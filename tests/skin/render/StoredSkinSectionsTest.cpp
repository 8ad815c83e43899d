// The stored Emberfield skin's sections: the group box over its parent's picture, the
// panel's texture, the tool bar's single pass; and a board of every section in every
// state over a checkered picture and over a plain colour (skin-section-board.png in the
// build folder) to look at.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/Files.h"
#include "platform/base/Unicode.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/Surface.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/acImageSource.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

// (The loader's test helpers and the pixel test helpers share names; these are local.)
constexpr std::uint32_t Px(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

Bitmap32 Ground(int w, int h, TColor c) {
  Bitmap32 b(w, h);
  FillPixels(&b, {0, 0, w, h}, c, 255);
  return b;
}

Bitmap32 Pattern(int w, int h, std::uint32_t v) {
  Bitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, v = v * 1664525u + 1013904223u);
  return b;
}

std::vector<std::uint32_t> Snapshot(const Bitmap32& b) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < b.Height(); ++y) out.insert(out.end(), b.Row(y), b.Row(y) + b.Width());
  return out;
}

int Count(const Bitmap32& b, const TRect& r, std::uint32_t px) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) == px;
  return n;
}

class StoredSkinSectionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loader.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)")); }

  int Index(std::u16string_view name) { return loader.GetSkinIndex(name, &loader.Data()); }
  const TsGeneralData& Section(std::u16string_view name) { return loader.Section(name); }

  // A picture of w x h in 8 x 8 squares of two greys.
  static Bitmap32 Checkered(int w, int h) {
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.SetPixel(x, y, ((x / 8 + y / 8) % 2) ? 0xFF9A9A9Au : 0xFF5E5E5Eu);
    return b;
  }

  test::TestLoader loader;
};

TEST_F(StoredSkinSectionsTest, GroupBoxIsItsParentsPictureInsideItsOnePixelBorder) {
  const int gb = Index(u"GROUPBOX");
  ASSERT_GE(gb, 0);
  ASSERT_EQ(Section(u"GROUPBOX").Props[0].Transparency, 100);
  const Bitmap32 parent = Pattern(300, 200, 42);
  Bitmap32 parentCopy = parent;
  Bitmap32 dst(120, 80);
  PaintSection(gb, BgInfoFromBitmap(&parentCopy, 0, 0), -1, -1, &loader.Data(), &dst, {30, 50}, {0, 0, 120, 80}, 0);
  int ringDiffers = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) {
      const bool ring = x == 0 || y == 0 || x == 119 || y == 79;
      if (!ring) ASSERT_EQ(dst.Pixel(x, y), parent.Pixel(30 + x, 50 + y)) << x << "," << y;
      else ringDiffers += dst.Pixel(x, y) != parent.Pixel(30 + x, 50 + y);
    }
  EXPECT_GT(ringDiffers, 300);  // the border is drawn round the whole ring
}

TEST_F(StoredSkinSectionsTest, PanelTilesItsTextureEverywhereAndItsColourShowsNowhere) {
  const int panel = Index(u"PANEL");
  const TsGenState& p = Section(u"PANEL").Props[0];
  ASSERT_EQ(p.ImagePercent, 100);
  ASSERT_GE(p.TextureIndex, 0);
  const TsMaskData& tex = loader.Data().ma[static_cast<std::size_t>(p.TextureIndex)];
  const Bitmap32& src = *ImageSourceBitmap(tex);
  const int tw = tex.R.Right - tex.R.Left, th = tex.R.Bottom - tex.R.Top;
  Bitmap32 dst = Ground(150, 100, p.Color);
  PaintSectionBackground(panel, EmptyBgInfo(), 0, KeyColor, -1, -1, &loader.Data(), &dst, {5, 5}, {3, 2, 150, 100});
  int textureHasColour = 0;
  for (int y = 2; y < 100; ++y)
    for (int x = 3; x < 150; ++x) {
      const std::uint32_t t = src.Pixel(tex.R.Left + (x - 3) % tw, tex.R.Top + (y - 2) % th);
      ASSERT_EQ(dst.Pixel(x, y), t) << x << "," << y;
      textureHasColour += t == Px(p.Color);
    }
  EXPECT_EQ(Count(dst, {3, 2, 150, 100}, Px(p.Color)), textureHasColour);
}

TEST_F(StoredSkinSectionsTest, ToolBarMixesTextureAndGradientInOnePass) {
  const int tb = Index(u"TOOLBAR");
  const TsGenState& p = Section(u"TOOLBAR").Props[0];
  ASSERT_EQ(p.ImagePercent + p.GradientPercent, 100);
  const TsMaskData& tex = loader.Data().ma[static_cast<std::size_t>(p.TextureIndex)];
  ASSERT_EQ(tex.DrawMode, 0);
  const Bitmap32& src = *ImageSourceBitmap(tex);
  const int tw = tex.R.Right - tex.R.Left, th = tex.R.Bottom - tex.R.Top;
  Bitmap32 dst(90, 40);
  PaintSectionBackground(tb, EmptyBgInfo(), 0, KeyColor, -1, -1, &loader.Data(), &dst, {0, 0}, {0, 0, 90, 40});
  Bitmap32 grad(90, 40);
  FillGradient(&grad, {0, 0, 90, 40}, p.GradientArray, 0);
  const int w = p.ImagePercent * 255 / 100;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 90; ++x) {
      const std::uint32_t t = src.Pixel(tex.R.Left + x % tw, tex.R.Top + y % th), g = grad.Pixel(x, y);
      std::uint32_t want = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const int tc = (t >> shift) & 0xFF, gc = (g >> shift) & 0xFF;
        want |= std::uint32_t(((tc - gc) * w + gc * 256) >> 8) << shift;
      }
      ASSERT_EQ(dst.Pixel(x, y), want) << x << "," << y;
    }
}

TEST_F(StoredSkinSectionsTest, ARectanglePastTheDestinationsEdgeLeavesItAsItWas) {
  Bitmap32 dst = Pattern(60, 30, 9);
  const auto before = Snapshot(dst);
  for (std::size_t i = 0; i < loader.Data().gd.size(); ++i) {
    PaintSection(static_cast<int>(i), EmptyBgInfo(), -1, -1, &loader.Data(), &dst, {0, 0}, {10, 5, 61, 25}, 1);
    PaintSection(static_cast<int>(i), EmptyBgInfo(), -1, -1, &loader.Data(), &dst, {0, 0}, {10, 5, 40, 31}, 1);
  }
  EXPECT_EQ(Snapshot(dst), before);
}

TEST_F(StoredSkinSectionsTest, BoardOfEverySectionInEveryState) {
  const TacSkinData& data = loader.Data();
  const int sections = static_cast<int>(data.gd.size());
  const int cellW = 112, cellH = 44, gap = 6, labelW = 176;
  const int half = (sections + 1) / 2;
  const int blockW = labelW + 6 * (cellW + gap);
  const int W = 2 * blockW + gap, H = half * (cellH + gap) + 40;
  constexpr TColor kPlain = 0xB0C8E0;
  Bitmap32 board = Ground(W, H, 0xF4F4F4);
  gfx::Surface& s = board.Canvas();
  gfx::FontDesc font;
  font.height = -11;
  s.SetFont(gfx::Font(font));
  s.SetBkMode(gfx::BkMode::Transparent);
  s.SetTextColor(0x202020);
  for (int col = 0; col < 2; ++col) {
    const int x0 = col * (blockW + gap) + labelW;
    for (int state = 0; state < 3; ++state) {
      s.TextOut(x0 + state * 2 * (cellW + gap), 6, u"state " + base::Utf8ToUtf16(std::to_string(state)));
      s.TextOut(x0 + (state * 2 + 1) * (cellW + gap), 6, u"over a colour");
    }
  }
  Bitmap32 squares = Checkered(cellW, cellH);
  for (int i = 0; i < sections; ++i) {
    const TsGeneralData& g = data.gd[static_cast<std::size_t>(i)];
    const int x0 = (i / half) * (blockW + gap), y0 = 28 + (i % half) * (cellH + gap);
    const TsGenState& p = g.Props[0];
    const std::string label = base::Utf16ToUtf8(g.ClassName) + "  s" + std::to_string(g.States) + " t" +
                              std::to_string(p.Transparency) +
                              (p.ImagePercent ? " i" + std::to_string(p.ImagePercent) : "") +
                              (p.GradientPercent ? " g" + std::to_string(p.GradientPercent) : "");
    s.TextOut(x0 + 4, y0 + cellH / 2 - 7, base::Utf8ToUtf16(label));
    for (int state = 0; state < std::max(1, std::min(g.States, 3)); ++state) {
      const int cx = x0 + labelW + state * 2 * (cellW + gap);
      const TRect checker{cx, y0, cx + cellW, y0 + cellH};
      const TRect plain{cx + cellW + gap, y0, cx + 2 * cellW + gap, y0 + cellH};
      // Over a checkered picture (the parent, with the cell at its origin).
      PaintSection(i, BgInfoFromBitmap(&squares, 0, 0), -1, -1, &data, &board, {0, 0}, checker, state);
      // Over a parent that answers with its colour only.
      FillPixels(&board, plain, kPlain, 255);
      TacBgInfo colour;
      colour.FillColor = kPlain;
      PaintSection(i, colour, -1, -1, &data, &board, {0, 0}, plain, state);
    }
  }
  EXPECT_EQ(Count(board, {0, 0, W, H}, KeyPixel), 0);
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::vector<std::uint8_t> png = gfx::EncodePng(board.View());
  EXPECT_TRUE(
      base::WriteFileBytes(std::string(dir ? dir : ".") + "/skin-section-board.png", png, base::FileReplace::InPlace)
          .Ok());
}

}  // namespace
}  // namespace skin
