// The "Edit" control as users meet it: typing, selection by keys and mouse, word moves,
// undo, the clipboard, the cue banner, the line messages, limits and notifications.
#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

class EditTest : public CtlTest {
 protected:
  // Single-line edits, each below the one made before.
  HWND Single(const std::u16string& text = u"", DWORD style = ES_AUTOHSCROLL) {
    HWND e = Make(WC_EDIT, text, style | WS_TABSTOP, 10, 10 + 25 * singles_++, 200, 21, 101, WS_EX_CLIENTEDGE);
    return e;
  }
  int singles_ = 0;
  HWND Multi(const std::u16string& text = u"",
             DWORD style = ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL) {
    return Make(WC_EDIT, text, style | ES_MULTILINE, 10, 90, 300, 200, 102, WS_EX_CLIENTEDGE);
  }
  static std::pair<int, int> Sel(HWND e) {
    DWORD a = 0, b = 0;
    SendMessage(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return {static_cast<int>(a), static_cast<int>(b)};
  }
  static void Focus(HWND e) {
    SetFocus(e);
    RunUntilIdle();
  }
  static int Lines(HWND e) { return static_cast<int>(SendMessage(e, EM_GETLINECOUNT, 0, 0)); }
  static void Append(HWND e, const std::u16string& s) {
    int len = GetWindowTextLength(e);
    SendMessage(e, EM_SETSEL, static_cast<WPARAM>(len), len);
    SendMessage(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(s.c_str()));
  }
  // The height of one line, from the places of two line starts.
  static int LineHeight(HWND e) {
    LRESULT a = SendMessage(e, EM_POSFROMCHAR, 0, 0);
    LRESULT b = SendMessage(e, EM_POSFROMCHAR, static_cast<WPARAM>(SendMessage(e, EM_LINEINDEX, 1, 0)), 0);
    return GET_Y_LPARAM(b) - GET_Y_LPARAM(a);
  }
};

TEST_F(EditTest, TypingReportsEveryChange) {
  HWND e = Single();
  Focus(e);
  headless::TypeText(u"hello");
  EXPECT_EQ(Text(e), u"hello");
  EXPECT_EQ(CountNotices(EN_UPDATE), 5);
  EXPECT_EQ(CountNotices(EN_CHANGE), 5);
  EXPECT_EQ(Sel(e), std::make_pair(5, 5));
  EXPECT_EQ(SendMessage(e, EM_GETMODIFY, 0, 0), TRUE);
  headless::KeyPress(VK_BACK);
  EXPECT_EQ(Text(e), u"hell");
}

TEST_F(EditTest, ShiftExtendsTheSelectionFromItsAnchor) {
  HWND e = Single(u"hello world");
  Focus(e);
  headless::KeyPress(VK_HOME);
  for (int i = 0; i < 3; ++i) PressWith(VK_RIGHT, false, true);
  EXPECT_EQ(Sel(e), std::make_pair(0, 3));
  PressWith(VK_END, false, true);
  EXPECT_EQ(Sel(e), std::make_pair(0, 11));
  PressWith(VK_LEFT, true, true);  // Ctrl+Shift+Left: back to the last word's start
  EXPECT_EQ(Sel(e), std::make_pair(0, 6));
  headless::KeyPress(VK_RIGHT);  // collapses to the selection's end
  EXPECT_EQ(Sel(e), std::make_pair(6, 6));
  PressWith(VK_LEFT, false, true);
  PressWith(VK_LEFT, false, true);
  EXPECT_EQ(Sel(e), std::make_pair(4, 6));  // the anchor stays where the extension began
  PressWith('A', true);
  EXPECT_EQ(Sel(e), std::make_pair(0, 11));
}

TEST_F(EditTest, WordMovesStopAtWordStartsAndLineEnds) {
  HWND e = Multi(u"one two  three\r\n  four");
  Focus(e);
  SendMessage(e, EM_SETSEL, 0, 0);
  std::vector<int> stops;
  for (int i = 0; i < 5; ++i) {
    PressWith(VK_RIGHT, true);
    stops.push_back(Sel(e).second);
  }
  EXPECT_EQ(stops, (std::vector<int>{4, 9, 14, 18, 22}));
  stops.clear();
  for (int i = 0; i < 5; ++i) {
    PressWith(VK_LEFT, true);
    stops.push_back(Sel(e).second);
  }
  EXPECT_EQ(stops, (std::vector<int>{18, 16, 14, 9, 4}));
}

TEST_F(EditTest, UndoRevertsARunOfTypingAndRedoes) {
  HWND e = Single(u"x");
  Focus(e);
  headless::KeyPress(VK_END);
  headless::TypeText(u"abc");
  EXPECT_EQ(SendMessage(e, EM_CANUNDO, 0, 0), TRUE);
  PressWith('Z', true);
  EXPECT_EQ(Text(e), u"x");
  PressWith('Z', true);  // undoing the undo puts the typing back
  EXPECT_EQ(Text(e), u"xabc");
  headless::KeyPress(VK_END);
  headless::KeyPress(VK_BACK);
  headless::KeyPress(VK_BACK);
  EXPECT_EQ(Text(e), u"xa");
  SendMessage(e, WM_UNDO, 0, 0);
  EXPECT_EQ(Text(e), u"xabc");              // both deletions are one step
  EXPECT_EQ(Sel(e), std::make_pair(2, 4));  // and what came back is selected
  SendMessage(e, EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_EQ(SendMessage(e, EM_CANUNDO, 0, 0), FALSE);
}

TEST_F(EditTest, ReplacingWithoutUndoEmptiesTheUndoStep) {
  HWND e = Single();
  Focus(e);
  headless::TypeText(u"ab");
  SendMessage(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"c"));
  EXPECT_EQ(SendMessage(e, EM_CANUNDO, 0, 0), FALSE);
  SendMessage(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"d"));
  SendMessage(e, EM_UNDO, 0, 0);
  EXPECT_EQ(Text(e), u"abc");
}

TEST_F(EditTest, ClipboardRoundTrip) {
  HWND e = Single(u"hello world");
  Focus(e);
  SendMessage(e, EM_SETSEL, 6, 11);
  PressWith('C', true);
  headless::KeyPress(VK_HOME);
  PressWith('V', true);
  EXPECT_EQ(Text(e), u"worldhello world");
  SendMessage(e, EM_SETSEL, 0, 5);
  PressWith(VK_DELETE, false, true);  // Shift+Delete cuts
  EXPECT_EQ(Text(e), u"hello world");
  headless::KeyPress(VK_END);
  PressWith(VK_INSERT, false, true);  // Shift+Insert pastes
  EXPECT_EQ(Text(e), u"hello worldworld");
  SendMessage(e, EM_SETSEL, 0, 5);
  PressWith(VK_INSERT, true);  // Ctrl+Insert copies
  PressWith('X', true);
  EXPECT_EQ(Text(e), u" worldworld");
  headless::KeyPress(VK_END);
  SendMessage(e, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(e), u" worldworldhello");
}

TEST_F(EditTest, ContextMenuOffersTheEditCommands) {
  HWND e = Single(u"hello world");
  Focus(e);
  SendMessage(e, EM_SETSEL, 0, 5);
  POINT p = Screen(e, 20, 8);
  {
    headless::Batch batch;  // the menu runs its own loop: its keys wait in the queue
    headless::Click(p, MouseButton::Right);
    headless::KeyPress('C');  // Copy
  }
  {
    headless::Batch batch;
    headless::Click(p, MouseButton::Right);
    headless::KeyPress('A');  // Select All
  }
  EXPECT_EQ(Sel(e), std::make_pair(0, 11));
  {
    headless::Batch batch;
    headless::Click(p, MouseButton::Right);
    headless::KeyPress('P');  // Paste over the selection
  }
  EXPECT_EQ(Text(e), u"hello");
}

TEST_F(EditTest, PasteTakesLineBreaksAsTheEditKeepsThem) {
  HWND single = Single();
  HWND multi = Multi();
  HWND source = Single(u"one\ntwo\r\nthree");
  SendMessage(source, EM_SETSEL, 0, -1);
  SendMessage(source, WM_COPY, 0, 0);
  SendMessage(single, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(single), u"one");
  SendMessage(multi, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(multi), u"one\r\ntwo\r\nthree");
  EXPECT_EQ(Lines(multi), 3);
}

TEST_F(EditTest, PasswordEditsDoNotCopy) {
  HWND e = Single(u"secret", ES_AUTOHSCROLL | ES_PASSWORD);
  HWND source = Single(u"clip");
  SendMessage(source, EM_SETSEL, 0, -1);
  SendMessage(source, WM_COPY, 0, 0);
  SendMessage(e, EM_SETSEL, 0, -1);
  SendMessage(e, WM_COPY, 0, 0);
  SendMessage(source, EM_SETSEL, 0, -1);
  SendMessage(source, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(source), u"clip");
  EXPECT_EQ(SendMessage(e, EM_GETPASSWORDCHAR, 0, 0), u'*');
}

// Whether any pixel of the edit's text area differs from its background.
bool ShowsText(HWND e) {
  gfx::PixelBuffer pic = headless::CaptureWindow(e);
  std::uint32_t bg = pic.Row32(pic.Height() / 2)[pic.Width() - 6];
  for (int y = 4; y < pic.Height() - 4; ++y)
    for (int x = 7; x < 80; ++x)
      if ((pic.Row32(y)[x] & 0xFFFFFF) != (bg & 0xFFFFFF)) return true;
  return false;
}

TEST_F(EditTest, CueBannerShowsOnlyWhileEmptyAndUnfocused) {
  HWND e = Single();
  HWND other = Single(u"");
  EXPECT_FALSE(ShowsText(e));
  SendMessage(e, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(u"Type an address"));
  RunUntilIdle();
  EXPECT_TRUE(ShowsText(e));
  char16_t buf[32] = {};
  SendMessage(e, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(buf), 32);
  EXPECT_EQ(std::u16string(buf), u"Type an address");
  Focus(e);
  EXPECT_FALSE(ShowsText(e));
  headless::TypeText(u"x");
  Focus(other);
  EXPECT_TRUE(ShowsText(e));  // the typed text, not the banner
  SetWindowText(e, u"");
  RunUntilIdle();
  EXPECT_TRUE(ShowsText(e));  // empty and unfocused again: the banner
  SendMessage(e, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(u"Type an address"));
  Focus(e);
  EXPECT_TRUE(ShowsText(e));  // asked to show while focused too
}

TEST_F(EditTest, LineCountAsThePlatformCountsLines) {
  HWND e = Multi();
  EXPECT_EQ(Lines(e), 1);
  SetWindowText(e, u"a\r\n");
  EXPECT_EQ(Lines(e), 2);
  SetWindowText(e, u"a\r\nb");
  EXPECT_EQ(Lines(e), 2);
  SetWindowText(e, u"\r\n");
  EXPECT_EQ(Lines(e), 2);
  HWND s = Single(u"a\r\nb");
  EXPECT_EQ(Lines(s), 1);
}

TEST_F(EditTest, LineMessages) {
  HWND e = Multi(u"first\r\nsecond line\r\n\r\nlast");
  EXPECT_EQ(SendMessage(e, EM_LINEINDEX, 1, 0), 7);
  EXPECT_EQ(SendMessage(e, EM_LINEINDEX, 3, 0), 22);
  EXPECT_EQ(SendMessage(e, EM_LINEINDEX, 4, 0), -1);
  EXPECT_EQ(SendMessage(e, EM_LINELENGTH, 8, 0), 11);
  EXPECT_EQ(SendMessage(e, EM_LINELENGTH, 20, 0), 0);
  EXPECT_EQ(SendMessage(e, EM_LINEFROMCHAR, 22, 0), 3);
  EXPECT_EQ(SendMessage(e, EM_LINEFROMCHAR, 999, 0), 3);
  char16_t buf[16] = {};
  buf[0] = 16;
  EXPECT_EQ(SendMessage(e, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buf)), 11);
  EXPECT_EQ(std::u16string(buf, 11), u"second line");
  buf[0] = 3;
  EXPECT_EQ(SendMessage(e, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buf)), 3);  // cut to the buffer
  SendMessage(e, EM_SETSEL, 9, 9);
  EXPECT_EQ(SendMessage(e, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), 7);  // the caret's line
}

TEST_F(EditTest, ReplaceSelAtTheEndAppendsALine) {
  HWND e = Multi(u"a\r\n");
  Notices().clear();
  Append(e, u"b\r\n");
  EXPECT_EQ(Text(e), u"a\r\nb\r\n");
  EXPECT_EQ(Lines(e), 3);
  EXPECT_EQ(Sel(e), std::make_pair(6, 6));
  EXPECT_EQ(CountNotices(EN_CHANGE), 1);
  EXPECT_EQ(CountNotices(EN_UPDATE), 1);
}

TEST_F(EditTest, SetTextReportsAChangeOnlyForSingleLineEdits) {
  HWND s = Single();
  HWND m = Multi();
  Notices().clear();
  SetWindowText(s, u"abc");
  EXPECT_EQ(CountNotices(EN_CHANGE), 1);
  Notices().clear();
  SetWindowText(m, u"abc");
  EXPECT_EQ(CountNotices(EN_CHANGE), 0);
  EXPECT_EQ(SendMessage(m, EM_GETMODIFY, 0, 0), FALSE);
}

TEST_F(EditTest, EnterAndTabInsertOnlyInMultiLineEdits) {
  HWND s = Single(u"ab");
  Focus(s);
  headless::KeyPress(VK_RETURN);
  headless::KeyPress(VK_TAB);
  EXPECT_EQ(Text(s), u"ab");
  HWND m = Multi(u"ab");
  Focus(m);
  SendMessage(m, EM_SETSEL, 1, 1);
  headless::KeyPress(VK_RETURN);
  EXPECT_EQ(Text(m), u"a\r\nb");
  headless::KeyPress(VK_BACK);  // the break goes as one character
  EXPECT_EQ(Text(m), u"ab");
}

TEST_F(EditTest, ReadOnlyRefusesEditsButSelects) {
  HWND e = Single(u"fixed", ES_AUTOHSCROLL | ES_READONLY);
  Focus(e);
  headless::TypeText(u"zz");
  headless::KeyPress(VK_BACK);
  EXPECT_EQ(Text(e), u"fixed");
  PressWith(VK_RIGHT, false, true);
  EXPECT_EQ(Sel(e), std::make_pair(0, 1));
  SendMessage(e, EM_SETREADONLY, FALSE, 0);
  EXPECT_EQ(GetWindowLongPtr(e, GWL_STYLE) & ES_READONLY, 0);
  headless::TypeText(u"!");
  EXPECT_NE(Text(e), u"fixed");
}

TEST_F(EditTest, LimitCutsTypingAndReportsIt) {
  HWND e = Single();
  SendMessage(e, EM_LIMITTEXT, 5, 0);
  Focus(e);
  headless::TypeText(u"1234567");
  EXPECT_EQ(Text(e), u"12345");
  EXPECT_EQ(CountNotices(EN_MAXTEXT), 2);
  EXPECT_EQ(SendMessage(e, EM_GETLIMITTEXT, 0, 0), 5);
}

TEST_F(EditTest, NumberStyleTakesDigitsOnly) {
  HWND e = Single(u"", ES_AUTOHSCROLL | ES_NUMBER);
  Focus(e);
  headless::TypeText(u"a1b2");
  EXPECT_EQ(Text(e), u"12");
}

TEST_F(EditTest, WithoutAutoScrollTypingStopsAtTheRightEdge) {
  HWND e = Make(WC_EDIT, u"", 0, 10, 10, 40, 21, 103, WS_EX_CLIENTEDGE);
  Focus(e);
  headless::TypeText(u"wwwwwwwwwwwwwwwwwwww");
  int n = GetWindowTextLength(e);
  EXPECT_GT(n, 0);
  EXPECT_LT(n, 20);
}

TEST_F(EditTest, MouseDragAndDoubleClickSelect) {
  HWND e = Single(u"alpha beta gamma");
  RunUntilIdle();
  LRESULT p0 = SendMessage(e, EM_POSFROMCHAR, 0, 0);
  LRESULT p5 = SendMessage(e, EM_POSFROMCHAR, 5, 0);
  LRESULT p8 = SendMessage(e, EM_POSFROMCHAR, 8, 0);
  int y = GET_Y_LPARAM(p0) + 5;
  headless::MouseMove(Screen(e, GET_X_LPARAM(p0), y));
  headless::MouseDown(Screen(e, GET_X_LPARAM(p0), y));
  headless::MouseMove(Screen(e, GET_X_LPARAM(p5), y));
  headless::MouseUp(Screen(e, GET_X_LPARAM(p5), y));
  EXPECT_EQ(GetFocus(), e);
  EXPECT_EQ(Sel(e), std::make_pair(0, 5));
  headless::Screen().Advance(1000);
  headless::DoubleClick(Screen(e, GET_X_LPARAM(p8), y));
  EXPECT_EQ(Sel(e), std::make_pair(6, 10));
}

TEST_F(EditTest, VerticalMovesKeepTheColumn) {
  HWND e = Multi(u"abcdef\r\nab\r\nabcdef");
  Focus(e);
  SendMessage(e, EM_SETSEL, 5, 5);
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Sel(e).second, 10);  // end of the short line
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Sel(e).second, 17);  // back to the first column kept
  PressWith(VK_HOME, true, true);
  EXPECT_EQ(Sel(e), std::make_pair(0, 17));
  PressWith(VK_END, true);
  EXPECT_EQ(Sel(e), std::make_pair(18, 18));
}

TEST_F(EditTest, ScrollBarRangeAndPageFollowAppends) {
  HWND e = Multi();
  int lh = 0;
  for (int i = 0; i < 100; ++i) Append(e, u"https://example.com/page\r\n");
  lh = LineHeight(e);
  ASSERT_GT(lh, 0);
  RECT fr;
  SendMessage(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fr));
  int visible = fr.Height() / lh;
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(e, SB_VERT, &si);
  EXPECT_EQ(si.nMin, 0);
  EXPECT_EQ(si.nMax, 100);  // 101 lines: the last one is empty
  EXPECT_EQ(static_cast<int>(si.nPage), visible);
  EXPECT_EQ(si.nPos, 101 - visible);  // the caret at the end is in view
  EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 101 - visible);
}

TEST_F(EditTest, RedrawOffBatchCountsAndCatchesUpAfterwards) {
  HWND e = Multi();
  SendMessage(e, WM_SETREDRAW, FALSE, 0);
  Notices().clear();
  for (int i = 0; i < 500; ++i) {
    Append(e, u"line\r\n");
    ASSERT_EQ(Lines(e), i + 2);
  }
  EXPECT_EQ(CountNotices(EN_CHANGE), 500);
  SendMessage(e, WM_SETREDRAW, TRUE, 0);
  RunUntilIdle();
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(e, SB_VERT, &si);
  EXPECT_EQ(si.nMax, 500);
  EXPECT_EQ(si.nPos + static_cast<int>(si.nPage), 501);
}

TEST_F(EditTest, HorizontalBarFollowsTheWidestLine) {
  HWND e = Multi(u"", ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL);
  Append(e, u"short\r\n");
  std::u16string wide(200, u'w');
  Append(e, wide + u"\r\n");
  RECT fr;
  SendMessage(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fr));
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(e, SB_HORZ, &si);
  int widest =
      GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 7 + 200, 0)) - GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 7, 0));
  EXPECT_EQ(si.nMax, widest);
  EXPECT_EQ(static_cast<int>(si.nPage), fr.Width());
  SendMessage(e, EM_SETSEL, 0, -1);
  SendMessage(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"x"));
  GetScrollInfo(e, SB_HORZ, &si);
  EXPECT_LT(si.nMax, 20);  // the wide line is gone
}

TEST_F(EditTest, AlignmentPlacesTheText) {
  HWND left = Single(u"abc");
  HWND centre = Single(u"abc", ES_CENTER);
  HWND right = Single(u"abc", ES_RIGHT);
  auto x0 = [](HWND h) { return GET_X_LPARAM(SendMessage(h, EM_POSFROMCHAR, 0, 0)); };
  RECT fr;
  SendMessage(right, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&fr));
  int width = GET_X_LPARAM(SendMessage(right, EM_POSFROMCHAR, 3, 0)) - x0(right);
  EXPECT_EQ(x0(left), fr.Left);
  EXPECT_NEAR(x0(centre), fr.Left + (fr.Width() - width) / 2, 1);
  EXPECT_NEAR(x0(right) + width, fr.Right - 1, 1);
}

TEST_F(EditTest, WheelAndLineScroll) {
  HWND e = Multi();
  for (int i = 0; i < 50; ++i) Append(e, u"x\r\n");
  SendMessage(e, EM_SETSEL, 0, 0);
  SendMessage(e, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  headless::Wheel(Screen(e, 20, 20), -WHEEL_DELTA);
  EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 3);
  EXPECT_EQ(CountNotices(EN_VSCROLL), 1);
  SendMessage(e, EM_LINESCROLL, 0, 10);
  EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 13);
  SendMessage(e, EM_LINESCROLL, 0, -100);
  EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

}  // namespace
}  // namespace ctltest
