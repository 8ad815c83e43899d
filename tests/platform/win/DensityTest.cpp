// The window system at the screen's density: the metrics table and its rounding, the
// classic frame's geometry and caption font, the frame's scroll bars and the menus, each
// at 96 dots per inch (the pinned classic values) and at 144.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/gfx/Font.h"
#include "platform/gfx/FontFace.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

class DensityTest : public WinTest {
 protected:
  void StartAt(int dpi) { screen = &headless::Start({{1280, 1024}, dpi}); }
};

struct Metric {
  int index, at96, at144;
};

// The classic sizes at 96, and at 144 half as large again, rounded to the nearest pixel
// with halves up; lines the classic look draws one or two pixels wide keep their width.
const Metric kMetrics[] = {
    {SM_CYCAPTION, 23, 35},
    {SM_CYSMCAPTION, 17, 26},
    {SM_CXFRAME, 4, 6},
    {SM_CYFRAME, 4, 6},
    {SM_CXPADDEDBORDER, 4, 6},
    {SM_CXFIXEDFRAME, 3, 5},
    {SM_CXSIZE, 22, 33},
    {SM_CYSIZE, 22, 33},
    {SM_CXSMSIZE, 16, 24},
    {SM_CXVSCROLL, 17, 26},
    {SM_CYHSCROLL, 17, 26},
    {SM_CXHTHUMB, 17, 26},
    {SM_CXSMICON, 16, 24},
    {SM_CXICON, 32, 48},
    {SM_CYMENU, 20, 30},
    {SM_CXMENUCHECK, 13, 20},
    {SM_CXMINTRACK, 136, 204},
    {SM_CYMINTRACK, 39, 59},
    {SM_CXDRAG, 4, 6},
    {SM_CXBORDER, 1, 1},
    {SM_CYBORDER, 1, 1},
    {SM_CXEDGE, 2, 2},
    {SM_CYEDGE, 2, 2},
    {SM_CXFOCUSBORDER, 1, 1},
    {SM_CMOUSEBUTTONS, 3, 3},
    {SM_MOUSEPRESENT, 1, 1},
    {SM_CXSCREEN, 1280, 1280},
    {SM_CYSCREEN, 1024, 1024},
    {SM_CXMAXIMIZED, 1296, 1304},
    {SM_CYFULLSCREEN, 1001, 989},
};

TEST_F(DensityTest, MetricsFollowTheScreenDensity) {
  for (const Metric& m : kMetrics) {
    EXPECT_EQ(GetSystemMetrics(m.index), m.at96) << "metric " << m.index << " at 96";
    EXPECT_EQ(GetSystemMetricsForDpi(m.index, 144), m.at144) << "metric " << m.index << " for 144 at 96";
  }
  StartAt(144);
  EXPECT_EQ(GetDpiForSystem(), 144u);
  for (const Metric& m : kMetrics) {
    EXPECT_EQ(GetSystemMetrics(m.index), m.at144) << "metric " << m.index << " at 144";
    EXPECT_EQ(GetSystemMetricsForDpi(m.index, 96), m.at96) << "metric " << m.index << " for 96 at 144";
  }
  // No density counts as 96.
  EXPECT_EQ(GetSystemMetricsForDpi(SM_CYCAPTION, 0), 23);
}

TEST_F(DensityTest, ScaleForDpiRoundsHalvesAwayFromZero) {
  EXPECT_EQ(ScaleForDpi(23, 96), 23);
  EXPECT_EQ(ScaleForDpi(23, 144), 35);  // 34.5
  EXPECT_EQ(ScaleForDpi(3, 144), 5);    // 4.5
  EXPECT_EQ(ScaleForDpi(2, 120), 3);    // 2.5
  EXPECT_EQ(ScaleForDpi(1, 120), 1);    // 1.25
  EXPECT_EQ(ScaleForDpi(11, 120), 14);  // 13.75
  EXPECT_EQ(ScaleForDpi(-3, 144), -5);
  EXPECT_EQ(ScaleForDpi(0, 144), 0);
  EXPECT_EQ(ScaleForDpi(17, 0), 17);
  EXPECT_EQ(ScaleForDpi(17, 192), 34);
  EXPECT_EQ(ScaleForDpi(1 << 24, 960), 10 << 24);  // no overflow on the way
}

TEST_F(DensityTest, MenuFontIsTheCaptionFontAtNormalWeight) {
  for (UINT dpi : {96u, 120u, 144u, 192u}) {
    gfx::FontDesc menu = GetMenuFont(dpi), caption = GetCaptionFont(dpi);
    EXPECT_EQ(menu.face, u"Tahoma");
    EXPECT_EQ(menu.weight, gfx::FW_NORMAL);
    EXPECT_EQ(caption.weight, gfx::FW_BOLD);
    EXPECT_EQ(menu.height, caption.height) << dpi;
    EXPECT_EQ(menu.height, -ScaleForDpi(11, dpi));
  }
}

// The client origin and size a sizeable captioned window gets from its frame.
struct Placement {
  POINT origin;
  RECT client;
};
Placement PlacementOf(HWND w) {
  RECT wr, c;
  GetWindowRect(w, &wr);
  GetClientRect(w, &c);
  POINT o{0, 0};
  ClientToScreen(w, &o);
  return {{o.X - wr.Left, o.Y - wr.Top}, c};
}

int Hit(HWND w, int x, int y) {
  RECT r;
  GetWindowRect(w, &r);
  return static_cast<int>(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({r.Left + x, r.Top + y})));
}

TEST_F(DensityTest, FrameGeometryAt96And144) {
  // At 96: frame 8, caption 23; the main window's 654 x 546 client is 670 x 585 outside.
  HWND w = MakeTop(0, 0, 670, 585, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Placement p = PlacementOf(w);
  EXPECT_EQ(p.origin, (POINT{8, 31}));
  EXPECT_EQ(p.client, (RECT{0, 0, 654, 546}));
  EXPECT_EQ(Hit(w, 650, 20), HTCLOSE);
  EXPECT_EQ(Hit(w, 300, 29), HTCAPTION);
  EXPECT_EQ(Hit(w, 300, 32), HTCLIENT);

  StartAt(144);
  // At 144: frame 6 + 6, caption 35; buttons 31 x 29 two pixels in from the band.
  w = MakeTop(0, 0, 670, 585, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  p = PlacementOf(w);
  EXPECT_EQ(p.origin, (POINT{12, 47}));
  EXPECT_EQ(p.client, (RECT{0, 0, 646, 526}));
  RECT adjusted{0, 0, 646, 526};
  AdjustWindowRectEx(&adjusted, WS_OVERLAPPEDWINDOW, FALSE, 0);
  EXPECT_EQ(adjusted, (RECT{-12, -47, 658, 538}));
  EXPECT_EQ(Hit(w, 5, 300), HTLEFT);
  EXPECT_EQ(Hit(w, 13, 300), HTCLIENT);
  EXPECT_EQ(Hit(w, 300, 45), HTCAPTION);
  EXPECT_EQ(Hit(w, 300, 47), HTCLIENT);
  EXPECT_EQ(Hit(w, 656 - 1, 14), HTCLOSE);  // the close button's top-right pixel
  EXPECT_EQ(Hit(w, 656 - 31, 14 + 28), HTCLOSE);
  EXPECT_EQ(Hit(w, 656 - 32, 30), HTCAPTION);  // the gap before the maximize button
  EXPECT_EQ(Hit(w, 656 - 33 - 15, 30), HTMAXBUTTON);

  // A dialog frame: 5 pixels and the same caption.
  HWND dlg = MakeTop(0, 0, 300, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME);
  EXPECT_EQ(PlacementOf(dlg).origin, (POINT{5, 40}));
  // A tool window: the small caption, 26.
  HWND tool =
      MakeTop(0, 0, 300, 200, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, WS_EX_TOOLWINDOW);
  EXPECT_EQ(PlacementOf(tool).origin, (POINT{12, 38}));
}

TEST_F(DensityTest, FrameScrollBarsTakeTheScaledWidth) {
  for (int dpi : {96, 144}) {
    StartAt(dpi);
    const int bar = dpi == 96 ? 17 : 26;
    HWND top = MakeTop(0, 0, 400, 300, WS_POPUP | WS_VISIBLE);
    HWND c = MakeChild(top, 10, 10, 200, 150, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
    RECT r;
    GetClientRect(c, &r);
    EXPECT_EQ(r, (RECT{0, 0, 200 - bar, 150 - bar})) << dpi;
  }
}

// The first and last rows of the caption band (x0..x1, y0..y1) that hold caption text
// pixels (near white; the band's colours are not).
std::pair<int, int> CaptionTextRows(int x0, int x1, int y0, int y1) {
  gfx::PixelBuffer shot = headless::CaptureScreen();
  int first = -1, last = -1;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      std::uint32_t p = shot.Row32(y)[x];
      if ((p & 0xFF) >= 240 && ((p >> 8) & 0xFF) >= 240 && ((p >> 16) & 0xFF) >= 240) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  return {first, last};
}

TEST_F(DensityTest, CaptionTextIsDrawnInTheScaledFontInsideTheBand) {
  int height96 = 0;
  for (int dpi : {96, 144}) {
    StartAt(dpi);
    HWND w = MakeTop(0, 0, 400, 200, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE);
    SetWindowText(w, u"HHHH");
    SetActiveWindow(w);
    RunUntilIdle();
    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
    auto [first, last] = CaptionTextRows(frame, 200, frame, frame + caption);
    ASSERT_GE(first, 0) << "no caption text at " << dpi;
    const int height = last - first + 1;
    // Capitals about three quarters of the character height, centred in the band.
    EXPECT_NEAR(height, -GetCaptionFont(dpi).height * 3 / 4, 2) << dpi;
    EXPECT_LE(std::abs((first - frame) - (frame + caption - 1 - last)), 3) << dpi;
    if (dpi == 96) height96 = height;
    else EXPECT_GE(height * 2, height96 * 3 - 2) << "the caption text grows by half: " << height96 << " to " << height;
  }
}

// The open menu's window rectangle, once it is open; the menu is closed again at once.
RECT OpenMenuRect(HMENU m, HWND owner) {
  RECT r{};
  headless::Screen().onStarved = [&r] {
    GetWindowRect(GetOpenMenuWindow(), &r);
    headless::Screen().onStarved = nullptr;
    EndMenu();
    return true;
  };
  TrackPopupMenu(m, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
  return r;
}

TEST_F(DensityTest, MenusGrowWithTheDensity) {
  RECT at96{}, at144{};
  for (int dpi : {96, 144}) {
    StartAt(dpi);
    HWND w = MakeTop(0, 0, 400, 300, WS_POPUP | WS_VISIBLE);
    HMENU m = CreatePopupMenu();
    AppendMenu(m, MF_STRING, 101, u"&Open");
    AppendMenu(m, MF_SEPARATOR, 0, nullptr);
    AppendMenu(m, MF_STRING, 103, u"E&xit");
    (dpi == 96 ? at96 : at144) = OpenMenuRect(m, w);
    DestroyMenu(m);
  }
  // Items as high as the font's cell and 5 more, at least 17 (26 at 144); separators of 9
  // (14); the frame's edges, 3 above and below, stay at every density. The width is at
  // least 80 (120).
  auto item = [](int dpi) {
    return std::max(ScaleForDpi(17, dpi), gfx::Font(GetMenuFont(dpi)).Face().Metrics().tmHeight + 5);
  };
  EXPECT_EQ(at96.Height(), 3 + item(96) + 9 + item(96) + 3);
  EXPECT_GE(at96.Width(), 80);
  EXPECT_EQ(at144.Height(), 3 + item(144) + 14 + item(144) + 3);
  EXPECT_GE(at144.Width(), 120);
  EXPECT_GT(at144.Width() * 4, at96.Width() * 5);
}

}  // namespace
}  // namespace wintest
