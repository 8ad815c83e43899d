// Keyboard input: key messages to the focus window, translation to characters, system
// keys under Alt, typed text.
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

class KeyboardTest : public WinTest {};

TEST_F(KeyboardTest, KeysGoToTheFocusWindowAndTranslateToCharacters) {
  HWND top = MakeTop(0, 0, 200, 200);
  HWND edit = MakeChild(top, 0, 0, 100, 20);
  SetFocus(edit);
  RunUntilIdle();
  ClearLog();
  headless::KeyPress('A');
  EXPECT_EQ(Names(edit), (Seq{"WM_KEYDOWN", "WM_CHAR", "WM_KEYUP"}));
  EXPECT_EQ(Log()[1].wParam, static_cast<WPARAM>(u'a'));
  EXPECT_EQ(Log()[0].lParam & 0xFFFFFFFF, 1);  // repeat count 1, first press
  ClearLog();
  headless::KeyDown(VK_SHIFT);
  headless::KeyPress('1');
  headless::KeyUp(VK_SHIFT);
  EXPECT_EQ(Log()[2].wParam, static_cast<WPARAM>(u'!'));
  EXPECT_TRUE(GetKeyState(VK_SHIFT) >= 0);
  ClearLog();
  headless::KeyPress(VK_RETURN);
  EXPECT_EQ(Log()[1].wParam, static_cast<WPARAM>(u'\r'));
}

TEST_F(KeyboardTest, AltMakesSystemKeysAndAltF4Closes) {
  HWND w = MakeTop(0, 0, 200, 200);
  RunUntilIdle();
  ClearLog();
  headless::KeyDown(VK_MENU);
  headless::KeyPress('A');
  headless::KeyUp(VK_MENU);
  EXPECT_EQ(Names(w), (Seq{"WM_SYSKEYDOWN", "WM_SYSKEYDOWN", "WM_SYSCHAR", "WM_SYSKEYUP", "WM_SYSKEYUP"}));
  auto sc = std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_SYSCHAR; });
  EXPECT_EQ(sc->wParam, static_cast<WPARAM>(u'a'));
  EXPECT_TRUE(sc->lParam & (LPARAM(1) << 29));  // the Alt bit
  headless::KeyDown(VK_MENU);
  headless::KeyPress(VK_F4);
  headless::KeyUp(VK_MENU);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(KeyboardTest, TypedTextArrivesAsCharacters) {
  HWND w = MakeTop(0, 0, 200, 200);
  ClearLog();
  headless::TypeText(u"Пр1");
  std::u16string got;
  for (auto& l : Log())
    if (l.hwnd == w && l.msg == WM_CHAR) got += static_cast<char16_t>(l.wParam);
  EXPECT_EQ(got, u"Пр1");
  EXPECT_EQ(Count(WM_KEYDOWN, w), 3);
  EXPECT_EQ(Log()[0].wParam, static_cast<WPARAM>(VK_PACKET));
}

TEST_F(KeyboardTest, WithoutFocusKeysGoToTheActiveWindowAsSystemKeys) {
  HWND w = MakeTop(0, 0, 200, 200);
  SetFocus(nullptr);
  RunUntilIdle();
  ClearLog();
  headless::KeyPress('B');
  EXPECT_EQ(Names(w), (Seq{"WM_SYSKEYDOWN", "WM_SYSCHAR", "WM_SYSKEYUP"}));
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

TEST_F(KeyboardTest, CaretBlinksAndSurvivesRepaints) {
  HWND w = MakeTop(0, 0, 200, 100, WS_POPUP | WS_VISIBLE);
  RunUntilIdle();
  gfx::TColor face = gfx::GetSysColor(gfx::COLOR_BTNFACE);
  gfx::TColor inverted = face ^ 0xFFFFFF;
  ASSERT_TRUE(CreateCaret(w, 2, 14));
  SetCaretPos(20, 10);
  RunUntilIdle();
  EXPECT_FALSE(CaretDrawn());  // hidden until shown
  ShowCaret(w);
  RunUntilIdle();
  EXPECT_TRUE(CaretDrawn());
  EXPECT_EQ(ScreenPixel(21, 15), inverted);
  headless::AdvanceTime(GetCaretBlinkTime());
  EXPECT_EQ(ScreenPixel(21, 15), face);
  headless::AdvanceTime(GetCaretBlinkTime());
  EXPECT_EQ(ScreenPixel(21, 15), inverted);
  InvalidateRect(w, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(21, 15), inverted);  // repainted under the caret, caret back on top
  HideCaret(w);
  HideCaret(w);
  ShowCaret(w);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(21, 15), face);  // hiding nests
  ShowCaret(w);
  SetCaretPos(40, 10);
  RunUntilIdle();
  EXPECT_EQ(ScreenPixel(21, 15), face);
  EXPECT_EQ(ScreenPixel(41, 15), inverted);
  DestroyWindow(w);
  EXPECT_FALSE(CaretDrawn());
  EXPECT_FALSE(SetCaretPos(1, 1));
}

}  // namespace
}  // namespace wintest
