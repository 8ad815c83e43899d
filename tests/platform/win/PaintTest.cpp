// Painting: the paint cycle's order, invalidation that repaints only what changed,
// RedrawWindow's flags, clipping of overlapping children, WM_SETREDRAW and WM_PRINT.
#include "platform/gfx/Gdi.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

// Windows of this class fill what they are asked to paint with the colour in their user
// data and log each paint's rectangle.
struct Painted {
  HWND hwnd;
  RECT rc;
};
std::vector<Painted> g_paints;

LRESULT ColorProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  Log().push_back({h, m, w, l});
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    g_paints.push_back({h, ps.rcPaint});
    dc->FillRect({0, 0, 10000, 10000}, static_cast<gfx::TColor>(GetWindowLongPtr(h, GWLP_USERDATA)));
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

HWND Colored(HWND parent, RECT r, gfx::TColor c, DWORD style = WS_VISIBLE, DWORD ex = 0) {
  RegisterProc(u"Colored", &ColorProc, gfx::COLOR_WINDOW);
  DWORD kind = parent ? WS_CHILD : WS_POPUP;
  HWND h = CreateWindowEx(ex, u"Colored", u"", kind | style, r.Left, r.Top, r.Width(), r.Height(), parent, nullptr,
                          nullptr, nullptr);
  SetWindowLongPtr(h, GWLP_USERDATA, static_cast<LONG_PTR>(c));
  return h;
}

class PaintTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    g_paints.clear();
  }
};

constexpr gfx::TColor kRed = gfx::RGB(255, 0, 0), kGreen = gfx::RGB(0, 255, 0), kBlue = gfx::RGB(0, 0, 255);

TEST_F(PaintTest, FirstShowPaintsFrameBackgroundThenClientParentBeforeChildren) {
  HWND top = MakeTop(0, 0, 300, 200, WS_OVERLAPPEDWINDOW);
  HWND child = MakeChild(top, 10, 10, 50, 50);
  ShowWindow(top, SW_SHOW);
  ClearLog();
  RunUntilIdle();
  std::vector<std::pair<HWND, std::string>> seq;
  for (auto& l : Log()) seq.push_back({l.hwnd, Name(l.msg)});
  std::vector<std::pair<HWND, std::string>> want = {
      {top, "WM_PAINT"}, {top, "WM_NCPAINT"}, {top, "WM_ERASEBKGND"}, {child, "WM_PAINT"}, {child, "WM_ERASEBKGND"}};
  EXPECT_EQ(seq, want);
  ClearLog();
  RunUntilIdle();
  EXPECT_TRUE(Log().empty());  // nothing owed any more
  // The classic look: button face in the client, caption band from the active colour.
  EXPECT_EQ(ScreenPixel(100, 100), gfx::GetSysColor(gfx::COLOR_BTNFACE));
  EXPECT_EQ(ScreenPixel(8, 9), gfx::GetSysColor(gfx::COLOR_ACTIVECAPTION));
}

TEST_F(PaintTest, InvalidationRepaintsOnlyWhatChanged) {
  HWND a = Colored(nullptr, {0, 0, 200, 200}, kRed);
  HWND b = Colored(nullptr, {300, 0, 500, 200}, kGreen);
  RunUntilIdle();
  g_paints.clear();
  int presents = screen->PresentCount();
  RECT r{10, 20, 30, 40};
  InvalidateRect(a, &r, FALSE);
  RunUntilIdle();
  ASSERT_EQ(g_paints.size(), 1u);
  EXPECT_EQ(g_paints[0].hwnd, a);
  EXPECT_EQ(g_paints[0].rc, r);
  EXPECT_EQ(screen->PresentCount(), presents + 1);
  ASSERT_EQ(screen->LastPresented().size(), 1u);
  EXPECT_EQ(screen->LastPresented()[0], r);  // only that rectangle was recomposed
  (void)b;
}

TEST_F(PaintTest, ValidationCancelsAndInvalidRegionsAccumulate) {
  HWND a = Colored(nullptr, {0, 0, 200, 200}, kRed);
  RunUntilIdle();
  g_paints.clear();
  RECT r1{0, 0, 10, 10}, r2{50, 50, 60, 60};
  InvalidateRect(a, &r1, TRUE);
  InvalidateRect(a, &r2, TRUE);
  RECT u;
  ASSERT_TRUE(GetUpdateRect(a, &u, FALSE));
  EXPECT_EQ(u, (RECT{0, 0, 60, 60}));
  gfx::Region rgn;
  ASSERT_TRUE(GetUpdateRegion(a, &rgn));
  EXPECT_EQ(rgn, gfx::Region::Combine(gfx::Region(r1), gfx::Region(r2), gfx::RegionOp::Or));
  ValidateRect(a, &r1);
  ValidateRect(a, &r2);
  EXPECT_FALSE(GetUpdateRect(a, &u, FALSE));
  RunUntilIdle();
  EXPECT_TRUE(g_paints.empty());
}

TEST_F(PaintTest, UpdateWindowAndRedrawFlagsPaintSynchronously) {
  HWND top = Colored(nullptr, {0, 0, 200, 200}, kRed, WS_VISIBLE | WS_CAPTION);
  HWND child = Colored(top, {10, 10, 60, 60}, kGreen);
  RunUntilIdle();
  ClearLog();
  InvalidateRect(top, nullptr, TRUE);
  UpdateWindow(top);
  EXPECT_EQ(Names(), (Seq{"WM_PAINT", "WM_ERASEBKGND", "WM_PAINT", "WM_ERASEBKGND"}));  // top, then the child
  ClearLog();
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ERASENOW | RDW_NOCHILDREN);
  EXPECT_EQ(Names(), (Seq{"WM_NCPAINT", "WM_ERASEBKGND"}));  // erase now: no WM_PAINT yet
  ClearLog();
  RunUntilIdle();
  EXPECT_EQ(Names(), (Seq{"WM_PAINT"}));
  ClearLog();
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Count(WM_PAINT, top), 1);
  EXPECT_EQ(Count(WM_PAINT, child), 1);
  ClearLog();
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  RedrawWindow(top, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
  RunUntilIdle();
  EXPECT_EQ(Count(WM_PAINT), 0);
}

TEST_F(PaintTest, ClipChildrenKeepsChildrenAndOverlappingSiblingsClipByStyle) {
  HWND top = Colored(nullptr, {0, 0, 300, 300}, kRed, WS_VISIBLE | WS_CLIPCHILDREN);
  HWND lower = Colored(top, {10, 10, 110, 110}, kGreen, WS_VISIBLE | WS_CLIPSIBLINGS);
  HWND upper = Colored(top, {60, 60, 160, 160}, kBlue, WS_VISIBLE | WS_CLIPSIBLINGS);
  // Creation order puts later children below: raise the second one.
  SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(80, 80), kBlue);  // overlap shows the upper sibling
  EXPECT_EQ(ScreenPixel(20, 20), kGreen);
  EXPECT_EQ(ScreenPixel(200, 200), kRed);
  g_paints.clear();
  InvalidateRect(lower, nullptr, TRUE);
  InvalidateRect(top, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(80, 80), kBlue);   // the lower sibling cannot paint over the upper one
  EXPECT_EQ(ScreenPixel(20, 20), kGreen);  // the parent cannot paint over its children
  for (auto& p : g_paints) EXPECT_NE(p.hwnd, upper);
}

TEST_F(PaintTest, ParentWithoutClipChildrenRepaintsItsChildrenToo) {
  HWND top = Colored(nullptr, {0, 0, 300, 300}, kRed);
  HWND child = Colored(top, {10, 10, 110, 110}, kGreen);
  RunUntilIdle();
  g_paints.clear();
  InvalidateRect(top, nullptr, TRUE);
  RunUntilIdle();
  ASSERT_EQ(g_paints.size(), 2u);
  EXPECT_EQ(g_paints[0].hwnd, top);
  EXPECT_EQ(g_paints[1].hwnd, child);
  EXPECT_EQ(ScreenPixel(20, 20), kGreen);
}

TEST_F(PaintTest, MovingAChildRepaintsWhatItUncovers) {
  HWND top = Colored(nullptr, {0, 0, 300, 300}, kRed, WS_VISIBLE | WS_CLIPCHILDREN);
  HWND child = Colored(top, {10, 10, 60, 60}, kGreen);
  RunUntilIdle();
  SetWindowPos(child, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(20, 20), kRed);
  EXPECT_EQ(ScreenPixel(120, 120), kGreen);
  ShowWindow(child, SW_HIDE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(120, 120), kRed);
}

TEST_F(PaintTest, ResizeRepaintsExposedPartsOrAllWithRedrawStyles) {
  HWND a = Colored(nullptr, {0, 0, 100, 100}, kRed);
  RunUntilIdle();
  g_paints.clear();
  SetWindowPos(a, nullptr, 0, 0, 150, 120, SWP_NOMOVE | SWP_NOZORDER);
  RunUntilIdle();
  ASSERT_EQ(g_paints.size(), 1u);
  EXPECT_EQ(g_paints[0].rc, (RECT{0, 0, 150, 120}));  // bounds of the L-shaped new part
  gfx::Region exposed = gfx::Region(RECT{0, 0, 150, 120});
  HWND b = MakeTop(400, 0, 100, 100, WS_POPUP | WS_VISIBLE, 0, nullptr, CS_HREDRAW | CS_VREDRAW);
  RunUntilIdle();
  ClearLog();
  SetWindowPos(b, nullptr, 0, 0, 90, 90, SWP_NOMOVE | SWP_NOZORDER);  // shrinking exposes nothing
  RunUntilIdle();
  EXPECT_EQ(Count(WM_PAINT, b), 1);  // but the class asks for a full repaint
  HWND c = MakeTop(600, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  RunUntilIdle();
  ClearLog();
  SetWindowPos(c, nullptr, 0, 0, 90, 90, SWP_NOMOVE | SWP_NOZORDER);
  RunUntilIdle();
  EXPECT_EQ(Count(WM_PAINT, c), 0);
  (void)exposed;
}

TEST_F(PaintTest, SetRedrawOffKeepsPixelsAndIgnoresInvalidation) {
  HWND a = Colored(nullptr, {0, 0, 100, 100}, kRed);
  RunUntilIdle();
  g_paints.clear();
  SendMessage(a, WM_SETREDRAW, FALSE, 0);
  SetWindowLongPtr(a, GWLP_USERDATA, static_cast<LONG_PTR>(kBlue));
  InvalidateRect(a, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_TRUE(g_paints.empty());
  EXPECT_EQ(ScreenPixel(50, 50), kRed);  // still on screen
  SendMessage(a, WM_SETREDRAW, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(a));
  RedrawWindow(a, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(50, 50), kBlue);
}

LRESULT PrintClientProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  Log().push_back({h, m, w, l});
  if (m == WM_PRINTCLIENT) {
    reinterpret_cast<HDC>(w)->FillRect({0, 0, 10000, 10000},
                                       static_cast<gfx::TColor>(GetWindowLongPtr(h, GWLP_USERDATA)));
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

TEST_F(PaintTest, PrintDrawsFrameClientAndChildrenAsFlagsSay) {
  RegisterProc(u"Printable", &PrintClientProc, gfx::COLOR_WINDOW);
  HWND top = CreateWindowEx(0, u"Printable", u"", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                            nullptr, nullptr);
  SetWindowLongPtr(top, GWLP_USERDATA, static_cast<LONG_PTR>(kRed));
  HWND child =
      CreateWindowEx(0, u"Printable", u"", WS_CHILD | WS_VISIBLE, 20, 20, 30, 30, top, nullptr, nullptr, nullptr);
  SetWindowLongPtr(child, GWLP_USERDATA, static_cast<LONG_PTR>(kGreen));
  gfx::PixelBuffer pic(100, 100);
  gfx::Surface s(pic.View());
  ClearLog();
  SendMessage(top, WM_PRINT, reinterpret_cast<WPARAM>(&s), PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN);
  auto at = [&](int x, int y) { return pic.Row32(y)[x] & 0xFFFFFF; };
  EXPECT_EQ(at(0, 0), 0x000000u);            // the border in the window frame colour (black)
  EXPECT_EQ(at(10, 10), 0xFF0000u);          // client (B, G, R in memory: red is 0xFF0000)
  EXPECT_EQ(at(1 + 25, 1 + 25), 0x00FF00u);  // the child, at its place
  EXPECT_EQ(Count(WM_PRINTCLIENT, top), 1);
  EXPECT_EQ(Count(WM_PRINT, child), 1);
  EXPECT_EQ(Count(WM_ERASEBKGND), 0);  // not asked for
  gfx::PixelBuffer pic2(100, 100);
  gfx::Surface s2(pic2.View());
  SendMessage(top, WM_PRINT, reinterpret_cast<WPARAM>(&s2), PRF_CLIENT);
  EXPECT_EQ(pic2.Row32(0)[0] & 0xFFFFFF, 0u);           // no frame
  EXPECT_EQ(pic2.Row32(26)[26] & 0xFFFFFF, 0xFF0000u);  // no children
}

TEST_F(PaintTest, WindowRegionLimitsPaintingAndTheScreen) {
  HWND back = Colored(nullptr, {0, 0, 300, 300}, kGreen);
  HWND shaped = Colored(nullptr, {50, 50, 150, 150}, kRed);
  gfx::HRGN rgn = gfx::CreateEllipticRgn(0, 0, 100, 100);
  SetWindowRgn(shaped, rgn, TRUE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(100, 100), kRed);
  EXPECT_EQ(ScreenPixel(52, 52), kGreen);  // outside the ellipse the window beneath shows
  gfx::PixelBuffer pic = headless::CaptureWindow(shaped);
  EXPECT_EQ(pic.Row32(2)[2] & 0xFFFFFF, 0u);  // never painted there
  gfx::HRGN copy = gfx::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(shaped, copy), 3);  // complex region
  gfx::DeleteObject(copy);
  SetWindowRgn(shaped, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(52, 52), kRed);
  (void)back;
}

}  // namespace
}  // namespace wintest
