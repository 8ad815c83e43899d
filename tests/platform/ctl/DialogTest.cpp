// The dialog manager: the first focus, Tab order, arrows within a radio group, mnemonics,
// Enter for the default button, Escape, and the default look following the focus.
#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

constexpr int kLabel = 10, kName = 11, kRemember = 12, kOne = 13, kTwo = 14, kOff = 15, kNotes = 16;

HWND Add(HWND d, const char16_t* cls, const char16_t* text, DWORD style, int y, int id, DWORD ex = 0) {
  return CreateDialogItem(d, cls, text, style, gfx::Bounds(10, y, 200, 21), id, ex);
}

LRESULT FormProc(HWND d, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      Add(d, WC_STATIC, u"&Name:", SS_LEFT, 10, kLabel);
      Add(d, WC_EDIT, u"preset", ES_AUTOHSCROLL | WS_TABSTOP, 30, kName, WS_EX_CLIENTEDGE);
      Add(d, WC_BUTTON, u"&Remember", BS_AUTOCHECKBOX | WS_TABSTOP, 55, kRemember);
      Add(d, WC_BUTTON, u"&One", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 80, kOne);
      Add(d, WC_BUTTON, u"T&wo", BS_AUTORADIOBUTTON, 100, kTwo);
      Add(d, WC_BUTTON, u"Off", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED | WS_GROUP, 125, kOff);
      Add(d, WC_EDIT, u"", ES_MULTILINE | WS_TABSTOP, 150, kNotes, WS_EX_CLIENTEDGE);
      Add(d, WC_BUTTON, u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 180, IDOK);
      Add(d, WC_BUTTON, u"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 205, IDCANCEL);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(d, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

class DialogTest : public CtlTest {
 protected:
  LRESULT Run(std::function<void(HWND)> inside) {
    DialogParams params;
    params.owner = Parent();
    WhenModal([inside] { inside(GetActiveWindow()); });
    params.title = u"Form";
    params.rect = gfx::Bounds(200, 200, 240, 280);
    params.proc = &FormProc;
    return DialogBox(params);
  }
  static int FocusId() { return GetDlgCtrlID(GetFocus()); }
};

TEST_F(DialogTest, FirstTabStopHasTheFocusWithItsTextSelected) {
  Run([](HWND d) {
    EXPECT_EQ(FocusId(), kName);
    DWORD a = 0, b = 0;
    SendDlgItemMessage(d, kName, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(DWORD{0}, DWORD{6}));
    headless::KeyPress(VK_ESCAPE);
  });
}

TEST_F(DialogTest, TabSkipsWhatCannotTakeTheFocusAndWraps) {
  std::vector<int> order;
  Run([&](HWND) {
    for (int i = 0; i < 6; ++i) {
      headless::KeyPress(VK_TAB);
      order.push_back(FocusId());
    }
    PressWith(VK_TAB, false, true);
    order.push_back(FocusId());
    headless::KeyPress(VK_ESCAPE);
  });
  EXPECT_EQ(order, (std::vector<int>{kRemember, kOne, kNotes, IDOK, IDCANCEL, kName, IDCANCEL}));
}

TEST_F(DialogTest, ArrowsWalkARadioGroupAndCheck) {
  Run([](HWND d) {
    GotoDlgCtrl(d, GetDlgItem(d, kOne));
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(FocusId(), kTwo);
    EXPECT_EQ(SendDlgItemMessage(d, kTwo, BM_GETCHECK, 0, 0), BST_CHECKED);
    headless::KeyPress(VK_DOWN);  // wraps within the group
    EXPECT_EQ(FocusId(), kOne);
    EXPECT_EQ(SendDlgItemMessage(d, kTwo, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    headless::KeyPress(VK_ESCAPE);
  });
}

TEST_F(DialogTest, MnemonicsFocusOrPress) {
  Run([](HWND d) {
    GotoDlgCtrl(d, GetDlgItem(d, IDOK));
    headless::KeyDown(VK_MENU);
    headless::KeyPress('N');  // a label hands the focus to the control after it
    EXPECT_EQ(FocusId(), kName);
    headless::KeyPress('R');  // a check box is pressed
    EXPECT_EQ(SendDlgItemMessage(d, kRemember, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(FocusId(), kRemember);
    headless::KeyPress('W');
    EXPECT_EQ(SendDlgItemMessage(d, kTwo, BM_GETCHECK, 0, 0), BST_CHECKED);
    headless::KeyUp(VK_MENU);
    headless::KeyPress(VK_ESCAPE);
  });
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonEscapeCancels) {
  EXPECT_EQ(Run([](HWND) { headless::KeyPress(VK_RETURN); }), IDOK);
  EXPECT_EQ(Run([](HWND) { headless::KeyPress(VK_ESCAPE); }), IDCANCEL);
  EXPECT_EQ(Run([](HWND d) {
              GotoDlgCtrl(d, GetDlgItem(d, kNotes));
              headless::TypeText(u"ab");
              headless::KeyPress(VK_RETURN);  // no ES_WANTRETURN: Enter is the dialog's
            }),
            IDOK);
  EXPECT_EQ(Run([](HWND d) {
              SendMessage(d, DM_SETDEFID, IDCANCEL, 0);
              EXPECT_EQ(GetWindowLongPtr(GetDlgItem(d, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
              EXPECT_EQ(GetWindowLongPtr(GetDlgItem(d, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
              headless::KeyPress(VK_RETURN);
            }),
            IDCANCEL);
}

TEST_F(DialogTest, DefaultLookFollowsTheFocusedPushButton) {
  Run([](HWND d) {
    HWND ok = GetDlgItem(d, IDOK), cancel = GetDlgItem(d, IDCANCEL);
    GotoDlgCtrl(d, cancel);
    EXPECT_EQ(GetWindowLongPtr(cancel, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtr(ok, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    GotoDlgCtrl(d, GetDlgItem(d, kName));
    EXPECT_EQ(GetWindowLongPtr(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtr(cancel, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    MSG m{GetFocus(), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(IsDialogMessage(d, &m));  // not a dialog key
    headless::KeyPress(VK_ESCAPE);
  });
}

}  // namespace
}  // namespace ctltest
