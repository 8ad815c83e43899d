// What the window system says about itself: the platform version it stands in for (and
// that a dialog frame's caption height by that version matches the non-client area the
// frame reserves), the caption font per density, and settings a restart puts back.
#include <unistd.h>

#include "platform/gfx/Font.h"
#include "platform/gfx/FontFace.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

class SystemInfoTest : public WinTest {};

TEST_F(SystemInfoTest, VersionIsSixOnePackedAsThePlatformPacksIt) {
  OSVERSIONINFO v;
  ASSERT_TRUE(GetVersionEx(&v));
  EXPECT_EQ(v.dwMajorVersion, 6u);
  EXPECT_EQ(v.dwMinorVersion, 1u);
  EXPECT_EQ(v.dwBuildNumber, 0u);
  EXPECT_EQ(GetVersion(), 0x0106u);
  EXPECT_EQ(GetVersion() & 0xFF, v.dwMajorVersion);
  EXPECT_EQ((GetVersion() >> 8) & 0xFF, v.dwMinorVersion);
  EXPECT_FALSE(GetVersionEx(nullptr));
}

// A frame painted by rules that give dialog frames SM_CYSMCAPTION from version 10 on, and
// SM_CYCAPTION before, must agree with the client area the classic frame leaves.
TEST_F(SystemInfoTest, DialogCaptionHeightByVersionMatchesTheNonClientArea) {
  const bool smallCaption = GetVersion() % 256 >= 10;
  const int caption = GetSystemMetrics(smallCaption ? SM_CYSMCAPTION : SM_CYCAPTION);
  HWND owner = MakeTop(0, 0, 300, 200);
  HWND dlg = CreateWindowEx(WS_EX_DLGMODALFRAME, u"#32770", u"Box", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50,
                            50, 300, 150, owner, nullptr, nullptr, nullptr);
  ASSERT_TRUE(dlg);
  RECT wr;
  GetWindowRect(dlg, &wr);
  POINT origin{0, 0};
  ClientToScreen(dlg, &origin);
  EXPECT_EQ(origin.Y - wr.Top, GetSystemMetrics(SM_CYFIXEDFRAME) + caption);
  EXPECT_EQ(origin.X - wr.Left, GetSystemMetrics(SM_CXFIXEDFRAME));
}

TEST_F(SystemInfoTest, CaptionFontIsBoldTahomaScaledByDensity) {
  gfx::FontDesc f = GetCaptionFont();
  EXPECT_EQ(f.face, u"Tahoma");
  EXPECT_EQ(f.weight, gfx::FW_BOLD);
  EXPECT_EQ(f.charSet, gfx::DEFAULT_CHARSET);
  EXPECT_FALSE(f.italic);
  EXPECT_EQ(f.height, -11);
  EXPECT_EQ(GetCaptionFont(96).height, -11);
  EXPECT_EQ(GetCaptionFont(120).height, -14);  // 13.75 rounded
  EXPECT_EQ(GetCaptionFont(144).height, -17);  // 16.5 rounded up
  EXPECT_EQ(GetCaptionFont(192).height, -22);
  EXPECT_EQ(GetCaptionFont(0).height, -11);  // no density: 96
  // The face resolves to a real font whose characters are 11 pixels high at 96.
  const gfx::TextMetric tm = gfx::Font(GetCaptionFont()).Face().Metrics();
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
  EXPECT_EQ(tm.tmWeight, gfx::FW_BOLD);
}

TEST(SystemRestart, SettingsAndWatchesEndWithTheWindowSystem) {
  headless::Start();
  SetDoubleClickTime(123);
  EXPECT_EQ(GetDoubleClickTime(), 123u);
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  HWND owner = CreateWindowEx(0, u"#32770", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const UINT_PTR before = WatchReadable(fds[0], owner, WM_USER);
  ASSERT_NE(before, 0u);
  headless::Start();  // a restart
  EXPECT_EQ(GetDoubleClickTime(), 500u);
  // The descriptor is no longer watched, so it may be watched afresh, with a new id that
  // the old owner's stale id cannot remove.
  const UINT_PTR after = WatchReadable(fds[0], owner, WM_USER);
  EXPECT_NE(after, 0u);
  EXPECT_NE(after, before);
  UnwatchReadable(before);
  EXPECT_EQ(WatchReadable(fds[0], owner, WM_USER), 0u) << "the new watch survived the stale id";
  UnwatchReadable(after);
  {
    headless::Batch batch;  // a batch scope open across a restart ends quietly
    headless::Start();
  }
  Shutdown();
  UnwatchReadable(after);  // after the end: nothing to do
  close(fds[0]);
  close(fds[1]);
}

}  // namespace
}  // namespace wintest
