// The picture steps of the loader on their own: decoding with the key-colour rules,
// premultiplication, rescaling of entries and the computed shadow frames; and a skin
// folder whose pictures are files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/data/acMaskRescale.h"
#include "skin/data/acShadowFrame.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinPictures.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

// A 24-bit bottom-up BMP of w x h from pixels given top row first (0xRRGGBB).
std::string Bmp24(int w, int h, const std::vector<std::uint32_t>& pixels) {
  const int stride = (w * 3 + 3) & ~3;
  std::string s(54 + static_cast<std::size_t>(stride * h), '\0');
  auto put = [&](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  s[0] = 'B';
  s[1] = 'M';
  put(2, static_cast<std::uint32_t>(s.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(w), 4);
  put(22, static_cast<std::uint32_t>(h), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      put(54 + static_cast<std::size_t>((h - 1 - y) * stride + x * 3), pixels[static_cast<std::size_t>(y * w + x)], 3);
  return s;
}

std::span<const std::uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(SkinPictures, CodecsByName) {
  EXPECT_EQ(EntryPictureCodec(u"A.BMP.PNG"), TacPictureCodec::Bmp);
  EXPECT_EQ(EntryPictureCodec(u"PHOTO.JPEG"), TacPictureCodec::Jpeg);
  EXPECT_EQ(EntryPictureCodec(u"X.PNG"), TacPictureCodec::Png);
  EXPECT_EQ(EntryPictureCodec(u"X.GIF"), TacPictureCodec::None);
  EXPECT_EQ(MasterPictureCodec(u"MASTER COPY.PNG"), TacPictureCodec::Png);
  EXPECT_EQ(MasterPictureCodec(u"MASTER.DAT"), TacPictureCodec::Bmp);
  EXPECT_TRUE(DecodeSkinPicture({}, TacPictureCodec::None, u"X.GIF", false)->Empty());
}

TEST(SkinPictures, PicturesWithoutAlphaBecomeOpaqueExceptTheKey) {
  const std::string bmp = Bmp24(2, 1, {0xFF00FF, 0x123456});
  Bitmap32Ptr p = DecodeSkinPicture(Span(bmp), TacPictureCodec::Bmp, u"P.BMP", false);
  EXPECT_EQ(p->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(p->Pixel(1, 0), 0xFF123456u);

  gfx::PixelBuffer png = test::FilledBuffer(2, 1, 0xFFFF00FFu);
  png.Row32(0)[1] = 0x80FF00FFu;
  const std::string bytes = test::PngText(png);
  EXPECT_EQ(DecodeSkinPicture(Span(bytes), TacPictureCodec::Png, u"M.PNG", true)->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(DecodeSkinPicture(Span(bytes), TacPictureCodec::Png, u"M.PNG", true)->Pixel(1, 0), 0x80FF00FFu);
  EXPECT_EQ(DecodeSkinPicture(Span(bytes), TacPictureCodec::Png, u"E.PNG", false)->Pixel(0, 0), 0xFFFF00FFu);
  EXPECT_THROW(DecodeSkinPicture(Span(bmp), TacPictureCodec::Png, u"WRONG.PNG", false), EInvalidGraphic);
}

TEST(SkinPictures, PremultiplyAlpha) {
  Bitmap32 b(4, 1);
  b.SetPixel(0, 0, 0x00FFFFFFu);
  b.SetPixel(1, 0, 0x80FF8040u);
  b.SetPixel(2, 0, 0x80FAFAFAu);
  b.SetPixel(3, 0, 0xFFFAFAFAu);
  Bitmap32 off = b;
  PremultiplyAlpha(&b, TRect{0, 0, 9, 9}, true);
  EXPECT_EQ(b.Pixel(0, 0), 0u);
  EXPECT_EQ(b.Pixel(1, 0), 0x807F4020u);
  EXPECT_EQ(b.Pixel(3, 0), 0xFFF9F9F9u);
  // Without composition, near-white pixels stay at 244 at most.
  PremultiplyAlpha(&off, TRect{1, 0, 4, 1}, false);
  EXPECT_EQ(off.Pixel(0, 0), 0x00FFFFFFu);  // outside the rectangle
  EXPECT_EQ(off.Pixel(2, 0), 0x807D7D7Du);
  EXPECT_EQ(off.Pixel(3, 0), 0xFFF4F4F4u);
}

TEST(MaskRescale, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDivRound(2, 120, 96), 3);  // 2.5
  EXPECT_EQ(MulDivRound(2, 144, 96), 3);
  EXPECT_EQ(MulDivRound(5, 96, 120), 4);
  EXPECT_EQ(MulDivRound(-2, 120, 96), -3);
  EXPECT_EQ(MulDivRound(7, 1, 0), 0);
}

TsMaskData Entry(TRect r, int count, int maskType, int border, int mul, int div) {
  TsMaskData md;
  md.R = r;
  md.ImageCount = static_cast<std::int16_t>(count);
  md.MaskType = static_cast<std::int16_t>(maskType);
  md.WL = md.WT = md.WR = md.WB = static_cast<std::int16_t>(border);
  md.MulPPi = mul;
  md.DivPPI = div;
  return md;
}

TEST(MaskRescale, MaskedPictureAndItsMask) {
  // Picture rows 0..4 blue with a key corner; mask rows 5..9 black except the key corner.
  Bitmap32 src(5, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 5; ++x) src.SetPixel(x, y, y < 5 ? 0xFF0000FFu : 0xFF000000u);
  src.SetPixel(0, 0, KeyPixel);
  src.SetPixel(4, 9, KeyPixel);
  TsMaskData md = Entry(TRect{0, 0, 5, 10}, 1, 1, 2, 144, 96);
  Bitmap32Ptr out = RescaleMaskPicture(md, src, false, 0x00FF00);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out->Width(), 7);
  EXPECT_EQ(out->Height(), 14);
  EXPECT_EQ(md.R, (TRect{0, 0, 7, 14}));
  EXPECT_EQ(md.Width, 7);
  EXPECT_EQ(md.Height, 7);
  EXPECT_EQ(md.WL, 3);
  EXPECT_EQ(md.WR, 3);
  EXPECT_EQ(out->Pixel(0, 0), KeyPixel);  // the cleared corner turns back into the key
  // Inside, the picture stays opaque blue (the cleared corner carries alpha 0 and does not
  // tint it); the mask stays black, and light where the corner was cleared.
  const std::uint32_t inside = out->Pixel(3, 3);
  EXPECT_GE(inside >> 24, 0xF0u);
  EXPECT_GE(inside & 0xFF, 0xF0u);
  EXPECT_EQ(inside & 0x00FFFF00u, 0u);
  EXPECT_GE(out->Pixel(0, 7) & 0xFF, 0xC0u);
  EXPECT_EQ(out->Pixel(3, 10) & 0xFFFFFF, 0u);
  EXPECT_GE(out->Pixel(6, 13) & 0xFF, 0xC0u);
}

TEST(MaskRescale, EachStatePictureIsResampledOnItsOwn) {
  // Three state pictures of 10 x 8 side by side, each a plain opaque colour: at 144 dots
  // per inch every picture keeps its own colour up to its edges, with no seam of the
  // neighbouring state.
  const std::uint32_t colours[3] = {0xFF204060u, 0xFFF0F0F0u, 0xFF102030u};
  Bitmap32 src(30, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 30; ++x) src.SetPixel(x, y, colours[x / 10]);
  TsMaskData md = Entry(TRect{0, 0, 30, 8}, 3, 0, 3, 144, 96);
  md.DrawMode = dmOwnAlpha;
  Bitmap32Ptr out = RescaleMaskPicture(md, src, true, 0);
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->Width(), 45);
  for (int i = 0; i < 3; ++i)
    for (int y = 0; y < 12; ++y)
      for (int x = i * 15; x < (i + 1) * 15; ++x)
        for (int shift = 0; shift < 32; shift += 8) {
          // The resampler rounds each channel to within one step; a neighbour's colour
          // would be hundreds of steps off.
          const int got = static_cast<int>((out->Pixel(x, y) >> shift) & 0xFF);
          const int want = static_cast<int>((colours[i] >> shift) & 0xFF);
          ASSERT_LE(std::abs(got - want), 2) << "state " << i << " at (" << x << ", " << y << ")";
        }
}

TEST(MaskRescale, SmallOrOnePixelBordersStayAsTheyAre) {
  Bitmap32 src(6, 6);
  TsMaskData thin = Entry(TRect{0, 0, 3, 6}, 1, 1, 1, 144, 96);
  EXPECT_EQ(RescaleMaskPicture(thin, src, false, 0), nullptr);
  EXPECT_EQ(thin.R, (TRect{0, 0, 3, 6}));
  TsMaskData tiny = Entry(TRect{0, 0, 6, 2}, 1, 0, 0, 144, 96);
  EXPECT_EQ(RescaleMaskPicture(tiny, src, false, 0), nullptr);
  // An area beyond its picture stays as it is.
  TsMaskData outside = Entry(TRect{0, 0, 9000, 9000}, 1, 0, 3, 192, 96);
  EXPECT_EQ(RescaleMaskPicture(outside, src, false, 0), nullptr);
  EXPECT_EQ(outside.R, (TRect{0, 0, 9000, 9000}));
  // An image count of 0 counts as 1 instead of dividing by zero.
  TsMaskData none = Entry(TRect{0, 0, 6, 6}, 0, 0, 2, 192, 96);
  ASSERT_NE(RescaleMaskPicture(none, src, true, 0), nullptr);
  EXPECT_EQ(none.R, (TRect{0, 0, 12, 12}));
}

TEST(MaskRescale, KeylessAndOwnAlphaPicturesKeepTheirAlpha) {
  Bitmap32 src(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) src.SetPixel(x, y, 0x40204060u);
  TsMaskData md = Entry(TRect{0, 0, 4, 4}, 1, 0, 0, 192, 96);
  Bitmap32Ptr keyless = RescaleMaskPicture(md, src, true, 0);
  ASSERT_NE(keyless, nullptr);
  EXPECT_EQ(keyless->Pixel(4, 4), 0x40204060u);
  TsMaskData keyed = Entry(TRect{0, 0, 4, 4}, 1, 0, 0, 192, 96);
  EXPECT_EQ(RescaleMaskPicture(keyed, src, false, 0)->Pixel(4, 4), KeyPixel);  // alpha 64: transparent
  TsMaskData own = Entry(TRect{0, 0, 4, 4}, 1, 0, 0, 192, 96);
  own.DrawMode = dmOwnAlpha;
  EXPECT_EQ(RescaleMaskPicture(own, src, false, 0)->Pixel(4, 4), 0x40204060u);
}

TEST(ShadowFrame, LayoutAndLimits) {
  const TacShadowFrame f = MakeShadowFrame(3, 2, {1, 0, 1, 4}, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF});
  EXPECT_EQ(f.Width, 3 + 7 + 3);
  EXPECT_EQ(f.Height, 2 + 7 + 6);
  EXPECT_EQ(f.Bmp->Height(), 2 * f.Height);
  EXPECT_EQ(f.WL + f.WR, f.Width - 1);
  EXPECT_EQ(f.WT + f.WB, f.Height - 1);
  EXPECT_EQ(f.Bmp->Pixel(0, f.Height / 2), 0xFFFF0000u);            // left: red
  EXPECT_EQ(f.Bmp->Pixel(f.Width / 2, f.Height - 1), 0xFFFFFFFFu);  // bottom: white
  EXPECT_EQ(f.Bmp->Pixel(0, f.Height) & 0xFF, 255u);                // the outer corner keeps the background
  EXPECT_EQ(f.Bmp->Pixel(f.Width / 2, f.Height + f.Height / 2) & 0xFF, 0u);
  const TacShadowFrame huge = MakeShadowFrame(100000, 100000, {100000, -5, 0, 0}, {0, 0, 0, 0});
  EXPECT_EQ(huge.Width, (30 + 255) + 121 + 30);
}

TEST(SkinFolder, PicturesAreReadFromTheSkinFolder) {
  test::TempDir dir;
  dir.Write("Plain/Options.dat",
            "[GLOBALINFO]\r\nMASTERBITMAP=master.bmp\r\n[PANEL]\r\nPATTERN=TILE.BMP\r\n"
            "BORDERSMASK=^0000^0000^0002^0001^0001^0001^0001^0001^1^0^1\r\n");
  dir.Write("Plain/MASTER.BMP", Bmp24(2, 1, {0xFF00FF, 0x010203}));
  dir.Write("Plain/tile.bmp", Bmp24(1, 1, {0x0A0B0C}));
  test::TestLoader m;
  m.Settings.SkinDirectory = dir.Text();
  m.FSkinName = u"Plain";
  ASSERT_TRUE(m.LoadSkin());
  EXPECT_FALSE(m.SkinIsPacked);
  EXPECT_EQ(m.SkinCommonInfo.SkinPath, test::U(dir.Path()) + u"\\Plain\\");
  EXPECT_EQ(m.MasterBitmap->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(m.MasterBitmap->Pixel(1, 0), 0xFF010203u);
  const TsMaskData& tile = m.Entry(u"PANEL", u"PATTERN");
  EXPECT_EQ(tile.ImgType, itisaTexture);
  ASSERT_NE(tile.Bmp, nullptr);
  EXPECT_EQ(tile.Bmp->Pixel(0, 0), 0xFF0A0B0Cu);
  EXPECT_EQ(m.Section(u"PANEL").Props[0].TextureIndex, m.GetMaskIndex(u"PANEL", u"PATTERN"));
  EXPECT_EQ(m.Entry(u"PANEL", u"BORDERSMASK").Cfg, 1);

  // A live preview takes its options from the text and its pictures from the same folder.
  m.Settings.PreviewOptions = u"[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nAUTHOR=preview\r\n";
  ASSERT_TRUE(m.LoadSkin());
  EXPECT_EQ(m.SkinCommonInfo.Author, u"preview");
  EXPECT_EQ(m.MasterBitmap->Width(), 2);
  EXPECT_EQ(m.GetSkinIndex(u"PANEL"), -1);
}

}  // namespace
}  // namespace skin
