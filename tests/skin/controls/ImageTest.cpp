// The skinned image over a skinned panel: picture sizes and places, alpha composition over
// the panel's picture, smooth resampling, pictures without alpha, blending and greying,
// backgrounds that are not ready or empty, and the empty-alpha mend.
#include <gtest/gtest.h>

#include <set>

#include "platform/forms/WinControls.h"
#include "platform/gfx/Surface.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/controls/PanelFormFixture.h"

namespace skin::test {

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u;  // B, G, R, A in memory: 0xAARRGGBB

std::unique_ptr<forms::TBitmap> Solid(int w, int h, std::uint32_t pixel) {
  return Picture32(w, h, [pixel](int, int) { return pixel; });
}

// Opaque red as the blend step leaves it (255 becomes 254).
bool Red(std::uint32_t p) { return (p >> 16 & 0xFF) >= 254 && (p >> 8 & 0xFF) <= 1 && (p & 0xFF) <= 1; }

}  // namespace

class SkinnedImage : public PanelForm {
 protected:
  void SetUp() override {
    PanelForm::SetUp();
    panel = Panel(nullptr, {0, 0, 461, 499});
    ASSERT_TRUE(panel->PrepareCache());
  }
  // The image painted by its container, as the panel paints its graphic children.
  Bitmap32 Painted(TsImage* image) {
    Bitmap32 out(*panel->SkinData()->FCacheBmp);
    PaintGraphicChildren(&out.Canvas(), panel, true, {0, 0});
    (void)image;
    return out;
  }
  std::uint32_t Behind(int x, int y) const { return panel->SkinData()->FCacheBmp->Pixel(x, y); }
  TsPanel* panel = nullptr;
};

TEST_F(SkinnedImage, StretchedPicturesKeepTheirProportionsWhenAsked) {
  TsImage* i = Image(panel, {8, 16, 58, 66}, *Solid(512, 512, kRed));
  i->SetStretch(true);
  i->SetProportional(true);
  EXPECT_EQ(i->PictureSize(true), (gfx::TSize{50, 50}));
  EXPECT_EQ(i->PictureSize(false), (gfx::TSize{512, 512}));
  i->SetBounds(272, 260, 57, 53);
  EXPECT_EQ(i->PictureSize(true), (gfx::TSize{53, 53}));
  i->Picture()->SetGraphic(Solid(460, 510, kRed).get());
  i->SetBounds(98, 297, 73, 73);
  EXPECT_EQ(i->PictureSize(true), (gfx::TSize{66, 73}));
  i->Picture()->SetGraphic(Solid(400, 114, kRed).get());
  i->SetProportional(false);
  i->SetBounds(208, 337, 130, 33);
  EXPECT_EQ(i->PictureSize(true), (gfx::TSize{130, 33}));
  // A reflection takes a third of the height.
  i->Picture()->SetGraphic(Solid(100, 100, kRed).get());
  i->SetProportional(true);
  i->SetReflected(true);
  i->SetBounds(0, 0, 200, 90);
  EXPECT_LE(i->PictureSize(true).cy, 60);
}

TEST_F(SkinnedImage, APictureIsComposedAtItsPlaceOverThePanel) {
  // The 460 x 510 logo in 73 x 73 is 66 x 73 at (0, 0): the strip on the right shows the panel.
  TsImage* i = Image(panel, {98, 297, 171, 370}, *Solid(460, 510, kRed));
  i->SetStretch(true);
  i->SetProportional(true);
  const Bitmap32 out = Painted(i);
  EXPECT_TRUE(Red(out.Pixel(98 + 30, 297 + 30)));
  EXPECT_EQ(out.Pixel(98 + 68, 297 + 30), Behind(98 + 68, 297 + 30));
  // Own size, not stretched: a one-pixel strip right and below.
  TsImage* small = Image(panel, {300, 20, 333, 53}, *Solid(32, 32, kRed));
  small->SetProportional(true);
  const Bitmap32 again = Painted(small);
  EXPECT_TRUE(Red(again.Pixel(300 + 31, 20 + 31)));
  EXPECT_EQ(again.Pixel(300 + 32, 20 + 10), Behind(300 + 32, 20 + 10));
  EXPECT_EQ(again.Pixel(300 + 10, 20 + 32), Behind(300 + 10, 20 + 32));
}

TEST_F(SkinnedImage, HalfTransparentPixelsShowThePanelBehindThem) {
  TsImage* i = Image(panel, {20, 20, 60, 60}, *Solid(40, 40, 0x80FFFFFFu));
  const Bitmap32 out = Painted(i);
  for (int shift : {0, 8, 16}) {
    const int behind = static_cast<int>((Behind(30, 30) >> shift) & 0xFF);
    const int got = static_cast<int>((out.Pixel(30, 30) >> shift) & 0xFF);
    EXPECT_NEAR(got, behind + (255 - behind) * 128 / 256, 2);
  }
}

TEST_F(SkinnedImage, ShrinkingIsSmoothNotNearestPixel) {
  // One-pixel black and white columns: a nearest-pixel shrink keeps only the two colours.
  TsImage* i =
      Image(panel, {8, 16, 58, 66}, *Picture32(512, 512, [](int x, int) { return x % 2 ? 0xFFFFFFFFu : 0xFF000000u; }));
  i->SetStretch(true);
  i->SetProportional(true);
  const Bitmap32 out = Painted(i);
  std::set<std::uint32_t> greys;
  for (int x = 10; x < 56; ++x) greys.insert(out.Pixel(x, 40) & 0xFF);
  for (std::uint32_t g : greys) {
    EXPECT_GT(g, 60u);
    EXPECT_LT(g, 200u);
  }
}

TEST_F(SkinnedImage, APictureWithoutAlphaGetsItFromItsCornerOnlyWhenDrawn) {
  manager->Options.CheckEmptyAlpha = true;
  // No alpha anywhere; the bottom-left colour (blue) is the transparent one.
  auto pixel = [](int x, int y) { return x < 4 && y > 27 ? 0x000000FFu : 0x00FF0000u; };
  TsImage* i = Image(panel, {40, 40, 72, 72}, *Picture32(32, 32, pixel));
  const Bitmap32 out = Painted(i);
  EXPECT_TRUE(Red(out.Pixel(40 + 16, 40 + 16))) << "the first paint showed nothing";
  EXPECT_EQ(out.Pixel(40 + 1, 40 + 30), Behind(40 + 1, 40 + 30));
  auto* stored = dynamic_cast<forms::TBitmap*>(i->Picture()->Graphic());
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->ScanLine(16)[16], 0x00FF0000u) << "the stored picture was changed";
}

TEST_F(SkinnedImage, AnOpaqueFormatPictureLosesItsCornerColourWhenTransparent) {
  auto b = Picture32(20, 20, [](int x, int y) { return x < 5 && y > 14 ? 0xFF00FF00u : 0xFFFF0000u; });
  b->SetPixelFormat(forms::TPixelFormat::pf24bit);
  TsImage* i = Image(panel, {100, 100, 120, 120}, *b);
  i->SetTransparent(true);
  const Bitmap32 out = Painted(i);
  EXPECT_EQ(out.Pixel(101, 118), Behind(101, 118));
  EXPECT_TRUE(Red(out.Pixel(110, 105)));
}

TEST_F(SkinnedImage, FullBlendHidesThePictureAndGreyingKeepsItsBrightness) {
  TsImage* i = Image(panel, {20, 20, 60, 60}, *Solid(40, 40, 0xFF2080E0u));
  i->SetBlend(100);
  const Bitmap32 hidden = Painted(i);
  EXPECT_EQ(hidden.Pixel(30, 30), Behind(30, 30));
  i->SetBlend(0);
  i->SetGrayed(true);
  const std::uint32_t p = Painted(i).Pixel(30, 30);
  EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
  EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);
}

TEST_F(SkinnedImage, AContainerWithoutPictureLeavesTheImageWaiting) {
  TProbeControl* holder = Holder(5, 5, 200, 100);
  // The holder answers that its picture is not ready.
  holder->JoinWindowProc(this, [](forms::TMessage& m, const forms::TWndNext& next) {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scGetBgInfo && m.LParam != 0) {
      reinterpret_cast<TsBackgroundQuery*>(m.LParam)->Kind = bqNotReady;
      return;
    }
    next(m);
  });
  TsImage* i = Image(holder, {10, 10, 42, 42}, *Solid(32, 32, kRed));
  Bitmap32 dc(32, 32);
  EXPECT_FALSE(i->BuildPicture(&dc.Canvas()));
  EXPECT_TRUE(i->SkinData()->FUpdating);
  holder->LeaveWindowProc(this);
}

TEST_F(SkinnedImage, AnEmptyFinishedBackgroundCopiesNothing) {
  TProbeControl* holder = Holder(5, 5, 200, 100);
  Bitmap32 empty;
  holder->JoinWindowProc(this, [&empty](forms::TMessage& m, const forms::TWndNext& next) {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scGetBgInfo && m.LParam != 0) {
      auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
      q->Kind = bqBitmap;
      q->Bitmap = &empty;
      return;
    }
    next(m);
  });
  TsImage* i = Image(holder, {10, 10, 42, 42}, *Solid(32, 32, kRed));
  Bitmap32 dc(32, 32);
  FillPixels(&dc, {0, 0, 32, 32}, 0x00FF00, 255);
  forms::TMessage paint{win::WM_PAINT, reinterpret_cast<win::WPARAM>(&dc.Canvas()), 0, 0};
  i->WindowProc(paint);
  EXPECT_EQ(dc.Pixel(16, 16), 0xFF00FF00u) << "an unfilled picture was copied";
  holder->LeaveWindowProc(this);
}

TEST_F(SkinnedImage, CommandsWithFixedAnswers) {
  TsImage* i = Image(panel, {10, 10, 42, 42}, *Solid(32, 32, kRed));
  EXPECT_EQ(i->Perform(SkinCmdMessage, SkinCmdWParam(scGetDefaultKind), 0), 3);
  EXPECT_EQ(i->Perform(SkinCmdMessage, SkinCmdWParam(scGetDefaultIndex), 0), Index(u"TRANSPARENT") + 1);
  EXPECT_EQ(i->SkinData()->COC, cocImage);
  EXPECT_EQ(i->SkinData()->SkinIndex, Index(u"TRANSPARENT"));
  EXPECT_EQ(i->Perform(SkinCmdMessage, SkinCmdWParam(scIsOpaqueChild), 0), 1);
}

TEST_F(SkinnedImage, ANewPictureOrSizeReplacesTheOneDrawnBefore) {
  TsImage* i = Image(panel, {8, 16, 58, 66}, *Solid(512, 512, kRed));
  i->SetStretch(true);
  i->SetProportional(true);
  EXPECT_TRUE(Red(Painted(i).Pixel(30, 40)));
  i->Picture()->SetGraphic(Solid(512, 512, 0xFF0000FFu).get());
  EXPECT_EQ(Painted(i).Pixel(30, 40) & 0xFFFF00, 0u) << "the old picture was drawn again";
  // Drawn larger, the picture is resampled to the new size.
  i->SetBounds(8, 16, 100, 100);
  const Bitmap32 larger = Painted(i);
  EXPECT_GE(larger.Pixel(8 + 90, 16 + 90) & 0xFF, 254u);
  EXPECT_EQ(larger.Pixel(8 + 90, 16 + 90) & 0xFFFF00, 0u);
}

}  // namespace skin::test
