// The skinned panel on a headless form with the program's skin: the section its outer
// bevel chooses, its picture, caption and side shadow, what it answers its children, the
// erase and paint paths, waiting for a parent, the custom-colour mend and the unskinned
// look.
#include <gtest/gtest.h>

#include "platform/forms/Graphics.h"
#include "platform/gfx/Surface.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/data/acSkinData.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/controls/PanelFormFixture.h"

namespace skin::test {

namespace {

using forms::TBevelCut;

// The first and last rows and the first column where two pictures differ; {-1, -1, -1}
// when they do not.
struct Changed {
  int Top = -1, Bottom = -1, Left = -1;
};

Changed Difference(const Bitmap32& a, const Bitmap32& b) {
  Changed c;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (c.Top < 0) c.Top = y;
      c.Bottom = y;
      if (c.Left < 0 || x < c.Left) c.Left = x;
    }
  return c;
}

int Channel(std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

}  // namespace

class SkinnedPanel : public PanelForm {};

TEST_F(SkinnedPanel, TheOuterBevelChoosesTheSection) {
  TsPanel* p = Panel(nullptr, {10, 10, 210, 130});
  EXPECT_EQ(p->SkinData()->COC, cocPanel);
  EXPECT_EQ(p->BevelOuter(), TBevelCut::bvRaised);
  EXPECT_EQ(p->BevelInner(), TBevelCut::bvNone);
  EXPECT_TRUE(p->ShowCaption());
  EXPECT_EQ(p->SideShadow()->Mode(), ssmNone);
  EXPECT_EQ(p->SideShadow()->Side(), asRight);
  EXPECT_EQ(p->SideShadow()->ShadowSize(), 6);
  EXPECT_EQ(p->SideShadow()->Blend(), 48);
  EXPECT_EQ(p->SkinData()->SkinIndex, Index(u"PANEL"));
  EXPECT_EQ(SendSkinCommand(p->Handle(), scGetDefaultKind, 0), 12);
  EXPECT_EQ(SendSkinCommand(p->Handle(), scIsSkinned, 0), 1);

  p->SetBevelOuter(TBevelCut::bvLowered);
  EXPECT_EQ(p->SkinData()->SkinIndex, Index(u"PANEL_LOW"));
  p->SkinData()->BGChanged = false;
  p->SetBevelOuter(TBevelCut::bvLowered);
  EXPECT_FALSE(p->SkinData()->BGChanged) << "the same bevel again resolved the section again";
  p->SetBevelOuter(TBevelCut::bvNone);
  EXPECT_EQ(p->SkinData()->SkinIndex, Index(u"TRANSPARENT"));
  p->SetBevelOuter(TBevelCut::bvSpace);
  EXPECT_EQ(p->SkinData()->SkinIndex, Index(u"GROUPBOX"));
}

TEST_F(SkinnedPanel, ABevellessPanelIsAnExactCopyOfWhatLiesBehindIt) {
  TsPanel* outer = Panel(nullptr, {10, 10, 310, 210});
  TsPanel* inner = Panel(outer, {20, 30, 140, 110});
  inner->SetBevelOuter(TBevelCut::bvNone);
  ASSERT_TRUE(outer->PrepareCache());
  ASSERT_TRUE(inner->PrepareCache());
  const Bitmap32& a = *outer->SkinData()->FCacheBmp;
  const Bitmap32& b = *inner->SkinData()->FCacheBmp;
  int differing = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) differing += (b.Pixel(x, y) & 0xFFFFFF) != (a.Pixel(x + 20, y + 30) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
}

TEST_F(SkinnedPanel, TheCaptionFollowsItsAlignmentsInsideBorderAndBevels) {
  TsPanel* p = Panel(nullptr, {10, 10, 170, 130});
  ASSERT_TRUE(p->PrepareCache());
  const Bitmap32 blank = *p->SkinData()->FCacheBmp;
  auto caption = [&] {
    p->SkinData()->BGChanged = true;
    EXPECT_TRUE(p->PrepareCache());
    return Difference(blank, *p->SkinData()->FCacheBmp);
  };
  p->SetAlignment(forms::TAlignment::taLeftJustify);
  p->SetCaption(u"Ag");
  const Changed plain = caption();
  ASSERT_GE(plain.Top, 0);
  // Border 4 and an inner bevel of width 2: the rectangle shrinks by 8 instead of 1, and
  // a centred caption moves down by the border once more.
  p->SetBorderWidth(4);
  p->SetBevelInner(TBevelCut::bvLowered);
  p->SetBevelWidth(2);
  const Changed framed = caption();
  EXPECT_EQ(framed.Left - plain.Left, 7);
  EXPECT_EQ(framed.Top - plain.Top, 4);

  // A long caption wraps when centred; at the bottom it is one line at R's bottom.
  p->SetBorderWidth(0);
  p->SetBevelInner(TBevelCut::bvNone);
  p->SetBevelWidth(1);
  p->SetCaption(u"Several words that cannot share one line of this panel");
  const Changed wrapped = caption();
  p->SetVerticalAlignment(forms::TVerticalAlignment::taAlignBottom);
  const Changed bottom = caption();
  const int line = bottom.Bottom - bottom.Top + 1;
  EXPECT_GT(wrapped.Bottom - wrapped.Top + 1, 2 * line);
  EXPECT_LE(bottom.Bottom, p->Height() - 2);
  EXPECT_GE(bottom.Bottom, p->Height() - 6);
}

TEST_F(SkinnedPanel, AnInternalSideShadowDarkensOneEdge) {
  TsPanel* p = Panel(nullptr, {10, 10, 210, 110});
  ASSERT_TRUE(p->PrepareCache());
  const Bitmap32 plain = *p->SkinData()->FCacheBmp;
  p->SideShadow()->SetMode(ssmInternal);
  // The panel was repainted at once: its picture has the strip already.
  EXPECT_TRUE(p->SkinData()->CacheValid());
  ASSERT_TRUE(p->PrepareCache());
  const Bitmap32& shaded = *p->SkinData()->FCacheBmp;
  const int w = p->Width(), y = p->Height() / 2;
  ASSERT_NE(p->ShadowBmp, nullptr);
  EXPECT_EQ(p->ShadowBmp->Width(), 6);
  EXPECT_EQ(shaded.Pixel(w - 7, y), plain.Pixel(w - 7, y));
  for (int shift : {0, 8, 16}) {
    // Alpha 48 of black at the edge, one step of the six where the strip begins.
    const int edge = Channel(plain.Pixel(w - 1, y), shift), start = Channel(plain.Pixel(w - 6, y), shift);
    EXPECT_NEAR(Channel(shaded.Pixel(w - 1, y), shift), edge * (255 - 48) / 255, 3);
    EXPECT_NEAR(Channel(shaded.Pixel(w - 6, y), shift), start * (255 - 8) / 255, 3);
    EXPECT_LT(Channel(shaded.Pixel(w - 1, y), shift), Channel(shaded.Pixel(w - 4, y), shift) + 1);
  }
  // Another side makes the strip anew.
  p->SideShadow()->SetSide(asBottom);
  ASSERT_NE(p->ShadowBmp, nullptr);
  EXPECT_EQ(p->ShadowBmp->Height(), 6);
  EXPECT_EQ(p->ShadowBmp->Width(), w);
}

TEST_F(SkinnedPanel, EraseCopiesThePictureOnlyWhenAskedWithOneDC) {
  TsPanel* p = Panel(nullptr, {10, 10, 120, 80});
  ASSERT_TRUE(p->PrepareCache());
  Bitmap32 out(p->Width(), p->Height());
  FillPixels(&out, {0, 0, out.Width(), out.Height()}, 0x00FF00, 255);
  const auto dc = reinterpret_cast<win::WPARAM>(&out.Canvas());
  forms::TMessage other{win::WM_ERASEBKGND, dc, 0, 0};
  p->WindowProc(other);
  EXPECT_EQ(other.Result, 1);
  EXPECT_EQ(out.Pixel(40, 40), 0xFF00FF00u);
  forms::TMessage same{win::WM_ERASEBKGND, dc, static_cast<win::LPARAM>(dc), 0};
  p->WindowProc(same);
  EXPECT_EQ(same.Result, 1);
  EXPECT_EQ(out.Pixel(40, 40), p->SkinData()->FCacheBmp->Pixel(40, 40));
}

TEST_F(SkinnedPanel, ChildrenGetThePanelsPictureAndPaintOnceAfterAResize) {
  TsPanel* p = Panel(nullptr, {10, 10, 300, 200});
  auto* child = new TProbeControl(form, cocGroupBox);
  child->SetAlign(forms::TAlign::alTop);
  child->SetParent(p);
  child->HandleNeeded();
  child->SkinData->Loaded(true);
  win::RunUntilIdle();
  TsBackgroundQuery q;
  QueryParentBackground(q, p, false);
  EXPECT_EQ(q.Kind, bqBitmap);
  EXPECT_EQ(q.Bitmap, p->SkinData()->FCacheBmp.get());
  EXPECT_EQ(q.Offset, (TPoint{0, 0}));

  const int before = child->Prepares;
  p->SetBounds(10, 10, 360, 240);
  win::RunUntilIdle();
  EXPECT_EQ(child->Width(), p->ClientWidth() - 2) << "aligned inside the raised bevel";
  EXPECT_EQ(child->Prepares - before, 1) << "children painted over a stale picture";
  EXPECT_FALSE(child->SkinData->FUpdating);
}

TEST_F(SkinnedPanel, APlatformBorderMovesTheAnswerToTheClientArea) {
  TsPanel* p = Panel(nullptr, {10, 10, 200, 120});
  p->SetBorderStyle(forms::TBorderStyle::bsSingle);
  p->HandleNeeded();
  win::RunUntilIdle();
  const int border = (p->Width() - p->ClientWidth()) / 2;
  ASSERT_GT(border, 0);
  TsBackgroundQuery q;
  QueryParentBackground(q, p, false);
  ASSERT_EQ(q.Kind, bqBitmap);
  EXPECT_EQ(q.Offset, (TPoint{border, border}));
}

TEST_F(SkinnedPanel, APartlyTransparentCustomColourMixesWithWhatLiesBehind) {
  TsPanel* p = Panel(nullptr, {10, 10, 120, 80});
  for (auto& data : manager->SkinDataArray)
    if (data) data->gd[static_cast<std::size_t>(Index(u"PANEL"))].Props[0].Transparency = 50;
  p->SetColor(0x0000FF);
  p->SkinData()->SetCustomColor(true);
  const TColor behind = ParentBackgroundColor(form);
  ASSERT_NE(behind, TColor(0x0000FF));
  const TColor expected = BlendColorValues(behind, 0x0000FF, 50 * 255 / 100);
  EXPECT_EQ(p->CustomFillColor(), expected);
  EXPECT_NE(p->CustomFillColor(), BlendColorValues(0x0000FF, 0x0000FF, 50 * 255 / 100));
  const Bitmap32 painted = PaintedPanel(p);
  EXPECT_EQ(painted.Pixel(60, 40) & 0xFFFFFF, SwapRedBlue(expected));
}

TEST_F(SkinnedPanel, AParentWithoutPictureLeavesThePanelWaitingForEndUpdate) {
  TProbeControl* holder = Holder(5, 5, 0, 0);
  holder->SkinData->EmptyCache();
  TsPanel* p = Panel(holder, {10, 10, 80, 40});
  p->SkinData()->BGChanged = true;
  EXPECT_FALSE(p->PrepareCache());
  EXPECT_TRUE(p->SkinData()->FUpdating);
  holder->SetBounds(5, 5, 300, 200);
  win::RunUntilIdle();
  SendSkinCommand(holder->Handle(), scEndUpdate, 0);
  win::RunUntilIdle();
  EXPECT_FALSE(p->SkinData()->FUpdating);
  EXPECT_TRUE(p->SkinData()->CacheValid());
}

TEST_F(SkinnedPanel, WithoutASectionThePlatformLookIsPainted) {
  TsPanel* p = Panel(nullptr, {10, 10, 120, 80});
  p->SkinData()->SetSkinSection(u"NO SUCH SECTION");
  ASSERT_FALSE(p->SkinData()->Skinned());
  Bitmap32 out(p->Width(), p->Height());
  forms::TMessage paint{win::WM_PAINT, reinterpret_cast<win::WPARAM>(&out.Canvas()), 0, 0};
  p->WindowProc(paint);
  EXPECT_EQ(out.Pixel(60, 40) & 0xFFFFFF, SwapRedBlue(ColorToRGB(forms::clBtnFace)));
  EXPECT_EQ(out.Pixel(0, 0) & 0xFFFFFF, SwapRedBlue(ColorToRGB(forms::clBtnHighlight)));
}

}  // namespace skin::test
