// The skinned push buttons on a headless form with the program's manager: states and
// their pictures, fades and the pressed picture of a quick click, the default look, the
// content shift, the colouring by modal result, the bit button's layout and glyph frames,
// the focus rectangle, the corner hit test, the keyboard, and close-ups at two densities.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/Files.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/gfx/Surface.h"
#include "platform/win/Headless.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBitBtnLayout.h"
#include "skin/controls/acButtonCommon.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acFade.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionState.h"
#include "skin/render/pixels/Bitmap32.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

namespace {

std::string ShotPath(const std::string& name) {
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  return std::string(dir ? dir : ".") + "/" + name;
}

std::uint32_t Rgb(std::uint32_t px) { return px & 0xFFFFFFu; }

}  // namespace

// ---- Pure rules ----

TEST(ButtonRules, PictureStateIsClampedByTheSectionsStates) {
  TsGeneralData g;
  g.States = 3;
  EXPECT_EQ(ButtonPictureState(&g, 0), 0);
  EXPECT_EQ(ButtonPictureState(&g, 2), 2);
  EXPECT_EQ(ButtonPictureState(&g, 3), 1);  // the default look shows as hot
  g.States = 4;
  EXPECT_EQ(ButtonPictureState(&g, 3), 3);
  g.States = 2;
  EXPECT_EQ(ButtonPictureState(&g, 2), 1);
  g.States = 1;
  EXPECT_EQ(ButtonPictureState(&g, 2), 0);
  EXPECT_EQ(ButtonPictureState(&g, 3), 0);
}

TEST(ButtonRules, FocusRectangleTakesTheLastDefinedStatesColour) {
  TsGeneralData g;
  g.States = 1;
  g.Props[0].FontColor.Color = 0x0000FF;
  g.Props[1].FontColor.Color = 0xFF0000;
  g.Props[2].FontColor.Color = 0x00FF00;
  Bitmap32 bmp(40, 30);
  bmp.Canvas().FillRect({0, 0, 40, 30}, 0xFFFFFF);
  DrawButtonFocusRect(bmp.Canvas(), {10, 10, 30, 20}, 1, 30, g);
  // Widened to (8, 9, 32, 21): the first dot of the top row is at Left + 1.
  EXPECT_EQ(Rgb(bmp.Pixel(9, 9)), Rgb(SwapRedBlue(0x0000FF)));
  EXPECT_EQ(Rgb(bmp.Pixel(10, 9)), 0xFFFFFFu);
  g.States = 3;
  DrawButtonFocusRect(bmp.Canvas(), {10, 10, 30, 20}, 1, 30, g);
  EXPECT_EQ(Rgb(bmp.Pixel(9, 9)), Rgb(SwapRedBlue(0x00FF00)));
  // Kept 3 pixels inside a short button.
  Bitmap32 low(40, 12);
  low.Canvas().FillRect({0, 0, 40, 12}, 0xFFFFFF);
  DrawButtonFocusRect(low.Canvas(), {10, 1, 30, 11}, 1, 12, g);
  EXPECT_EQ(Rgb(low.Pixel(9, 3)), Rgb(SwapRedBlue(0x00FF00)));
  EXPECT_EQ(Rgb(low.Pixel(9, 1)), 0xFFFFFFu);
}

TEST(ButtonRules, CornerHitTestStaysInsideTheStatePicture) {
  Bitmap32 pic(8, 8);  // smaller than the entry claims: the far corners are not there
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pic.SetPixel(x, y, 0xFF808080u);
  pic.SetPixel(0, 0, 0xFFFF00FFu);
  TsMaskData md;
  md.Bmp = &pic;
  md.Cfg = 1;
  md.R = {0, 0, 10, 10};
  md.Width = 10;
  md.Height = 10;
  md.ImageCount = 1;
  md.WL = md.WR = md.WT = md.WB = 3;
  EXPECT_TRUE(ButtonCornerIsTransparent(md, {0, 0}, {50, 20}, 0));
  EXPECT_FALSE(ButtonCornerIsTransparent(md, {1, 0}, {50, 20}, 0));
  EXPECT_FALSE(ButtonCornerIsTransparent(md, {20, 10}, {50, 20}, 0));  // not in a corner zone
  // The bottom-right zone maps to (9, 9), outside the 8 x 8 picture.
  EXPECT_FALSE(ButtonCornerIsTransparent(md, {49, 19}, {50, 20}, 0));
  md.Cfg = 0;
  EXPECT_FALSE(ButtonCornerIsTransparent(md, {0, 0}, {50, 20}, 0));
}

TEST(BitBtnLayout, ProgramButtonsCentreTheirCaption) {
  TacBitBtnLayoutInput in;
  in.Client = {0, 0, 113, 28};
  in.Text = {91, 16};
  TacBitBtnLayout l = CalcBitBtnLayout(in);
  // Spacing falls to 0 without glyph; margin (113 - 91 + 1) / 2 = 11.
  EXPECT_EQ(l.CaptionRect, (gfx::TRect{11, 6, 102, 22}));
  // The close button: glyph, 4 pixels, text as one group.
  in.Client = {0, 0, 89, 32};
  in.Glyph = {18, 18};
  in.Text = {30, 16};
  l = CalcBitBtnLayout(in);
  const int mg = (89 - (4 + 18 + 30) + 1) / 2;
  EXPECT_EQ(l.GlyphPos, (gfx::TPoint{mg, (32 - 18 + 1) / 2}));
  EXPECT_EQ(l.CaptionRect.Left, mg + 18 + 4);
  EXPECT_EQ(l.CaptionRect.Top, (32 - 16 + 1) / 2);
}

TEST(BitBtnLayout, NoCaptionAndNoGlyphStillCentre) {
  TacBitBtnLayoutInput in;
  in.Client = {0, 0, 80, 30};
  const TacBitBtnLayout l = CalcBitBtnLayout(in);
  EXPECT_EQ(l.CaptionRect, (gfx::TRect{40, 15, 40, 15}));
  EXPECT_EQ(l.GlyphPos.X, 40);
}

TEST(BitBtnLayout, AlignmentsLayoutsAndRightToLeft) {
  TacBitBtnLayoutInput in;
  in.Client = {0, 0, 100, 40};
  in.Glyph = {16, 16};
  in.Text = {40, 14};
  in.Margin = 5;
  in.Alignment = forms::TAlignment::taLeftJustify;
  TacBitBtnLayout l = CalcBitBtnLayout(in);
  EXPECT_EQ(l.GlyphPos.X, 5);
  EXPECT_EQ(l.CaptionRect.Left, 5 + 16 + 4);
  in.Alignment = forms::TAlignment::taRightJustify;
  l = CalcBitBtnLayout(in);
  EXPECT_EQ(l.CaptionRect.Left, 100 - 5 - 40);
  EXPECT_EQ(l.GlyphPos.X, 100 - 5 - 40 - 4 - 16);
  in.Layout = forms::TButtonLayout::blGlyphTop;
  in.Alignment = forms::TAlignment::taCenter;
  l = CalcBitBtnLayout(in);
  EXPECT_EQ(l.GlyphPos, (gfx::TPoint{(100 - 16 + 1) / 2, (40 - 16 - 4 - 14) / 2}));
  EXPECT_EQ(l.CaptionRect.Top, l.GlyphPos.Y + 16 + 4);
  in.Layout = forms::TButtonLayout::blGlyphLeft;
  in.VerticalAlignment = forms::TVerticalAlignment::taAlignTop;
  l = CalcBitBtnLayout(in);
  EXPECT_EQ(l.GlyphPos.Y, 5);
  EXPECT_EQ(l.CaptionRect.Top, 5);
  in.VerticalAlignment = forms::TVerticalAlignment::taVerticalCenter;
  in.RightToLeft = true;
  const TacBitBtnLayout rtl = CalcBitBtnLayout(in);
  in.RightToLeft = false;
  const TacBitBtnLayout ltr = CalcBitBtnLayout(in);
  EXPECT_EQ(rtl.GlyphPos.X, 100 - ltr.GlyphPos.X - 16);
  EXPECT_EQ(rtl.CaptionRect.Left, 100 - ltr.CaptionRect.Right);
}

TEST(BitBtnLayout, AutomaticMarginMeasuresInTheWholeWidth) {
  TacBitBtnLayoutInput in;
  in.Client = {0, 0, 113, 28};
  EXPECT_EQ(BitBtnTextRoom(in), 113);
  in.Margin = 4;
  in.Glyph = {18, 18};
  EXPECT_EQ(BitBtnTextRoom(in), 113 - 8 - 18 - 4);
}

// ---- On a form ----

class Buttons : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    forms::RegisterClasses({&TsBitBtn::StaticClass(), &TsButton::StaticClass()});
  }
  void Open(const std::string& children = "") {
    std::string text = ManagerDescription(StoredEmberfield());
    text.insert(text.find("  object sSkinManager1"), children);
    form = MakeForm(text);
    manager = form->sSkinManager1;
    form->SetBounds(10, 10, 500, 300);
    form->Show();
    win::RunUntilIdle();
  }
  template <class B>
  B* Add(std::array<int, 4> place, const std::u16string& caption) {
    auto* b = new B(form);
    b->SetBounds(place[0], place[1], place[2], place[3]);
    b->Font()->SetName(u"Tahoma");
    b->Font()->SetHeight(-13);
    b->SetText(caption);
    b->SetParent(form);
    b->HandleNeeded();
    return b;
  }
  static win::POINT Centre(forms::TWinControl* c) {
    win::POINT p{c->Width() / 2, c->Height() / 2};
    win::ClientToScreen(c->Handle(), &p);
    return p;
  }
  static std::uint32_t Shown(forms::TWinControl* c, int x, int y) {
    return Rgb(win::headless::CaptureWindow(c->Handle()).Row32(y)[x]);
  }
  static std::uint32_t Cached(TsCommonData* sd, int x, int y) { return Rgb(sd->FCacheBmp->Pixel(x, y)); }
  // A pixel of the border strip (3 pixels along each edge, where neither the caption nor the
  // focus rectangle go) at which all the pictures given differ from each other.
  static bool Distinguishing(const std::vector<gfx::PixelBuffer>& pics, int& px, int& py) {
    const int w = pics[0].Width(), h = pics[0].Height();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (x >= 3 && x < w - 3 && y >= 3 && y < h - 3) continue;
        bool all = true;
        for (std::size_t i = 0; i < pics.size() && all; ++i)
          for (std::size_t j = i + 1; j < pics.size() && all; ++j)
            all = Rgb(pics[i].Row32(y)[x]) != Rgb(pics[j].Row32(y)[x]);
        if (all) {
          px = x;
          py = y;
          return true;
        }
      }
    return false;
  }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
};

TEST_F(Buttons, KindsAndDefaults) {
  Open();
  auto* b = Add<TsButton>({10, 10, 81, 25}, u"Сохранить");
  auto* bb = Add<TsBitBtn>({10, 50, 113, 28}, u"Получить список");
  EXPECT_EQ(b->SkinData()->COC, cocButton);
  EXPECT_EQ(bb->SkinData()->COC, cocBitBtn);
  for (forms::TWinControl* c : {static_cast<forms::TWinControl*>(b), static_cast<forms::TWinControl*>(bb)}) {
    EXPECT_EQ(SendSkinCommand(c->Handle(), scGetDefaultKind, 0), 2);
    EXPECT_EQ(SendSkinCommand(c->Handle(), scGetDefaultIndex, 0), manager->GetSkinIndex(u"BUTTON") + 1);
    EXPECT_EQ(SendSkinCommand(c->Handle(), scIsSkinned, 0), 1);
  }
  EXPECT_EQ(b->SkinData()->SkinIndex, manager->GetSkinIndex(u"BUTTON"));
  EXPECT_TRUE(b->WordWrap());
  EXPECT_EQ(b->ContentMargin(), 6);
  EXPECT_EQ(bb->Margin(), -1);
  EXPECT_EQ(bb->Spacing(), 4);
  EXPECT_EQ(SendSkinCommand(bb->Handle(), scPrepareCache, 0), 0);
}

TEST_F(Buttons, CloseKindShowsItsCaptionAndFirstGlyphFrameInEveryEnabledState) {
  Open(
      "  object CloseBtn: TsBitBtn\n"
      "    Left = 184\n"
      "    Top = 40\n"
      "    Width = 89\n"
      "    Height = 32\n"
      "    Kind = bkClose\n"
      "    NumGlyphs = 2\n"
      "    TabOrder = 0\n"
      "  end\n");
  auto* b = static_cast<TsBitBtn*>(form->FindComponent(u"CloseBtn"));
  ASSERT_NE(b, nullptr);
  auto* other = Add<TsButton>({20, 100, 81, 25}, u"Other");
  other->SetFocus();
  win::RunUntilIdle();
  EXPECT_EQ(b->GetText(), u"&Close");
  EXPECT_EQ(b->ModalResult(), forms::mrNone);
  ASSERT_EQ(b->Glyph()->Width(), 36);
  ASSERT_EQ(b->Glyph()->Height(), 18);
  // A pixel of frame 0 that differs from frame 1 and is not the transparent colour.
  const gfx::PixelBuffer& px = b->Glyph()->Pixels();
  const std::uint32_t key = Rgb(px.Row32(17)[0]);
  int gx = -1, gy = -1;
  for (int y = 0; y < 18 && gx < 0; ++y)
    for (int x = 0; x < 18 && gx < 0; ++x)
      if (Rgb(px.Row32(y)[x]) != key && Rgb(px.Row32(y)[x]) != Rgb(px.Row32(y)[x + 18])) gx = x, gy = y;
  ASSERT_GE(gx, 0);
  const std::uint32_t want = Rgb(px.Row32(gy)[gx]);
  auto check = [&](const char* what) {
    ASSERT_TRUE(b->SkinData()->PrepareCache()) << what;
    const gfx::TRect r = b->ImgRect();
    EXPECT_EQ(r.Width(), 18) << what;
    EXPECT_EQ(Cached(b->SkinData(), r.Left + gx, r.Top + gy), want) << what;
  };
  EXPECT_EQ(b->CurrentState(), 0);
  check("normal");
  b->SkinData()->FMouseAbove = true;
  EXPECT_EQ(b->CurrentState(), 1);
  check("hot");
  b->SetDown(true);
  EXPECT_EQ(b->CurrentState(), 2);
  check("pressed");
  for (int s = 0; s < 3; ++s) EXPECT_EQ(b->GlyphFrame(s), 0);
  // The caption is laid out beside the glyph: glyph, spacing, text centred as a group.
  EXPECT_EQ(b->CaptionRect().Left - (b->GlyphPos().X + 18), 4);
}

TEST_F(Buttons, AQuickClickShowsThePressedPictureForThirtyMillisecondsBeforeTheHotOne) {
  Open();
  auto* ref = Add<TsButton>({300, 10, 81, 25}, u"Сохранить");
  ref->SetDown(true);
  auto* b = Add<TsButton>({20, 20, 81, 25}, u"Сохранить");
  int clicks = 0;
  b->OnClick = [&](forms::TObject*) { ++clicks; };
  ref->SetFocus();
  win::RunUntilIdle();
  const gfx::PixelBuffer pressedPic = win::headless::CaptureWindow(ref->Handle());
  const gfx::PixelBuffer normalPic = win::headless::CaptureWindow(b->Handle());
  win::headless::MouseMove(Centre(b));
  win::headless::AdvanceTime(300);
  const gfx::PixelBuffer hotPic = win::headless::CaptureWindow(b->Handle());
  int x = 0, y = 0;
  ASSERT_TRUE(Distinguishing({normalPic, hotPic, pressedPic}, x, y));
  const std::uint32_t pressed = Rgb(pressedPic.Row32(y)[x]), hot = Rgb(hotPic.Row32(y)[x]);
  win::headless::MouseDown(Centre(b));
  EXPECT_TRUE(b->SkinData()->IsFading());  // the press fade has begun
  win::headless::MouseUp(Centre(b));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(b->SkinData()->IsFading());
  EXPECT_EQ(Shown(b, x, y), pressed);
  win::headless::AdvanceTime(25);
  EXPECT_EQ(Shown(b, x, y), pressed);
  win::headless::AdvanceTime(10);
  EXPECT_TRUE(b->SkinData()->IsFading());  // toward the hot picture now
  win::headless::AdvanceTime(200);
  EXPECT_EQ(Shown(b, x, y), hot);
  EXPECT_EQ(b->CurrentState(), 1);
}

TEST_F(Buttons, HoverFadesToTheHotLookAndBack) {
  Open();
  auto* b = Add<TsBitBtn>({20, 20, 113, 28}, u"Получить список");
  auto* other = Add<TsButton>({200, 20, 81, 25}, u"Other");
  other->SetFocus();
  win::RunUntilIdle();
  const gfx::PixelBuffer normalPic = win::headless::CaptureWindow(b->Handle());
  win::headless::MouseMove(Centre(b));
  EXPECT_EQ(b->CurrentState(), 1);
  win::headless::AdvanceTime(12);
  const gfx::PixelBuffer betweenPic = win::headless::CaptureWindow(b->Handle());
  win::headless::AdvanceTime(100);
  const gfx::PixelBuffer hotPic = win::headless::CaptureWindow(b->Handle());
  int x = 0, y = 0;
  ASSERT_TRUE(Distinguishing({normalPic, betweenPic, hotPic}, x, y));
  const std::uint32_t normal = Rgb(normalPic.Row32(y)[x]);
  win::headless::MouseMove({5, 5});
  EXPECT_EQ(b->CurrentState(), 0);
  win::headless::AdvanceTime(6 * 12);
  EXPECT_NE(Shown(b, x, y), normal);  // 18 steps back to the normal look
  win::headless::AdvanceTime(18 * 12);
  EXPECT_EQ(Shown(b, x, y), normal);
}

TEST_F(Buttons, DefaultLookGivesWayToAnotherFocusedOwnerDrawnButton) {
  Open();
  auto* def = Add<TsBitBtn>({20, 20, 113, 28}, u"Default");
  def->SetDefault(true);
  auto* other = Add<TsButton>({200, 20, 81, 25}, u"Other");
  auto* edit = new forms::TEdit(form);
  edit->SetBounds(20, 100, 120, 22);
  edit->SetParent(form);
  edit->SetCharCase(forms::TEditCharCase::ecUpperCase);  // style bit 0x8, not a button
  edit->SetFocus();
  win::RunUntilIdle();
  EXPECT_EQ(def->CurrentState(), 3);
  EXPECT_EQ(ButtonPictureState(def->SkinData()->Section(), 3), 1);
  other->SetFocus();
  win::RunUntilIdle();
  EXPECT_EQ(def->CurrentState(), 0);
  // TsButton: the default look whenever it is not hot.
  other->SetDefault(true);
  def->SetFocus();
  win::RunUntilIdle();
  EXPECT_EQ(other->CurrentState(), 3);
}

TEST_F(Buttons, ContentShiftFollowsTheManagerAndTheSection) {
  Open();
  auto* b = Add<TsButton>({20, 20, 81, 25}, u"Сохранить");
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const gfx::TRect up = b->LastCaptionRect();
  b->SetDown(true);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  EXPECT_EQ(b->LastCaptionRect(), up.Offset(1, 1));
  manager->ButtonsOptions.ShiftContentOnClick = false;
  ASSERT_FALSE(b->SkinData()->Section96()->ShiftOnClick);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  EXPECT_EQ(b->LastCaptionRect(), up);
}

TEST_F(Buttons, AWrappedPushButtonCaptionIsMeasuredBetweenItsContentMargins) {
  Open();
  auto* b = Add<TsButton>({20, 20, 120, 60}, u"один два три четыре пять шесть");
  b->SetWordWrap(true);
  b->SetContentMargin(20);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const gfx::TRect narrow = b->LastCaptionRect();
  EXPECT_GT(narrow.Width(), 0);
  EXPECT_LE(narrow.Width(), 120 - 2 * 20) << "wrapped inside the margins";
  EXPECT_GE(narrow.Left, 20);
  EXPECT_LE(narrow.Right, 100);
  // Without margins the same caption takes more of the width and fewer lines.
  b->SetContentMargin(0);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const gfx::TRect wide = b->LastCaptionRect();
  EXPECT_GT(wide.Width(), narrow.Width());
  EXPECT_LT(wide.Height(), narrow.Height());
}

TEST_F(Buttons, ModalResultColouring) {
  Open();
  auto* b = Add<TsBitBtn>({20, 20, 113, 28}, u"OK");
  TacButtonColoring c = b->Coloring(0);
  EXPECT_EQ(c.GlyphColor, clNone);
  EXPECT_EQ(c.TextColor, clNone);
  EXPECT_EQ(c.ColorTone, clNone);
  b->SetModalResult(forms::mrOk);
  EXPECT_EQ(b->Coloring(0).GlyphColor, acOkGlyphNormal);
  EXPECT_EQ(b->Coloring(1).GlyphColor, acOkGlyphActive);
  EXPECT_EQ(b->Coloring(2).GlyphColor, acOkGlyphActive);
  EXPECT_EQ(b->Coloring(0).TextColor, clNone);
  b->SetModalResult(forms::mrNo);
  EXPECT_EQ(b->Coloring(1).GlyphColor, acCancelGlyphActive);
  TacButtonColoring answer;
  EXPECT_EQ(SendSkinCommand(b->Handle(), scGetColoring, reinterpret_cast<win::LPARAM>(&answer)), 1);
  EXPECT_EQ(answer.GlyphColor, acCancelGlyphNormal);
  b->OnGetColoring = [](forms::TObject*, int, TacButtonColoring& r) { r.TextColor = 0x0000FF; };
  EXPECT_EQ(b->Coloring(0).TextColor, 0x0000FFu);
}

TEST_F(Buttons, ModalResultToneIsAColourNotASystemColour) {
  Open();
  auto* b = Add<TsBitBtn>({20, 20, 113, 28}, u"Yes");
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const std::uint32_t plain = Cached(b->SkinData(), 8, 14);
  manager->ButtonsOptions.ModalButtonsColoring = bcBackground;
  b->SetModalResult(forms::mrYes);
  EXPECT_EQ(b->Coloring(0).ColorTone, acOkToneNormal);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const std::uint32_t toned = Cached(b->SkinData(), 8, 14);
  EXPECT_NE(toned, plain);
  const int r = toned >> 16 & 255, g = toned >> 8 & 255, bl = toned & 255;
  // A light green tone: green leads, and the picture is not darkened toward black.
  EXPECT_GE(g, r);
  EXPECT_GE(g, bl);
  EXPECT_GT(g, 100);
}

TEST_F(Buttons, GlyphTintFollowsTheModalResult) {
  Open();
  auto* b = Add<TsBitBtn>({20, 20, 113, 32}, u"");
  b->SetKind(forms::TBitBtnKind::bkOK);
  ASSERT_EQ(b->ModalResult(), forms::mrOk);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const gfx::TRect r = b->ImgRect();
  int greenish = 0, counted = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const std::uint32_t p = Cached(b->SkinData(), x, y);
      const std::uint32_t under = Cached(b->SkinData(), 4, y);
      if (p == under) continue;
      ++counted;
      if ((p >> 8 & 255) > (p >> 16 & 255) && (p >> 8 & 255) > (p & 255)) ++greenish;
    }
  ASSERT_GT(counted, 10);
  EXPECT_GT(greenish * 2, counted);
}

TEST_F(Buttons, FocusedPushButtonDrawsTheDottedRectangle) {
  Open();
  auto* b = Add<TsButton>({20, 20, 81, 25}, u"Сохранить");
  auto* bb = Add<TsBitBtn>({200, 20, 113, 28}, u"Получить список");
  bb->SetFocus();
  win::RunUntilIdle();
  b->SetFocus();
  win::RunUntilIdle();
  ASSERT_TRUE(b->Focused());
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const gfx::TRect c = b->LastCaptionRect();
  const TsGeneralData* g = b->SkinData()->Section96();
  const std::uint32_t dot = Rgb(SwapRedBlue(g->Props[std::min(2, g->States - 1)].FontColor.Color));
  EXPECT_EQ(Cached(b->SkinData(), c.Left - 2 + 1, std::max(c.Top - 1, 3)), dot);
  // The bit button draws none unless the manager asks for it.
  bb->SetFocus();
  win::RunUntilIdle();
  ASSERT_TRUE(bb->SkinData()->PrepareCache());
  const gfx::TRect bc = bb->CaptionRect();
  EXPECT_NE(Cached(bb->SkinData(), bc.Left - 2 + 1, std::max(bc.Top - 1, 3)), dot);
  manager->ButtonsOptions.ShowFocusRect = true;
  ASSERT_TRUE(bb->SkinData()->PrepareCache());
  EXPECT_EQ(Cached(bb->SkinData(), bc.Left - 2 + 1, std::max(bc.Top - 1, 3)), dot);
}

TEST_F(Buttons, TabMovesTheFocusLookAndSpaceAndEnterClick) {
  Open();
  auto* a = Add<TsBitBtn>({20, 20, 113, 28}, u"Получить список");
  auto* b = Add<TsButton>({200, 20, 81, 25}, u"Сохранить");
  int clicksA = 0, clicksB = 0;
  a->OnClick = [&](forms::TObject*) { ++clicksA; };
  b->OnClick = [&](forms::TObject*) { ++clicksB; };
  a->SetFocus();
  win::RunUntilIdle();
  EXPECT_EQ(a->CurrentState(), 1);
  EXPECT_EQ(b->CurrentState(), 0);
  win::headless::KeyPress(win::VK_TAB);
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(a->CurrentState(), 0);
  EXPECT_EQ(b->CurrentState(), 1);
  win::headless::KeyDown(win::VK_SPACE);
  EXPECT_EQ(b->CurrentState(), 2);
  win::headless::KeyUp(win::VK_SPACE);
  EXPECT_EQ(clicksB, 1);
  win::headless::KeyPress(win::VK_RETURN);
  EXPECT_EQ(clicksB, 2);
  win::headless::KeyPress(win::VK_TAB);
  win::headless::KeyPress(win::VK_SPACE);
  EXPECT_EQ(clicksA, 1);
}

TEST_F(Buttons, CornerHitTestOfTheStoredButtonFace) {
  Open();
  auto* b = Add<TsButton>({20, 20, 81, 25}, u"Сохранить");
  const TacSkinData* data = b->SkinData()->GetCommonSkinData();
  const TsGeneralData* g = b->SkinData()->Section();
  ASSERT_NE(g, nullptr);
  const TsMaskData* border = ImageEntry(*data, g->BorderIndex);
  ASSERT_NE(border, nullptr);
  win::POINT inside{40, 12};
  win::ClientToScreen(b->Handle(), &inside);
  EXPECT_NE(win::SendMessage(b->Handle(), win::WM_NCHITTEST, 0,
                             static_cast<win::LPARAM>((inside.Y << 16) | (inside.X & 0xFFFF))),
            win::HTTRANSPARENT);
  if ((border->Cfg & 1) != 0 && border->Bmp != nullptr) {
    win::POINT corner{0, 0};
    win::ClientToScreen(b->Handle(), &corner);
    const bool keyed = ButtonCornerIsTransparent(*border, {0, 0}, {81, 25}, 0);
    EXPECT_EQ(win::SendMessage(b->Handle(), win::WM_NCHITTEST, 0,
                               static_cast<win::LPARAM>((corner.Y << 16) | (corner.X & 0xFFFF))) == win::HTTRANSPARENT,
              keyed);
  }
}

TEST_F(Buttons, UnskinnedButtonsDrawAClassicFace) {
  Open();
  auto* b = Add<TsButton>({20, 20, 81, 25}, u"Сохранить");
  manager->SetActive(false);
  win::RunUntilIdle();
  b->Invalidate();
  win::RunUntilIdle();
  EXPECT_EQ(Shown(b, 40, 3), Rgb(SwapRedBlue(forms::ColorToRGB(forms::clBtnFace))));
}

// ---- Close-ups at two densities ----

class ButtonCloseUps : public Buttons, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    win::HeadlessBackend::Options o;
    o.dpi = GetParam();
    win::headless::Start(o);
    forms::TApplicationRef::Reset();
    SkinEngineStartup({});
    forms::RegisterClass(TManagerTestForm::StaticClass());
    forms::RegisterClasses({&TsBitBtn::StaticClass(), &TsButton::StaticClass()});
    DefaultSkinMessages().Clear();
  }
};

TEST_P(ButtonCloseUps, EveryButtonInEveryState) {
  // Columns: normal, hot, pressed, focused, disabled; rows: the close button, the fetch
  // button, the save button. Made from a description, so that the density scales them.
  std::string children;
  const char* kinds[3] = {"TsBitBtn", "TsBitBtn", "TsButton"};
  const char* extra[3] = {"    Kind = bkClose\n    NumGlyphs = 2\n",
                          "    Caption = '\xd0\x9f\xd0\xbe\xd0\xbb\xd1\x83\xd1\x87\xd0\xb8\xd1\x82\xd1\x8c "
                          "\xd1\x81\xd0\xbf\xd0\xb8\xd1\x81\xd0\xbe\xd0\xba'\n",
                          "    Caption = '\xd0\xa1\xd0\xbe\xd1\x85\xd1\x80\xd0\xb0\xd0\xbd\xd0\xb8\xd1\x82\xd1\x8c'\n"};
  const int widths[3] = {89, 113, 81}, heights[3] = {32, 28, 25};
  for (int col = 0; col < 5; ++col)
    for (int row = 0; row < 3; ++row) {
      children += "  object C" + std::to_string(col) + "R" + std::to_string(row) + ": " + kinds[row] + "\n";
      children += "    Left = " + std::to_string(10 + col * 130) + "\n    Top = " + std::to_string(10 + row * 45) +
                  "\n    Width = " + std::to_string(widths[row]) + "\n    Height = " + std::to_string(heights[row]) +
                  "\n" + extra[row];
      children += "    Font.Height = -13\n    Font.Name = 'Tahoma'\n    ParentFont = False\n  end\n";
    }
  Open(children);
  form->SetBounds(10, 10, 700 * GetParam() / 96, 200 * GetParam() / 96);
  manager->ButtonsOptions.ShowFocusRect = true;
  auto cell = [&](int col, int row) {
    return static_cast<forms::TWinControl*>(form->FindComponent(u"C" + std::u16string(1, char16_t(u'0' + col)) + u"R" +
                                                                std::u16string(1, char16_t(u'0' + row))));
  };
  auto data = [](forms::TWinControl* c) {
    if (auto* b = dynamic_cast<TsBitBtn*>(c)) return b->SkinData();
    return static_cast<TsButton*>(c)->SkinData();
  };
  for (int row = 0; row < 3; ++row) {
    ASSERT_NE(cell(0, row), nullptr);
    EXPECT_TRUE(data(cell(0, row))->Skinned(true)) << row;
    data(cell(1, row))->FMouseAbove = true;
    if (auto* b = dynamic_cast<TsBitBtn*>(cell(2, row))) b->SetDown(true);
    else static_cast<TsButton*>(cell(2, row))->SetDown(true);
    cell(4, row)->SetEnabled(false);
    for (int col = 0; col < 5; ++col) data(cell(col, row))->Invalidate(false);
  }
  // Nothing but the focused column has the focus: an edit takes it first.
  auto* edit = new forms::TEdit(form);
  edit->SetBounds(10, 150, 40, 20);
  edit->SetParent(form);
  edit->SetFocus();
  form->Invalidate();
  win::RunUntilIdle();
  const int zoom = 3;
  const int cw = 113 * GetParam() / 96 + 4, ch = 32 * GetParam() / 96 + 4;
  gfx::PixelBuffer sheet(5 * cw * zoom, 3 * ch * zoom);
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x) sheet.Row32(y)[x] = 0xFFFFFFFFu;
  for (int col = 0; col < 5; ++col)
    for (int row = 0; row < 3; ++row) {
      forms::TWinControl* c = cell(col, row);
      if (col == 3) {
        c->SetFocus();
        win::RunUntilIdle();
      }
      const gfx::PixelBuffer pic = win::headless::CaptureWindow(c->Handle());
      for (int y = 0; y < pic.Height() && y < ch; ++y)
        for (int x = 0; x < pic.Width() && x < cw; ++x)
          for (int zy = 0; zy < zoom; ++zy)
            for (int zx = 0; zx < zoom; ++zx)
              sheet.Row32((row * ch + y) * zoom + zy)[(col * cw + x) * zoom + zx] = pic.Row32(y)[x] | 0xFF000000u;
    }
  const std::string name = "skin-buttons-closeup-" + std::to_string(GetParam()) + "dpi.png";
  const auto png = gfx::EncodePng(sheet.View());
  ASSERT_FALSE(png.empty());
  EXPECT_TRUE(base::WriteFileBytes(ShotPath(name), png, base::FileReplace::InPlace).Ok());
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(),
                                            ShotPath("skin-buttons-" + std::to_string(GetParam()) + "dpi.png")));
}

INSTANTIATE_TEST_SUITE_P(Densities, ButtonCloseUps, ::testing::Values(96, 144));

}  // namespace skin::test
