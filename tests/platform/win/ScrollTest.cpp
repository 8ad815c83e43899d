// The standard scroll bars' model.
#include "platform/gfx/Surface.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

class ScrollTest : public WinTest {};

TEST_F(ScrollTest, PositionStaysWithinRangeAndPage) {
  HWND top = MakeTop(0, 0, 300, 300);
  HWND memo = MakeChild(top, 0, 0, 200, 200, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 99;
  si.nPage = 10;
  si.nPos = 500;
  EXPECT_EQ(SetScrollInfo(memo, SB_VERT, &si, TRUE), 90);  // max - (page - 1)
  SCROLLINFO got;
  got.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(memo, SB_VERT, &got));
  EXPECT_EQ(got.nMax, 99);
  EXPECT_EQ(got.nPage, 10u);
  EXPECT_EQ(got.nPos, 90);
  EXPECT_EQ(SetScrollPos(memo, SB_VERT, -5, TRUE), 90);
  EXPECT_EQ(GetScrollPos(memo, SB_VERT), 0);
  si.fMask = SIF_PAGE;
  si.nPage = 1000;  // limited to the range
  SetScrollInfo(memo, SB_VERT, &si, FALSE);
  GetScrollInfo(memo, SB_VERT, &got);
  EXPECT_EQ(got.nPage, 100u);
}

TEST_F(ScrollTest, BarsHideOrDisableWhenNothingScrolls) {
  HWND top = MakeTop(0, 0, 300, 300);
  HWND memo = MakeChild(top, 0, 0, 200, 200, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  RECT c;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMin = 0;
  si.nMax = 9;
  si.nPage = 20;
  SetScrollInfo(memo, SB_VERT, &si, TRUE);
  EXPECT_FALSE(GetWindowLongPtr(memo, GWL_STYLE) & WS_VSCROLL);
  GetClientRect(memo, &c);
  EXPECT_EQ(c.Width(), 200);  // the frame was recomputed without the bar
  si.nMax = 99;
  SetScrollInfo(memo, SB_VERT, &si, TRUE);
  EXPECT_TRUE(GetWindowLongPtr(memo, GWL_STYLE) & WS_VSCROLL);
  GetClientRect(memo, &c);
  EXPECT_EQ(c.Width(), 200 - GetSystemMetrics(SM_CXVSCROLL));
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  si.nMax = 9;
  SetScrollInfo(memo, SB_VERT, &si, TRUE);
  EXPECT_TRUE(GetWindowLongPtr(memo, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(GetScrollBarArrows(memo, SB_VERT), ESB_DISABLE_BOTH);
  EXPECT_EQ(SendMessage(memo, WM_NCHITTEST, 0, PointToLParam({8 + 195, 31 + 100})), HTVSCROLL);
}

TEST_F(ScrollTest, TrackPositionIsTheDragsWhileOneIsSetAndThePositionOtherwise) {
  HWND top = MakeTop(0, 0, 300, 300);
  HWND memo = MakeChild(top, 0, 0, 200, 200, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  si.nMax = 199999;
  si.nPage = 10;
  si.nPos = 7;
  si.nTrackPos = 123;  // ignored, as on the platform
  SetScrollInfo(memo, SB_VERT, &si, FALSE);
  SCROLLINFO got;
  got.fMask = SIF_TRACKPOS;
  ASSERT_TRUE(GetScrollInfo(memo, SB_VERT, &got));
  EXPECT_EQ(got.nTrackPos, 7);
  EXPECT_FALSE(IsScrollTracking(memo, SB_VERT));

  // A drag beyond what 16 bits carry.
  ASSERT_TRUE(SetScrollTrackPos(memo, SB_VERT, 150000));
  EXPECT_TRUE(IsScrollTracking(memo, SB_VERT));
  EXPECT_FALSE(IsScrollTracking(memo, SB_HORZ));
  GetScrollInfo(memo, SB_VERT, &got);
  EXPECT_EQ(got.nTrackPos, 150000);
  got.fMask = SIF_POS;
  GetScrollInfo(memo, SB_VERT, &got);
  EXPECT_EQ(got.nPos, 7);  // the position moves only when the window scrolls
  ASSERT_TRUE(EndScrollTrack(memo, SB_VERT));
  EXPECT_FALSE(IsScrollTracking(memo, SB_VERT));
  got.fMask = SIF_TRACKPOS;
  GetScrollInfo(memo, SB_VERT, &got);
  EXPECT_EQ(got.nTrackPos, 7);

  EXPECT_FALSE(SetScrollTrackPos(memo, SB_CTL, 1));
  EXPECT_FALSE(SetScrollTrackPos(nullptr, SB_VERT, 1));
  DestroyWindow(memo);
  EXPECT_FALSE(EndScrollTrack(memo, SB_VERT));
  EXPECT_FALSE(IsScrollTracking(memo, SB_VERT));
}

}  // namespace
}  // namespace wintest
