// The classic frame: hit codes of every part for each border style, title buttons
// (press, hover, release outside, disabled), double clicks, system commands and icons.
#include "platform/gfx/Surface.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

class FrameTest : public WinTest {};

int Hit(HWND w, int x, int y) {
  RECT r;
  GetWindowRect(w, &r);
  return static_cast<int>(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Left + x, r.Top + y})));
}

struct Probe {
  int x, y, code;
};

void ExpectHits(HWND w, const std::vector<Probe>& probes, const char* what) {
  for (const Probe& p : probes) EXPECT_EQ(Hit(w, p.x, p.y), p.code) << what << " at " << p.x << "," << p.y;
}

TEST_F(FrameTest, HitCodesOfEveryFramePartForEachBorderStyle) {
  // Sizing frame 8, caption 23 (rows 8..30), buttons 20 x 18 two pixels in from the band.
  HWND sizeable = MakeTop(100, 100, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ExpectHits(sizeable,
             {{0, 0, HTTOPLEFT},
              {3, 20, HTTOPLEFT},
              {20, 3, HTTOPLEFT},
              {200, 3, HTTOP},
              {396, 3, HTTOPRIGHT},
              {3, 150, HTLEFT},
              {396, 150, HTRIGHT},
              {3, 296, HTBOTTOMLEFT},
              {200, 296, HTBOTTOM},
              {399, 299, HTBOTTOMRIGHT},
              {12, 18, HTSYSMENU},
              {200, 18, HTCAPTION},
              {380, 18, HTCLOSE},
              {380, 9, HTCLOSE},
              {369, 18, HTCAPTION},
              {358, 18, HTMAXBUTTON},
              {338, 18, HTMINBUTTON},
              {200, 150, HTCLIENT},
              {400, 150, HTNOWHERE}},
             "sizeable");

  // A dialog frame: 3 pixels, no icon, only the close button.
  HWND dialog = MakeTop(0, 0, 300, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME);
  ExpectHits(dialog,
             {{1, 50, HTBORDER},
              {150, 1, HTBORDER},
              {5, 12, HTCAPTION},
              {285, 12, HTCLOSE},
              {250, 12, HTCAPTION},
              {150, 100, HTCLIENT}},
             "dialog");

  // A fixed single frame with the system menu: icon and close, no sizing.
  HWND single = MakeTop(0, 0, 300, 200, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  ExpectHits(single,
             {{0, 0, HTBORDER}, {1, 100, HTBORDER}, {8, 12, HTSYSMENU}, {285, 12, HTCLOSE}, {150, 12, HTCAPTION}},
             "single");

  HWND thin = MakeTop(0, 0, 100, 100, WS_POPUP | WS_BORDER | WS_VISIBLE);
  ExpectHits(thin, {{0, 50, HTBORDER}, {99, 99, HTBORDER}, {1, 1, HTCLIENT}}, "thin");

  HWND none = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  ExpectHits(none, {{0, 0, HTCLIENT}, {99, 99, HTCLIENT}}, "none");

  // A tool window: a small caption (17) with a small close button and no icon.
  HWND tool =
      MakeTop(0, 0, 200, 150, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, WS_EX_TOOLWINDOW);
  ExpectHits(tool,
             {{12, 15, HTCAPTION}, {185, 15, HTCLOSE}, {170, 15, HTCAPTION}, {100, 28, HTCLIENT}, {2, 75, HTLEFT}},
             "tool");

  HWND help =
      MakeTop(0, 0, 300, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP);
  ExpectHits(help, {{285, 12, HTCLOSE}, {260, 12, HTHELP}}, "help");

  // Maximized: the border no longer sizes. Minimized: all caption.
  ShowWindow(sizeable, SW_SHOWMAXIMIZED);
  ExpectHits(sizeable, {{3, 150, HTBORDER}}, "maximized");
  ShowWindow(sizeable, SW_MINIMIZE);
  EXPECT_EQ(Hit(sizeable, 5, 5), HTCAPTION);
}

// The top-left pixel of a title button: white when raised, dark grey when pressed.
gfx::TColor ButtonCorner(HWND w, int x, int y) {
  gfx::PixelBuffer pic = headless::CaptureWindow(w);
  std::uint32_t p = pic.Row32(y)[x];
  return gfx::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TEST_F(FrameTest, TitleButtonPressHoverAndReleaseOutside) {
  HWND w = MakeTop(0, 0, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  const gfx::TColor raised = gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT);
  const gfx::TColor sunken = gfx::GetSysColor(gfx::COLOR_3DDKSHADOW);
  POINT close{380, 18}, away{200, 150};
  ClearLog();
  headless::MouseMove(close);  // hovering alone changes nothing
  EXPECT_EQ(ButtonCorner(w, 370, 10), raised);
  EXPECT_EQ(Count(WM_NCMOUSEMOVE, w), 1);
  headless::MouseDown(close);
  EXPECT_EQ(ButtonCorner(w, 370, 10), sunken);
  EXPECT_EQ(GetCapture(), w);
  headless::MouseMove(away);  // leaving the button while held shows it raised
  EXPECT_EQ(ButtonCorner(w, 370, 10), raised);
  headless::MouseMove(close);  // and coming back shows it pressed again
  EXPECT_EQ(ButtonCorner(w, 370, 10), sunken);
  headless::MouseMove(away);
  headless::MouseUp(away);  // released elsewhere: nothing happens
  EXPECT_EQ(Count(WM_SYSCOMMAND, w), 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(ButtonCorner(w, 370, 10), raised);
  EXPECT_TRUE(IsWindow(w));

  headless::Click({358, 18});  // maximize, then the same button restores
  EXPECT_TRUE(IsZoomed(w));
  RECT r;
  GetWindowRect(w, &r);
  headless::Click({r.Left + r.Width() - 8 - 2 - 20 - 2 - 10, r.Top + 18});
  EXPECT_FALSE(IsZoomed(w));
  headless::Click({338, 18});
  EXPECT_TRUE(IsIconic(w));
  ShowWindow(w, SW_RESTORE);
  ClearLog();
  headless::Click(close);
  EXPECT_EQ(Count(WM_SYSCOMMAND, w), 1);
  EXPECT_EQ(Count(WM_CLOSE, w), 1);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(FrameTest, UnavailableButtonsDoNothingAndLookDisabled) {
  HWND w = MakeTop(0, 0, 400, 300, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
  RunUntilIdle();
  ClearLog();
  headless::Click({358, 15});  // maximize without its box
  EXPECT_FALSE(IsZoomed(w));
  EXPECT_EQ(Count(WM_SYSCOMMAND, w), 0);
  // Greying the close entry of the system menu disables the close button and Alt+F4.
  EnableMenuItem(GetSystemMenu(w, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  RunUntilIdle();
  headless::Click({385, 15});
  headless::KeyDown(VK_MENU);
  headless::KeyPress(VK_F4);
  headless::KeyUp(VK_MENU);
  EXPECT_TRUE(IsWindow(w));
  EXPECT_EQ(Count(WM_CLOSE, w), 0);
  // The close glyph is drawn etched in the grey text colour.
  gfx::PixelBuffer pic = headless::CaptureWindow(w);
  bool grey = false;
  for (int y = 5; y < 23; ++y)
    for (int x = 374; x < 394; ++x)
      if ((pic.Row32(y)[x] & 0xFFFFFF) == 0x808080) grey = true;
  EXPECT_TRUE(grey);
  GetSystemMenu(w, TRUE);  // reverting restores the close entry
  headless::Click({385, 15});
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(FrameTest, DoubleClicksMaximizeRestoreAndCloseByTheIcon) {
  HWND w = MakeTop(0, 0, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  headless::DoubleClick({200, 18});
  EXPECT_TRUE(IsZoomed(w));
  headless::DoubleClick({200, 18});
  EXPECT_FALSE(IsZoomed(w));
  HWND fixed = MakeTop(0, 0, 400, 300, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
  headless::DoubleClick({200, 18});
  EXPECT_FALSE(IsZoomed(fixed));
  {
    // The first click opens the system menu; the second, on the icon, closes.
    headless::Batch batch;
    headless::DoubleClick({14, 18});
  }
  EXPECT_FALSE(IsWindow(fixed));
  EXPECT_TRUE(IsWindow(w));
}

LRESULT VetoSysCommand(int code, WPARAM, LPARAM) { return code == HCBT_SYSCOMMAND ? 1 : 0; }

TEST_F(FrameTest, SystemCommandsAndTheirHook) {
  HWND w = MakeTop(0, 0, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SendMessage(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(w));
  SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(w));
  SendMessage(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(w));
  SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(w));
  HHOOK hook = SetWindowsHookEx(WH_CBT, &VetoSysCommand, nullptr, GetCurrentThreadId());
  SendMessage(w, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(w));
  UnhookWindowsHookEx(hook);
  ClearLog();
  SendMessage(w, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(Names(w)[1], "WM_CLOSE");
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(FrameTest, CaptionShowsTheSmallIconOrTheDefaultOne) {
  HWND w = MakeTop(0, 0, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  // The default application icon: a dark outline with a caption band inside.
  EXPECT_EQ(ButtonCorner(w, 10, 12), gfx::RGB(64, 64, 64));
  gfx::PixelBuffer red(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) red.Row32(y)[x] = 0xFFFF0000u;
  HICON icon = CreateIconFromPixels(red.View());
  EXPECT_EQ(SendMessage(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)), 0);
  EXPECT_EQ(SendMessage(w, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(icon));
  RunUntilIdle();
  EXPECT_EQ(ButtonCorner(w, 12, 15), gfx::RGB(255, 0, 0));
  EXPECT_EQ(GetIconSize(icon), (SIZE{16, 16}));
  DestroyWindow(w);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
}

TEST_F(FrameTest, FrameStylesScreenshot) {
  SetWindowText(MakeTop(20, 20, 360, 220, WS_OVERLAPPEDWINDOW | WS_VISIBLE), u"Sizeable window — Пеллимир");
  HWND dlg = MakeTop(400, 20, 300, 160, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                     WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP);
  SetWindowText(dlg, u"Dialog frame with help");
  HWND tool = MakeTop(400, 200, 200, 120, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE,
                      WS_EX_TOOLWINDOW);
  SetWindowText(tool, u"Tool window");
  HWND fixed = MakeTop(20, 260, 360, 160, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
  SetWindowText(fixed, u"A fixed window whose caption is far too long to fit in its band");
  SetActiveWindow(fixed);
  RunUntilIdle();
  EXPECT_TRUE(headless::SaveScreenshot("frame-styles.png"));
}

}  // namespace
}  // namespace wintest
