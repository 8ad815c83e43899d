// The compositor: z-order, window regions, layered windows (colour key, constant alpha,
// per-pixel alpha) with exact arithmetic, and presenting only what changed.
#include "platform/gfx/Surface.h"
#include "platform/win/Compositor.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

using win::detail::BlendConstant;
using win::detail::BlendPremultiplied;

constexpr gfx::TColor kRed = gfx::RGB(255, 0, 0), kGreen = gfx::RGB(0, 255, 0), kBlue = gfx::RGB(0, 0, 255);

LRESULT FillProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_ERASEBKGND) {
    HDC dc = reinterpret_cast<HDC>(w);
    RECT c;
    GetClientRect(h, &c);
    auto color = static_cast<gfx::TColor>(GetWindowLongPtr(h, GWLP_USERDATA));
    dc->FillRect(c, color);
    // The right half of a window marked so paints blue.
    if (GetProp(h, u"HalfBlue")) dc->FillRect({c.Width() / 2, 0, c.Width(), c.Height()}, kBlue);
    return 1;
  }
  return DefWindowProc(h, m, w, l);
}

HWND Fill(RECT r, gfx::TColor c, DWORD ex = 0) {
  RegisterProc(u"Fill", &FillProc);
  HWND h = CreateWindowEx(ex, u"Fill", u"", WS_POPUP, r.Left, r.Top, r.Width(), r.Height(), nullptr, nullptr, nullptr,
                          nullptr);
  SetWindowLongPtr(h, GWLP_USERDATA, static_cast<LONG_PTR>(c));
  ShowWindow(h, SW_SHOWNA);
  return h;
}

class CompositorTest : public WinTest {};

TEST(CompositorArithmetic, ConstantAlphaRoundsToNearest) {
  EXPECT_EQ(BlendConstant(0xFF000000u, 0xFFFFFFFFu, 128), 0xFF808080u);  // (255*128 + 127) / 255 = 128
  // s = 200, d = 10, a = 64: (12800 + 1910 + 127) / 255 = 58 in every channel.
  EXPECT_EQ(BlendConstant(0xFF0A0A0Au, 0x00C8C8C8u, 64), 0xFF3A3A3Au);
  EXPECT_EQ(BlendConstant(0xFF123456u, 0xFF654321u, 255), 0xFF654321u);
  EXPECT_EQ(BlendConstant(0xFF123456u, 0xFF654321u, 0), 0xFF123456u);
}

TEST(CompositorArithmetic, PremultipliedAlphaWithConstantAlpha) {
  // Source A 128 with channel 100 over 200: 100 + (200 * 127 + 127) / 255 = 200.
  EXPECT_EQ(BlendPremultiplied(0xFFC8C8C8u, 0x80646464u, 255), 0xFFC8C8C8u);
  // Constant alpha 128: sa = 64, c = 50 + (200 * 191 + 127) / 255 = 50 + 150.
  EXPECT_EQ(BlendPremultiplied(0xFFC8C8C8u, 0x80646464u, 128), 0xFFC8C8C8u);
  EXPECT_EQ(BlendPremultiplied(0xFF000000u, 0xFF0000FFu, 255), 0xFF0000FFu);  // opaque blue
  EXPECT_EQ(BlendPremultiplied(0xFF00FF00u, 0x00000000u, 255), 0xFF00FF00u);  // transparent
  // A source brighter than its alpha allows is limited to 255.
  EXPECT_EQ(BlendPremultiplied(0xFFFFFFFFu, 0x10FFFFFFu, 255), 0xFFFFFFFFu);
}

TEST_F(CompositorTest, TopWindowsCoverLowerOnesAndTheDesktopShowsElsewhere) {
  Fill({0, 0, 200, 200}, kGreen);
  Fill({100, 100, 300, 300}, kRed);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(150, 150), kRed);
  EXPECT_EQ(ScreenPixel(50, 50), kGreen);
  EXPECT_EQ(ScreenPixel(500, 500), gfx::GetSysColor(gfx::COLOR_BACKGROUND));
}

TEST_F(CompositorTest, ConstantAlphaLayeredWindowMixesWithWhatIsBeneath) {
  Fill({0, 0, 200, 200}, kGreen);
  HWND glass = Fill({50, 50, 150, 150}, kRed, WS_EX_LAYERED);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(100, 100), kGreen);  // a layered window without attributes shows nothing
  ASSERT_TRUE(SetLayeredWindowAttributes(glass, 0, 128, LWA_ALPHA));
  RunUntilIdle();
  // R: (255 * 128 + 0 * 127 + 127) / 255 = 128; G: (0 * 128 + 255 * 127 + 127) / 255 = 127.
  EXPECT_EQ(ScreenPixel(100, 100), gfx::RGB(128, 127, 0));
  BYTE a = 0;
  DWORD f = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(glass, nullptr, &a, &f));
  EXPECT_EQ(a, 128);
  EXPECT_EQ(f, LWA_ALPHA);
}

TEST_F(CompositorTest, ColourKeyMakesThatColourTransparent) {
  Fill({0, 0, 200, 200}, kGreen);
  HWND keyed = Fill({0, 0, 200, 200}, kRed, WS_EX_LAYERED);
  SetProp(keyed, u"HalfBlue", keyed);
  SetLayeredWindowAttributes(keyed, kRed, 255, LWA_COLORKEY);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(50, 50), kGreen);  // red is the key
  EXPECT_EQ(ScreenPixel(150, 50), kBlue);
}

TEST_F(CompositorTest, PerPixelAlphaPictureWithConstantAlpha) {
  Fill({0, 0, 200, 200}, kGreen);
  HWND w = CreateWindowEx(WS_EX_LAYERED, LogClass(), u"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                          nullptr, nullptr);
  gfx::PixelBuffer pic(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) pic.Row32(y)[x] = x < 10 ? 0x80800000u : 0x00000000u;  // half-transparent red | clear
  POINT pos{40, 40};
  SIZE size{20, 20};
  ASSERT_TRUE(UpdateLayeredWindow(w, &pos, &size, pic.View(), nullptr, 0, 255, ULW_ALPHA));
  RunUntilIdle();
  // R: 128 + (0 * 127 + 127) / 255 = 128; G: 0 + (255 * 127 + 127) / 255 = 127.
  EXPECT_EQ(ScreenPixel(45, 45), gfx::RGB(128, 127, 0));
  EXPECT_EQ(ScreenPixel(55, 45), kGreen);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{40, 40, 60, 60}));
  UpdateLayeredWindow(w, nullptr, nullptr, pic.View(), nullptr, 0, 0, ULW_ALPHA);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(45, 45), kGreen);  // constant alpha 0 hides it
  POINT src{10, 0};
  UpdateLayeredWindow(w, nullptr, nullptr, pic.View(), &src, 0, 255, ULW_OPAQUE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(45, 45), gfx::RGB(0, 0, 0));  // opaque: the clear half shows black
}

TEST_F(CompositorTest, MovingAWindowPresentsOnlyItsOldAndNewPlaces) {
  Fill({0, 0, 400, 400}, kGreen);
  HWND w = Fill({10, 10, 60, 60}, kRed);
  RunUntilIdle();
  SetWindowPos(w, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RunUntilIdle();
  gfx::Region presented = gfx::Region::FromRects(screen->LastPresented().data(), screen->LastPresented().size());
  gfx::Region want =
      gfx::Region::Combine(gfx::Region(RECT{10, 10, 60, 60}), gfx::Region(RECT{200, 200, 250, 250}), gfx::RegionOp::Or);
  EXPECT_EQ(presented, want);
  EXPECT_EQ(ScreenPixel(20, 20), kGreen);
  EXPECT_EQ(ScreenPixel(210, 210), kRed);
}

TEST_F(CompositorTest, RegionShapesTheWindowOnScreen) {
  Fill({0, 0, 200, 200}, kGreen);
  HWND w = Fill({0, 0, 100, 100}, kRed);
  SetWindowRegion(w, gfx::Region(RECT{0, 0, 50, 100}), TRUE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(25, 50), kRed);
  EXPECT_EQ(ScreenPixel(75, 50), kGreen);
  EXPECT_EQ(WindowFromPoint({75, 50}), GetWindow(w, GW_HWNDNEXT));  // hit testing follows the shape
}

}  // namespace
}  // namespace wintest
