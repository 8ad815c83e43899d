// The stored Emberfield skin's frames and glyphs drawn at several sizes and states; also
// writes them onto one board picture (skin-image-board.png in the build folder) to look at.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"
#include "skin/render/acImageCorners.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acPaintImageState.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

class StoredSkinImagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(loader.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)")); }

  const TsMaskData& Border(std::u16string_view section) { return loader.Entry(section, u"BORDERSMASK"); }
  const TsMaskData& Global(std::u16string_view key) { return loader.Entry(u"GLOBALINFO", key); }

  static Bitmap32 Ground(int w, int h, TColor colour) {
    Bitmap32 b(w, h);
    FillPixels(&b, {0, 0, w, h}, colour, 255);
    return b;
  }

  test::TestLoader loader;
};

std::vector<std::uint32_t> Pixels(const Bitmap32& b) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < b.Height(); ++y) out.insert(out.end(), b.Row(y), b.Row(y) + b.Width());
  return out;
}

int CountPixels(const Bitmap32& b, const TRect& r, std::uint32_t px) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) == px;
  return n;
}

TEST_F(StoredSkinImagesTest, ButtonFaceCoversItsRectangleOpaqueWithoutKeyPixels) {
  const TsMaskData& face = Border(u"BUTTON");
  ASSERT_EQ(face.DrawMode, 13);
  ASSERT_EQ(face.MaskType, 1);
  for (const TSize size : {TSize{75, 25}, TSize{9, 9}, TSize{3, 40}, TSize{300, 60}}) {
    Bitmap32 behind = Ground(size.cx, size.cy, 0x336699);
    Bitmap32 dst = behind;
    PaintImageSlices(&dst, {0, 0, size.cx, size.cy}, BgInfoFromBitmap(&behind, 0, 0), true, 1, face);
    EXPECT_EQ(CountPixels(dst, {0, 0, size.cx, size.cy}, KeyPixel), 0) << size.cx;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) ASSERT_EQ(dst.Pixel(x, y) >> 24, 0xFFu) << x << "," << y;
  }
  // The states differ, and a state past the last one repeats it.
  Bitmap32 s0 = Ground(75, 25, 0), s1 = s0, s2 = s0, s7 = s0;
  PaintImageSlices(&s0, {0, 0, 75, 25}, EmptyBgInfo(), false, 0, face);
  PaintImageSlices(&s1, {0, 0, 75, 25}, EmptyBgInfo(), false, 1, face);
  PaintImageSlices(&s2, {0, 0, 75, 25}, EmptyBgInfo(), false, 2, face);
  PaintImageSlices(&s7, {0, 0, 75, 25}, EmptyBgInfo(), false, 7, face);
  EXPECT_NE(Pixels(s0), Pixels(s1));
  EXPECT_NE(Pixels(s1), Pixels(s2));
  EXPECT_EQ(Pixels(s7), Pixels(s2));
}

TEST_F(StoredSkinImagesTest, FormFrameCornersListTheirCutAndTakeTheParent) {
  const TsMaskData& frame = Border(u"FORM");
  std::vector<TRect> top, bottom;
  CornerTransparentRuns(top, 400, frame, 0, false, 0);
  CornerTransparentRuns(bottom, 400, frame, 0, true, 300 - frame.WB);
  if (frame.Cfg == 0) {
    EXPECT_TRUE(top.empty());
    return;
  }
  ASSERT_FALSE(top.empty());
  Bitmap32 parent = Ground(400, 300, 0x00C000);
  Bitmap32 dst = Ground(400, 300, 0x000080);
  PaintImageSlices(&dst, {0, 0, 400, 300}, BgInfoFromBitmap(&parent, 0, 0), true, 1, frame);
  for (const TRect& r : top) {
    ASSERT_GE(r.Left, 0);
    ASSERT_LE(r.Right, 400);
    EXPECT_EQ(dst.Pixel(r.Left, r.Top), parent.Pixel(r.Left, r.Top)) << r.Left << "," << r.Top;
  }
  for (const TRect& r : bottom) {
    EXPECT_GE(r.Top, 300 - frame.WB);
    EXPECT_LT(r.Top, 300);
    EXPECT_EQ(dst.Pixel(r.Left, r.Top), parent.Pixel(r.Left, r.Top)) << r.Left << "," << r.Top;
  }
}

TEST_F(StoredSkinImagesTest, BoardOfFramesAndGlyphs) {
  const int W = 720, H = 600;
  Bitmap32 board = Ground(W, H, 0xD8D0C8);
  struct Frame {
    std::u16string_view section;
    std::vector<TSize> sizes;
  };
  const Frame frames[] = {
      {u"BUTTON", {{75, 25}, {140, 40}, {20, 20}}},
      {u"EDIT", {{150, 21}, {60, 60}}},
      {u"GROUPBOX", {{180, 90}}},
      {u"PANEL", {{120, 60}}},
      {u"SCROLLSLIDERH", {{80, 17}}},
      {u"SCROLLSLIDERV", {{17, 60}}},
      {u"TABTOP", {{90, 24}}},
  };
  int y = 8;
  for (const Frame& f : frames) {
    const int index = loader.GetMaskIndex(f.section, u"BORDERSMASK", &loader.Data());
    if (index < 0) continue;
    const TsMaskData& md = loader.Data().ma[static_cast<std::size_t>(index)];
    int x = 8, rowH = 0;
    for (const TSize& s : f.sizes)
      for (int state = 0; state < 3; ++state) {
        if (x + s.cx > W) break;
        Bitmap32 behind = board;
        PaintImageSlices(&board, {x, y, x + s.cx, y + s.cy}, BgInfoFromBitmap(&behind, 0, 0), true, state, md);
        x += s.cx + 8;
        rowH = std::max(rowH, static_cast<int>(s.cy));
      }
    y += rowH + 8;
  }
  // The form frame, drawn larger, and glyphs in every state and the faded look.
  const TsMaskData& form = Border(u"FORM");
  Bitmap32 behind = board;
  PaintImageSlices(&board, {8, y, 268, y + 180}, BgInfoFromBitmap(&behind, 0, 0), true, 1, form);
  PaintImageSlices(&board, {276, y, 476, y + 180}, BgInfoFromBitmap(&behind, 0, 0), true, 0, form);
  const std::u16string_view glyphs[] = {u"BOXUNCHECKED", u"BOXCHECKED", u"RADIOCHECKED", u"BICONCLOSE",
                                        u"BICONMAX",     u"BICONMIN",   u"GRIPIMAGE"};
  int gy = y;
  for (const auto key : glyphs) {
    const int index = loader.GetMaskIndex(u"GLOBALINFO", key, &loader.Data());
    if (index < 0) continue;
    const TsMaskData& md = loader.Data().ma[static_cast<std::size_t>(index)];
    int gx = 490;
    for (int state = 0; state < 3; ++state, gx += md.Width + 6) {
      Bitmap32 under = board;
      PaintImageState(&board, {gx, gy}, state, BgInfoFromBitmap(&under, 0, 0), md);
    }
    PaintImageState(&board, {gx, gy}, 0, EmptyBgInfo(), md, TacImageLook::Faded);
    gy += md.Height + 6;
  }
  EXPECT_EQ(CountPixels(board, {0, 0, W, H}, KeyPixel), 0);
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::vector<std::uint8_t> png = gfx::EncodePng(board.View());
  EXPECT_TRUE(
      base::WriteFileBytes(std::string(dir ? dir : ".") + "/skin-image-board.png", png, base::FileReplace::InPlace)
          .Ok());
}

}  // namespace
}  // namespace skin
