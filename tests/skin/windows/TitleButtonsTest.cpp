// The title buttons and the system menu of skinned headless windows: hit testing through
// the window system, hover, press and release with the capture, the right-click protocol,
// Alt+Space and the skinned system menu's items.
#include <gtest/gtest.h>

#include "platform/forms/Application.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Keys.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/MenuApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "skin/windows/acSystemMenu.h"
#include "skin/windows/acTitleButtonsAnimation.h"
#include "tests/skin/windows/SkinProviderTestSupport.h"

namespace skin::test {

namespace {

std::vector<std::u16string> VisibleItems(const TsSystemMenu& menu) {
  std::vector<std::u16string> out;
  for (const TacSysMenuItem& i : menu.Items()) {
    if (!i.Visible) continue;
    out.push_back(i.Command == 0 ? u"-" : i.Name + (i.Enabled ? u"" : u" (grey)"));
  }
  return out;
}

}  // namespace

TEST_F(SkinnedForms, HitTestsThroughTheWindowSystem) {
  EXPECT_EQ(HitAt(main, 640, 15), win::HTCLOSE);
  EXPECT_EQ(HitAt(main, 300, 15), win::HTCAPTION);
  EXPECT_EQ(HitAt(main, 12, 12), win::HTSYSMENU);
  EXPECT_EQ(HitAt(main, 2, 300), win::HTLEFT);
  EXPECT_EQ(HitAt(main, 300, 582), win::HTBOTTOM);
  EXPECT_EQ(HitAt(main, 300, 300), win::HTCLIENT);
}

TEST_F(SkinnedForms, HoverPressAndReleaseOutsideDoNothing) {
  TsSkinProvider* p = ProviderOf(main);
  win::headless::MouseMove(At(main, 645, 15));
  EXPECT_EQ(p->ButtonClose.cpState, 1);
  EXPECT_EQ(p->CurrentHT, win::HTCLOSE);
  win::headless::MouseDown(At(main, 645, 15));
  EXPECT_EQ(p->ButtonClose.cpState, 2);
  EXPECT_EQ(win::GetCapture(), main->Handle());
  // Moving off while held draws the button normal; releasing there does nothing.
  win::headless::MouseMove(At(main, 400, 200));
  EXPECT_EQ(p->ButtonClose.cpState, 0);
  win::headless::MouseMove(At(main, 645, 15));
  EXPECT_EQ(p->ButtonClose.cpState, 2);
  win::headless::MouseMove(At(main, 400, 200));
  win::headless::MouseUp(At(main, 400, 200));
  win::RunUntilIdle();
  EXPECT_FALSE(forms::Application->Terminated());
  EXPECT_TRUE(win::IsWindowVisible(main->Handle()));
  EXPECT_EQ(win::GetCapture(), nullptr);
  EXPECT_FALSE(p->biClicked);
  EXPECT_EQ(p->ButtonClose.cpState, 0);
}

TEST_F(SkinnedForms, PressAndReleaseOnCloseEndsTheProgram) {
  win::headless::MouseMove(At(main, 645, 15));
  win::headless::MouseDown(At(main, 645, 15));
  win::headless::MouseUp(At(main, 645, 15));
  forms::Application->ProcessMessages();
  EXPECT_TRUE(forms::Application->Terminated());
}

TEST_F(SkinnedForms, CloseButtonClosesTheInfoWindow) {
  forms::TForm* info = MakeInfo();
  ASSERT_NE(ProviderOf(info), nullptr);
  win::headless::Click(At(info, 445, 12));
  win::RunUntilIdle();
  EXPECT_FALSE(info->Visible());
  EXPECT_FALSE(forms::Application->Terminated());
  // A double click on the icon closes too.
  info->Show();
  win::RunUntilIdle();
  win::SendMessage(info->Handle(), win::WM_NCLBUTTONDBLCLK, win::HTSYSMENU, win::PointToLParam(At(info, 8, 10)));
  win::RunUntilIdle();
  EXPECT_FALSE(info->Visible());
}

TEST_F(SkinnedForms, DoubleClickOnTheFixedMainCaptionDoesNothing) {
  const win::RECT before = WindowRect(main);
  win::SendMessage(main->Handle(), win::WM_NCLBUTTONDBLCLK, win::HTCAPTION, win::PointToLParam(At(main, 300, 15)));
  win::RunUntilIdle();
  EXPECT_EQ(WindowRect(main), before);
  EXPECT_FALSE(win::IsZoomed(main->Handle()));
}

TEST_F(SkinnedForms, AltSpaceOpensTheSkinnedMenuUnderTheIcon) {
  TsSkinProvider* p = ProviderOf(main);
  const MenuSeen seen = WatchMenu([] {
    win::headless::Batch batch;
    win::headless::KeyDown(win::VK_MENU);
    win::headless::KeyPress(win::VK_SPACE, u' ');
    win::headless::KeyUp(win::VK_MENU);
  });
  EXPECT_TRUE(seen.open);
  const win::RECT r = WindowRect(main);
  EXPECT_EQ(seen.at, (win::POINT{r.Left + 8, r.Top + 8 + 16}));
  ASSERT_NE(p->SystemMenu, nullptr);
  EXPECT_EQ(VisibleItems(*p->SystemMenu),
            (std::vector<std::u16string>{u"acIR (grey)", u"acIM", u"acIS", u"-", u"acIC"}));
  EXPECT_EQ(p->SystemMenu->Find(u"acIC")->ShortCut, u"Alt+F4");
  EXPECT_TRUE(win::IsWindowVisible(main->Handle()));
  EXPECT_EQ(win::GetOpenMenuWindow(), nullptr);
}

TEST_F(SkinnedForms, InfoWindowMenuGreysSize) {
  forms::TForm* info = MakeInfo();
  TsSkinProvider* p = ProviderOf(info);
  const MenuSeen seen = WatchMenu([&] { win::SendMessage(info->Handle(), win::WM_SYSCOMMAND, win::SC_KEYMENU, u' '); });
  EXPECT_TRUE(seen.open);
  EXPECT_EQ(VisibleItems(*p->SystemMenu),
            (std::vector<std::u16string>{u"acIR (grey)", u"acIM", u"acIS (grey)", u"-", u"acIC"}));
}

TEST_F(SkinnedForms, RightClickProtocolAndTheIconClick) {
  // A right release on the caption without a press there opens nothing.
  MenuSeen seen = WatchMenu([&] {
    win::SendMessage(main->Handle(), win::WM_NCRBUTTONUP, win::HTCAPTION, win::PointToLParam(At(main, 300, 15)));
  });
  EXPECT_FALSE(seen.open);
  // Press and release: the menu opens at the pointer.
  seen = WatchMenu([&] { win::headless::Click(At(main, 300, 15), win::MouseButton::Right); });
  EXPECT_TRUE(seen.open);
  EXPECT_EQ(seen.at, At(main, 300, 15));
  // A press on the icon opens it below the icon.
  seen = WatchMenu([&] { win::headless::MouseDown(At(main, 12, 12)); });
  win::headless::MouseUp(At(main, 12, 12));
  EXPECT_TRUE(seen.open);
  EXPECT_EQ(seen.at, At(main, 8, 8 + 16 + 8));
  // The platform's request (787) opens it too.
  seen = WatchMenu([&] { win::SendMessage(main->Handle(), win::WM_POPUPSYSTEMMENU, 0, 0); });
  EXPECT_TRUE(seen.open);
}

TEST_F(SkinnedForms, MenuOfAFormThatIsNotActiveStaysClosed) {
  forms::TForm* info = MakeInfo();
  (void)info;
  const MenuSeen seen = WatchMenu([&] { ProviderOf(main)->DropSysMenu(100, 100); });
  EXPECT_FALSE(seen.open);
}

}  // namespace skin::test

namespace skin::test {

// The hover animation: a mouse-transparent layered window over the button whose opacity
// rises by 25 every 12 ms up to 255, and falls again when the pointer leaves.
TEST_F(SkinnedForms, HoverAnimationRampsAndFallsBack) {
  TsSkinProvider* p = ProviderOf(main);
  ASSERT_TRUE(p->AnimationAllowed());
  win::headless::MouseMove(At(main, 645, 15));
  TacSBAnimation* a = p->ButtonClose.cpTimer;
  ASSERT_NE(a, nullptr);
  ASSERT_NE(a->Window(), nullptr);
  EXPECT_EQ(a->MaxIterations(), 10);
  EXPECT_EQ(a->Opacity(), 25);
  const auto ex = static_cast<win::DWORD>(win::GetWindowLongPtr(a->Window(), win::GWL_EXSTYLE));
  EXPECT_NE(ex & win::WS_EX_TRANSPARENT, 0u);
  EXPECT_NE(ex & win::WS_EX_LAYERED, 0u);
  // The pointer still reaches the form through the animation window.
  EXPECT_EQ(win::WindowFromPoint(At(main, 645, 15)), main->Handle());
  win::headless::AdvanceTime(12 * 4);
  EXPECT_EQ(a->Opacity(), 125);
  win::headless::AdvanceTime(12 * 6);
  EXPECT_EQ(a->Opacity(), 255);
  EXPECT_EQ(win::GetActiveWindow(), main->Handle());
  // Leaving: the way down, then the window goes.
  win::headless::MouseMove(At(main, 300, 300));
  EXPECT_EQ(p->ButtonClose.cpState, 0);
  win::headless::AdvanceTime(12 * 12);
  EXPECT_EQ(p->ButtonClose.cpTimer == nullptr || p->ButtonClose.cpTimer->Window() == nullptr, true);
}

TEST_F(SkinnedForms, WithoutAnimationHoverShowsAtOnce) {
  manager->Effects.AllowAnimation = false;
  TsSkinProvider* p = ProviderOf(main);
  win::headless::MouseMove(At(main, 645, 15));
  TacSBAnimation* a = p->ButtonClose.cpTimer;
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->MaxIterations(), 1);
  EXPECT_EQ(a->Opacity(), 255);
}

}  // namespace skin::test

namespace skin::test {

// A greyed close entry of the platform's menu: the button is drawn faded and the title
// band drags there; without a system menu there are no buttons, no icon and no menu.
TEST_F(SkinnedForms, DisabledCloseAndNoSystemMenu) {
  forms::TForm* f = MakeInfo();
  win::EnableMenuItem(win::GetSystemMenu(f->Handle(), win::FALSE), win::SC_CLOSE, win::MF_BYCOMMAND | win::MF_GRAYED);
  EXPECT_EQ(HitAt(f, 445, 12), win::HTCAPTION);
  win::headless::Click(At(f, 445, 12));
  win::RunUntilIdle();
  EXPECT_TRUE(f->Visible());

  forms::TForm* bare = MakeForm(forms::TFormBorderStyle::bsSingle, 300, 200, 0, false);
  bare->SetBorderIcons(forms::TBorderIcons{});
  bare->Show();
  win::RunUntilIdle();
  TsSkinProvider* p = ProviderOf(bare);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(p->FIconRect.IsEmpty());
  EXPECT_EQ(HitAt(bare, 290, 12), win::HTCAPTION);
  EXPECT_EQ(HitAt(bare, 8, 12), win::HTCAPTION);
  const MenuSeen seen = WatchMenu([&] { win::SendMessage(bare->Handle(), win::WM_SYSCOMMAND, win::SC_KEYMENU, u' '); });
  EXPECT_FALSE(seen.open);
}

// A maximized form without size limits is cut to the window less its frame.
TEST_F(SkinnedForms, MaximizedRegionCutsTheFrameOff) {
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 300, 200, 0, false);
  f->SetBorderIcons(forms::TBorderIcons{forms::TBorderIcon::biSystemMenu, forms::TBorderIcon::biMaximize});
  f->Show();
  win::RunUntilIdle();
  win::ShowWindow(f->Handle(), win::SW_MAXIMIZE);
  win::RunUntilIdle();
  const win::RECT r = WindowRect(f);
  // Maximized over the work area with the frame outside it.
  const win::RECT work = win::GetWorkArea();
  EXPECT_EQ(r, (win::RECT{work.Left - 8, work.Top - 8, work.Right + 8, work.Bottom + 8}));
  win::HRGN rgn = gfx::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(win::GetWindowRgn(f->Handle(), rgn), 0);
  win::RECT box;
  gfx::GetRgnBox(rgn, &box);
  EXPECT_EQ(box, (win::RECT{8, 8, r.Width() - 8, r.Height() - 8}));
  gfx::DeleteObject(rgn);
  EXPECT_EQ(ProviderOf(f)->ButtonMax.cpGlyphType, tgNorm);
}

}  // namespace skin::test

namespace skin::test {

// A form with all three buttons: close, maximize and minimize laid out leftwards; the
// maximize button maximizes and then restores, swapping its glyph.
TEST_F(SkinnedForms, MaximizeButtonMaximizesAndRestores) {
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 300, 200, 0, false);
  f->SetBorderIcons(forms::TBorderIcons{forms::TBorderIcon::biSystemMenu, forms::TBorderIcon::biMinimize,
                                        forms::TBorderIcon::biMaximize});
  f->Show();
  win::RunUntilIdle();
  TsSkinProvider* p = ProviderOf(f);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->ButtonClose.cpGlyphType, tgClose);
  EXPECT_EQ(p->ButtonMax.cpRect.Right, p->ButtonClose.cpRect.Left);
  EXPECT_EQ(p->ButtonMin.cpRect.Right, p->ButtonMax.cpRect.Left);
  const gfx::TRect max = p->ButtonMax.cpRect;
  EXPECT_EQ(HitAt(f, max.Left + 5, max.Top + 5), win::HTMAXBUTTON);
  win::headless::Click(At(f, max.Left + 5, max.Top + 5));
  win::RunUntilIdle();
  EXPECT_TRUE(win::IsZoomed(f->Handle()));
  EXPECT_EQ(p->ButtonMax.cpGlyphType, tgNorm);
  const gfx::TRect restore = p->ButtonMax.cpRect;
  win::headless::Click(At(f, restore.Left + 5, restore.Top + 5));
  win::RunUntilIdle();
  EXPECT_FALSE(win::IsZoomed(f->Handle()));
  EXPECT_EQ(p->ButtonMax.cpGlyphType, tgMax);
}

// Removing the skin gives the window back to the platform (classic frame, no region);
// a new skin takes it again.
TEST_F(SkinnedForms, SkinRemovedAndBackAgain) {
  TsSkinProvider* p = ProviderOf(main);
  manager->SetActive(false);
  win::RunUntilIdle();
  EXPECT_FALSE(p->FrameSkinned());
  win::HRGN rgn = gfx::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(win::GetWindowRgn(main->Handle(), rgn), 0);
  gfx::DeleteObject(rgn);
  EXPECT_EQ(HitAt(main, 300, 15), win::HTCAPTION);
  manager->SetActive(true);
  win::RunUntilIdle();
  EXPECT_TRUE(p->FrameSkinned());
  EXPECT_EQ(HitAt(main, 640, 15), win::HTCLOSE);
  win::RedrawWindow(main->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
  win::RunUntilIdle();
  rgn = gfx::CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(win::GetWindowRgn(main->Handle(), rgn), 0);
  gfx::DeleteObject(rgn);
}

}  // namespace skin::test

namespace skin::test {

// Without skinned popups the platform's own system menu opens, greyed by the same rules;
// what is chosen is posted to the form.
TEST_F(SkinnedForms, PlatformMenuWhenPopupsAreNotSkinned) {
  manager->SkinnedPopups = false;
  const MenuSeen seen = WatchMenu([&] { win::SendMessage(main->Handle(), win::WM_SYSCOMMAND, win::SC_KEYMENU, u' '); });
  EXPECT_TRUE(seen.open);
  const win::HMENU menu = win::GetSystemMenu(main->Handle(), win::FALSE);
  EXPECT_NE(win::GetMenuState(menu, win::SC_RESTORE, win::MF_BYCOMMAND) & win::MF_GRAYED, 0u);
  EXPECT_EQ(win::GetMenuState(menu, win::SC_MOVE, win::MF_BYCOMMAND) & win::MF_GRAYED, 0u);
  EXPECT_EQ(win::GetMenuState(menu, win::SC_CLOSE, win::MF_BYCOMMAND) & win::MF_GRAYED, 0u);
}

}  // namespace skin::test
