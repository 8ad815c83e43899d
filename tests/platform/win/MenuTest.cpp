// Popup menus: the menu objects, keyboard and mouse tracking with their return values and
// notifications, and the system menu (items by style, enabling by state, the ways it
// opens).
#include "WinTestSupport.h"

namespace wintest {
namespace {

class MenuTest : public WinTest {};

HMENU ThreeItems() {
  HMENU m = CreatePopupMenu();
  AppendMenu(m, MF_STRING, 101, u"&Open\tCtrl+O");
  AppendMenu(m, MF_SEPARATOR, 0, nullptr);
  AppendMenu(m, MF_STRING | MF_GRAYED, 102, u"&Print");
  AppendMenu(m, MF_STRING, 103, u"E&xit");
  return m;
}

TEST_F(MenuTest, ItemsStatesAndSubmenus) {
  HMENU m = ThreeItems();
  EXPECT_EQ(GetMenuItemCount(m), 4);
  EXPECT_EQ(GetMenuItemID(m, 0), 101u);
  EXPECT_EQ(GetMenuItemID(m, 1), 0u);
  EXPECT_EQ(GetMenuState(m, 1, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(m, 102, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(GetMenuString(m, 101, MF_BYCOMMAND), u"&Open\tCtrl+O");
  EXPECT_EQ(EnableMenuItem(m, 102, MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(CheckMenuItem(m, 103, MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(GetMenuState(m, 103, MF_BYCOMMAND), MF_CHECKED);
  EXPECT_EQ(GetMenuState(m, 999, MF_BYCOMMAND), 0xFFFFFFFFu);

  HMENU sub = CreatePopupMenu();
  AppendMenu(sub, MF_STRING, 201, u"Deep");
  InsertMenu(m, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"&Recent");
  EXPECT_EQ(GetSubMenu(m, 0), sub);
  EXPECT_EQ(GetMenuItemID(m, 0), 0xFFFFFFFFu);
  EXPECT_EQ(GetMenuState(m, 0, MF_BYPOSITION), MF_POPUP | (1u << 8));
  EXPECT_EQ(GetMenuString(m, 201, MF_BYCOMMAND), u"Deep");  // found through the submenu
  EXPECT_TRUE(SetMenuDefaultItem(m, 103, FALSE));
  EXPECT_EQ(GetMenuDefaultItem(m, FALSE, 0), 103u);
  EXPECT_EQ(GetMenuDefaultItem(m, TRUE, 0), 4u);
  EXPECT_TRUE(ModifyMenu(m, 101, MF_BYCOMMAND | MF_STRING, 111, u"Open &again"));
  EXPECT_EQ(GetMenuItemID(m, 1), 111u);
  EXPECT_TRUE(RemoveMenu(m, 0, MF_BYPOSITION));  // the submenu survives its removal
  EXPECT_TRUE(IsMenu(sub));
  EXPECT_TRUE(DeleteMenu(m, 111, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(m), 3);
  EXPECT_FALSE(AppendMenu(m, MF_POPUP, 12345, u"bogus"));
  EXPECT_TRUE(DestroyMenu(m));
  EXPECT_FALSE(IsMenu(m));
  EXPECT_EQ(GetMenuItemCount(m), -1);
  EXPECT_TRUE(DestroyMenu(sub));
}

UINT Track(HMENU m, HWND owner, UINT flags = TPM_RETURNCMD) {
  return static_cast<UINT>(TrackPopupMenu(m, flags, 100, 100, 0, owner, nullptr));
}

// Keys queued before the menu opens drive it.
void QueueKeys(std::initializer_list<int> keys) {
  for (int vk : keys) {
    InputEvent d;
    d.kind = InputEvent::Kind::KeyDown;
    d.vk = vk;
    headless::Screen().Push(d);
    d.kind = InputEvent::Kind::KeyUp;
    headless::Screen().Push(d);
  }
}

TEST_F(MenuTest, KeyboardNavigationAndReturnValues) {
  HWND w = MakeTop(0, 0, 400, 300);
  HMENU m = ThreeItems();
  QueueKeys({VK_DOWN, VK_RETURN});
  EXPECT_EQ(Track(m, w), 101u);
  QueueKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // the separator is skipped; greyed items are reached
  EXPECT_EQ(Track(m, w), 103u);
  QueueKeys({VK_UP, VK_UP, VK_RETURN, VK_ESCAPE});  // Enter on a greyed item does nothing
  EXPECT_EQ(Track(m, w), 0u);
  QueueKeys({VK_END, VK_DOWN, VK_RETURN});  // wraps around
  EXPECT_EQ(Track(m, w), 101u);
  QueueKeys({'X'});  // the access letter chooses at once
  EXPECT_EQ(Track(m, w), 103u);
  QueueKeys({'P', VK_ESCAPE});  // a greyed item's letter highlights only
  EXPECT_EQ(Track(m, w), 0u);

  HMENU sub = CreatePopupMenu();
  AppendMenu(sub, MF_STRING, 201, u"&Alpha");
  AppendMenu(sub, MF_STRING, 202, u"&Beta");
  AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"&More");
  QueueKeys({'M', VK_DOWN, VK_RETURN});  // opening a submenu highlights its first item
  EXPECT_EQ(Track(m, w), 202u);
  QueueKeys({VK_UP, VK_RIGHT, VK_LEFT, VK_ESCAPE, VK_ESCAPE});  // Left and Escape close one level
  EXPECT_EQ(Track(m, w), 0u);
  EXPECT_EQ(GetOpenMenuWindow(), nullptr);
  EXPECT_EQ(WindowCount(), 1);  // the menu windows are gone
  DestroyMenu(m);
}

TEST_F(MenuTest, NotificationsAndPostedCommand) {
  HWND w = MakeTop(0, 0, 400, 300);
  HMENU m = ThreeItems();
  RunUntilIdle();
  ClearLog();
  screen->onStarved = [] {
    headless::Screen().onStarved = nullptr;
    QueueKeys({VK_DOWN, VK_RETURN});
    return true;
  };
  EXPECT_EQ(Track(m, w, 0), TRUE);
  std::vector<std::string> got;
  for (const auto& n : Names(w))
    if (n != "WM_PAINT" && n != "WM_NCPAINT" && n != "WM_ERASEBKGND" && n != "WM_CAPTURECHANGED") got.push_back(n);
  std::vector<std::string> want = {Name(WM_ENTERMENULOOP), Name(WM_INITMENU),    Name(WM_INITMENUPOPUP),
                                   Name(WM_ENTERIDLE),     Name(WM_MENUSELECT),  Name(WM_UNINITMENUPOPUP),
                                   Name(WM_MENUSELECT),    Name(WM_EXITMENULOOP)};
  EXPECT_EQ(got, want);
  ClearLog();
  RunUntilIdle();  // the choice arrives as a posted WM_COMMAND, then the key's release
  EXPECT_EQ(Names(w), (std::vector<std::string>{"WM_COMMAND", "WM_KEYUP"}));
  EXPECT_EQ(Log()[0].wParam, 101u);
  DestroyMenu(m);
}

LRESULT EndOnTimer(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_TIMER) {
    Log().push_back({h, m, w, l});
    EndMenu();
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

TEST_F(MenuTest, TimersAndPaintingGoOnWhileTheMenuIsOpen) {
  RegisterProc(u"TimerOwner", &EndOnTimer, gfx::COLOR_BTNFACE);
  HWND w = CreateWindowEx(0, u"TimerOwner", u"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                          nullptr, nullptr);
  SetTimer(w, 1, 200, nullptr);
  HMENU m = ThreeItems();
  EXPECT_EQ(Track(m, w), 0u);  // the timer closes it
  EXPECT_EQ(Count(WM_TIMER, w), 1);
  DestroyMenu(m);
}

TEST_F(MenuTest, MouseChoosesAndAClickElsewhereDismisses) {
  HWND w = MakeTop(0, 0, 400, 300, WS_POPUP | WS_VISIBLE);
  HMENU m = ThreeItems();
  screen->onStarved = [] {
    // The menu is open at (100, 100): its first item lies in its top row.
    HWND menu = GetOpenMenuWindow();
    RECT r;
    GetWindowRect(menu, &r);
    headless::Screen().onStarved = nullptr;
    InputEvent e;
    e.pt = {r.Left + 30, r.Top + 10};
    e.kind = InputEvent::Kind::MouseMove;
    headless::Screen().Push(e);
    e.kind = InputEvent::Kind::MouseDown;
    headless::Screen().Push(e);
    e.kind = InputEvent::Kind::MouseUp;
    headless::Screen().Push(e);
    return true;
  };
  EXPECT_EQ(Track(m, w), 101u);
  ClearLog();
  for (auto kind : {InputEvent::Kind::MouseMove, InputEvent::Kind::MouseDown, InputEvent::Kind::MouseUp}) {
    InputEvent e;
    e.kind = kind;
    e.pt = {20, 250};
    screen->Push(e);
  }
  EXPECT_EQ(Track(m, w), 0u);
  RunUntilIdle();
  EXPECT_EQ(Count(WM_LBUTTONDOWN, w), 0);  // the dismissing click is eaten
  DestroyMenu(m);
}

std::vector<std::pair<UINT, UINT>> g_shown;  // (command, state) of the system menu as it opened

LRESULT RecordSystemMenu(HWND h, UINT m, WPARAM w, LPARAM l) {
  Log().push_back({h, m, w, l});
  if (m == WM_INITMENUPOPUP && HIWORD(static_cast<std::uintptr_t>(l))) g_shown.clear();
  if (m == WM_ENTERIDLE && g_shown.empty()) {
    HMENU sys = GetSystemMenu(h, FALSE);
    for (int i = 0; i < GetMenuItemCount(sys); ++i)
      g_shown.push_back(
          {GetMenuItemID(sys, i), GetMenuState(sys, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_SEPARATOR)});
    EndMenu();
  }
  return DefWindowProc(h, m, w, l);
}

std::vector<std::pair<UINT, UINT>> ShowSystemMenu(DWORD style, DWORD ex = 0, int show = SW_SHOW) {
  RegisterProc(u"SysMenuOwner", &RecordSystemMenu, gfx::COLOR_BTNFACE);
  HWND w = CreateWindowEx(ex, u"SysMenuOwner", u"", style, 50, 50, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(w, show);
  g_shown.clear();
  {
    headless::Batch batch;
    headless::KeyDown(VK_MENU);
    headless::KeyPress(VK_SPACE);
    headless::KeyUp(VK_MENU);
  }
  DestroyWindow(w);
  return g_shown;
}

constexpr UINT G = MF_GRAYED, SEP = MF_SEPARATOR;
using Items = std::vector<std::pair<UINT, UINT>>;

TEST_F(MenuTest, SystemMenuItemsFollowTheStylesAndState) {
  const UINT R = SC_RESTORE, M = SC_MOVE, S = SC_SIZE, N = SC_MINIMIZE, X = SC_MAXIMIZE, C = SC_CLOSE;
  // Sizeable, no minimize or maximize box: Restore greyed, Move, Size, separator, Close.
  EXPECT_EQ(ShowSystemMenu(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME),
            (Items{{R, G}, {M, 0}, {S, 0}, {0, SEP}, {C, 0}}));
  // A single border: Size greyed too.
  EXPECT_EQ(ShowSystemMenu(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU), (Items{{R, G}, {M, 0}, {S, G}, {0, SEP}, {C, 0}}));
  EXPECT_EQ(ShowSystemMenu(WS_OVERLAPPEDWINDOW), (Items{{R, G}, {M, 0}, {S, 0}, {N, 0}, {X, 0}, {0, SEP}, {C, 0}}));
  EXPECT_EQ(ShowSystemMenu(WS_OVERLAPPEDWINDOW, 0, SW_SHOWMAXIMIZED),
            (Items{{R, 0}, {M, G}, {S, G}, {N, 0}, {X, G}, {0, SEP}, {C, 0}}));
  EXPECT_EQ(ShowSystemMenu(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME), (Items{{M, 0}, {0, SEP}, {C, 0}}));
  // Without the system menu style Alt+Space opens nothing.
  EXPECT_TRUE(ShowSystemMenu(WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME).empty());
}

TEST_F(MenuTest, AltSpaceOpensTheSystemMenuBelowTheIconAndItsCommandsArePosted) {
  HWND w = MakeTop(100, 100, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  ClearLog();
  POINT at{};
  screen->onStarved = [&] {
    RECT r;
    GetWindowRect(GetOpenMenuWindow(), &r);
    at = {r.Left, r.Top};
    headless::Screen().onStarved = nullptr;
    QueueKeys({'X'});  // Maximize
    return true;
  };
  {
    headless::Batch batch;
    headless::KeyDown(VK_MENU);
    headless::KeyPress(VK_SPACE);
    headless::KeyUp(VK_MENU);
  }
  EXPECT_EQ(at, (POINT{108, 131}));  // the frame's inner corner, below the caption
  auto init = std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_INITMENUPOPUP; });
  ASSERT_NE(init, Log().end());
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(init->lParam)), 1);  // the system menu
  EXPECT_TRUE(IsZoomed(w));

  // A right click on the caption opens it at the pointer; WM_POPUPSYSTEMMENU at a point.
  ShowWindow(w, SW_RESTORE);
  screen->onStarved = [&] {
    RECT r;
    GetWindowRect(GetOpenMenuWindow(), &r);
    at = {r.Left, r.Top};
    EndMenu();
    return false;
  };
  EXPECT_THROW(headless::Click({300, 115}, MouseButton::Right), std::logic_error);
  EXPECT_EQ(at, (POINT{300, 115}));
  EXPECT_EQ(GetOpenMenuWindow(), nullptr);
  PostMessage(w, WM_POPUPSYSTEMMENU, 0, PointToLParam({200, 200}));
  EXPECT_THROW(RunUntilIdle(), std::logic_error);
  EXPECT_EQ(at, (POINT{200, 200}));
  screen->onStarved = nullptr;
  EXPECT_EQ(WindowCount(), 1);
}

TEST_F(MenuTest, MenuScreenshot) {
  HWND w = MakeTop(40, 40, 420, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetWindowText(w, u"Menus");
  HMENU m = ThreeItems();
  CheckMenuItem(m, 103, MF_CHECKED);
  SetMenuDefaultItem(m, 101, FALSE);
  HMENU sub = CreatePopupMenu();
  AppendMenu(sub, MF_STRING, 201, u"&Alpha\tF5");
  AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"&More choices");
  bool saved = false;
  screen->onStarved = [&] {
    saved = headless::SaveScreenshot("menu.png");
    headless::Screen().onStarved = nullptr;
    QueueKeys({VK_ESCAPE, VK_ESCAPE});
    return true;
  };
  QueueKeys({'M'});
  Track(m, w);
  EXPECT_TRUE(saved);
  DestroyMenu(m);
}

}  // namespace
}  // namespace wintest
