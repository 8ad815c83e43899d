#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/base/Files.h"
#include "platform/gfx/ImageCodec.h"

namespace gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Fixture(const std::string& name) {
  const char* dir = std::getenv("PELLOMIR_SOURCE_DIR");
  std::ifstream f(std::string(dir ? dir : ".") + "/tests/platform/gfx/data/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), {});
}

PixelBuffer Picture(int w, int h) {
  PixelBuffer b(w, h);
  std::uint32_t v = 99;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      v = v * 1664525u + 1013904223u;
      b.Row32(y)[x] = v;
    }
  return b;
}

void ExpectSamePixels(const PixelBuffer& a, const PixelBuffer& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) ASSERT_EQ(a.Row32(y)[x], b.Row32(y)[x]) << x << "," << y;
}

int Channel(std::uint32_t px, int shift) { return (px >> shift) & 0xFF; }

// Little-endian writer for hand-made bitmap files.
struct BmpWriter {
  Bytes b;
  void U16(std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  // File header and a 40-byte info header; offBits is patched by Finish.
  void Begin(int w, int h, int bits, std::uint32_t compression, std::uint32_t colours = 0) {
    b = {'B', 'M'};
    U32(0);
    U32(0);
    U32(0);
    U32(40);
    U32(std::uint32_t(w));
    U32(std::uint32_t(h));
    U16(1);
    U16(std::uint32_t(bits));
    U32(compression);
    U32(0);
    U32(0);
    U32(0);
    U32(colours);
    U32(0);
  }
  void StartPixels() {
    const std::uint32_t off = std::uint32_t(b.size());
    for (int k = 0; k < 4; ++k) b[10 + k] = std::uint8_t(off >> (8 * k));
  }
  // Pads the row just written (n bytes) to a multiple of four.
  void PadRow(std::size_t n) {
    while (n++ % 4 != 0) b.push_back(0);
  }
};

TEST(ImageCodec, PngRoundTripKeepsEveryByte) {
  const PixelBuffer pic = Picture(37, 23);
  PixelBuffer copy = pic;
  const Bytes png = EncodePng(copy.View());
  ASSERT_FALSE(png.empty());
  EXPECT_EQ(SniffImageFormat(png), ImageFormat::Png);
  const DecodeResult r = DecodeImage(png);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.sourceBits, 32);
  EXPECT_TRUE(r.image.hasAlpha);
  // Straight alpha: pixels with alpha 0 keep their colour bytes.
  ExpectSamePixels(r.image.pixels, pic);
}

TEST(ImageCodec, PngFromABottomUpView) {
  PixelBuffer pic = Picture(5, 4);
  PixelView flipped = pic.View();
  flipped.bits = pic.Row(3);
  flipped.stride = -flipped.stride;
  const DecodeResult r = DecodePng(EncodePng(flipped));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[2], pic.Row32(3)[2]);
  EXPECT_TRUE(EncodePng(PixelView{}).empty());
}

TEST(ImageCodec, BmpRoundTripKeepsByteA) {
  const PixelBuffer pic = Picture(13, 7);
  PixelBuffer copy = pic;
  const Bytes bmp = EncodeBmp(copy.View());
  EXPECT_EQ(bmp.size(), 14u + 40u + 13u * 7u * 4u);
  const DecodeResult r = DecodeImage(bmp);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.sourceBits, 32);
  ExpectSamePixels(r.image.pixels, pic);
}

TEST(ImageCodec, BmpPaletteDepthsAndTopDown) {
  // 1 bit, 2 x 2, two palette entries, bottom-up: bottom row "0 1", top row "1 0".
  BmpWriter w;
  w.Begin(2, 2, 1, 0, 2);
  w.U32(0x00000000);  // black
  w.U32(0x00FFFFFF);  // white
  w.StartPixels();
  w.U32(0x40);  // bottom row: bits 0 1 in its first byte
  w.U32(0x80);  // top row: bits 1 0
  DecodeResult r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.sourceBits, 1);
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFFFFFFFFu);
  EXPECT_EQ(r.image.pixels.Row32(0)[1], 0xFF000000u);
  EXPECT_EQ(r.image.pixels.Row32(1)[1], 0xFFFFFFFFu);

  // 4 bits, 3 x 1, top-down (negative height); index 15 lies outside a 3-entry palette.
  w.Begin(3, -1, 4, 0, 3);
  w.U32(0x000000FF);  // blue (B, G, R, 0)
  w.U32(0x0000FF00);
  w.U32(0x00FF0000);
  w.StartPixels();
  w.b.push_back(0x21);
  w.b.push_back(0xF0);
  w.PadRow(2);
  r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFFFF0000u);
  EXPECT_EQ(r.image.pixels.Row32(0)[1], 0xFF00FF00u);
  EXPECT_EQ(r.image.pixels.Row32(0)[2], 0xFF000000u);

  // 8 bits with a full palette, 24 bits with row padding.
  w.Begin(1, 1, 8, 0);
  for (int i = 0; i < 256; ++i) w.U32(std::uint32_t(i));
  w.StartPixels();
  w.U32(200);
  r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFF0000C8u);
  w.Begin(1, 2, 24, 0);
  w.StartPixels();
  w.U32(0x00030201);  // bottom row: B 1, G 2, R 3, padding
  w.U32(0x00060504);
  r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFF060504u);
  EXPECT_EQ(r.image.pixels.Row32(1)[0], 0xFF030201u);
}

TEST(ImageCodec, BmpBitFields) {
  // 16 bits 5-6-5 after a 40-byte header.
  BmpWriter w;
  w.Begin(2, 1, 16, 3);
  w.U32(0xF800);
  w.U32(0x07E0);
  w.U32(0x001F);
  w.StartPixels();
  w.U16(0xF800);  // pure red
  w.U16(0x07E0);  // pure green
  DecodeResult r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFFFF0000u);
  EXPECT_EQ(r.image.pixels.Row32(0)[1], 0xFF00FF00u);
  // 16 bits without fields is 5-5-5.
  w.Begin(1, 1, 16, 0);
  w.StartPixels();
  w.U16(0x7C00);
  w.PadRow(2);
  r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFFFF0000u);
  // 32 bits with an alpha field in a version 5 header: R G B A in the high-to-low bytes.
  Bytes v5 = {'B', 'M'};
  w.b = v5;
  w.U32(0);
  w.U32(0);
  w.U32(0);
  w.U32(124);
  w.U32(1);
  w.U32(1);
  w.U16(1);
  w.U16(32);
  w.U32(3);
  for (int i = 0; i < 5; ++i) w.U32(0);
  w.U32(0xFF000000);  // red
  w.U32(0x00FF0000);  // green
  w.U32(0x0000FF00);  // blue
  w.U32(0x000000FF);  // alpha
  while (w.b.size() < 14 + 124) w.b.push_back(0);
  w.StartPixels();
  w.U32(0x11223380);
  r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.image.hasAlpha);
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0x80112233u);
}

TEST(ImageCodec, BmpCoreHeader) {
  BmpWriter w;
  w.b = {'B', 'M'};
  w.U32(0);
  w.U32(0);
  w.U32(0);
  w.U32(12);
  w.U16(1);
  w.U16(1);
  w.U16(1);
  w.U16(8);
  for (int i = 0; i < 256; ++i) {
    w.b.push_back(std::uint8_t(i));  // B
    w.b.push_back(0);                // G
    w.b.push_back(0);                // R
  }
  w.StartPixels();
  w.U32(7);
  const DecodeResult r = DecodeBmp(w.b);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.pixels.Row32(0)[0], 0xFF000007u);
}

TEST(ImageCodec, BmpRefusesWhatItCannotRead) {
  BmpWriter w;
  w.Begin(4, 4, 8, 1);  // run-length compressed
  w.StartPixels();
  EXPECT_FALSE(DecodeBmp(w.b).ok);
  w.Begin(4, 4, 7, 0);
  EXPECT_FALSE(DecodeBmp(w.b).ok);
  w.Begin(0, 4, 24, 0);
  EXPECT_FALSE(DecodeBmp(w.b).ok);
  w.Begin(100000, 100000, 24, 0);
  EXPECT_EQ(DecodeBmp(w.b).error, "BMP: the picture is too large");
  w.Begin(2, 2, 24, 0);
  w.StartPixels();
  w.U32(0);  // one row of two
  EXPECT_EQ(DecodeBmp(w.b).error, "BMP: the pixel data is cut short");
}

TEST(ImageCodec, JpegColourGreyProgressiveAndCmyk) {
  DecodeResult r = DecodeImage(Fixture("colour.jpg"));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.image.sourceBits, 24);
  EXPECT_EQ(r.image.pixels.Width(), 48);
  EXPECT_EQ(r.image.pixels.Height(), 32);
  const std::uint32_t top = r.image.pixels.Row32(0)[5], bottom = r.image.pixels.Row32(31)[5];
  EXPECT_GT(Channel(top, 16), 230);  // red at the top
  EXPECT_LT(Channel(top, 0), 25);
  EXPECT_GT(Channel(bottom, 0), 230);  // blue at the bottom
  EXPECT_EQ(top >> 24, 0xFFu);

  r = DecodeJpeg(Fixture("grey.jpg"));
  ASSERT_TRUE(r.ok) << r.error;
  const std::uint32_t g = r.image.pixels.Row32(16)[3];
  EXPECT_EQ(Channel(g, 0), Channel(g, 8));
  EXPECT_EQ(Channel(g, 8), Channel(g, 16));

  r = DecodeJpeg(Fixture("progressive.jpg"));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_GT(Channel(r.image.pixels.Row32(0)[0], 8), 230);  // green at the top

  r = DecodeJpeg(Fixture("cmyk.jpg"));
  ASSERT_TRUE(r.ok) << r.error;
  const std::uint32_t red = r.image.pixels.Row32(5)[5];
  EXPECT_GT(Channel(red, 16), 230);
  EXPECT_LT(Channel(red, 8), 25);
}

// Every cut of a valid file at a multiple of 97 bytes is refused.
void ExpectTruncationsRefused(const Bytes& file, const char* name) {
  ASSERT_GT(file.size(), 97u) << name;
  for (std::size_t cut = 97; cut < file.size(); cut += 97) {
    const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
    const DecodeResult r = DecodeImage(part);
    EXPECT_FALSE(r.ok) << name << " cut at " << cut;
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(r.image.pixels.Empty());
  }
}

TEST(ImageCodec, TruncatedFilesAreRefused) {
  PixelBuffer pic = Picture(40, 30);
  ExpectTruncationsRefused(EncodePng(pic.View()), "png");
  ExpectTruncationsRefused(EncodeBmp(pic.View()), "bmp");
  ExpectTruncationsRefused(Fixture("photo.jpg"), "jpeg");
  ExpectTruncationsRefused(Fixture("progressive.jpg"), "progressive jpeg");
}

TEST(ImageCodec, RandomBytesAreRefused) {
  std::mt19937 rng(11);
  PixelBuffer pic = Picture(16, 16);
  const Bytes png = EncodePng(pic.View()), bmp = EncodeBmp(pic.View()), jpeg = Fixture("photo.jpg");
  for (int round = 0; round < 200; ++round) {
    Bytes noise(static_cast<std::size_t>(rng() % 3000));
    for (auto& b : noise) b = std::uint8_t(rng());
    EXPECT_FALSE(DecodeImage(noise).ok);
    // A valid start followed by noise.
    for (const Bytes* head : {&png, &bmp, &jpeg}) {
      Bytes mixed(head->begin(), head->begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(head->size(), 60)));
      mixed.insert(mixed.end(), noise.begin(), noise.end());
      const DecodeResult r = DecodeImage(mixed);
      if (!r.ok) {
        EXPECT_FALSE(r.error.empty());
      }
    }
  }
  EXPECT_FALSE(DecodeImage({}).ok);
  EXPECT_EQ(SniffImageFormat(Bytes{'G', 'I', 'F'}), ImageFormat::Unknown);
}

TEST(ImageCodec, Files) {
  PixelBuffer pic = Picture(3, 3);
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::string path = std::string(dir ? dir : ".") + "/codec-file-test.png";
  ASSERT_TRUE(base::WriteFileBytes(path, EncodePng(pic.View()), base::FileReplace::InPlace).Ok());
  const DecodeResult r = LoadImageFile(path);
  ASSERT_TRUE(r.ok) << r.error;
  ExpectSamePixels(r.image.pixels, pic);
  std::remove(path.c_str());
  EXPECT_FALSE(LoadImageFile(path).ok);
  EXPECT_FALSE(base::WriteFileBytes("/nonexistent-folder/x.png", Bytes{1}, base::FileReplace::InPlace).Ok());
}

}  // namespace
}  // namespace gfx
