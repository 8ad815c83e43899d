// The texture layer: every fill mode on a small synthetic texture, masked textures in
// whole tiles with what lies behind in their key pixels and leftover strips, and the
// pattern overlay.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionTexture.h"
#include "tests/skin/support/SectionTestSupport.h"

namespace skin {
namespace {

using test::Count;
using test::Ground;
using test::Px;
using test::Rgb;
using test::SectionSkin;

constexpr TColor kColour = 0x0000AA;  // the section colour: pixel 0xFFAA0000
constexpr TColor kGround = 0x101010;

// Texture pixel (x, y) of the 3 x 2 texture.
constexpr std::uint32_t Tex(int x, int y) { return Rgb(10 + x, 20 + y, 30); }

int Mod(int v, int n) { return ((v % n) + n) % n; }

struct ModeCase {
  int mode;
  // For pixel (i, j) of a 10 x 7 rectangle: the texture pixel it shows, or none (colour).
  std::function<std::optional<std::pair<int, int>>(int, int)> shows;
};

using P = std::optional<std::pair<int, int>>;

const ModeCase kModes[] = {
    {0,
     [](int i, int j) {
       return P({i % 3, j % 2});
     }},
    {1,
     [](int i, int j) {
       return P({i * 3 / 10, j * 2 / 7});
     }},
    {2,
     [](int i, int j) {
       return j < 2 ? P({i % 3, j}) : P();
     }},
    {3,
     [](int i, int j) {
       return i < 3 ? P({i, j % 2}) : P();
     }},
    {4,
     [](int i, int j) {
       return j < 2 ? P({i * 3 / 10, j}) : P();
     }},
    {5,
     [](int i, int j) {
       return i < 3 ? P({i, j * 2 / 7}) : P();
     }},
    {6,
     [](int i, int j) {
       return j >= 5 ? P({i % 3, j - 5}) : P();
     }},
    {7,
     [](int i, int j) {
       return i >= 7 ? P({i - 7, j % 2}) : P();
     }},
    {8, [](int, int) { return P(); }},
    {9, [](int, int) { return P(); }},
    {10,
     [](int i, int j) {
       return P({i % 3, j % 2});
     }},
    {11,
     [](int i, int j) {
       return P({i * 3 / 10, j % 2});
     }},
    {12,
     [](int i, int j) {
       return P({i % 3, j * 2 / 7});
     }},
    {13,
     [](int i, int j) {
       return P({Mod(i - 7, 3), Mod(j - 5, 2)});
     }},
    {14, [](int, int) { return P(); }},
};

TEST(SectionTextureTest, EveryFillModeCoversItsPartAndLeavesTheRestToTheColour) {
  for (const ModeCase& c : kModes) {
    SectionSkin skin(8, 4);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) skin.Set(x, y, Tex(x, y));
    const int tex = skin.Add(skin.Entry({0, 0, 3, 2}, 1, 0, c.mode, 0, 0, 0, 0));
    TsGenState st = test::PlainState(kColour);
    st.ImagePercent = 100;
    st.TextureIndex = tex;
    const int section = skin.Add(test::OneState(st));

    Bitmap32 dst = Ground(12, 9, kGround);
    PaintSectionBackground(section, EmptyBgInfo(), 0, KeyColor, -1, -1, &skin.data, &dst, {0, 0}, {1, 1, 11, 8});
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool inside = x >= 1 && x < 11 && y >= 1 && y < 8;
        std::uint32_t want = Px(kGround);
        if (inside) {
          const P p = c.shows(x - 1, y - 1);
          want = p ? Tex(p->first, p->second) : Px(kColour);
        }
        ASSERT_EQ(dst.Pixel(x, y), want) << "mode " << c.mode << " at " << x << "," << y;
      }
  }
}

TEST(SectionTextureTest, TextureInItsOwnBitmapAndSmallerRectanglesThanTheTexture) {
  SectionSkin skin(4, 4);
  Bitmap32 own = test::Pattern(5, 4, 77);
  TsMaskData md = skin.Entry({1, 1, 4, 3}, 1, 0, 6, 0, 0, 0, 0);  // a row along the bottom
  md.Bmp = &own;
  Bitmap32 dst = Ground(2, 1, kGround);
  const TRect left = FillTexture(&dst, {0, 0, 2, 1}, md, EmptyBgInfo(), kColour);
  // The row is higher than the rectangle: its lower part shows, nothing is left over.
  EXPECT_TRUE(left.IsEmpty());
  EXPECT_EQ(dst.Pixel(0, 0), own.Pixel(1, 2));
  EXPECT_EQ(dst.Pixel(1, 0), own.Pixel(2, 2));
}

// A 2 x 2 masked tile at (0, 10): its top-left pixel is the key colour, the others show
// (mask 0) except the bottom-right one, whose mask keeps half of what lies under it.
// Returns the entry's index in a skin of a 4 x 16 master bitmap.
int AddMaskedTile(SectionSkin& skin, int mode) {
  skin.Set(0, 10, KeyPixel);
  skin.Set(1, 10, Rgb(200, 0, 0));
  skin.Set(0, 11, Rgb(0, 200, 0));
  skin.Set(1, 11, Rgb(0, 0, 200));
  for (int y = 12; y < 14; ++y)
    for (int x = 0; x < 2; ++x) skin.Set(x, y, 0xFF000000u);
  skin.Set(1, 13, 0xFF808080u);
  return skin.Add(skin.Entry({0, 10, 2, 14}, 1, 1, mode, 0, 0, 0, 0));
}

TEST(SectionTextureTest, MaskedWholeTilesStopBeforeTheEdgeAndLeaveStripsFromBehind) {
  SectionSkin skin(4, 16);
  const int tex = AddMaskedTile(skin, 10);
  const TsMaskData& md = skin.Image(tex);
  ASSERT_NE(UsableTexture(skin.data, tex), nullptr);
  const Bitmap32 parent = test::Pattern(20, 20, 5);
  Bitmap32 parentCopy = parent;
  // The rectangle is 6 x 5 at (1, 1) in the destination and lies at (4, 3) in the parent.
  const TacBgInfo bg = BgInfoFromBitmap(&parentCopy, 3, 2);
  Bitmap32 dst = Ground(8, 7, kGround);
  const TRect left = FillTexture(&dst, {1, 1, 7, 6}, md, bg, kColour);
  EXPECT_TRUE(left.IsEmpty());
  auto under = [&](int x, int y) { return parent.Pixel(x + 3, y + 2); };
  // Whole tiles at x 1 and 3 (one at 5 would end exactly at the edge) and y 1 and 3.
  for (int y = 1; y < 6; ++y)
    for (int x = 1; x < 7; ++x) {
      const bool tiled = x < 5 && y < 5;
      const int tx = (x - 1) % 2, ty = (y - 1) % 2;
      std::uint32_t want = under(x, y);  // strips: what lies behind, as it is
      if (tiled && tx == 0 && ty == 0) want = under(x, y) | 0xFF000000u;
      else if (tiled && tx == 1 && ty == 0) want = Rgb(200, 0, 0);
      else if (tiled && tx == 0 && ty == 1) want = Rgb(0, 200, 0);
      else if (tiled) want = MaskedPixel(under(x, y), Rgb(0, 0, 200), 0xFF808080u) | 0xFF000000u;
      ASSERT_EQ(dst.Pixel(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(dst.Pixel(0, 0), Px(kGround));
  EXPECT_EQ(dst.Pixel(7, 6), Px(kGround));
}

TEST(SectionTextureTest, MaskedTileModeCutsTheLastTilesAndOtherModesAreNotTextures) {
  SectionSkin skin(4, 16);
  const int tex = AddMaskedTile(skin, 0);
  Bitmap32 dst = Ground(3, 3, kGround);
  FillTexture(&dst, {0, 0, 3, 3}, skin.Image(tex), EmptyBgInfo(), kColour);
  // Nothing known behind: the key pixels show the section colour.
  EXPECT_EQ(dst.Pixel(0, 0), Px(kColour));
  EXPECT_EQ(dst.Pixel(2, 0), Px(kColour));
  EXPECT_EQ(dst.Pixel(1, 0), Rgb(200, 0, 0));
  EXPECT_EQ(dst.Pixel(2, 1), Rgb(0, 200, 0));
  EXPECT_EQ(dst.Pixel(1, 1), MaskedPixel(Px(kColour), Rgb(0, 0, 200), 0xFF808080u) | 0xFF000000u);
  for (int mode : {1, 2, 5, 11, 13}) {
    skin.Image(tex).DrawMode = static_cast<std::uint16_t>(mode);
    EXPECT_EQ(UsableTexture(skin.data, tex), nullptr) << mode;
  }
}

TEST(SectionTextureTest, PatternOverlayLaysWholeTilesOverTheBackgroundAndShowsWhatLiesBehind) {
  SectionSkin skin(4, 16);
  const int tex = AddMaskedTile(skin, 10);
  TsGenState st = test::PlainState(kColour);
  st.TextureIndex = tex;  // no image share: only the overlay shows it
  const int section = skin.Add(test::OneState(st));
  Bitmap32 parent = Ground(10, 10, 0x00C000);
  Bitmap32 dst = Ground(5, 5, kGround);
  PaintSectionBackground(section, BgInfoFromBitmap(&parent, 0, 0), 0, KeyColor, -1, -1, &skin.data, &dst, {2, 2},
                         {0, 0, 5, 5});
  // Tiles at 0 and 2 each way; the key pixels and the strips take the parent.
  EXPECT_EQ(dst.Pixel(0, 0), Px(0x00C000));
  EXPECT_EQ(dst.Pixel(1, 0), Rgb(200, 0, 0));
  EXPECT_EQ(dst.Pixel(3, 3), MaskedPixel(Px(kColour), Rgb(0, 0, 200), 0xFF808080u) | 0xFF000000u);
  EXPECT_EQ(Count(dst, {4, 0, 5, 5}, Px(0x00C000)), 5);
  EXPECT_EQ(Count(dst, {0, 4, 5, 5}, Px(0x00C000)), 5);
  // The hot state has no override and no texture of its own: no overlay, the colour only.
  skin.Section(section).States = 2;
  skin.Section(section).Props[1].TextureIndex = -1;
  Bitmap32 hot = Ground(5, 5, kGround);
  PaintSectionBackground(section, BgInfoFromBitmap(&parent, 0, 0), 1, KeyColor, -1, -1, &skin.data, &hot, {2, 2},
                         {0, 0, 5, 5});
  EXPECT_EQ(Count(hot, {0, 0, 5, 5}, Px(kColour)), 25);
}

}  // namespace
}  // namespace skin
