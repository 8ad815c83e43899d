// Form skinning on headless windows: providers attached by the hook, the frame geometry of
// the windows, the picture (frame, title band by activation, caption, region) and the
// answers to children.
#include <gtest/gtest.h>

#include "platform/gfx/Color.h"
#include "platform/ctl/MessageBox.h"
#include "platform/forms/Dialogs.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/Keys.h"
#include "platform/win/HitCodes.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/render/acBackgroundQuery.h"
#include "tests/skin/support/ProbeControlTestSupport.h"
#include "tests/skin/windows/SkinProviderTestSupport.h"

namespace skin::test {

namespace {

constexpr std::uint32_t Px(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

// Pixels of the window's frame (outside its client area) on the screen, by window point.
template <class F>
void ForEachFramePixel(forms::TCustomForm* f, F&& fn) {
  const gfx::PixelBuffer screen = win::headless::CaptureScreen();
  win::RECT wr, cr;
  win::GetWindowRect(f->Handle(), &wr);
  win::GetClientRect(f->Handle(), &cr);
  win::POINT origin{0, 0};
  win::ClientToScreen(f->Handle(), &origin);
  for (int y = wr.Top; y < wr.Bottom; ++y)
    for (int x = wr.Left; x < wr.Right; ++x) {
      const bool client = x >= origin.X && x < origin.X + cr.Width() && y >= origin.Y && y < origin.Y + cr.Height();
      if (!client) fn(x - wr.Left, y - wr.Top, screen.Row32(y)[x]);
    }
}

}  // namespace

TEST_F(SkinnedForms, TheMainWindowGetsItsProviderWhenActivated) {
  TsSkinProvider* p = ProviderOf(main);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(SkinnedWindowCount(), 1);
  EXPECT_EQ(SkinnedWindowAt(0)->CtrlHandle, main->Handle());
  EXPECT_TRUE(p->FrameSkinned());
  EXPECT_EQ(p->FrameWidth(), 8);
  EXPECT_EQ(p->CaptionHeight(), 23);
  EXPECT_EQ(p->OffsetX(), 8);
  EXPECT_EQ(p->OffsetY(), 31);
  EXPECT_EQ(p->VCenter, 15);
  EXPECT_EQ(p->FIconRect, (gfx::TRect{8, 7, 24, 23}));
  EXPECT_EQ(p->ButtonClose.cpRect, (gfx::TRect{632, 5, 662, 26}));
  EXPECT_EQ(p->ButtonClose.cpGlyphType, tgCloseAlone);
  EXPECT_TRUE(p->ButtonMax.cpRect.IsEmpty());
  EXPECT_EQ(SendSkinCommand(main->Handle(), scIsSkinned, 0), 1);
  EXPECT_EQ(SendSkinCommand(main->Handle(), scGetClientOrigin, 0), win::MAKELRESULT(8, 31));
  EXPECT_EQ(SendSkinCommand(main->Handle(), scGetFrameWidth, 0), 8);
  EXPECT_EQ(SendSkinCommand(main->Handle(), scGetDefaultKind, 0), 13);
  // A second activation attaches nothing more.
  EXPECT_FALSE(AttachSkinProvider(main->Handle()));
  EXPECT_EQ(SkinnedWindowCount(), 1);
}

TEST_F(SkinnedForms, InfoWindowGeometry) {
  forms::TForm* info = MakeInfo();
  TsSkinProvider* p = ProviderOf(info);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(WindowRect(info).Width(), 467);
  EXPECT_EQ(WindowRect(info).Height(), 528);
  EXPECT_EQ(p->FrameWidth(), 3);
  EXPECT_EQ(p->OffsetY(), 26);
  EXPECT_EQ(p->VCenter, 12);
  EXPECT_EQ(p->FIconRect, (gfx::TRect{3, 4, 19, 20}));
  EXPECT_EQ(p->ButtonClose.cpRect, (gfx::TRect{433, 2, 463, 23}));
  EXPECT_EQ(SkinnedWindowCount(), 2);
  // The record dies with its form.
  info->Free();
  EXPECT_EQ(SkinnedWindowCount(), 1);
}

TEST_F(SkinnedForms, TagsDecideOnRealForms) {
  forms::TForm* f255 = MakeForm(forms::TFormBorderStyle::bsSingle, 200, 100, 255);
  forms::TForm* f256 = MakeForm(forms::TFormBorderStyle::bsSingle, 200, 100, 256);
  forms::TForm* f257 = MakeForm(forms::TFormBorderStyle::bsSingle, 200, 100, 257);
  EXPECT_NE(ProviderOf(f255), nullptr);
  EXPECT_EQ(ProviderOf(f256), nullptr);
  EXPECT_EQ(ProviderOf(f257), nullptr);
  EXPECT_EQ(SkinnedWindowCount(), 2);
}

TEST_F(SkinnedForms, FormsRuleLeavesOtherFormsClassic) {
  manager->SetSkinningRules(TacSkinningRules{TacSkinningRule::srStdDialogs});
  forms::TForm* f = MakeInfo();
  EXPECT_EQ(ProviderOf(f), nullptr);
}

// The frame shows the skin: no pixel of the classic caption or 3D edge colours in the
// non-client area, the title band differs between active and inactive, the corners are
// cut out of the window region.
TEST_F(SkinnedForms, TheFrameIsTheSkinsAndTheCornersAreCut) {
  const std::uint32_t classic[] = {
      Px(gfx::GetSysColor(gfx::COLOR_ACTIVECAPTION)),   Px(gfx::GetSysColor(gfx::COLOR_GRADIENTACTIVECAPTION)),
      Px(gfx::GetSysColor(gfx::COLOR_INACTIVECAPTION)), Px(gfx::GetSysColor(gfx::COLOR_GRADIENTINACTIVECAPTION)),
      Px(gfx::GetSysColor(gfx::COLOR_3DLIGHT)),         Px(gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT)),
      Px(gfx::GetSysColor(gfx::COLOR_3DDKSHADOW)),      Px(gfx::GetSysColor(gfx::COLOR_ACTIVEBORDER))};
  int classicPixels = 0;
  std::string where;
  // The icon and the caption's letters (white in this skin) are not frame.
  const gfx::TRect icon = ProviderOf(main)->FIconRect;
  const gfx::TRect text{32, 15 - 9, ProviderOf(main)->CaptionTextRight, 15 + 9};
  ForEachFramePixel(main, [&](int x, int y, std::uint32_t px) {
    if (x >= icon.Left && x < icon.Right && y >= icon.Top && y < icon.Bottom) return;
    if (x >= text.Left && x < text.Right && y >= text.Top && y < text.Bottom) return;
    for (std::size_t i = 0; i < std::size(classic); ++i)
      if ((px | 0xFF000000u) == classic[i] && ++classicPixels < 4)
        where += " colour " + std::to_string(i) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
  });
  EXPECT_EQ(classicPixels, 0) << where;
  EXPECT_TRUE(win::headless::SaveWindowShot(main->Handle(), ShotPath("skin-windows-main-active.png")));

  win::HRGN rgn = gfx::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(win::GetWindowRgn(main->Handle(), rgn), 0);
  EXPECT_FALSE(gfx::PtInRegion(rgn, 0, 0));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 669, 0));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 0, 584));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 669, 584));
  EXPECT_TRUE(gfx::PtInRegion(rgn, 335, 0));
  EXPECT_TRUE(gfx::PtInRegion(rgn, 5, 5));
  gfx::DeleteObject(rgn);

  // Active and inactive title bands differ.
  const win::POINT band = At(main, 300, 15);
  const std::uint32_t active = ScreenPixel(win::headless::CaptureScreen(), band);
  forms::TForm* info = MakeInfo();
  EXPECT_EQ(ProviderOf(main)->FormActive, 0);
  EXPECT_NE(ScreenPixel(win::headless::CaptureScreen(), band), active);
  EXPECT_TRUE(win::headless::SaveScreenshot(ShotPath("skin-windows-main-inactive-info-active.png")));
  info->Free();
  win::RunUntilIdle();
}

}  // namespace skin::test

namespace skin::test {

// A caption too long for the band ends in an ellipsis left of the close button: the band
// right of the text rectangle is the same as with no caption at all.
TEST_F(SkinnedForms, ALongCaptionNeverReachesTheButtons) {
  TsSkinProvider* p = ProviderOf(main);
  main->SetCaption(u"");
  win::RunUntilIdle();
  const gfx::PixelBuffer empty = win::headless::CaptureWindow(main->Handle());
  main->SetCaption(std::u16string(200, u'W'));
  win::RunUntilIdle();
  const gfx::PixelBuffer full = win::headless::CaptureWindow(main->Handle());
  EXPECT_TRUE(win::headless::SaveWindowShot(main->Handle(), ShotPath("skin-windows-main-long-caption.png")));
  EXPECT_EQ(p->CaptionTextRight, 629);
  int textPixels = 0, beyond = 0;
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 670; ++x) {
      const bool differs = empty.Row32(y)[x] != full.Row32(y)[x];
      if (differs && x < p->CaptionTextRight) ++textPixels;
      if (differs && x >= p->CaptionTextRight) ++beyond;
    }
  EXPECT_GT(textPixels, 500);
  EXPECT_EQ(beyond, 0);
  // The text ends with the platform's ellipsis: three dots of a few pixels each on one
  // baseline row, right of the last cut letter.
  int lastColumn = -1;
  for (int x = 0; x < p->CaptionTextRight; ++x)
    for (int y = 0; y < 31; ++y)
      if (empty.Row32(y)[x] != full.Row32(y)[x]) lastColumn = x;
  ASSERT_GT(lastColumn, 500);
  int dotRows = 0;
  for (int y = 0; y < 31; ++y) dotRows += empty.Row32(y)[lastColumn] != full.Row32(y)[lastColumn];
  EXPECT_LE(dotRows, 3);  // a dot, not the stem of a W
}

// Children placed on the form see the form's picture at their place: the offset moves by
// the client origin.
TEST_F(SkinnedForms, ChildrenGetThePictureBehindThemShifted) {
  TsSkinProvider* p = ProviderOf(main);
  TsBackgroundQuery q;
  ASSERT_EQ(SendSkinCommand(main->Handle(), scGetBgInfo, reinterpret_cast<win::LPARAM>(&q)), 1);
  EXPECT_EQ(q.Offset, (gfx::TPoint{8, 31}));
  if (q.Kind == bqBitmap) {
    EXPECT_EQ(q.Bitmap, p->FCommonData->FCacheBmp.get());
  }
  EXPECT_GE(q.BorderFrame.Left, 0);
  EXPECT_GE(q.BorderFrame.Top, 0);
}

// Without the manager's non-client painting the platform frame shows, with a skinned
// client area.
TEST_F(SkinnedForms, NonClientAreaLeftToThePlatform) {
  manager->Options.DrawNonClientArea = false;
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSingle, 300, 200);
  TsSkinProvider* p = ProviderOf(f);
  ASSERT_NE(p, nullptr);
  EXPECT_FALSE(p->FrameSkinned());
  f->Invalidate();
  win::RedrawWindow(f->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE);
  win::RunUntilIdle();
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(f->Handle());
  const std::uint32_t caption = Px(gfx::GetSysColor(gfx::COLOR_ACTIVECAPTION));
  int classic = 0;
  for (int x = 0; x < shot.Width(); ++x) classic += (shot.Row32(10)[x] | 0xFF000000u) == caption;
  EXPECT_GT(classic, 0);
  const std::uint32_t client = shot.Row32(26 + 100)[3 + 150];
  EXPECT_EQ(client & 0xFFFFFFu, p->FCommonData->FCacheBmp->Row(26 + 100)[3 + 150] & 0xFFFFFFu);
}

TEST_F(SkinnedForms, MessageBoxesAreSkinnedWithLabelAndIcon) {
  bool skinned = false;
  int labelPixels = 0;
  bool done = false;
  // The watch stays in place until the call returns (a function must not free itself).
  win::headless::Screen().onStarved = [&] {
    if (done) return false;
    done = true;
    const win::HWND box = win::GetActiveWindow();
    auto* form = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(box));
    if (form == nullptr) return false;
    TsSkinProvider* p = ProviderOf(form);
    skinned = p != nullptr && p->FrameSkinned();
    win::headless::SaveWindowShot(box, ShotPath("skin-windows-message-box.png"));
    if (p != nullptr) {
      // The label's letters: dark pixels in the client area that the picture does not have.
      const gfx::PixelBuffer shot = win::headless::CaptureWindow(box);
      const Bitmap32& pic = *p->FCommonData->FCacheBmp;
      for (int y = p->OffsetY(); y < shot.Height() - 3; ++y)
        for (int x = p->OffsetX(); x < shot.Width() - 3; ++x)
          if ((shot.Row32(y)[x] & 0xFFFFFFu) != (pic.Row(y)[x] & 0xFFFFFFu)) ++labelPixels;
    }
    win::headless::Screen().Push(win::InputEvent::KeyDown(win::VK_RETURN));
    win::headless::Screen().Push(win::InputEvent::KeyUp(win::VK_RETURN));
    return true;
  };
  forms::MessageDlg(u"Введите адрес сайта", forms::TMsgDlgType::mtWarning,
                    forms::TMsgDlgButtons{forms::TMsgDlgBtn::mbOK});
  win::headless::Screen().onStarved = nullptr;
  EXPECT_TRUE(skinned);
  EXPECT_GT(labelPixels, 200);
}

}  // namespace skin::test

namespace skin::test {

// Skinned children placed on the form build their pictures over the form's: a group box
// and a panel probe on the main window, and a screenshot to look at.
TEST_F(SkinnedForms, ChildrenPaintOverTheFormsPicture) {
  auto* box = new TProbeControl(main, cocGroupBox);
  box->DefaultSection = u"GROUPBOX";
  box->SetBounds(0, 0, 654, 65);
  box->SetParent(main);
  box->HandleNeeded();
  box->SkinData->Loaded(true);
  auto* panel = new TProbeControl(main, cocPanel);
  panel->DefaultSection = u"PANEL";
  panel->SetBounds(0, 500, 654, 46);
  panel->SetParent(main);
  panel->HandleNeeded();
  panel->SkinData->Loaded(true);
  main->Invalidate();
  win::RunUntilIdle();
  EXPECT_GE(box->Prepares, 1);
  EXPECT_EQ(box->PaintsSkipped, 0);
  EXPECT_TRUE(win::headless::SaveWindowShot(main->Handle(), ShotPath("skin-windows-main-with-children.png")));
  // Between the two the form's own client picture shows.
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(main->Handle());
  const Bitmap32& pic = *ProviderOf(main)->FCommonData->FCacheBmp;
  EXPECT_EQ(shot.Row32(31 + 200)[8 + 300] & 0xFFFFFFu, pic.Row(31 + 200)[8 + 300] & 0xFFFFFFu);
}

}  // namespace skin::test

namespace skin::test {

// A standard dialog announced at its creation joins the list (its adapter is the dialog
// adapters' business); the record goes once the dialog is gone.
TEST_F(SkinnedForms, StandardDialogsAreRecordedAtCreation) {
  int during = -1;
  std::u16string cls;
  bool done = false;
  win::headless::Screen().onIdle = [&](std::optional<std::uint64_t>) {
    if (done || win::GetActiveWindow() == main->Handle()) return false;
    done = true;
    during = SkinnedWindowCount();
    if (TacProvider* p = SkinnedWindowAt(during - 1)) cls = win::GetClassName(p->CtrlHandle);
    win::headless::Screen().Push(win::InputEvent::KeyDown(win::VK_RETURN));
    win::headless::Screen().Push(win::InputEvent::KeyUp(win::VK_RETURN));
    return true;
  };
  ctl::MessageBox(main->Handle(), u"Cannot create file", u"Pellomir", 0);
  win::headless::Screen().onIdle = nullptr;
  EXPECT_EQ(during, 2);
  EXPECT_EQ(cls, u"#32770");
  EXPECT_EQ(SkinnedWindowCount(), 1);
}

}  // namespace skin::test

namespace skin::test {

// What the program paints on its form (OnPaint) is part of the picture children are given.
TEST_F(SkinnedForms, OnPaintOfTheFormGoesIntoThePicture) {
  TsSkinProvider* p = ProviderOf(main);
  main->OnPaint = [](forms::TObject* sender) {
    auto* f = static_cast<forms::TCustomForm*>(sender);
    f->Canvas()->Handle()->FillRect({10, 10, 50, 50}, 0x0000FF);
  };
  p->FCommonData->BGChanged = true;
  ASSERT_TRUE(p->PaintAll());
  EXPECT_EQ(p->FCommonData->FCacheBmp->Row(31 + 20)[8 + 20] & 0xFFFFFFu, SwapRedBlue(0x0000FF) & 0xFFFFFFu);
  EXPECT_NE(p->FCommonData->FCacheBmp->Row(31 + 60)[8 + 60] & 0xFFFFFFu, SwapRedBlue(0x0000FF) & 0xFFFFFFu);
  TsBackgroundQuery q;
  SendSkinCommand(main->Handle(), scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
  EXPECT_EQ(q.Kind, bqBitmap);
  EXPECT_EQ(q.Bitmap, p->FCommonData->FCacheBmp.get());
  EXPECT_EQ(q.Offset, (gfx::TPoint{8, 31}));
  main->OnPaint = nullptr;
}

}  // namespace skin::test
