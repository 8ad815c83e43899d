// The skin generator's parts: the palette, the recipe, the image references it writes,
// the options source and how painted pictures are stored.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/gfx/ImageCodec.h"
#include "skin/data/acImageRef.h"
#include "tools/skingen/OptionsSource.h"
#include "tools/skingen/PictureFiles.h"
#include "tools/skingen/SourceText.h"

namespace skingen {
namespace {

const TPalette& Palette() {
  static const TPalette p = TPalette::Parse("red = #FF0000\nink = #102030\nalias = ink  # the same\n", "Palette.txt");
  return p;
}

TRecipe Recipe(const std::string& text) { return ParseRecipe(text, Palette(), "Pictures.txt"); }

// The message of the source error a call throws; empty when it throws none.
template <class F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const TSourceError& e) {
    return e.what();
  }
  return {};
}

TEST(SkinGenPalette, ReadsColoursAliasesAndInks) {
  std::uint32_t rgb = 0;
  ASSERT_TRUE(Palette().Find("alias", rgb));
  EXPECT_EQ(rgb, 0x102030u);
  TInk ink;
  ASSERT_TRUE(Palette().ParseInk("red/40", ink));
  EXPECT_EQ(ink, (TInk{0xFF0000, 102}));
  ASSERT_TRUE(Palette().ParseInk("#0A0B0C", ink));
  EXPECT_EQ(ink, (TInk{0x0A0B0C, 255}));
  ASSERT_TRUE(Palette().ParseInk("none", ink));
  EXPECT_EQ(ink.Alpha, 0);
  EXPECT_FALSE(Palette().ParseInk("red/101", ink));
  EXPECT_FALSE(Palette().ParseInk("blue", ink));
  EXPECT_FALSE(Palette().ParseInk("#12345", ink));
  EXPECT_EQ(OptionsColour(0x48647D), 8217672u);
}

TEST(SkinGenPalette, NamesTheLineOfAMistake) {
  EXPECT_NE(ErrorOf([] { TPalette::Parse("a = #000000\nb #111111\n", "P.txt"); }).find("P.txt:2:"), std::string::npos);
  EXPECT_NE(ErrorOf([] { TPalette::Parse("a = #000000\na = #111111\n", "P.txt"); }).find("named twice"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] { TPalette::Parse("a = later\nlater = #000000\n", "P.txt"); }).find("P.txt:1:"),
            std::string::npos);
}

TEST(SkinGenRecipe, RejectsMistakesWithTheirLine) {
  const std::string file = "file \"M.PNG\" m 32 32\n";
  const struct {
    std::string Text;
    std::string Expect;
  } cases[] = {
      {file + "picture a\n place m 0 0\n cell 4 4\n shine 1\nend\n", "Pictures.txt:5: unknown word"},
      {file + "picture a\n place m 0 0\n cell 4 4\nend\npicture b\n place m 3 3\n cell 4 4\nend\n", "overlaps"},
      {file + "picture a\n place m 30 0\n cell 4 4\nend\n", "does not fit"},
      {file + "picture a\n place m 0 0\n cell 4 4\n store mask\n place m 0 30\nend\n", "does not fit"},
      {file + "picture a\n place m 0 0\n cell 4 4\n ink x red\n pixels 0 0\n  x x\n  x\n endpixels\nend\n",
       "differ in length"},
      {file + "picture a\n place m 0 0\n cell 4 4\n pixels 0 0\n  y\n endpixels\nend\n", "has no ink"},
      {file + "picture a\n place m 0 0\n cell 4 4\n", "not closed"},
      {file + "picture a\n place m 0 0\n cell 4 4\n state 1\nend\n", "no state 1"},
      {file + "picture a\n place m 0 0\n cell 4 4\n box 0 0 4 4 1 blue\nend\n", "not a colour"},
      {file + "picture a\n place m 0 0\n cell 4 4\n box 0 0 4 4 red\nend\n", "takes 6 values"},
      {file + "picture a\n place m 0 0\n cell 4 4\n borders 2 0 2 0\nend\n", "leave no middle"},
      {file + "picture a\n place m 0 0\n cell 4 2\nend\npicture b\n place m 8 0\n cell 4 2\n derive a turnleft\nend\n",
       "cell size"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf([&] { Recipe(c.Text); });
    EXPECT_NE(error.find(c.Expect), std::string::npos) << c.Text << "\ngave: " << error;
  }
}

// Pictures of every kind in a master bitmap and one in a file of its own.
const TRecipe& Kinds() {
  static const TRecipe r = Recipe(
      "file \"MASTER.PNG\" m 256 64\n"
      "file \"BIG.BMP\" big 24 16\n"
      "picture frame\n place m 15 5\n cell 3 3\n store mask\n borders 1 1 1 1\n mode 1\nend\n"
      "picture face\n place m 100 0\n cell 9 9\n states 3\n store mask\n borders 4 4 4 4\n mode 13\nend\n"
      "picture glyph\n place m 40 20\n cell 12 12\n kind glyph\nend\n"
      "picture tile\n place m 0 32\n cell 32 32\n kind texture\nend\n"
      "picture plain\n place m 60 20\n cell 6 6\nend\n"
      "picture big\n place big 0 0\n cell 8 8\n states 3\n store mask\n borders 3 3 3 3\n mode 13\nend\n");
  return r;
}

skin::TacImageRef ReadBack(char syntax, const char* picture) {
  std::string why;
  const std::string ref = FormatImageRef(syntax, *Kinds().FindPicture(picture), Kinds(), "m", why);
  EXPECT_FALSE(ref.empty()) << why;
  return skin::ParseCanonicalImageRef(skin::NormalizeImageRef(base::WidenAscii(ref)));
}

TEST(SkinGenImageRef, EverySyntaxReadsBackAsThePicture) {
  std::string why;
  EXPECT_EQ(FormatImageRef('^', *Kinds().FindPicture("frame"), Kinds(), "m", why),
            "^0015^0005^0018^0011^0001^0001^0001^0001^1^1^1^1");
  EXPECT_EQ(FormatImageRef('&', *Kinds().FindPicture("face"), Kinds(), "m", why),
            "&0100000001270018000400040004000431013000000");
  const skin::TacImageRef face = ReadBack('^', "face");
  EXPECT_EQ(face.R, (gfx::TRect{100, 0, 127, 18}));
  EXPECT_EQ(face.ImageCount, 3);
  EXPECT_EQ(face.MaskType, 1);
  EXPECT_EQ(face.DrawMode, 13);
  EXPECT_EQ(face.WL + face.WT + face.WR + face.WB, 16);
  const skin::TacImageRef glyph = ReadBack('@', "glyph");
  EXPECT_EQ(glyph.R, (gfx::TRect{40, 20, 52, 32}));
  EXPECT_EQ(glyph.ImgType, 2);
  const skin::TacImageRef tile = ReadBack('~', "tile");
  EXPECT_EQ(tile.R, (gfx::TRect{0, 32, 32, 64}));
  EXPECT_EQ(tile.ImgType, 1);
  // A picture without borders written as "^" keeps zero borders... computed ones.
  const skin::TacImageRef plain = ReadBack('^', "plain");
  EXPECT_EQ(plain.WL, 2);
  EXPECT_EQ(plain.WT, 2);
  const skin::TacImageRef big = ReadBack('!', "big");
  EXPECT_EQ(big.File, u"BIG.BMP");
  EXPECT_TRUE(big.R.IsEmpty());
  EXPECT_EQ(big.WL, 3);
  EXPECT_EQ(big.ImageCount, 3);
  EXPECT_EQ(big.DrawMode, 13);
}

TEST(SkinGenImageRef, RefusesSyntaxesThatDoNotSuitThePicture) {
  std::string why;
  EXPECT_TRUE(FormatImageRef('@', *Kinds().FindPicture("frame"), Kinds(), "m", why).empty());
  EXPECT_TRUE(FormatImageRef('^', *Kinds().FindPicture("glyph"), Kinds(), "m", why).empty());
  EXPECT_TRUE(FormatImageRef('!', *Kinds().FindPicture("glyph"), Kinds(), "m", why).empty());
  EXPECT_NE(why.find("master bitmap"), std::string::npos);
  EXPECT_TRUE(FormatImageRef('&', *Kinds().FindPicture("big"), Kinds(), "m", why).empty());
  EXPECT_TRUE(FormatImageRef('~', *Kinds().FindPicture("face"), Kinds(), "m", why).empty());
}

TEST(SkinGenOptions, ExpandsColoursAndPicturesAndDropsComments) {
  const TOptionsText o = ExpandOptions(
      "# a comment\n\n[GLOBALINFO]\nMASTERBITMAP = MASTER.PNG\nCOLOR = {ink}\nBTN = {red:argb}\n\n"
      "[GROUPBOX]\nBORDERSMASK = {^frame}   # the frame\n",
      Palette(), Kinds(), "Options.txt");
  EXPECT_EQ(o.Text,
            "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.PNG\r\nCOLOR=3153936\r\nBTN=-65536\r\n\r\n"
            "[GROUPBOX]\r\nBORDERSMASK=^0015^0005^0018^0011^0001^0001^0001^0001^1^1^1^1\r\n");
  ASSERT_EQ(o.Images.size(), 1u);
  EXPECT_EQ(o.Images[0].Section, "GROUPBOX");
  EXPECT_EQ(o.Images[0].Key, "BORDERSMASK");
  EXPECT_EQ(o.Images[0].Picture, "frame");
}

TEST(SkinGenOptions, RejectsWhatItCannotWrite) {
  const auto expand = [](const std::string& text) {
    return ErrorOf([&] { ExpandOptions(text, Palette(), Kinds(), "Options.txt"); });
  };
  EXPECT_NE(expand("[A]\nCOLOR={blue}\n").find("Options.txt:2: the palette has no colour"), std::string::npos);
  EXPECT_NE(expand("[GLOBALINFO]\nMASTERBITMAP=MASTER.PNG\n[A]\nX={^nothing}\n").find("no picture"), std::string::npos);
  EXPECT_NE(expand("[A]\nX={^frame}\n").find("MASTERBITMAP must come before"), std::string::npos);
  EXPECT_NE(expand("[GLOBALINFO]\nMASTERBITMAP=OTHER.PNG\n").find("no file named"), std::string::npos);
  EXPECT_NE(expand("KEY=1\n").find("inside a section"), std::string::npos);
  EXPECT_NE(expand("[A]\nX={ink\n").find("not closed"), std::string::npos);
}

// The files of a one-picture recipe.
std::vector<TPictureFile> Build(const std::string& picture, const char* fileName = "M.PNG") {
  return BuildPictureFiles(
      Recipe(std::string("file \"") + fileName + "\" m 32 32\npicture p\n place m 0 0\n" + picture + "end\n"),
      "Pictures.txt");
}

TEST(SkinGenPictures, MasksHoldTheCoverageAndEmptyPixelsBorrowTheirNeighboursColour) {
  const std::vector<TPictureFile> f = Build(" cell 4 2\n store mask\n rect 0 0 1.5 1 red\n");
  const gfx::PixelBuffer& px = f[0].Pixels;
  EXPECT_EQ(px.Row32(0)[0], 0xFFFF0000u);  // fully covered: red, mask 0
  EXPECT_EQ(px.Row32(2)[0], 0xFF000000u);
  EXPECT_EQ(px.Row32(0)[1], 0xFFFF0000u);  // half covered: red, mask about 128
  EXPECT_NEAR(static_cast<int>(px.Row32(2)[1] & 0xFF), 128, 1);
  EXPECT_EQ(px.Row32(1)[3] & 0xFFFFFF, 0xFF0000u);  // untouched: red beside red, mask 255
  EXPECT_EQ(px.Row32(3)[3], 0xFFFFFFFFu);
  EXPECT_EQ(px.Row32(0)[4], kKeyPixel);  // outside the picture: key colour
}

TEST(SkinGenPictures, KeyStorageAndRoundedCornersMarkKeyPixels) {
  const std::vector<TPictureFile> f = Build(" cell 9 9\n round 3\n rect 0 0 0.4 9 red\n rect 4 4 1 1 red\n");
  const gfx::PixelBuffer& px = f[0].Pixels;
  EXPECT_EQ(px.Row32(4)[0], kKeyPixel);    // covered less than half
  EXPECT_EQ(px.Row32(4)[4], 0xFFFF0000u);  // covered
  EXPECT_EQ(px.Row32(0)[0], kKeyPixel);    // outside the rounded outline
  const std::vector<TPictureFile> m = Build(" cell 9 9\n store mask\n round 3\n fill red\n");
  EXPECT_EQ(m[0].Pixels.Row32(0)[0], kKeyPixel);
  EXPECT_EQ(m[0].Pixels.Row32(9)[0], 0xFFFFFFFFu);  // its mask keeps what lies behind
  EXPECT_EQ(m[0].Pixels.Row32(0)[4], 0xFFFF0000u);
  EXPECT_EQ(m[0].Pixels.Row32(0)[8], kKeyPixel);
  EXPECT_EQ(m[0].Pixels.Row32(8)[8], kKeyPixel);
}

TEST(SkinGenPictures, DerivedPicturesTurnAndMirror) {
  const TRecipe r = Recipe(
      "file \"M.PNG\" m 16 16\n"
      "picture a\n place m 0 0\n cell 3 2\n ink x red\n ink . none\n pixels 0 0\n  x . .\n  . . .\n endpixels\nend\n"
      "picture l\n place m 4 0\n cell 2 3\n derive a turnleft\nend\n"
      "picture f\n place m 8 0\n cell 3 2\n derive a flipx\nend\n");
  const std::vector<TPictureFile> files = BuildPictureFiles(r, "Pictures.txt");
  const gfx::PixelBuffer& px = files[0].Pixels;
  EXPECT_EQ(px.Row32(2)[4], 0xFFFF0000u);  // top-left corner turned to the bottom-left
  EXPECT_EQ(px.Row32(0)[4], kKeyPixel);
  EXPECT_EQ(px.Row32(0)[10], 0xFFFF0000u);  // mirrored to the top-right
}

TEST(SkinGenPictures, FilesEncodeTheKeyAsTheLoaderExpectsIt) {
  const std::vector<TPictureFile> png = Build(" cell 2 2\n rect 0 0 1 2 red\n");
  const gfx::DecodeResult p = gfx::DecodePng(png[0].Bytes);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.image.pixels.Row32(0)[1], 0xFFFF00FFu);  // opaque magenta; the loader clears its alpha
  EXPECT_EQ(p.image.pixels.Row32(0)[0], 0xFFFF0000u);
  const std::vector<TPictureFile> bmp = Build(" cell 2 2\n rect 0 0 1 2 red\n", "M.BMP");
  const gfx::DecodeResult b = gfx::DecodeBmp(bmp[0].Bytes);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(b.image.pixels.Row32(0)[1], kKeyPixel);  // a 32-bit bitmap is taken as it is
  EXPECT_EQ(b.image.pixels.Row32(0)[0], 0xFFFF0000u);
}

TEST(SkinGenPictures, AlphaFilesKeepTheirAlphaAndRefuseMixedPictures) {
  const std::vector<TPictureFile> f = Build(" cell 2 2\n store alpha\n kind glow\n rect 0 0 1 1 red/40\n");
  EXPECT_TRUE(f[0].AlphaFile);
  EXPECT_EQ(f[0].Pixels.Row32(0)[0], 0x66FF0000u);
  EXPECT_EQ(f[0].Pixels.Row32(1)[1], 0u);
  const std::string error = ErrorOf([] {
    BuildPictureFiles(Recipe("file \"M.PNG\" m 16 16\npicture a\n place m 0 0\n cell 2 2\n store alpha\nend\n"
                             "picture b\n place m 4 0\n cell 2 2\nend\n"),
                      "Pictures.txt");
  });
  EXPECT_NE(error.find("mixes"), std::string::npos);
}

}  // namespace
}  // namespace skingen
