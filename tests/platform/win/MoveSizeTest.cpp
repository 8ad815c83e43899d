// The move and size loops, context help, the clipboard and the desktop's window
// requests.
#include "WinTestSupport.h"

namespace wintest {
namespace {

class MoveSizeTest : public WinTest {};

RECT Rect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

TEST_F(MoveSizeTest, CaptionDragMovesTheWindowByThePointersDelta) {
  HWND w = MakeTop(100, 100, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  ClearLog();
  headless::MouseMove({300, 115});
  headless::MouseDown({300, 115});
  EXPECT_EQ(GetCapture(), w);
  headless::MouseMove({310, 120});
  EXPECT_EQ(Rect(w), gfx::Bounds(110, 105, 400, 300));
  headless::MouseMove({250, 300});
  headless::MouseUp({250, 300});
  EXPECT_EQ(Rect(w), gfx::Bounds(50, 285, 400, 300));
  EXPECT_EQ(GetCapture(), nullptr);
  std::vector<std::string> seq;
  for (const auto& n : Names(w))
    if (n == "WM_ENTERSIZEMOVE" || n == "WM_MOVING" || n == "WM_EXITSIZEMOVE" || n == "WM_SIZING") seq.push_back(n);
  EXPECT_EQ(seq, (std::vector<std::string>{"WM_ENTERSIZEMOVE", "WM_MOVING", "WM_MOVING", "WM_EXITSIZEMOVE"}));
  EXPECT_EQ(Count(WM_SIZE, w), 0);
  // The pointer is free again: a click lands in the client area.
  ClearLog();
  headless::Click({200, 400});
  EXPECT_EQ(Count(WM_LBUTTONDOWN, w), 1);
}

LRESULT Snap(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_MOVING) {
    auto* r = reinterpret_cast<RECT*>(l);
    *r = gfx::Bounds(r->Left / 50 * 50, r->Top, r->Width(), r->Height());  // a window may change the proposal
  }
  if (m == WM_GETMINMAXINFO) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
    mmi->ptMinTrackSize = {200, 150};
    mmi->ptMaxTrackSize = {500, 400};
  }
  return DefWindowProc(h, m, w, l);
}

TEST_F(MoveSizeTest, BordersSizeWithinTheTrackLimitsAndWindowsMayAdjust) {
  RegisterProc(u"Snap", &Snap, gfx::COLOR_BTNFACE);
  HWND w = CreateWindowEx(0, u"Snap", u"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr,
                          nullptr, nullptr);
  headless::MouseDown({399, 299});  // bottom-right corner
  headless::MouseMove({449, 329});
  EXPECT_EQ(Rect(w), gfx::Bounds(100, 100, 350, 230));
  headless::MouseMove({900, 900});  // the maximum track size holds
  EXPECT_EQ(Rect(w), gfx::Bounds(100, 100, 500, 400));
  headless::MouseUp({900, 900});
  headless::MouseDown({100, 300});  // the left edge: the right edge stays
  headless::MouseMove({500, 300});
  headless::MouseUp({500, 300});
  EXPECT_EQ(Rect(w), gfx::Bounds(400, 100, 200, 400));
  headless::MouseDown({500, 110});  // the caption, snapped by WM_MOVING
  headless::MouseMove({537, 130});
  headless::MouseUp({537, 130});
  EXPECT_EQ(Rect(w), gfx::Bounds(400, 120, 200, 400));
}

LRESULT FixedSize(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_GETMINMAXINFO) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
    mmi->ptMinTrackSize = mmi->ptMaxTrackSize = {670, 585};
  }
  Log().push_back({h, m, w, l});
  return DefWindowProc(h, m, w, l);
}

TEST_F(MoveSizeTest, AWindowWithEqualMinimumAndMaximumRefusesSizing) {
  RegisterProc(u"Fixed", &FixedSize, gfx::COLOR_BTNFACE);
  HWND w = CreateWindowEx(0, u"Fixed", u"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, 10,
                          10, 670, 585, nullptr, nullptr, nullptr, nullptr);
  for (POINT from : {POINT{679, 300}, POINT{12, 12}, POINT{300, 594}}) {
    headless::MouseDown(from);
    headless::MouseMove({from.X + 40, from.Y + 40});
    headless::MouseUp({from.X + 40, from.Y + 40});
    EXPECT_EQ(Rect(w), gfx::Bounds(10, 10, 670, 585));
  }
  EXPECT_EQ(Count(WM_SIZE, w), 1);  // only the one at creation
}

TEST_F(MoveSizeTest, KeyboardMoveAndSizeFromTheSystemCommands) {
  HWND w = MakeTop(100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  SendMessage(w, WM_SYSCOMMAND, SC_MOVE, 0);
  headless::KeyPress(VK_RIGHT);
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Rect(w), gfx::Bounds(108, 108, 300, 200));
  headless::KeyPress(VK_ESCAPE);  // puts it back
  EXPECT_EQ(Rect(w), gfx::Bounds(100, 100, 300, 200));
  SendMessage(w, WM_SYSCOMMAND, SC_SIZE, 0);
  headless::KeyPress(VK_RIGHT);  // picks the right edge
  headless::KeyPress(VK_RIGHT);
  headless::KeyPress(VK_RETURN);
  EXPECT_EQ(Rect(w), gfx::Bounds(100, 100, 316, 200));
  EXPECT_EQ(GetCapture(), nullptr);
  // A maximized window neither moves nor sizes.
  ShowWindow(w, SW_SHOWMAXIMIZED);
  RECT max = Rect(w);
  SendMessage(w, WM_SYSCOMMAND, SC_MOVE, 0);
  headless::KeyPress(VK_RIGHT);
  EXPECT_EQ(Rect(w), max);
}

TEST_F(MoveSizeTest, DestroyingTheWindowEndsTheLoop) {
  HWND w = MakeTop(100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND other = MakeTop(500, 500, 100, 100, WS_POPUP | WS_VISIBLE);
  headless::MouseDown({200, 110});
  DestroyWindow(w);
  ClearLog();
  headless::MouseMove({550, 550});
  headless::Click({550, 550});
  EXPECT_EQ(Count(WM_LBUTTONDOWN, other), 1);
}

LRESULT HelpLog(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_HELP) {
    auto* info = reinterpret_cast<const HELPINFO*>(l);
    Log().push_back({h, m, static_cast<WPARAM>(info->iCtrlId), PointToLParam(info->MousePos)});
    return TRUE;
  }
  return DefWindowProc(h, m, w, l);
}

TEST_F(MoveSizeTest, ContextHelpAsksTheClickedWindow) {
  HWND w =
      MakeTop(0, 0, 300, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP);
  RegisterProc(u"HelpChild", &HelpLog);
  HWND child = CreateWindowEx(0, u"HelpChild", u"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, w,
                              reinterpret_cast<HMENU>(42), nullptr, nullptr);
  headless::Click({260, 12});  // the help button
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HELP));
  ClearLog();
  headless::Click({30, 50});
  ASSERT_EQ(Count(WM_HELP, child), 1);
  auto help = std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_HELP; });
  EXPECT_EQ(help->wParam, 42u);
  EXPECT_EQ(Count(WM_LBUTTONDOWN, child), 0);  // the click asked, it did not click
  SendMessage(w, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
  headless::KeyPress(VK_ESCAPE);
  ClearLog();
  headless::Click({30, 50});
  EXPECT_EQ(Count(WM_HELP, child), 0);
}

TEST_F(MoveSizeTest, ClipboardTextRoundTripAndOwnership) {
  HWND w = MakeTop(0, 0, 100, 100);
  EXPECT_FALSE(SetClipboardText(u"closed"));
  EXPECT_EQ(GetClipboardText(), std::nullopt);
  ASSERT_TRUE(OpenClipboard(w));
  EXPECT_FALSE(OpenClipboard(w));        // one opener at a time
  EXPECT_FALSE(SetClipboardText(u"x"));  // not emptied yet
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_TRUE(SetClipboardText(std::u16string(u"line 1\r\nстрока 2\0tail", 22)));
  EXPECT_TRUE(CloseClipboard());
  EXPECT_EQ(GetClipboardOwner(), w);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardText(), std::u16string(u"line 1\r\nстрока 2"));  // up to the NUL
  CloseClipboard();
  DestroyWindow(w);
  EXPECT_EQ(GetClipboardOwner(), nullptr);
}

InputEvent Request(InputEvent::Kind k, HWND w, POINT pt = {}) {
  InputEvent e;
  e.kind = k;
  e.window = w;
  e.pt = pt;
  return e;
}

TEST_F(MoveSizeTest, DesktopRequestsAboutAWindow) {
  HWND a = MakeTop(0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND b = MakeTop(400, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  EXPECT_EQ(GetActiveWindow(), b);
  screen->Push(Request(InputEvent::Kind::Activate, a));
  RunUntilIdle();
  EXPECT_EQ(GetActiveWindow(), a);
  screen->Push(Request(InputEvent::Kind::Moved, a, {20, 30}));
  RunUntilIdle();
  EXPECT_EQ(Rect(a), gfx::Bounds(20, 30, 300, 200));
  screen->Push(Request(InputEvent::Kind::Minimize, b));
  screen->Push(Request(InputEvent::Kind::Restore, b));
  RunUntilIdle();
  EXPECT_FALSE(IsIconic(b));
  ClearLog();
  screen->Push(Request(InputEvent::Kind::Deactivate, nullptr));
  RunUntilIdle();
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(Count(WM_ACTIVATEAPP, a), 1);
  screen->Push(Request(InputEvent::Kind::Close, b));
  RunUntilIdle();
  EXPECT_EQ(Count(WM_SYSCOMMAND, b), 1);
  EXPECT_FALSE(IsWindow(b));
  // A window disabled by a modal loop hands the request to its modal window.
  HWND modal = MakeTop(50, 50, 100, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, a);
  EnableWindow(a, FALSE);
  screen->Push(Request(InputEvent::Kind::Close, a));
  RunUntilIdle();
  EXPECT_TRUE(IsWindow(a));
  EXPECT_EQ(GetActiveWindow(), modal);
}

}  // namespace
}  // namespace wintest
