// Placement: SetWindowPos and its messages, frame metrics, size limits, z-order, showing,
// coordinate mapping.
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

class PlacementTest : public WinTest {};

TEST_F(PlacementTest, SizeableCaptionedFrameTurnsClient654x546Into670x585) {
  RECT r{0, 0, 654, 546};
  ASSERT_TRUE(AdjustWindowRectEx(&r, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, FALSE, 0));
  EXPECT_EQ(r.Width(), 670);
  EXPECT_EQ(r.Height(), 585);
  HWND w = MakeTop(0, 0, 670, 585, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
  RECT c;
  GetClientRect(w, &c);
  EXPECT_EQ(c, (RECT{0, 0, 654, 546}));
  POINT p{0, 0};
  ClientToScreen(w, &p);
  EXPECT_EQ(p, (POINT{8, 31}));
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER), 8);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 23);
  EXPECT_FALSE(IsCompositionEnabled());
  // The headless screen composes layered windows wherever they lie.
  EXPECT_TRUE(PerPixelAlphaWindowsAvailable());
}

TEST_F(PlacementTest, OtherFramesFollowTheirStyles) {
  RECT r{0, 0, 100, 100};
  AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION, FALSE, 0);  // fixed dialog frame
  EXPECT_EQ(r, (RECT{-3, -26, 103, 103}));
  r = {0, 0, 100, 100};
  AdjustWindowRectEx(&r, WS_CHILD | WS_BORDER, FALSE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(r, (RECT{-3, -3, 103, 103}));
  HWND top = MakeTop(0, 0, 300, 300);
  HWND memo = MakeChild(top, 10, 10, 100, 80, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  GetClientRect(memo, &r);
  EXPECT_EQ(r, (RECT{0, 0, 100 - 17, 80}));
}

TEST_F(PlacementTest, SetWindowPosSendsChangingCalcSizeChangedMoveSize) {
  HWND w = MakeTop(0, 0, 200, 100, WS_POPUP | WS_VISIBLE);
  ClearLog();
  SetWindowPos(w, nullptr, 5, 6, 220, 110, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Names(w), (Seq{"WM_WINDOWPOSCHANGING", "WM_NCCALCSIZE", "WM_WINDOWPOSCHANGED", "WM_MOVE", "WM_SIZE"}));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{5, 6, 225, 116}));
  ClearLog();
  SetWindowPos(w, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Names(w), (Seq{"WM_WINDOWPOSCHANGING", "WM_NCCALCSIZE", "WM_WINDOWPOSCHANGED", "WM_MOVE"}));
  ClearLog();
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_EQ(Names(w), (Seq{"WM_WINDOWPOSCHANGING", "WM_NCCALCSIZE", "WM_WINDOWPOSCHANGED"}));
}

struct FixedSize {
  static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_GETMINMAXINFO) {
      auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
      mmi->ptMinTrackSize = mmi->ptMaxTrackSize = {670, 585};
      return 0;
    }
    if (m == WM_WINDOWPOSCHANGING) {
      auto* wp = reinterpret_cast<WINDOWPOS*>(l);
      if (!(wp->flags & SWP_NOMOVE)) wp->x = std::max(wp->x, 0);  // a procedure may change the request
    }
    return DefWindowProc(h, m, w, l);
  }
};

TEST_F(PlacementTest, MinMaxInfoFixesTheSizeAndChangingMayAlterTheRequest) {
  RegisterProc(u"Fixed", &FixedSize::Proc);
  HWND w = CreateWindowEx(0, u"Fixed", u"", WS_OVERLAPPEDWINDOW, 0, 0, 500, 500, nullptr, nullptr, nullptr, nullptr);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{0, 0, 670, 585}));
  SetWindowPos(w, nullptr, -30, 10, 900, 900, SWP_NOZORDER);
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{0, 10, 670, 595}));
}

TEST_F(PlacementTest, ZOrderTopmostAndOwnedWindows) {
  HWND a = MakeTop(0, 0, 50, 50);
  HWND b = MakeTop(0, 0, 50, 50);
  EXPECT_EQ(GetTopWindow(nullptr), b);
  HWND t = MakeTop(0, 0, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
  BringWindowToTop(a);
  EXPECT_EQ(GetTopWindow(nullptr), t);  // topmost stays in front
  EXPECT_EQ(GetWindow(t, GW_HWNDNEXT), a);
  HWND owned = MakeTop(0, 0, 20, 20, WS_POPUP | WS_VISIBLE, 0, b);
  BringWindowToTop(b);
  EXPECT_EQ(GetWindow(t, GW_HWNDNEXT), owned);  // owned windows stay above their owner
  EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), b);
  SetWindowPos(t, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_FALSE(GetWindowLongPtr(t, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(t, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(GetTopWindow(nullptr), GW_HWNDLAST), t);
}

TEST_F(PlacementTest, ChildrenListInCreationOrderAndEnumerateDepthFirst) {
  HWND top = MakeTop(0, 0, 200, 200);
  HWND a = MakeChild(top, 0, 0, 10, 10, WS_CHILD | WS_VISIBLE, 1);
  HWND a1 = MakeChild(a, 0, 0, 5, 5, WS_CHILD | WS_VISIBLE, 11);
  HWND b = MakeChild(top, 0, 0, 10, 10, WS_CHILD | WS_VISIBLE, 2);
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
  std::vector<HWND> seen;
  EnumChildWindows(
      top,
      [](HWND h, LPARAM p) {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  EXPECT_EQ(seen, (std::vector<HWND>{a, a1, b}));
  EXPECT_TRUE(IsChild(top, a1));
  EXPECT_FALSE(IsChild(a1, top));
  EXPECT_EQ(GetAncestor(a1, GA_ROOT), top);
}

TEST_F(PlacementTest, ShowAndHideSendShowWindowAndHidingMovesActivationToOwner) {
  HWND owner = MakeTop(0, 0, 100, 100);
  HWND popup = MakeTop(10, 10, 50, 50, WS_POPUP | WS_CAPTION, 0, owner);
  ClearLog();
  ShowWindow(popup, SW_SHOW);
  EXPECT_EQ(Names(popup), (Seq{"WM_SHOWWINDOW", "WM_WINDOWPOSCHANGING", "WM_NCACTIVATE", "WM_ACTIVATE", "WM_SETFOCUS",
                               "WM_WINDOWPOSCHANGED"}));
  EXPECT_EQ(GetActiveWindow(), popup);
  ClearLog();
  ShowWindow(popup, SW_HIDE);
  EXPECT_EQ(Names(popup), (Seq{"WM_SHOWWINDOW", "WM_WINDOWPOSCHANGING", "WM_WINDOWPOSCHANGED", "WM_NCACTIVATE",
                               "WM_ACTIVATE", "WM_KILLFOCUS"}));
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_FALSE(IsWindowVisible(popup));
}

TEST_F(PlacementTest, MapsPointsBetweenClientAreasAndScreen) {
  HWND top = MakeTop(100, 50, 300, 200, WS_POPUP | WS_BORDER | WS_VISIBLE);
  HWND c = MakeChild(top, 10, 20, 50, 50, WS_CHILD | WS_VISIBLE | WS_BORDER);
  POINT p{0, 0};
  ClientToScreen(c, &p);
  EXPECT_EQ(p, (POINT{100 + 1 + 10 + 1, 50 + 1 + 20 + 1}));
  ScreenToClient(top, &p);
  EXPECT_EQ(p, (POINT{11, 21}));
  POINT q{5, 5};
  MapWindowPoints(c, top, &q, 1);
  EXPECT_EQ(q, (POINT{16, 26}));
  RECT r;
  GetWindowRect(c, &r);
  EXPECT_EQ(r, (RECT{111, 71, 161, 121}));
  EXPECT_EQ(ChildWindowFromPoint(top, {15, 25}), c);
  EXPECT_EQ(ChildWindowFromPoint(top, {200, 150}), top);
  EXPECT_EQ(WindowFromPoint({120, 80}), c);
}

TEST_F(PlacementTest, MaximizeUsesMinMaxInfoAndRestoreReturns) {
  HWND w = MakeTop(10, 10, 300, 200);
  ClearLog();
  ShowWindow(w, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(w));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{-8, -8, 1280 + 8, 1024 + 8}));
  auto it = std::find_if(Log().begin(), Log().end(), [&](auto& l) { return l.hwnd == w && l.msg == WM_SIZE; });
  ASSERT_NE(it, Log().end());
  EXPECT_EQ(it->wParam, SIZE_MAXIMIZED);
  ShowWindow(w, SW_RESTORE);
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{10, 10, 310, 210}));
  EXPECT_FALSE(IsZoomed(w));
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

TEST_F(PlacementTest, HugeAndNegativeSizesAreSafe) {
  HWND w = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  SetWindowPos(w, nullptr, -50, -50, 100000, 100000, SWP_NOZORDER);
  RunUntilIdle();
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Width(), 100000);
  EXPECT_EQ(ScreenPixel(10, 10), gfx::GetSysColor(gfx::COLOR_BTNFACE));
  SetWindowPos(w, nullptr, 0, 0, -5, -7, SWP_NOZORDER);
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{0, 0, 0, 0}));
  RunUntilIdle();
}

}  // namespace
}  // namespace wintest
