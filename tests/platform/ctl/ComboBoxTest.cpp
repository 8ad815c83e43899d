// The "ComboBox" control: items and selection, its drop-down "ComboLBox" list by mouse
// and keys, the notifications in their order, and the edit field of CBS_DROPDOWN.
#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

class ComboBoxTest : public CtlTest {
 protected:
  HWND Combo(DWORD style = CBS_DROPDOWNLIST) {
    HWND c = Make(WC_COMBOBOX, u"", style | WS_VSCROLL | WS_TABSTOP, 10, 10, 150, 150, 400);
    for (const char16_t* s : {u"red", u"green", u"blue"}) SendMessage(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    return c;
  }
  static LRESULT Sel(HWND c) { return SendMessage(c, CB_GETCURSEL, 0, 0); }
  static HWND ListOf(HWND c) {
    COMBOBOXINFO info;
    SendMessage(c, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info.hwndList;
  }
  std::vector<WORD> Codes() const {
    std::vector<WORD> out;
    for (const Notice& n : Notices())
      if (n.msg == WM_COMMAND && n.id == 400 && n.code != CBN_SETFOCUS && n.code != CBN_KILLFOCUS)
        out.push_back(n.code);
    return out;
  }
};

TEST_F(ComboBoxTest, ShowsOnlyItsFieldAndHoldsItems) {
  HWND c = Combo();
  RECT r;
  GetWindowRect(c, &r);
  EXPECT_LT(r.Height(), 30);  // the height given is the dropped height
  EXPECT_EQ(SendMessage(c, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessage(c, CB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(Text(c), u"green");
  EXPECT_EQ(SendMessage(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"BLUE")), 2);
  HWND list = ListOf(c);
  EXPECT_EQ(GetClassName(list), u"ComboLBox");
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(Codes().size(), 0u);
}

TEST_F(ComboBoxTest, ArrowKeysChangeTheSelectionWhileClosed) {
  HWND c = Combo();
  SetFocus(c);
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Sel(c), 0);
  headless::KeyPress(VK_DOWN);
  EXPECT_EQ(Sel(c), 1);
  headless::TypeText(u"b");
  EXPECT_EQ(Sel(c), 2);
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, DropDownByKeysAndChoose) {
  HWND c = Combo();
  SendMessage(c, CB_SETCURSEL, 0, 0);
  SetFocus(c);
  headless::KeyPress(VK_F4);
  EXPECT_EQ(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0), TRUE);
  EXPECT_TRUE(IsWindowVisible(ListOf(c)));
  headless::KeyPress(VK_DOWN);
  headless::KeyPress(VK_DOWN);
  headless::KeyPress(VK_RETURN);
  EXPECT_EQ(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0), FALSE);
  EXPECT_EQ(Sel(c), 2);
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, EscapeAbandonsTheChoice) {
  HWND c = Combo();
  SendMessage(c, CB_SETCURSEL, 0, 0);
  SetFocus(c);
  headless::KeyDown(VK_MENU);
  headless::KeyPress(VK_DOWN);  // Alt+Down drops the list too
  headless::KeyUp(VK_MENU);
  EXPECT_EQ(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0), TRUE);
  headless::KeyPress(VK_DOWN);
  headless::KeyPress(VK_ESCAPE);
  EXPECT_EQ(Sel(c), 0);
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, MouseDropsAndPicks) {
  HWND c = Combo();
  RECT r;
  GetWindowRect(c, &r);
  headless::Click({r.Left + 20, r.Top + 8});
  HWND list = ListOf(c);
  ASSERT_TRUE(IsWindowVisible(list));
  RECT lr;
  GetWindowRect(list, &lr);
  EXPECT_EQ(lr.Top, r.Bottom);  // right below the field
  RECT item;
  SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  POINT p = Screen(list, item.Left + 10, (item.Top + item.Bottom) / 2);
  headless::MouseMove(p);
  headless::Screen().Advance(1000);
  headless::Click(p);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(Sel(c), 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, ClickElsewhereClosesWithoutChoosing) {
  HWND c = Combo();
  SendMessage(c, CB_SETCURSEL, 2, 0);
  RECT r;
  GetWindowRect(c, &r);
  headless::Click({r.Left + 20, r.Top + 8});
  ASSERT_EQ(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0), TRUE);
  headless::MouseMove(Screen(ListOf(c), 10, 5));  // hovering marks an item
  headless::Screen().Advance(1000);
  headless::Click({r.Right + 100, r.Top + 100});
  EXPECT_EQ(SendMessage(c, CB_GETDROPPEDSTATE, 0, 0), FALSE);
  EXPECT_EQ(Sel(c), 2);
}

TEST_F(ComboBoxTest, DropDownWithAnEditField) {
  HWND c = Combo(CBS_DROPDOWN);
  COMBOBOXINFO info;
  SendMessage(c, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  HWND edit = info.hwndItem;
  ASSERT_NE(edit, c);
  EXPECT_EQ(GetClassName(edit), u"Edit");
  SendMessage(c, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(Text(edit), u"blue");
  SetFocus(c);
  EXPECT_EQ(GetFocus(), edit);  // the field takes the focus
  SendMessage(edit, EM_SETSEL, 0, -1);
  headless::TypeText(u"teal");
  EXPECT_EQ(Text(c), u"teal");
  EXPECT_EQ(CountNotices(CBN_EDITCHANGE), 4);
  EXPECT_EQ(CountNotices(CBN_EDITUPDATE), 4);
  headless::KeyPress(VK_UP);  // arrows still walk the items
  EXPECT_EQ(Text(c), u"green");
  EXPECT_EQ(CountNotices(CBN_SETFOCUS), 1);
}

}  // namespace
}  // namespace ctltest
