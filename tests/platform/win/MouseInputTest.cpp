// Mouse input: hit testing through children and regions, capture, mouse-leave tracking,
// double clicks, wheel, cursor and activation by click.
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

class MouseInputTest : public WinTest {};

LRESULT TransparentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_NCHITTEST) return HTTRANSPARENT;
  Log().push_back({h, m, w, l});
  return DefWindowProc(h, m, w, l);
}

TEST_F(MouseInputTest, HitTestingWalksNestedChildrenRegionsAndTransparency) {
  HWND top = MakeTop(100, 100, 400, 300, WS_POPUP | WS_VISIBLE);
  HWND panel = MakeChild(top, 50, 50, 200, 150);
  HWND button = MakeChild(panel, 10, 10, 80, 30);
  HWND round = MakeChild(top, 300, 50, 60, 60);
  SetWindowRegion(round, gfx::Region::Ellipse({0, 0, 60, 60}), TRUE);
  ClearLog();
  headless::Click({100 + 50 + 10 + 5, 100 + 50 + 10 + 5});
  EXPECT_EQ(Count(WM_LBUTTONDOWN, button), 1);
  EXPECT_EQ(Count(WM_LBUTTONDOWN, panel), 0);
  auto down = std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_LBUTTONDOWN; });
  EXPECT_EQ(LParamToPoint(down->lParam), (POINT{5, 5}));  // client coordinates of the button
  EXPECT_EQ(down->wParam, MK_LBUTTON);
  ClearLog();
  headless::Click({100 + 300 + 2, 100 + 50 + 2});  // corner of the ellipse's box: outside the region
  EXPECT_EQ(Count(WM_LBUTTONDOWN, round), 0);
  EXPECT_EQ(Count(WM_LBUTTONDOWN, top), 1);
  ClearLog();
  headless::Click({100 + 330, 100 + 80});  // its middle
  EXPECT_EQ(Count(WM_LBUTTONDOWN, round), 1);

  RegisterProc(u"Glass", &TransparentProc);
  HWND glass = CreateWindowEx(0, u"Glass", u"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, top, nullptr, nullptr, nullptr);
  SetWindowPos(glass, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ClearLog();
  headless::Click({100 + 50 + 10 + 5, 100 + 50 + 10 + 5});
  EXPECT_EQ(Count(WM_LBUTTONDOWN, glass), 0);
  EXPECT_EQ(Count(WM_LBUTTONDOWN, button), 1);
}

TEST_F(MouseInputTest, DisabledChildPassesClicksToItsParent) {
  HWND top = MakeTop(0, 0, 300, 300, WS_POPUP | WS_VISIBLE);
  HWND c = MakeChild(top, 10, 10, 50, 50);
  EnableWindow(c, FALSE);
  ClearLog();
  headless::Click({20, 20});
  EXPECT_EQ(Count(WM_LBUTTONDOWN, c), 0);
  EXPECT_EQ(Count(WM_LBUTTONDOWN, top), 1);
}

TEST_F(MouseInputTest, NonClientClicksCarryHitCodeAndScreenPoint) {
  HWND w = MakeTop(0, 0, 670, 585, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
  ClearLog();
  headless::Click({300, 15});
  auto nc = std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_NCLBUTTONDOWN; });
  ASSERT_NE(nc, Log().end());
  EXPECT_EQ(nc->hwnd, w);
  EXPECT_EQ(nc->wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(LParamToPoint(nc->lParam), (POINT{300, 15}));
  EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({2, 300})), HTLEFT);
  EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({669, 584})), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({20, 40})), HTCLIENT);
  EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({800, 40})), HTNOWHERE);
}

TEST_F(MouseInputTest, CaptureRoutesEverythingToTheCapturerUntilReleased) {
  HWND top = MakeTop(0, 0, 300, 300, WS_POPUP | WS_VISIBLE);
  HWND a = MakeChild(top, 0, 0, 100, 100);
  HWND b = MakeChild(top, 150, 0, 100, 100);
  SetCapture(a);
  ClearLog();
  headless::MouseMove({200, 50});
  headless::MouseMove({500, 500});  // even outside every window
  ASSERT_EQ(Count(WM_MOUSEMOVE, a), 2);
  EXPECT_EQ(Count(WM_MOUSEMOVE, b), 0);
  EXPECT_EQ(LParamToPoint(Log().back().lParam), (POINT{500, 500}));
  ClearLog();
  SetCapture(b);
  ASSERT_EQ(Names(a), (Seq{"WM_CAPTURECHANGED"}));
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[0].lParam), b);
  ClearLog();
  ReleaseCapture();
  EXPECT_EQ(Names(b), (Seq{"WM_CAPTURECHANGED"}));
  EXPECT_EQ(GetCapture(), nullptr);
  DestroyWindow(top);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseInputTest, MouseLeaveFiresOnceWhenThePointerLeaves) {
  HWND top = MakeTop(0, 0, 300, 300, WS_POPUP | WS_VISIBLE);
  HWND c = MakeChild(top, 10, 10, 100, 100);
  headless::MouseMove({50, 50});
  TRACKMOUSEEVENT tme{sizeof(TRACKMOUSEEVENT), TME_LEAVE, c, 0};
  ASSERT_TRUE(TrackMouseEvent(&tme));
  ClearLog();
  headless::MouseMove({60, 60});
  EXPECT_EQ(Count(WM_MOUSELEAVE, c), 0);
  headless::MouseMove({200, 200});
  EXPECT_EQ(Count(WM_MOUSELEAVE, c), 1);
  headless::MouseMove({50, 50});
  headless::MouseMove({200, 200});
  EXPECT_EQ(Count(WM_MOUSELEAVE, c), 1);  // tracking ended with the message
  // Asking while outside answers at once.
  TrackMouseEvent(&tme);
  RunUntilIdle();
  EXPECT_EQ(Count(WM_MOUSELEAVE, c), 2);
}

TEST_F(MouseInputTest, NonClientLeaveTracksTheFrameOnly) {
  HWND w = MakeTop(0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  headless::MouseMove({150, 10});  // caption
  TRACKMOUSEEVENT tme{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, w, 0};
  TrackMouseEvent(&tme);
  ClearLog();
  headless::MouseMove({150, 100});  // into the client area: the frame was left
  EXPECT_EQ(Count(WM_NCMOUSELEAVE, w), 1);
  EXPECT_EQ(Count(WM_MOUSELEAVE, w), 0);
}

TEST_F(MouseInputTest, HoverFiresAfterTheHoverTime) {
  HWND w = MakeTop(0, 0, 300, 200, WS_POPUP | WS_VISIBLE);
  headless::MouseMove({50, 50});
  TRACKMOUSEEVENT tme{sizeof(TRACKMOUSEEVENT), TME_HOVER, w, 100};
  TrackMouseEvent(&tme);
  ClearLog();
  headless::AdvanceTime(99);
  EXPECT_EQ(Count(WM_MOUSEHOVER, w), 0);
  headless::AdvanceTime(1);
  ASSERT_EQ(Count(WM_MOUSEHOVER, w), 1);
  EXPECT_EQ(LParamToPoint(Log().back().lParam), (POINT{50, 50}));
}

TEST_F(MouseInputTest, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND top = MakeTop(0, 0, 300, 300, WS_POPUP | WS_VISIBLE);
  HWND dbl = MakeChild(top, 0, 0, 100, 100, WS_CHILD | WS_VISIBLE, 0, CS_DBLCLKS);
  HWND plain = MakeChild(top, 150, 0, 100, 100);
  RunUntilIdle();
  ClearLog();
  headless::Click({50, 50});
  screen->Advance(GetDoubleClickTime());
  headless::Click({52, 51});  // within the 4 x 4 box and the time
  EXPECT_EQ(Names(dbl), (Seq{"WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK", "WM_LBUTTONUP"}));
  ClearLog();
  headless::Click({50, 50});  // a third click starts over
  EXPECT_EQ(Count(WM_LBUTTONDOWN, dbl), 1);
  screen->Advance(GetDoubleClickTime() + 1);
  headless::Click({50, 50});  // too late
  EXPECT_EQ(Count(WM_LBUTTONDBLCLK, dbl), 0);
  headless::Click({53, 50});  // too far
  EXPECT_EQ(Count(WM_LBUTTONDBLCLK, dbl), 0);
  ClearLog();
  headless::DoubleClick({200, 50});
  EXPECT_EQ(Count(WM_LBUTTONDBLCLK, plain), 0);  // no CS_DBLCLKS: two plain clicks
  EXPECT_EQ(Count(WM_LBUTTONDOWN, plain), 2);
  HWND framed = MakeTop(400, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ClearLog();
  headless::DoubleClick({550, 12});  // the frame double-clicks without the class style
  EXPECT_EQ(Count(WM_NCLBUTTONDBLCLK, framed), 1);
}

TEST_F(MouseInputTest, WheelGoesToThePointedWindowAndBubblesToParents) {
  HWND top = MakeTop(0, 0, 300, 300, WS_POPUP | WS_VISIBLE);
  HWND c = MakeChild(top, 0, 0, 100, 100);
  ClearLog();
  headless::Wheel({50, 50}, -120);
  ASSERT_EQ(Count(WM_MOUSEWHEEL, c), 1);
  EXPECT_EQ(Count(WM_MOUSEWHEEL, top), 1);  // the child passed it on
  auto wheel = std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_MOUSEWHEEL; });
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel->wParam), -120);
}

TEST_F(MouseInputTest, CursorFollowsHitCodesAndClassCursor) {
  HWND w = MakeTop(0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND c = MakeChild(w, 10, 10, 50, 50);
  SetClassLongPtr(c, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursor(nullptr, IDC_HAND)));
  headless::MouseMove({30, 50});
  EXPECT_EQ(screen->Cursor(), IDC_HAND);
  headless::MouseMove({2, 100});
  EXPECT_EQ(screen->Cursor(), IDC_SIZEWE);
  headless::MouseMove({150, 198});
  EXPECT_EQ(screen->Cursor(), IDC_SIZENS);
  SetClassLongPtr(c, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursor(nullptr, IDC_ARROW)));
}

TEST_F(MouseInputTest, ClickActivatesAnInactiveWindow) {
  HWND a = MakeTop(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND b = MakeTop(300, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  ASSERT_EQ(GetActiveWindow(), b);
  ClearLog();
  headless::Click({50, 50});
  EXPECT_EQ(GetActiveWindow(), a);
  auto act = std::find_if(Log().begin(), Log().end(), [&](auto& l) { return l.hwnd == a && l.msg == WM_ACTIVATE; });
  ASSERT_NE(act, Log().end());
  EXPECT_EQ(LOWORD(act->wParam), WA_CLICKACTIVE);
  auto ma = std::find_if(Log().begin(), Log().end(), [&](auto& l) { return l.msg == WM_MOUSEACTIVATE; });
  EXPECT_LT(ma - Log().begin(), act - Log().begin());
}

}  // namespace
}  // namespace wintest
