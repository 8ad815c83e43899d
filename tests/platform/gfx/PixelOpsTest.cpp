// The shared pixel arithmetic: division by 255 rounded to the nearest integer over the
// whole range the blends use (and equal to the (x + 127) / 255 form written out before),
// the constant and premultiplied blends, premultiplying, and the drawing surface's
// AlphaBlend agreeing with them to the bit.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"

namespace gfx {
namespace {

TEST(PixelOps, Div255RoundIsTheNearestIntegerEverywhereItIsUsed) {
  for (std::uint32_t x = 0; x <= 255 * 255 + 255; ++x) {
    const auto nearest = static_cast<std::uint32_t>(std::floor(x / 255.0 + 0.5));
    ASSERT_EQ(Div255Round(x), nearest) << x;
    ASSERT_EQ(Div255Round(x), (x + 127) / 255) << x;
  }
  EXPECT_EQ(MulDiv255Round(255, 255), 255u);
  EXPECT_EQ(MulDiv255Round(128, 255), 128u);
  EXPECT_EQ(MulDiv255Round(1, 127), 0u);  // 0.498
  EXPECT_EQ(MulDiv255Round(1, 128), 1u);  // 0.502
}

TEST(PixelOps, MixMovesEveryByteTowardTheSourceByTheAlpha) {
  // Exhaustive on one channel against the formula the compositor and skingen wrote out.
  for (std::uint32_t a = 0; a <= 255; ++a)
    for (std::uint32_t s = 0; s <= 255; s += 3)
      for (std::uint32_t d = 0; d <= 255; ++d)
        ASSERT_EQ(Mix255Round(s, d, a), (s * a + d * (255 - a) + 127) / 255) << s << " " << d << " " << a;
  EXPECT_EQ(MixPixel255Round(0x00000000u, 0xFFFFFFFFu, 128), 0x80808080u);
  EXPECT_EQ(MixPixel255Round(0x0A0A0A0Au, 0xC8C8C8C8u, 64), 0x3A3A3A3Au);  // (12800 + 1910) / 255 = 57.7
  EXPECT_EQ(MixPixel255Round(0x12345678u, 0x87654321u, 255), 0x87654321u);
  EXPECT_EQ(MixPixel255Round(0x12345678u, 0x87654321u, 0), 0x12345678u);
  // Bytes stay apart: no carry from one channel into the next.
  EXPECT_EQ(MixPixel255Round(0x00FF00FFu, 0xFF00FF00u, 255), 0xFF00FF00u);
  // Onto an opaque picture: B, G, R as above, A 255.
  EXPECT_EQ(MixPixelOpaque255Round(0x0A0A0A0Au, 0x00C8C8C8u, 64), 0xFF3A3A3Au);
  EXPECT_EQ(MixPixelOpaque255Round(0x00123456u, 0x00654321u, 0), 0xFF123456u);
}

TEST(PixelOps, PremultipliedSourceOverWithAConstantAlpha) {
  // A 128, channels 100 over 200: 100 + 200 x 127 / 255 = 199.6.
  EXPECT_EQ(BlendPremultiplied255Round(0xFFC8C8C8u, 0x80646464u, 255), 0xFFC8C8C8u);
  // Constant alpha 128: sa = 64, channel = 50 + 200 x 191 / 255 = 199.8; A = 64 + 255 x 191 / 255.
  EXPECT_EQ(BlendPremultiplied255Round(0xFFC8C8C8u, 0x80646464u, 128), 0xFFC8C8C8u);
  EXPECT_EQ(BlendPremultiplied255Round(0x00000000u, 0x80646464u, 128), 0x40323232u);
  EXPECT_EQ(BlendPremultiplied255Round(0xFF00FF00u, 0x00000000u, 255), 0xFF00FF00u);  // transparent
  EXPECT_EQ(BlendPremultiplied255Round(0xFFFFFFFFu, 0x10FFFFFFu, 255), 0xFFFFFFFFu);  // limited to 255
  EXPECT_EQ(BlendPremultiplied255Round(0x12345678u, 0xFF0000FFu, 0), 0x12345678u);    // no constant alpha
  // Onto an opaque picture: the same B, G, R; A 255.
  for (std::uint32_t d : {0x00C8C8C8u, 0x7F102030u})
    for (std::uint32_t src : {0x80646464u, 0x10FFFFFFu, 0x00000000u})
      for (std::uint32_t ca : {0u, 128u, 255u})
        EXPECT_EQ(BlendPremultipliedOpaque255Round(d, src, ca),
                  (BlendPremultiplied255Round(d, src, ca) & 0xFFFFFFu) | 0xFF000000u);
}

TEST(PixelOps, PremultiplyScalesColourByAlphaAndKeepsIt) {
  EXPECT_EQ(Premultiply255Round(0xFF123456u), 0xFF123456u);
  EXPECT_EQ(Premultiply255Round(0x00FFFFFFu), 0x00000000u);
  EXPECT_EQ(Premultiply255Round(0x80FF8001u), 0x80804001u);  // 255 -> 128, 128 -> 64.25, 1 -> 0.502
  EXPECT_EQ(Premultiply255Round(0x7F0000FFu), 0x7F00007Fu);
  EXPECT_EQ(Premultiply255Round(0x7F000001u), 0x7F000000u);  // 1 x 127 / 255 = 0.498
}

TEST(PixelOps, SurfaceAlphaBlendAgreesWithTheHelpersOnEveryPixel) {
  PixelBuffer src(16, 16), dst(16, 16), expect(16, 16);
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const std::uint32_t a = next() >> 24;
      const std::uint32_t c = next();
      // Premultiplied: no channel above the alpha.
      std::uint32_t p = a << 24;
      for (int shift = 0; shift < 24; shift += 8) p |= ((((c >> shift) & 0xFF) * a) / 255) << shift;
      src.Row32(y)[x] = p;
      dst.Row32(y)[x] = next();
    }
  for (std::uint8_t ca : {std::uint8_t(255), std::uint8_t(200), std::uint8_t(7)}) {
    for (bool perPixel : {true, false}) {
      PixelBuffer d = dst;
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
          expect.Row32(y)[x] = perPixel ? BlendPremultiplied255Round(dst.Row32(y)[x], src.Row32(y)[x], ca)
                                        : MixPixel255Round(dst.Row32(y)[x], src.Row32(y)[x], ca);
      Surface ss(src.View()), ds(d.View());
      ASSERT_TRUE(ds.AlphaBlend(0, 0, 16, 16, ss, 0, 0, 16, 16,
                                {AC_SRC_OVER, 0, ca, static_cast<std::uint8_t>(perPixel ? AC_SRC_ALPHA : 0)}));
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(d.Row32(y)[x], expect.Row32(y)[x]) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace gfx
