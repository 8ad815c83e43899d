// Pictures and the controls that show them: where an image puts its picture (natural,
// stretched, proportional, centred), how pictures with alpha, a transparent colour or
// neither are drawn, pictures read by their contents, and a bit button's layout of
// glyph and caption.
#include "FormsTestSupport.h"

#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/Surface.h"

namespace formstest {
using namespace forms;

namespace {

std::unique_ptr<TBitmap> Solid(int w, int h, std::uint32_t px) {
  auto b = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->ScanLine(y)[x] = px;
  return b;
}

}  // namespace

class Pictures : public FormsTest {};

TEST_F(Pictures, ImagePlacesItsPicture) {
  auto* image = New<TImage>(Application.Get());
  struct Case {
    int pw, ph, w, h;
    bool stretch, proportional, center;
    TRect expected;
  };
  for (const Case& c : std::vector<Case>{
           {512, 512, 50, 50, true, true, false, {0, 0, 50, 50}},
           {460, 510, 73, 73, true, true, false, {0, 0, 65, 73}},  // the width is cut, not rounded
           {400, 114, 130, 33, true, false, false, {0, 0, 130, 33}},
           {512, 512, 57, 53, true, true, false, {0, 0, 53, 53}},
           {32, 32, 33, 33, false, true, false, {0, 0, 32, 32}},
           {32, 32, 40, 40, false, false, true, {4, 4, 36, 36}},
           {80, 20, 40, 40, false, true, true, {0, 15, 40, 25}},
       }) {
    image->SetBounds(0, 0, c.w, c.h);
    image->SetStretch(c.stretch);
    image->SetProportional(c.proportional);
    image->SetCenter(c.center);
    auto pic = Solid(c.pw, c.ph, 0xFF0000FF);
    image->Picture()->SetGraphic(pic.get());
    EXPECT_EQ(image->DestRect(), c.expected) << c.pw << "x" << c.ph << " in " << c.w << "x" << c.h;
  }
  image->Free();
}

TEST_F(Pictures, DrawnByAlphaByTransparentColourOrOpaque) {
  gfx::PixelBuffer target(4, 1);
  for (int x = 0; x < 4; ++x) target.Row32(0)[x] = 0xFF102030;
  gfx::Surface s(target.View());
  TCanvas canvas;
  canvas.SetHandle(&s);
  // Straight alpha: half-transparent white over the background.
  TPngImage png;
  png.SetSize(1, 1);
  png.ScanLine(0)[0] = 0x80FFFFFF;
  canvas.Draw(0, 0, &png);
  std::uint32_t mixed = target.Row32(0)[0];
  EXPECT_NEAR(static_cast<int>((mixed >> 16) & 255), (0x10 + 0xFF) / 2, 2);
  // A bitmap with a transparent colour (its bottom-left pixel) shows what lies behind.
  auto keyed = Solid(2, 1, 0xFF00FF00);
  keyed->ScanLine(0)[1] = 0xFFFF0000;
  keyed->SetPixelFormat(TPixelFormat::pf24bit);
  keyed->SetTransparent(true);
  canvas.Draw(1, 0, keyed.get());
  EXPECT_EQ(target.Row32(0)[1], 0xFF102030u);
  EXPECT_EQ(target.Row32(0)[2] & 0xFFFFFF, 0xFF0000u);
  // Opaque: copied as it is.
  auto plain = Solid(1, 1, 0xFF00FF00);
  plain->SetPixelFormat(TPixelFormat::pf24bit);
  canvas.Draw(3, 0, plain.get());
  EXPECT_EQ(target.Row32(0)[3] & 0xFFFFFF, 0x00FF00u);
}

TEST_F(Pictures, PicturesAreReadByTheirContents) {
  TPicture pic;
  gfx::PixelBuffer px(3, 2);
  px.Row32(1)[2] = 0x7F123456;
  std::vector<std::uint8_t> png = gfx::EncodePng(px.View());
  pic.LoadFromBytes(png);
  ASSERT_NE(dynamic_cast<TPngImage*>(pic.Graphic()), nullptr);
  EXPECT_EQ(pic.Width(), 3);
  EXPECT_EQ(static_cast<TPngImage*>(pic.Graphic())->ScanLine(1)[2], 0x7F123456u);
  std::vector<std::uint8_t> bmp = gfx::EncodeBmp(px.View());
  pic.LoadFromBytes(bmp);
  EXPECT_EQ(pic.Graphic()->ClassName(), u"TBitmap");
  std::vector<std::uint8_t> junk{1, 2, 3, 4, 5};
  EXPECT_THROW(pic.LoadFromBytes(junk), EInvalidGraphic);
  EXPECT_EQ(pic.Graphic()->ClassName(), u"TBitmap") << "a failed load keeps the picture";
  TBitmap* b = pic.Bitmap();
  EXPECT_EQ(b->Width(), 3);
}

TEST_F(Pictures, BitButtonLaysOutGlyphAndCaption) {
  auto* form = New<TForm>(Application.Get());
  auto* b = New<TBitBtn>(form);
  b->SetParent(form);
  b->SetBounds(0, 0, 89, 32);
  b->SetKind(TBitBtnKind::bkClose);
  TCanvas& c = *form->Canvas();
  gfx::Surface s;
  c.SetHandle(&s);
  c.SetFont(b->Font());
  int tw = c.TextWidth(u"Close");
  TBitBtn::Placement p = b->CalcLayout(c, {1, 1, 88, 31}, {0, 0});
  // Glyph, 4 pixels, text: one group centred; the glyph vertically centred.
  int group = 18 + 4 + tw;
  EXPECT_EQ(p.glyph.X, 1 + (87 - group + 1) / 2);
  EXPECT_EQ(p.glyph.Y, 1 + (30 - 18 + 1) / 2);
  EXPECT_EQ(p.text.Left, p.glyph.X + 18 + 4);
  b->SetLayout(TButtonLayout::blGlyphTop);
  p = b->CalcLayout(c, {1, 1, 88, 31}, {1, 1});
  EXPECT_EQ(p.glyph.X, 1 + (87 - 18 + 1) / 2 + 1);
  c.SetHandle(nullptr);
}

}  // namespace formstest
