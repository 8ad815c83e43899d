// The "ListBox" control: items, sorting, finding, selection by program, mouse and keys,
// notifications and scrolling.
#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

class ListBoxTest : public CtlTest {
 protected:
  HWND List(DWORD style = LBS_NOTIFY | WS_VSCROLL, int height = 100) {
    return Make(WC_LISTBOX, u"", style | WS_TABSTOP, 10, 10, 150, height, 300, WS_EX_CLIENTEDGE);
  }
  static void Add(HWND l, std::initializer_list<const char16_t*> items) {
    for (const char16_t* s : items) SendMessage(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  }
  static std::u16string Item(HWND l, int i) {
    std::u16string s(static_cast<std::size_t>(SendMessage(l, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, u'\0');
    SendMessage(l, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.pop_back();
    return s;
  }
  static LRESULT Sel(HWND l) { return SendMessage(l, LB_GETCURSEL, 0, 0); }
  static POINT ItemPoint(HWND l, int i) {
    RECT r;
    SendMessage(l, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return Screen(l, r.Left + 10, (r.Top + r.Bottom) / 2);
  }
};

TEST_F(ListBoxTest, ItemsInsertDeleteAndSort) {
  HWND l = List();
  Add(l, {u"b", u"a"});
  EXPECT_EQ(SendMessage(l, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(u"c")), 1);
  EXPECT_EQ(SendMessage(l, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(Item(l, 1), u"c");
  EXPECT_EQ(SendMessage(l, LB_DELETESTRING, 0, 0), 2);
  EXPECT_EQ(Item(l, 0), u"c");
  EXPECT_EQ(SendMessage(l, LB_DELETESTRING, 5, 0), LB_ERR);
  SendMessage(l, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessage(l, LB_GETCOUNT, 0, 0), 0);
  HWND sorted = Make(WC_LISTBOX, u"", LBS_SORT, 200, 10, 100, 100, 301);
  Add(sorted, {u"pear", u"Apple", u"banana", u"apple pie"});
  EXPECT_EQ(Item(sorted, 0), u"Apple");
  EXPECT_EQ(Item(sorted, 1), u"apple pie");
  EXPECT_EQ(Item(sorted, 2), u"banana");
  EXPECT_EQ(Item(sorted, 3), u"pear");
}

TEST_F(ListBoxTest, FindingIgnoresLetterCase) {
  HWND l = List();
  Add(l, {u"Alpha", u"beta", u"Bravo", u"gamma"});
  EXPECT_EQ(SendMessage(l, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"b")), 1);
  EXPECT_EQ(SendMessage(l, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>(u"B")), 2);  // after the start, wrapping
  EXPECT_EQ(SendMessage(l, LB_FINDSTRING, 2, reinterpret_cast<LPARAM>(u"b")), 1);
  EXPECT_EQ(SendMessage(l, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"BRAVO")), 2);
  EXPECT_EQ(SendMessage(l, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"Brav")), LB_ERR);
  EXPECT_EQ(SendMessage(l, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"g")), 3);
  EXPECT_EQ(Sel(l), 3);
}

TEST_F(ListBoxTest, SelectionByProgramDoesNotNotify) {
  HWND l = List();
  Add(l, {u"a", u"b", u"c"});
  EXPECT_EQ(Sel(l), LB_ERR);
  EXPECT_EQ(SendMessage(l, LB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(Sel(l), 1);
  EXPECT_EQ(SendMessage(l, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
  EXPECT_EQ(Sel(l), LB_ERR);
  EXPECT_EQ(CountNotices(LBN_SELCHANGE), 0);
  SendMessage(l, LB_SETCURSEL, 2, 0);
  SendMessage(l, LB_DELETESTRING, 0, 0);
  EXPECT_EQ(Sel(l), 1);  // follows its item
  SendMessage(l, LB_DELETESTRING, 1, 0);
  EXPECT_EQ(Sel(l), LB_ERR);
}

TEST_F(ListBoxTest, MouseSelectsAndDoubleClickNotifies) {
  HWND l = List();
  Add(l, {u"a", u"b", u"c"});
  headless::Click(ItemPoint(l, 1));
  EXPECT_EQ(Sel(l), 1);
  EXPECT_EQ(GetFocus(), l);
  EXPECT_EQ(CountNotices(LBN_SELCHANGE), 1);
  EXPECT_EQ(CountNotices(LBN_SETFOCUS), 1);
  headless::Screen().Advance(1000);
  headless::DoubleClick(ItemPoint(l, 2));
  EXPECT_EQ(Sel(l), 2);
  EXPECT_EQ(CountNotices(LBN_DBLCLK), 1);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
  HWND l = List(LBS_NOTIFY | WS_VSCROLL, 60);
  for (int i = 0; i < 20; ++i) {
    std::u16string s = u"item " + std::u16string(1, static_cast<char16_t>(u'a' + i));
    SendMessage(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  }
  SetFocus(l);
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Sel(l), 0);
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Sel(l), 1);
  headless::KeyPress(VK_END);
  EXPECT_EQ(Sel(l), 19);
  LRESULT top = SendMessage(l, LB_GETTOPINDEX, 0, 0);
  int visible = 56 / static_cast<int>(SendMessage(l, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(top, 20 - visible);
  headless::KeyPress(VK_HOME);
  EXPECT_EQ(Sel(l), 0);
  EXPECT_EQ(SendMessage(l, LB_GETTOPINDEX, 0, 0), 0);
  headless::TypeText(u"i");  // the next item starting with the letter
  EXPECT_EQ(Sel(l), 1);
  EXPECT_EQ(CountNotices(LBN_SELCHANGE), 5);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(l, SB_VERT, &si);
  EXPECT_EQ(si.nMax, 19);
  EXPECT_EQ(static_cast<int>(si.nPage), visible);
}

TEST_F(ListBoxTest, WithoutNotifyStyleNothingIsReported) {
  HWND l = List(WS_VSCROLL);
  Add(l, {u"a", u"b"});
  headless::Click(ItemPoint(l, 1));
  EXPECT_EQ(Sel(l), 1);
  EXPECT_EQ(CountNotices(LBN_SELCHANGE), 0);
}

TEST_F(ListBoxTest, ItemDataAndPoints) {
  HWND l = List();
  Add(l, {u"a", u"b"});
  SendMessage(l, LB_SETITEMDATA, 1, 42);
  EXPECT_EQ(SendMessage(l, LB_GETITEMDATA, 1, 0), 42);
  EXPECT_EQ(SendMessage(l, LB_GETITEMDATA, 7, 0), LB_ERR);
  int h = static_cast<int>(SendMessage(l, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(SendMessage(l, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, h + 1)), MAKELRESULT(1, 0));
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(SendMessage(l, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5 * h)))), 1);
}

}  // namespace
}  // namespace ctltest
