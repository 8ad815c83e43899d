// The title buttons' state as others read it: which button a press runs for, which is
// drawn pressed and which is under the pointer, through a press, a hover, a release, a
// lost capture and a destroyed window.
#include "WinTestSupport.h"

namespace wintest {
namespace {

class TitleButtonStateTest : public WinTest {
 protected:
  // A sizeable window at the screen's top-left: close at (380, 18), maximize at
  // (358, 18), minimize at (338, 18) (as the frame tests find them).
  HWND Window() {
    HWND w = MakeTop(0, 0, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    RunUntilIdle();
    return w;
  }
  static constexpr POINT kClose{380, 18}, kMaximize{358, 18}, kMinimize{338, 18}, kCaption{150, 12}, kClient{200, 150};
};

TEST_F(TitleButtonStateTest, HoverMakesAButtonHotWithoutPressingIt) {
  HWND w = Window();
  headless::MouseMove(kMaximize);
  TitleButtonState st = GetTitleButtonState(w);
  EXPECT_EQ(st.hot, HTMAXBUTTON);
  EXPECT_EQ(st.pressed, 0);
  EXPECT_EQ(st.held, 0);
  headless::MouseMove(kMinimize);
  EXPECT_EQ(GetTitleButtonState(w).hot, HTMINBUTTON);
  headless::MouseMove(kCaption);  // the caption is not a button
  EXPECT_EQ(GetTitleButtonState(w).hot, 0);
  headless::MouseMove(kClose);
  EXPECT_EQ(GetTitleButtonState(w).hot, HTCLOSE);
  headless::MouseMove(kClient);
  EXPECT_EQ(GetTitleButtonState(w).hot, 0);
  headless::MouseMove(kClose);
  // The pointer leaves all of our windows (the desktop says so).
  screen->Push(InputEvent::Request(InputEvent::Kind::MouseLeave, nullptr));
  RunUntilIdle();
  EXPECT_EQ(GetTitleButtonState(w).hot, 0);
}

TEST_F(TitleButtonStateTest, APressIsHeldEverywhereAndPressedOnlyOverItsButton) {
  HWND w = Window();
  HWND other = MakeTop(500, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  headless::MouseMove(kClose);
  headless::MouseDown(kClose);
  TitleButtonState st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, HTCLOSE);
  EXPECT_EQ(st.pressed, HTCLOSE);
  EXPECT_EQ(st.hot, HTCLOSE);
  EXPECT_EQ(GetTitleButtonState(other).held, 0);

  headless::MouseMove(kMaximize);  // onto another button while holding close
  st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, HTCLOSE);
  EXPECT_EQ(st.pressed, 0);
  EXPECT_EQ(st.hot, HTMAXBUTTON);
  headless::MouseMove(kClient);
  st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, HTCLOSE);
  EXPECT_EQ(st.pressed, 0);
  EXPECT_EQ(st.hot, 0);
  headless::MouseMove(kClose);  // back over it: pressed again
  EXPECT_EQ(GetTitleButtonState(w).pressed, HTCLOSE);
  headless::MouseMove(kCaption);
  headless::MouseUp(kCaption);  // released elsewhere: nothing held any more
  st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, 0);
  EXPECT_EQ(st.pressed, 0);
  EXPECT_TRUE(IsWindow(w));
}

TEST_F(TitleButtonStateTest, ReleaseOverTheButtonEndsThePressAndKeepsItHot) {
  HWND w = Window();
  headless::MouseMove(kMaximize);
  headless::MouseDown(kMaximize);
  EXPECT_EQ(GetTitleButtonState(w).pressed, HTMAXBUTTON);
  headless::MouseUp(kMaximize);
  EXPECT_TRUE(IsZoomed(w));
  TitleButtonState st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, 0);
  EXPECT_EQ(st.pressed, 0);
}

TEST_F(TitleButtonStateTest, LostCaptureAndDestructionClearTheState) {
  HWND w = Window();
  headless::MouseMove(kMinimize);
  headless::MouseDown(kMinimize);
  ASSERT_EQ(GetTitleButtonState(w).held, HTMINBUTTON);
  ReleaseCapture();  // the press is cancelled
  TitleButtonState st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, 0);
  EXPECT_EQ(st.pressed, 0);
  headless::MouseUp(kMinimize);
  EXPECT_FALSE(IsIconic(w));

  headless::MouseMove(kClose);
  headless::MouseDown(kClose);
  ASSERT_EQ(GetTitleButtonState(w).held, HTCLOSE);
  DestroyWindow(w);
  st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, 0);
  EXPECT_EQ(st.pressed, 0);
  EXPECT_EQ(st.hot, 0);
  headless::MouseUp(kClose);
}

TEST_F(TitleButtonStateTest, AnUnavailableButtonIsHotButNeverHeld) {
  HWND w = MakeTop(0, 0, 400, 300, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
  RunUntilIdle();
  headless::MouseMove(kMaximize);
  EXPECT_EQ(GetTitleButtonState(w).hot, HTMAXBUTTON);
  headless::MouseDown(kMaximize);
  TitleButtonState st = GetTitleButtonState(w);
  EXPECT_EQ(st.held, 0);
  EXPECT_EQ(st.pressed, 0);
  headless::MouseUp(kMaximize);
}

}  // namespace
}  // namespace wintest
