// Single state pictures and the transparent corners of border images, on synthetic entries.
#include <gtest/gtest.h>

#include "skin/render/acImageCorners.h"
#include "skin/render/acPaintImageState.h"
#include "tests/skin/support/ImageDrawTestSupport.h"

namespace skin {
namespace {

using test::Filled;
using test::MasterSkin;
using test::Rgb;
using test::Snapshot;

constexpr std::uint32_t kGround = 0xFF101010u;

TEST(PaintImageStateTest, NegativePointCutsOffTheFirstColumns) {
  MasterSkin m(4, 2);
  for (int x = 0; x < 4; ++x) m.Set(x, 0, Rgb(x, 0, 0)), m.Set(x, 1, Rgb(x, 1, 0));
  const TsMaskData md = m.Entry({0, 0, 4, 2}, 1, 0, 0, 0, 0, 0, 0);
  Bitmap32 dst = Filled(4, 2, kGround);
  PaintImageState(&dst, {-2, 0}, 0, EmptyBgInfo(), md);
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(2, 0, 0));
  EXPECT_EQ(dst.Pixel(1, 1), Rgb(3, 1, 0));
  EXPECT_EQ(dst.Pixel(2, 0), kGround);
}

TEST(PaintImageStateTest, MaskedPictureWeightsChannelsAndGrowsAlpha) {
  MasterSkin m(4, 2);
  // Two 2 x 1 pictures (states 0 and 1) over their masks.
  m.Set(0, 0, Rgb(200, 100, 0));
  m.Set(1, 0, KeyPixel);
  m.Set(2, 0, Rgb(1, 2, 3));
  m.Set(0, 1, 0xFF408000u);  // mask: R 64, G 128, B 0
  m.Set(1, 1, 0xFF000000u);
  m.Set(2, 1, 0xFFFFFFFFu);
  const TsMaskData md = m.Entry({0, 0, 4, 2}, 2, 1, 0, 0, 0, 0, 0);
  Bitmap32 dst = Filled(2, 1, 0x40000000u);
  PaintImageState(&dst, {0, 0}, 0, EmptyBgInfo(), md);
  const std::uint32_t a = 0x40 + (((255 - 0x40) * (255 - 64)) >> 8);
  EXPECT_EQ(dst.Pixel(0, 0),
            (a << 24) | (std::uint32_t(BlendStep(0, 200, 64)) << 16) | (std::uint32_t(BlendStep(0, 100, 128)) << 8));
  // A key picture pixel keeps the colour but its alpha still grows by the mask's cover.
  EXPECT_EQ(dst.Pixel(1, 0), std::uint32_t(0x40 + ((191 * 255) >> 8)) << 24);
  // The faded look adds 100 to each mask weight.
  Bitmap32 faded = Filled(2, 1, 0xFF000000u);
  PaintImageState(&faded, {0, 0}, 0, EmptyBgInfo(), md, TacImageLook::Faded);
  EXPECT_EQ((faded.Pixel(0, 0) >> 16) & 0xFF, BlendStep(0, 200, 164));
  EXPECT_EQ((faded.Pixel(0, 0) >> 8) & 0xFF, BlendStep(0, 100, 228));
  // State 1, mask 255: the picture does not show.
  Bitmap32 hidden = Filled(2, 1, kGround);
  PaintImageState(&hidden, {0, 0}, 1, EmptyBgInfo(), md);
  EXPECT_EQ(hidden.Pixel(0, 0), kGround);
}

TEST(PaintImageStateTest, OwnBitmapsAlphaAndKeyColour) {
  MasterSkin m(1, 1);
  Bitmap32 own = Filled(2, 1, 0x80FF0000u);
  own.SetPixel(1, 0, 0x00000000u);
  TsMaskData md = m.Entry({0, 0, 2, 1}, 1, 0, 16, 0, 0, 0, 0);
  md.Bmp = &own;
  Bitmap32 dst = Filled(2, 1, 0x000000FFu);
  PaintImageState(&dst, {0, 0}, 0, EmptyBgInfo(), md);
  EXPECT_EQ(dst.Pixel(0, 0), (0x7Fu << 24) | (std::uint32_t(BlendStep(0, 0xFF, 127)) << 16) | BlendStep(0xFF, 0, 127));
  // A clear picture pixel is the blend step at full destination weight 255 (of 256).
  EXPECT_EQ(dst.Pixel(1, 0), std::uint32_t(BlendStep(0xFF, 0, 255)));

  // Key colour in an own bitmap: key pixels are skipped.
  own.SetPixel(0, 0, KeyPixel);
  own.SetPixel(1, 0, 0xFF123456u);
  md.DrawMode = 0;
  Bitmap32 keyed = Filled(2, 1, kGround);
  PaintImageState(&keyed, {0, 0}, 0, EmptyBgInfo(), md);
  EXPECT_EQ(keyed.Pixel(0, 0), kGround);
  EXPECT_EQ(keyed.Pixel(1, 0), 0xFF123456u);

  // An own bitmap smaller than R reaches draws nothing, nor does an entry without pictures.
  md.R = {0, 0, 3, 1};
  Bitmap32 none = Filled(2, 1, kGround);
  PaintImageState(&none, {0, 0}, 0, EmptyBgInfo(), md);
  TsMaskData empty = m.Entry({0, 0, 1, 1}, 1, 0, 0, 0, 0, 0, 0);
  empty.ImageCount = 0;
  PaintImageState(&none, {0, 0}, 0, EmptyBgInfo(), empty);
  empty.ImageCount = 1;
  empty.Manager = nullptr;
  PaintImageState(&none, {0, 0}, 0, EmptyBgInfo(), empty);
  EXPECT_EQ(none.Pixel(0, 0), kGround);
  EXPECT_EQ(none.Pixel(1, 0), kGround);
}

TEST(PaintImageStateTest, MasterKeyPictureShowsTheBackgroundOrBlendsWhenFaded) {
  MasterSkin m(2, 1);
  m.Set(0, 0, KeyPixel);
  m.Set(1, 0, 0xFF202020u);
  const TsMaskData md = m.Entry({0, 0, 2, 1}, 1, 0, 0, 0, 0, 0, 0);
  Bitmap32 behind = Filled(4, 4, 0xFF445566u);
  Bitmap32 dst = Filled(2, 1, kGround);
  PaintImageState(&dst, {0, 0}, 0, BgInfoFromBitmap(&behind, 1, 1), md);
  EXPECT_EQ(dst.Pixel(0, 0), 0xFF445566u);
  EXPECT_EQ(dst.Pixel(1, 0), 0xFF202020u);
  Bitmap32 faded = Filled(2, 1, 0xFF000000u);
  PaintImageState(&faded, {0, 0}, 0, EmptyBgInfo(), md, TacImageLook::Faded);
  EXPECT_EQ(faded.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(faded.Pixel(1, 0) & 0xFF, (0x20u * 128) >> 8);
}

// A 4 x 4 key-colour picture whose top-left corner (2 x 2) has three key pixels and whose
// bottom-right corner has one, with Cfg set as the loader would.
TsMaskData CornerEntry(MasterSkin& m) {
  m.FillArea(0, 0, 4, 4, Rgb(9, 9, 9));
  m.Set(0, 0, KeyPixel);
  m.Set(1, 0, KeyPixel);
  m.Set(0, 1, KeyPixel);
  m.Set(3, 3, KeyPixel);
  TsMaskData md = m.Entry({0, 0, 4, 4}, 1, 0, 0, 2, 2, 2, 2);
  md.Cfg = 1;
  return md;
}

TEST(ImageCornersTest, TransparentRunsOfTopAndBottomCorners) {
  MasterSkin m(4, 4);
  const TsMaskData md = CornerEntry(m);
  std::vector<TRect> runs;
  CornerTransparentRuns(runs, 10, md, 1, false, 5);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (TRect{1, 5, 3, 6}));
  EXPECT_EQ(runs[1], (TRect{1, 6, 2, 7}));
  runs.clear();
  CornerTransparentRuns(runs, 10, md, 1, true, 8);  // rows 2..3, y = 8 + r - 1
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0], (TRect{8, 8, 9, 9}));  // column 3 at 10 - 4 + 3 - 1
  TsMaskData orphan = md;
  orphan.Manager = nullptr;
  CornerTransparentRuns(runs, 10, orphan, 0, false, 0);
  TsMaskData tall = md;
  tall.WT = 9;  // rows past the source bottom
  CornerTransparentRuns(runs, 10, tall, 0, false, 0);
  EXPECT_EQ(runs.size(), 1u);
}

TEST(ImageCornersTest, RefreshPutsTheParentUnderKeyPixelsOnly) {
  MasterSkin m(4, 4);
  TsMaskData md = CornerEntry(m);
  Bitmap32 cached = Filled(6, 5, kGround);
  Bitmap32 parent = test::Pattern(20, 20);
  RefreshImageCorners(&cached, BgInfoFromBitmap(&parent, 3, 2), md, 0, cbTopLeft | cbBottomRight);
  EXPECT_EQ(cached.Pixel(0, 0), parent.Pixel(3, 2));
  EXPECT_EQ(cached.Pixel(0, 1), parent.Pixel(3, 3));
  EXPECT_EQ(cached.Pixel(1, 1), kGround);
  EXPECT_EQ(cached.Pixel(5, 4), parent.Pixel(8, 6));
  EXPECT_EQ(cached.Pixel(4, 4), kGround);

  TacBgInfo colour;
  colour.FillColor = 0x123456;
  Bitmap32 c2 = Filled(6, 5, kGround);
  RefreshImageCorners(&c2, colour, md, 0, cbTopRight);  // that corner has no key pixel
  EXPECT_EQ(Snapshot(c2), Snapshot(Filled(6, 5, kGround)));
  RefreshImageCorners(&c2, colour, md, 0, cbAllCorners);
  EXPECT_EQ(c2.Pixel(1, 0), 0x00563412u);
  colour.FillColor = KeyColor;  // no colour: nothing changes
  Bitmap32 c3 = Filled(6, 5, kGround);
  RefreshImageCorners(&c3, colour, md, 0, cbAllCorners);
  md.Cfg = 0;
  RefreshImageCorners(&c3, BgInfoFromBitmap(&parent, 0, 0), md, 0, cbAllCorners);
  EXPECT_EQ(Snapshot(c3), Snapshot(Filled(6, 5, kGround)));
}

}  // namespace
}  // namespace skin
