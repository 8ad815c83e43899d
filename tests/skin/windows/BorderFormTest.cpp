// The extended-border mode on headless windows: the border window around and behind the
// main window with the stored skin's frame, title band and shadow; the form's region; the
// title buttons, moving and the system codes through the border window; minimizing;
// switching the mode off and removing the skin. With the mode off nothing changes.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Surface.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/acTitleButtonsAnimation.h"
#include "tests/skin/windows/SkinProviderTestSupport.h"

namespace skin::test {

namespace {

constexpr char16_t kDesktopClass[] = u"BorderFormTestDesktop";

// A desktop of 32-pixel squares in two colours behind every window.
win::LRESULT DesktopProc(win::HWND h, win::UINT msg, win::WPARAM wp, win::LPARAM lp) {
  if (msg == win::WM_ERASEBKGND) {
    auto* dc = reinterpret_cast<win::HDC>(wp);
    for (int y = 0; y < 1024; y += 32)
      for (int x = 0; x < 1280; x += 32)
        dc->FillRect({x, y, x + 32, y + 32},
                     ((x + y) / 32) % 2 == 0 ? gfx::RGB(0xE8, 0xD8, 0x9A) : gfx::RGB(0x6E, 0xA8, 0x8C));
    return 1;
  }
  if (msg == win::WM_MOUSEACTIVATE) return win::MA_NOACTIVATE;
  return win::DefWindowProc(h, msg, wp, lp);
}

win::HWND MakeDesktop() {
  win::WNDCLASSEX wc;
  if (!win::GetClassInfoEx(nullptr, kDesktopClass, &wc)) {
    wc.lpfnWndProc = &DesktopProc;
    wc.lpszClassName = kDesktopClass;
    win::RegisterClassEx(wc);
  }
  const win::HWND h = win::CreateWindowEx(win::WS_EX_NOACTIVATE | win::WS_EX_TOOLWINDOW, kDesktopClass, u"",
                                          win::WS_POPUP, 0, 0, 1280, 1024, nullptr, nullptr, nullptr, nullptr);
  win::SetWindowPos(h, win::HWND_BOTTOM, 0, 0, 0, 0,
                    win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW);
  win::RunUntilIdle();
  return h;
}

int CountBorderWindows() {
  int n = 0;
  win::EnumWindows(
      [](win::HWND h, win::LPARAM lp) -> win::BOOL {
        if (win::GetClassName(h) == u"TacBorderForm") ++*reinterpret_cast<int*>(lp);
        return win::TRUE;
      },
      reinterpret_cast<win::LPARAM>(&n));
  return n;
}

bool SamePixels(const gfx::PixelBuffer& a, const gfx::PixelBuffer& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Row32(y)[x] != b.Row32(y)[x]) return false;
  return true;
}

int Brightness(std::uint32_t px) { return static_cast<int>((px & 0xFF) + ((px >> 8) & 0xFF) + ((px >> 16) & 0xFF)); }

}  // namespace

class ExtendedBorders : public SkinnedForms {
 protected:
  void SetUp() override {
    SkinnedForms::SetUp();
    desktop = MakeDesktop();
  }
  void SwitchOn() {
    manager->SetExtendedBorders(true);
    win::RunUntilIdle();
  }
  TacBorderForm* Border(forms::TCustomForm* f) const { return ProviderOf(f)->BorderForm.get(); }
  static win::RECT Rect(win::HWND h) {
    win::RECT r;
    win::GetWindowRect(h, &r);
    return r;
  }
  // A screen point at picture coordinates of a form's border window.
  win::POINT OnBorder(forms::TCustomForm* f, int x, int y) const {
    const win::RECT r = Rect(Border(f)->AForm);
    return {r.Left + x, r.Top + y};
  }
  static gfx::TPoint Centre(const gfx::TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

  win::HWND desktop = nullptr;
};

TEST_F(ExtendedBorders, OffLeavesTheWindowsExactlyAsTheyWere) {
  TsSkinProvider* p = ProviderOf(main);
  const gfx::PixelBuffer before = win::headless::CaptureScreen();
  const win::RECT rect = WindowRect(main);
  EXPECT_EQ(p->BorderForm, nullptr);
  EXPECT_EQ(CountBorderWindows(), 0);
  EXPECT_EQ(p->ShadowSize(), gfx::TRect{});
  EXPECT_EQ(p->FrameWidth(), 8);
  EXPECT_EQ(p->CaptionHeight(), 23);

  SwitchOn();
  EXPECT_EQ(CountBorderWindows(), 1);
  EXPECT_FALSE(SamePixels(before, win::headless::CaptureScreen()));
  manager->SetExtendedBorders(false);
  win::RunUntilIdle();
  EXPECT_EQ(p->BorderForm, nullptr);
  EXPECT_EQ(CountBorderWindows(), 0);
  EXPECT_EQ(p->ShadowSize(), gfx::TRect{});
  EXPECT_EQ(WindowRect(main), rect);
  EXPECT_EQ(p->OffsetX(), 8);
  EXPECT_EQ(p->OffsetY(), 31);
  EXPECT_TRUE(SamePixels(before, win::headless::CaptureScreen()));
}

TEST_F(ExtendedBorders, TheBorderWindowLiesAroundAndBehindTheForm) {
  SwitchOn();
  TsSkinProvider* p = ProviderOf(main);
  ASSERT_NE(Border(main), nullptr);
  const win::HWND border = Border(main)->AForm;
  ASSERT_TRUE(win::IsWindow(border));
  EXPECT_TRUE(win::IsWindowVisible(border));
  EXPECT_NE(win::GetWindowLongPtr(border, win::GWL_EXSTYLE) & win::WS_EX_LAYERED, 0);
  EXPECT_EQ(win::GetWindow(main->Handle(), win::GW_HWNDNEXT), border);
  // The main window at (40, 30), its client area at (48, 61): 39 and 60 to the client.
  EXPECT_EQ(Rect(border), (win::RECT{9, 1, 741, 646}));
  EXPECT_EQ(WindowRect(main), (win::RECT{40, 30, 710, 615}));
  EXPECT_EQ(p->FrameWidth(), 15);
  EXPECT_EQ(p->CaptionHeight(), 36);
  EXPECT_EQ(p->CaptionHeight(false), 23);
  EXPECT_EQ(p->OffsetX(), 39);
  EXPECT_EQ(p->OffsetY(), 60);
  EXPECT_EQ(p->ShadowSize(), (gfx::TRect{24, 24, 24, 24}));
  EXPECT_EQ(p->FCommonData->FCacheBmp->Width(), 732);
  EXPECT_EQ(p->FCommonData->FCacheBmp->Height(), 645);

  // The form shows only its client area.
  win::HRGN rgn = gfx::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(win::GetWindowRgn(main->Handle(), rgn), 0);
  EXPECT_TRUE(gfx::PtInRegion(rgn, 8, 31));
  EXPECT_TRUE(gfx::PtInRegion(rgn, 661, 576));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 7, 300));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 300, 30));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 662, 300));
  EXPECT_FALSE(gfx::PtInRegion(rgn, 300, 577));
  gfx::DeleteObject(rgn);

  // The shadow's alpha falls off outward on every side; the frame is opaque.
  const Bitmap32* pic = Border(main)->LayeredPicture();
  ASSERT_NE(pic, nullptr);
  auto alpha = [&](int x, int y) { return static_cast<int>(pic->Pixel(x, y) >> 24); };
  for (int i = 0; i + 1 < 24; ++i) {
    EXPECT_LE(alpha(i, 300), alpha(i + 1, 300)) << "left " << i;
    EXPECT_LE(alpha(731 - i, 300), alpha(730 - i, 300)) << "right " << i;
    EXPECT_LE(alpha(300, i), alpha(300, i + 1)) << "top " << i;
    EXPECT_LE(alpha(300, 644 - i), alpha(300, 643 - i)) << "bottom " << i;
  }
  EXPECT_LT(alpha(2, 300), alpha(22, 300));
  EXPECT_LT(alpha(300, 642), alpha(300, 622));
  EXPECT_GT(alpha(22, 300), 0);
  EXPECT_EQ(alpha(30, 300), 255);
  EXPECT_EQ(alpha(300, 40), 255);

  // On the screen the shadow darkens the desktop beside the frame.
  const gfx::PixelBuffer screen = win::headless::CaptureScreen();
  win::ShowWindow(border, win::SW_HIDE);
  win::RunUntilIdle();
  const gfx::PixelBuffer bare = win::headless::CaptureScreen();
  for (const win::POINT pt : {win::POINT{9 + 20, 300}, win::POINT{740 - 20, 300}, win::POINT{300, 645 - 18}})
    EXPECT_LT(Brightness(ScreenPixel(screen, pt)), Brightness(ScreenPixel(bare, pt))) << pt.X << "," << pt.Y;
  EXPECT_EQ(ScreenPixel(screen, {9 + 1, 1 + 1}) & 0xFFFFFFu, ScreenPixel(bare, {9 + 1, 1 + 1}) & 0xFFFFFFu);
}

TEST_F(ExtendedBorders, ScreenshotOverAPatternedDesktop) {
  SwitchOn();
  EXPECT_TRUE(win::headless::SaveScreenshot(ShotPath("skin-windows-extended-borders.png")));
  const std::uint32_t activeBand = ScreenPixel(win::headless::CaptureScreen(), OnBorder(main, 641, 45));
  forms::TForm* info = MakeInfo();
  ASSERT_NE(Border(info), nullptr);
  EXPECT_EQ(ProviderOf(main)->FormActive, 0);
  // A form shown in the mode paints its client area from the enlarged picture.
  win::POINT infoClient{0, 0};
  win::ClientToScreen(info->Handle(), &infoClient);
  const gfx::PixelBuffer screen = win::headless::CaptureScreen();
  EXPECT_EQ(ScreenPixel(screen, {infoClient.X + 200, infoClient.Y + 200}), ScreenPixel(screen, {650, 400}));
  EXPECT_TRUE(win::headless::SaveScreenshot(ShotPath("skin-windows-extended-borders-inactive.png")));
  // Activated again (the info window, which it owns, stays in front of it), the main
  // window keeps its border window right behind it and its band shows the active look.
  win::SetActiveWindow(main->Handle());
  win::RunUntilIdle();
  EXPECT_EQ(ProviderOf(main)->FormActive, 1);
  EXPECT_EQ(win::GetWindow(main->Handle(), win::GW_HWNDNEXT), Border(main)->AForm);
  const win::POINT band = OnBorder(main, 641, 45);  // right of the info window
  EXPECT_EQ(ScreenPixel(win::headless::CaptureScreen(), band), activeBand);
  EXPECT_NE(ScreenPixel(screen, band), activeBand);
  info->Free();
  win::RunUntilIdle();
}

TEST_F(ExtendedBorders, TitleButtonsAndMovingThroughTheBorderWindow) {
  SwitchOn();
  TsSkinProvider* p = ProviderOf(main);
  const win::HWND border = Border(main)->AForm;
  const gfx::TPoint close = Centre(p->ButtonClose.cpRect);
  const win::POINT closeOnScreen = OnBorder(main, close.X, close.Y);
  EXPECT_EQ(win::SendMessage(border, win::WM_NCHITTEST, 0, win::PointToLParam(closeOnScreen)), win::HTCLOSE);
  EXPECT_EQ(win::SendMessage(border, win::WM_NCHITTEST, 0, win::PointToLParam(OnBorder(main, 300, 45))),
            win::HTCAPTION);
  EXPECT_EQ(win::SendMessage(border, win::WM_NCHITTEST, 0, win::PointToLParam(OnBorder(main, 5, 300))),
            win::HTTRANSPARENT);
  // The main window cannot be sized (its constraints), but its frame still answers as frame.
  EXPECT_EQ(win::SendMessage(border, win::WM_NCHITTEST, 0, win::PointToLParam(OnBorder(main, 26, 300))), win::HTLEFT);

  // The pointer over the close button makes it hot; off it, normal.
  win::headless::MouseMove(OnBorder(main, 300, 300));
  win::headless::MouseMove(closeOnScreen);
  win::headless::AdvanceTime(200);
  EXPECT_EQ(p->ButtonClose.cpState, 1);
  EXPECT_EQ(p->CurrentHT, win::HTCLOSE);
  // The hover animation lies over the border window's button.
  ASSERT_NE(p->ButtonClose.cpTimer, nullptr);
  ASSERT_NE(p->ButtonClose.cpTimer->Window(), nullptr);
  const gfx::TRect r = p->ButtonClose.cpRect;
  const win::POINT topLeft = OnBorder(main, r.Left, r.Top);
  EXPECT_EQ(Rect(p->ButtonClose.cpTimer->Window()),
            (win::RECT{topLeft.X, topLeft.Y, topLeft.X + r.Width(), topLeft.Y + r.Height()}));
  win::headless::MouseMove(OnBorder(main, 300, 45));
  win::headless::AdvanceTime(200);
  EXPECT_EQ(p->ButtonClose.cpState, 0);

  // Dragging the title band moves the form, and the border window with it.
  const win::RECT form = WindowRect(main);
  const win::RECT before = Rect(border);
  const win::POINT grip = OnBorder(main, 300, 45);
  win::headless::MouseDown(grip);
  win::headless::MouseMove({grip.X + 20, grip.Y + 10});
  win::headless::MouseMove({grip.X + 40, grip.Y + 25});
  win::headless::MouseUp({grip.X + 40, grip.Y + 25});
  EXPECT_EQ(WindowRect(main), (win::RECT{form.Left + 40, form.Top + 25, form.Right + 40, form.Bottom + 25}));
  EXPECT_EQ(Rect(border), (win::RECT{before.Left + 40, before.Top + 25, before.Right + 40, before.Bottom + 25}));
  EXPECT_EQ(win::GetWindow(main->Handle(), win::GW_HWNDNEXT), border);

  // Disabled (as under a modal window), the form cannot be dragged by its border window.
  win::EnableWindow(main->Handle(), win::FALSE);
  EXPECT_EQ(win::SendMessage(border, win::WM_NCHITTEST, 0, win::PointToLParam(OnBorder(main, 300, 45))), win::HTERROR);
  const win::RECT still = WindowRect(main);
  const win::POINT grip2 = OnBorder(main, 300, 45);
  win::headless::MouseDown(grip2);
  win::headless::MouseMove({grip2.X + 30, grip2.Y + 30});
  win::headless::MouseUp({grip2.X + 30, grip2.Y + 30});
  EXPECT_EQ(WindowRect(main), still);
  win::EnableWindow(main->Handle(), win::TRUE);

  // A new caption reaches the border window's picture.
  const Bitmap32 old = *Border(main)->LayeredPicture();
  main->SetCaption(u"Другой заголовок");
  win::RunUntilIdle();
  const Bitmap32& after = *Border(main)->LayeredPicture();
  int changed = 0;
  for (int x = 60; x < 300; ++x) changed += old.Pixel(x, 45) != after.Pixel(x, 45) ? 1 : 0;
  EXPECT_GT(changed, 20);
}

TEST_F(ExtendedBorders, CloseAndSizeAnotherFormThroughItsBorder) {
  SwitchOn();
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 300, 200);
  TsSkinProvider* p = ProviderOf(f);
  ASSERT_NE(Border(f), nullptr);
  // Sizing by the right frame.
  const win::RECT r = WindowRect(f);
  const win::RECT b = Rect(Border(f)->AForm);
  const win::POINT edge{b.Right - 24 - 5, (b.Top + b.Bottom) / 2};
  EXPECT_EQ(win::SendMessage(Border(f)->AForm, win::WM_NCHITTEST, 0, win::PointToLParam(edge)), win::HTRIGHT);
  win::headless::MouseDown(edge);
  win::headless::MouseMove({edge.X + 30, edge.Y});
  win::headless::MouseUp({edge.X + 30, edge.Y});
  EXPECT_EQ(WindowRect(f).Right, r.Right + 30);
  EXPECT_EQ(f->ClientWidth(), 330);
  EXPECT_EQ(Rect(Border(f)->AForm).Right, b.Right + 30);
  EXPECT_EQ(p->FCommonData->FCacheBmp->Width(), 330 + 2 * (15 + 24));

  // The close button closes the form; its border window goes out of sight with it.
  const gfx::TPoint close = Centre(p->ButtonClose.cpRect);
  const win::POINT at = OnBorder(f, close.X, close.Y);
  const win::HWND border = Border(f)->AForm;
  win::headless::MouseMove(at);
  win::headless::Click(at);
  EXPECT_FALSE(f->Visible());
  EXPECT_TRUE(!win::IsWindow(border) || !win::IsWindowVisible(border));
}

TEST_F(ExtendedBorders, MinimizingHidesTheBorderAndRestoringBringsItBack) {
  SwitchOn();
  const win::HWND border = Border(main)->AForm;
  const win::RECT before = Rect(border);
  win::ShowWindow(main->Handle(), win::SW_MINIMIZE);
  win::RunUntilIdle();
  EXPECT_FALSE(win::IsWindowVisible(border));
  win::ShowWindow(main->Handle(), win::SW_RESTORE);
  win::RunUntilIdle();
  ASSERT_NE(Border(main), nullptr);
  EXPECT_TRUE(win::IsWindowVisible(Border(main)->AForm));
  EXPECT_EQ(Rect(Border(main)->AForm), before);
}

TEST_F(ExtendedBorders, RemovingTheSkinOrTheFormFreesTheBorder) {
  SwitchOn();
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSingle, 200, 100);
  const win::HWND other = Border(f)->AForm;
  f->Free();
  win::RunUntilIdle();
  EXPECT_FALSE(win::IsWindow(other));

  const win::HWND border = Border(main)->AForm;
  manager->SetActive(false);
  win::RunUntilIdle();
  EXPECT_EQ(ProviderOf(main)->BorderForm, nullptr);
  EXPECT_FALSE(win::IsWindow(border));
  EXPECT_EQ(CountBorderWindows(), 0);
  // The form's own frame is back: no region cuts it.
  win::HRGN rgn = gfx::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(win::GetWindowRgn(main->Handle(), rgn), 0);
  gfx::DeleteObject(rgn);
}

TEST_F(ExtendedBorders, FormsWithoutABorderStyleKeepTheirOwnLook) {
  SwitchOn();
  // A form without a border style gets no frame at all, and no border window.
  MakeForm(forms::TFormBorderStyle::bsNone, 200, 100);
  EXPECT_EQ(CountBorderWindows(), 1);
  ProviderOf(main)->AllowExtBorders = false;
  ProviderOf(main)->UpdateExBorders();
  EXPECT_EQ(Border(main), nullptr);
  EXPECT_EQ(CountBorderWindows(), 0);
}

}  // namespace skin::test

namespace skin::test {

// A skin without the frame image: the shadow template around the FORM section's frame.
TEST_F(ExtendedBorders, WithoutAFrameImageTheShadowTemplateSurroundsTheFrame) {
  SwitchOn();
  TacSkinData* d = ProviderOf(main)->SkinData();
  d->ExBorder = -1;
  d->CheckShadows();
  ASSERT_EQ(d->FormShadowSize, (gfx::TRect{13, 11, 13, 15}));  // WSHSIZE 13, WSHOFFS 2
  manager->RepaintForms(false);
  win::RunUntilIdle();
  TacBorderForm* b = Border(main);
  ASSERT_NE(b, nullptr);
  // 15 + 13 to the client on the left, 36 + 11 above it.
  EXPECT_EQ(Rect(b->AForm), (win::RECT{48 - 28, 61 - 47, 48 + 654 + 28, 61 + 546 + 15 + 15}));
  const Bitmap32* pic = b->LayeredPicture();
  ASSERT_NE(pic, nullptr);
  auto alpha = [&](int x, int y) { return static_cast<int>(pic->Pixel(x, y) >> 24); };
  for (int i = 0; i + 1 < 13; ++i) EXPECT_LE(alpha(i, 300), alpha(i + 1, 300)) << i;
  EXPECT_LT(alpha(1, 300), alpha(11, 300));
  EXPECT_GT(alpha(300, pic->Height() - 3), 0);  // the shadow is lower than it is high
  EXPECT_EQ(alpha(13 + 2, 300), 255);
  EXPECT_TRUE(win::headless::SaveScreenshot(ShotPath("skin-windows-extended-borders-template.png")));
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ExtendedBorders, MaximizedTheClientFillsTheScreenBelowTheLowerBand) {
  SwitchOn();
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 300, 200);
  ASSERT_NE(Border(f), nullptr);
  win::ShowWindow(f->Handle(), win::SW_MAXIMIZE);
  win::RunUntilIdle();
  ASSERT_NE(Border(f), nullptr);
  win::POINT origin{0, 0};
  win::ClientToScreen(f->Handle(), &origin);
  EXPECT_EQ(origin, (win::POINT{0, 26}));  // MAXHEIGHT 26
  EXPECT_EQ(f->ClientWidth(), 1280);
  EXPECT_EQ(f->ClientHeight(), 1024 - 26);
  EXPECT_EQ(ProviderOf(f)->CaptionHeight(), 26);
  // The band lies on the screen's top rows; frame and shadow beyond its edges.
  EXPECT_EQ(Rect(Border(f)->AForm), (win::RECT{-39, 26 - 50, 1280 + 39, 1024 + 39}));
  const gfx::TPoint close = Centre(ProviderOf(f)->ButtonClose.cpRect);
  EXPECT_EQ(win::SendMessage(Border(f)->AForm, win::WM_NCHITTEST, 0, win::PointToLParam(OnBorder(f, close.X, close.Y))),
            win::HTCLOSE);
  EXPECT_TRUE(win::headless::SaveScreenshot(ShotPath("skin-windows-extended-borders-maximized.png")));
  win::ShowWindow(f->Handle(), win::SW_RESTORE);
  win::RunUntilIdle();
  EXPECT_EQ(f->ClientWidth(), 300);
  EXPECT_EQ(ProviderOf(f)->CaptionHeight(), 36);

  // With native borders while maximized the border window goes and comes back on restore.
  manager->Options.NativeBordersMaximized = true;
  win::ShowWindow(f->Handle(), win::SW_MAXIMIZE);
  win::RunUntilIdle();
  EXPECT_EQ(Border(f), nullptr);
  EXPECT_EQ(ProviderOf(f)->ShadowSize(), gfx::TRect{});
  EXPECT_EQ(ProviderOf(f)->CaptionHeight(), 23);
  win::ShowWindow(f->Handle(), win::SW_RESTORE);
  win::RunUntilIdle();
  ASSERT_NE(Border(f), nullptr);
  EXPECT_TRUE(win::IsWindowVisible(Border(f)->AForm));
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ExtendedBorders, TheSystemMenuOpensFromTheBorderWindow) {
  SwitchOn();
  TsSkinProvider* p = ProviderOf(main);
  // A right click on the band opens the skinned menu at the pointer.
  const win::POINT band = OnBorder(main, 300, 45);
  MenuSeen seen = WatchMenu([&] { win::headless::Click(band, win::MouseButton::Right); });
  EXPECT_TRUE(seen.open);
  EXPECT_EQ(seen.at, band);
  // A press on the icon opens it right below the icon.
  const gfx::TRect icon = p->FIconRect;
  const win::POINT onIcon = OnBorder(main, icon.Left + 4, icon.Top + 4);
  seen = WatchMenu([&] { win::headless::MouseDown(onIcon); });
  win::headless::MouseUp(onIcon);
  EXPECT_TRUE(seen.open);
  EXPECT_EQ(seen.at, OnBorder(main, icon.Left, icon.Bottom));
  EXPECT_TRUE(win::IsWindowVisible(main->Handle()));
  EXPECT_EQ(win::GetActiveWindow(), main->Handle());
}

}  // namespace skin::test

namespace skin::test {

TEST_F(ExtendedBorders, AFormFreedByItsCloseButtonTakesItsBorderWindowAlong) {
  SwitchOn();
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 300, 200);
  f->OnClose = [](forms::TObject*, forms::TCloseAction& action) { action = forms::TCloseAction::caFree; };
  ASSERT_NE(Border(f), nullptr);
  const win::HWND border = Border(f)->AForm;
  const gfx::TPoint close = Centre(ProviderOf(f)->ButtonClose.cpRect);
  const win::POINT at = OnBorder(f, close.X, close.Y);
  win::headless::MouseMove(at);
  win::headless::Click(at);
  win::RunUntilIdle();
  EXPECT_FALSE(win::IsWindow(border));
  EXPECT_EQ(CountBorderWindows(), 1);  // the main window's
  // The pointer goes on over the place where it was: nothing is left to answer there.
  win::headless::MouseMove({at.X - 5, at.Y + 2});
  win::headless::AdvanceTime(200);
}

}  // namespace skin::test
