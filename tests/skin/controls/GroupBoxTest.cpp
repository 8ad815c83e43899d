// The skinned group box on a headless form with the program's manager: the caption
// geometry and its worked example, the band cut out of the frame, the client area, the
// commands it answers, repainting on caption changes, graphic children, the unskinned
// look, and screenshots.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/forms/Graphics.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acGroupBoxCaption.h"
#include "skin/controls/sGroupBox.h"
#include "skin/data/acSkinData.h"
#include "tests/skin/support/ProbeControlTestSupport.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

namespace {

std::uint32_t Rgb(std::uint32_t px) { return px & 0xFFFFFFu; }

std::string ShotPath(const std::string& name) {
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  return std::string(dir ? dir : ".") + "/" + name;
}

}  // namespace

TEST(GroupBoxCaption, CaptionWiderThanTheBoxStartsAtZeroAndIsCutAtTheLastColumn) {
  TacGroupBoxCaptionInput in;
  in.Width = 100;
  in.LetterHeight = 16;
  in.TextWidth = 180;
  in.Layout = clTopCenter;
  const TacGroupBoxCaption g = CalcGroupBoxCaption(in);
  EXPECT_EQ(g.CaptionRect.Left, 0);
  EXPECT_EQ(g.CaptionRect.Right, 99);
  EXPECT_EQ(g.TextRect.Left, 0);
  EXPECT_EQ(g.TextRect.Right, 99);
}

TEST(GroupBoxCaption, NegativeYOffsetRaisesTheCaption) {
  TacGroupBoxCaptionInput in;
  in.Width = 300;
  in.LetterHeight = 16;
  in.TextWidth = 50;
  const TacGroupBoxCaption base = CalcGroupBoxCaption(in);
  in.CaptionYOffset = -5;
  const TacGroupBoxCaption up = CalcGroupBoxCaption(in);
  EXPECT_EQ(up.CaptionRect.Top, base.CaptionRect.Top - 5);
  EXPECT_EQ(up.CaptionHeight, base.CaptionHeight - 5);
  // Left layout: the margin plus 6.
  EXPECT_EQ(base.CaptionRect.Left, 8);
}

TEST(GroupBoxCaption, FixedWidthCentresAShortTextAndCutsALongOne) {
  TacGroupBoxCaptionInput in;
  in.Width = 400;
  in.LetterHeight = 16;
  in.CaptionWidth = 100;
  in.Layout = clTopLeft;
  in.TextWidth = 60;
  TacGroupBoxCaption g = CalcGroupBoxCaption(in);
  EXPECT_EQ(g.CaptionRect.Left, 8);
  EXPECT_EQ(g.CaptionRect.Width(), 100);
  EXPECT_EQ(g.TextRect.Left, 8 + 20);
  EXPECT_EQ(g.TextRect.Width(), 60);
  // A longer text stays inside the 100 pixels, so that the ellipsis can cut it.
  in.TextWidth = 160;
  g = CalcGroupBoxCaption(in);
  EXPECT_EQ(g.TextRect.Left, 8);
  EXPECT_EQ(g.TextRect.Right, 108);
}

TEST(GroupBoxCaption, RightLayoutAndCheckBoxAndRightToLeft) {
  TacGroupBoxCaptionInput in;
  in.Width = 200;
  in.LetterHeight = 16;
  in.TextWidth = 40;
  in.Spacing = 4;
  in.CheckBox = {13, 13};
  in.Layout = clTopRight;
  TacGroupBoxCaption g = CalcGroupBoxCaption(in);
  // w = 40 + 13 + 4 = 57; left = 200 - 57 - 2 - 6.
  EXPECT_EQ(g.CaptionRect.Left, 135);
  EXPECT_EQ(g.CheckBoxRect.Left, 135);
  EXPECT_EQ(g.TextRect.Left, 135 + 13 + 4);
  EXPECT_EQ(g.CheckBoxRect.Top, (20 - 13) / 2);
  in.RightToLeft = true;  // right layout read right to left goes to the left edge
  g = CalcGroupBoxCaption(in);
  EXPECT_EQ(g.CaptionRect.Left, 8);
  EXPECT_EQ(g.CheckBoxRect.Right, g.CaptionRect.Right);
  EXPECT_EQ(g.TextRect.Left, 8);
}

class GroupBox : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    manager = MakeProgramManager();
    form = static_cast<TManagerTestForm*>(manager->Owner());
    form->SetBounds(10, 10, 700, 520);
    form->Show();
    win::RunUntilIdle();
  }
  TsGroupBox* Box(std::array<int, 4> place, const std::u16string& caption, forms::TWinControl* parent = nullptr) {
    auto* b = new TsGroupBox(form);
    b->SetBounds(place[0], place[1], place[2], place[3]);
    b->Font()->SetName(u"Tahoma");
    b->Font()->SetHeight(-13);
    b->SetText(caption);
    b->SetParent(parent ? parent : form);
    b->HandleNeeded();
    return b;
  }
  static std::uint32_t At(TsGroupBox* b, int x, int y) { return b->SkinData()->FCacheBmp->Pixel(x, y); }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
};

TEST_F(GroupBox, WorkedExampleOfTheMainWindow) {
  TsGroupBox* b = Box({0, 0, 654, 65}, u"Получить список URL введите адрес нужного вам сайта");
  b->SetCaptionLayout(clTopCenter);
  ASSERT_TRUE(b->SkinData()->Skinned());
  const TacGroupBoxCaption g = b->CaptionGeometry();
  const int tw = b->SkinData()->FCacheBmp->Canvas().TextExtent(b->GetText()).cx;
  EXPECT_EQ(b->SkinData()->FCacheBmp->Canvas().TextExtent(u"W").cy, 16);
  EXPECT_EQ(g.TextHeight, 18);
  EXPECT_EQ(g.CaptionHeight, 20);
  EXPECT_EQ(g.CaptionRect, (gfx::TRect{(654 - tw) / 2, 0, (654 - tw) / 2 + tw, 20}));
  EXPECT_EQ(g.TextRect.Top, 1);
  EXPECT_EQ(g.TextRect.Bottom, 19);
  EXPECT_EQ(g.TopRect, (gfx::TRect{0, 0, 654, 10}));
}

TEST_F(GroupBox, ClientAreaPutsTheMemoAtTwoEighteen) {
  TsGroupBox* b = Box({0, 65, 654, 392}, u" Полученный список URL. Найдено URL: 0 ");
  auto* memo = new forms::TMemo(form);
  memo->SetParent(b);
  memo->SetAlign(forms::TAlign::alClient);
  EXPECT_EQ(memo->Left(), 2);
  EXPECT_EQ(memo->Top(), 18);
  EXPECT_EQ(memo->Width(), 650);
  EXPECT_EQ(memo->Height(), 372);
  b->SetCaptionYOffset(3);
  EXPECT_EQ(memo->Top(), 21);
}

TEST_F(GroupBox, CaptionBandInterruptsTheFrameAndAnEmptyCaptionLeavesItWhole) {
  TsGroupBox* b = Box({10, 10, 300, 100}, u"");
  b->SetCaptionLayout(clTopCenter);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const int line = b->CaptionGeometry().TopRect.Bottom;
  const std::uint32_t frame = At(b, 40, line);
  EXPECT_EQ(At(b, 150, line), frame);
  EXPECT_EQ(b->TextIndex(), -1);
  b->SetText(u"Caption");
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const TacGroupBoxCaption g = b->CaptionGeometry();
  // Just left of the text, inside the band: what lies behind, not the frame.
  EXPECT_NE(At(b, g.CaptionRect.Left - 1, line), frame);
  EXPECT_EQ(At(b, 40, line), frame);
}

TEST_F(GroupBox, CaptionSkinBandShowsThePictureAtItsOwnPlace) {
  TsGroupBox* b = Box({10, 10, 300, 100}, u"Caption");
  b->SetCaptionLayout(clTopCenter);
  // A fully transparent band section over the box's own picture: what the band covers
  // shows through unchanged, the frame line included.
  b->SetCaptionSkin(u"TRANSPARENT");
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  const TacGroupBoxCaption g = b->CaptionGeometry();
  const int line = g.TopRect.Bottom;
  const int bandLeft = g.CaptionRect.Left - 2;
  EXPECT_EQ(At(b, g.CaptionRect.Left - 1, line), At(b, 40, line));
  // Below the line the band shows the inside of the box, not the left edge of the frame.
  ASSERT_NE(At(b, 0, 15), At(b, 40, 15));
  EXPECT_EQ(At(b, bandLeft, 15), At(b, 40, 15));
  // The band's own picture answers the children.
  TsBackgroundQuery q;
  SendSkinCommand(b->Handle(), scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
  EXPECT_EQ(q.Kind, bqBitmap);
  EXPECT_EQ(q.Bitmap, b->SkinData()->FCacheBmp.get());
}

TEST_F(GroupBox, NegativeYOffsetReportsBoundsFromTheTop) {
  TsGroupBox* b = Box({20, 30, 200, 100}, u"Caption");
  gfx::TRect r;
  SendSkinCommand(b->Handle(), scGetBounds, reinterpret_cast<win::LPARAM>(&r));
  EXPECT_EQ(r, (gfx::TRect{20, 30 + 10, 220, 130}));
  b->SetCaptionYOffset(-5);
  SendSkinCommand(b->Handle(), scGetBounds, reinterpret_cast<win::LPARAM>(&r));
  EXPECT_EQ(r, (gfx::TRect{20, 30, 220, 130}));
  EXPECT_EQ(b->CaptionGeometry().CaptionRect.Top, -5);
  EXPECT_TRUE(b->SkinData()->PrepareCache());
}

TEST_F(GroupBox, ABandPastThePicturesEdgesIsCutToIt) {
  // At the form's top-left corner, raised by 5 and wider than the box: the band would
  // start left of and above the picture.
  TsGroupBox* b = Box({0, 0, 120, 60}, u"A caption much wider than the box");
  b->SetCaptionLayout(clTopCenter);
  b->SetCaptionYOffset(-5);
  const TacGroupBoxCaption g = b->CaptionGeometry();
  ASSERT_EQ(g.CaptionRect.Left, 0);
  ASSERT_LT(g.CaptionRect.Top, 0);
  ASSERT_TRUE(b->SkinData()->PrepareCache());
  // The band's first column and row show what lies behind the box.
  TsBackgroundQuery q;
  QueryParentBackground(q, form, false);
  const std::uint32_t behind = Rgb(ToBgInfo(q).FillColor == KeyColor ? 0 : SwapRedBlue(ToBgInfo(q).FillColor));
  EXPECT_EQ(Rgb(At(b, 0, 0)), behind);
  EXPECT_EQ(Rgb(At(b, 119, 0)), behind);
}

TEST_F(GroupBox, CommandsItAnswers) {
  TsGroupBox* b = Box({10, 10, 200, 100}, u"Caption");
  EXPECT_EQ(SendSkinCommand(b->Handle(), scIsSkinned, 0), 1);
  EXPECT_EQ(SendSkinCommand(b->Handle(), scGetDefaultKind, 0), 9);
  EXPECT_EQ(SendSkinCommand(b->Handle(), scGetDefaultIndex, 0), manager->GetSkinIndex(u"GROUPBOX") + 1);
  EXPECT_EQ(b->SkinData()->SkinIndex, manager->GetSkinIndex(u"GROUPBOX"));
}

TEST_F(GroupBox, ADensityOfZeroLeavesTheCaptionWidth) {
  TsGroupBox* b = Box({10, 10, 200, 100}, u"Caption");
  b->SetCaptionWidth(100);
  SendSkinCommand(b->Handle(), scPPIChanged, 144);
  EXPECT_EQ(b->CaptionWidth(), 150);
  SendSkinCommand(b->Handle(), scPPIChanged, 0);
  SendSkinCommand(b->Handle(), scPPIChanged, 96);
  EXPECT_EQ(b->CaptionWidth(), 150);
  SendSkinCommand(b->Handle(), scPPIChanged, 48);
  EXPECT_EQ(b->CaptionWidth(), 75);
}

TEST_F(GroupBox, CaptionChangeRepaintsTheWholePictureOnce) {
  TsGroupBox* b = Box({0, 65, 654, 392}, u" Найдено URL: 0 ");
  b->SetCaptionLayout(clTopCenter);
  form->Invalidate();
  win::RunUntilIdle();
  const int before = b->PicturesBuilt();
  ASSERT_GE(before, 1);
  const Bitmap32 old(*b->SkinData()->FCacheBmp);
  b->SetText(u" Найдено URL: 1234 ");
  win::RunUntilIdle();
  EXPECT_EQ(b->PicturesBuilt(), before + 1);
  const TacGroupBoxCaption g = b->CaptionGeometry();
  bool changed = false;
  for (int x = g.CaptionRect.Left; x < g.CaptionRect.Right && !changed; ++x)
    for (int y = g.TextRect.Top; y < g.TextRect.Bottom && !changed; ++y) changed = At(b, x, y) != old.Pixel(x, y);
  EXPECT_TRUE(changed);
  // The window shows the new picture.
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(b->Handle());
  for (int x = 0; x < 654; x += 37) EXPECT_EQ(shot.Row32(40)[x] & 0xFFFFFFu, At(b, x, 40) & 0xFFFFFFu) << x;
}

TEST_F(GroupBox, PaintsItsGraphicChildren) {
  TsGroupBox* b = Box({10, 10, 300, 150}, u"Images");
  auto* g = new TProbeGraphic(form, 0x2050E0);
  g->SetBounds(30, 40, 40, 40);
  g->SetParent(b);
  form->Invalidate();
  win::RunUntilIdle();
  EXPECT_GE(g->Paints, 1);
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(b->Handle());
  EXPECT_EQ(shot.Row32(42)[32] & 0xFFFFFFu, SwapRedBlue(0x2050E0) & 0xFFFFFFu);
}

TEST_F(GroupBox, UnskinnedLookUsesTheSameGeometry) {
  TsGroupBox* b = Box({10, 10, 300, 100}, u"Caption");
  b->SetCaptionLayout(clTopCenter);
  manager->SetActive(false);
  win::RunUntilIdle();
  EXPECT_FALSE(b->SkinData()->Skinned(true));
  b->Invalidate();
  win::RunUntilIdle();
  const TacGroupBoxCaption g = b->CaptionGeometry();
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(b->Handle());
  const std::uint32_t shadow = SwapRedBlue(forms::ColorToRGB(forms::clBtnShadow)) & 0xFFFFFFu;
  EXPECT_EQ(shot.Row32(g.TopRect.Bottom)[20] & 0xFFFFFFu, shadow);
  // Inside the band (left of the text) the frame line is interrupted.
  EXPECT_NE(shot.Row32(g.TopRect.Bottom)[g.CaptionRect.Left - 1] & 0xFFFFFFu, shadow);
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), ShotPath("skin-groupbox-unskinned.png")));
}

TEST_F(GroupBox, ScreenshotOfTheMainWindowsBoxes) {
  TsGroupBox* a = Box({0, 0, 654, 65}, u"Получить список URL введите адрес нужного вам сайта");
  TsGroupBox* b = Box({0, 65, 654, 392}, u" Полученный список URL. Найдено URL: 0 ");
  TsGroupBox* c = Box({0, 457, 654, 50}, u"Сохранить результаты в файл");
  for (TsGroupBox* x : {a, b, c}) x->SetCaptionLayout(clTopCenter);
  TsGroupBox* d = Box({20, 100, 300, 120}, u"A left caption that is far too long for its fixed width", b);
  d->SetCaptionWidth(120);
  d->SetCheckBoxVisible(true);
  TsGroupBox* e = Box({340, 100, 280, 120}, u"Disabled, right", b);
  e->SetCaptionLayout(clTopRight);
  e->SetEnabled(false);
  form->Invalidate();
  win::RunUntilIdle();
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), ShotPath("skin-groupboxes.png")));
}

}  // namespace skin::test
