// The controls' demo: a window with a single-line edit (with a cue banner), a filled
// multi-line edit with its scroll bar, check boxes, radio buttons, a list, a combo box and
// push buttons, then an error message box over it, and the save-file dialog on a small
// folder tree. Writes ctlwindow.png, ctldemo.png, ctlquestion.png and ctlsave.png next to the test program for eyes;
// the checks are on what the user would do with them.
#include <filesystem>
#include <fstream>

#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

class DemoTest : public CtlTest {};

TEST_F(DemoTest, ControlsAndAnErrorBox) {
  HWND top = Parent();
  SetWindowText(top, u"Sitemap links");
  HWND address = CreateDialogItem(top, WC_EDIT, u"", ES_AUTOHSCROLL | WS_TABSTOP, gfx::Bounds(10, 12, 280, 21), 1,
                                  WS_EX_CLIENTEDGE);
  SendMessage(address, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(u"https://example.com/sitemap.xml"));
  CreateDialogItem(top, WC_BUTTON, u"&Get list", BS_DEFPUSHBUTTON | WS_TABSTOP, gfx::Bounds(300, 11, 90, 23), 2);
  CreateDialogItem(top, WC_BUTTON, u" Found URLs: 40 ", BS_GROUPBOX, gfx::Bounds(8, 42, 384, 170), 3);
  HWND memo = CreateDialogItem(top, WC_EDIT, u"",
                               ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                               gfx::Bounds(16, 60, 368, 144), 4, WS_EX_CLIENTEDGE);
  std::u16string text;
  for (int i = 1; i <= 40; ++i) {
    std::string s = "https://example.com/catalog/item-" + std::to_string(i * 37) + ".html\r\n";
    text += std::u16string(s.begin(), s.end());
  }
  SetWindowText(memo, text);
  SendMessage(memo, EM_SETSEL, 0, 33);
  CreateDialogItem(top, WC_BUTTON, u"Keep &duplicates", BS_AUTOCHECKBOX | WS_TABSTOP, gfx::Bounds(10, 220, 120, 18), 5);
  SendDlgItemMessage(top, 5, BM_SETCHECK, BST_CHECKED, 0);
  CreateDialogItem(top, WC_BUTTON, u"&Pages", BS_AUTORADIOBUTTON | WS_GROUP, gfx::Bounds(140, 220, 70, 18), 6);
  CreateDialogItem(top, WC_BUTTON, u"&Images", BS_AUTORADIOBUTTON, gfx::Bounds(210, 220, 70, 18), 7);
  SendDlgItemMessage(top, 6, BM_SETCHECK, BST_CHECKED, 0);
  HWND combo =
      CreateDialogItem(top, WC_COMBOBOX, u"", CBS_DROPDOWNLIST | WS_VSCROLL, gfx::Bounds(10, 246, 120, 120), 8);
  for (const char16_t* s : {u"UTF-8", u"Windows-1251", u"KOI8-R"})
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessage(combo, CB_SETCURSEL, 1, 0);
  CreateDialogItem(top, WC_BUTTON, u"&Save", BS_PUSHBUTTON | WS_TABSTOP, gfx::Bounds(220, 272, 80, 23), 9);
  CreateDialogItem(top, WC_BUTTON, u"Disabled", BS_PUSHBUTTON | WS_DISABLED, gfx::Bounds(310, 272, 80, 23), 10);
  CreateDialogItem(top, WC_BUTTON, u"Ready", BS_AUTOCHECKBOX | WS_DISABLED, gfx::Bounds(290, 220, 100, 18), 11);
  HWND list = CreateDialogItem(top, WC_LISTBOX, u"", LBS_NOTIFY | WS_VSCROLL, gfx::Bounds(140, 246, 70, 48), 12,
                               WS_EX_CLIENTEDGE);
  for (const char16_t* s : {u"one", u"two", u"three", u"four", u"five"})
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessage(list, LB_SETCURSEL, 1, 0);
  SetFocus(memo);
  RunUntilIdle();
  headless::SaveScreenshot("ctlwindow.png");

  int answer = 0;
  std::u16string boxText;
  WhenModal([&] {
    HWND box = GetActiveWindow();
    EXPECT_EQ(GetClassName(box), u"#32770");
    boxText = GetWindowText(GetDlgItem(box, IDC_MSGBOX_TEXT));
    RECT br, tr;
    GetWindowRect(box, &br);
    GetWindowRect(top, &tr);
    EXPECT_NEAR((br.Left + br.Right) / 2, (tr.Left + tr.Right) / 2, 1);  // centred on its owner
    EXPECT_FALSE(IsWindowEnabled(top));
    RunUntilIdle();
    headless::SaveScreenshot("ctldemo.png");
    headless::KeyPress(VK_RETURN);
  });
  answer = MessageBox(top, u"Cannot create file \"/home/user/list.txt\". Permission denied.", u"Sitemap",
                      MB_OK | MB_ICONERROR);
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(boxText, u"Cannot create file \"/home/user/list.txt\". Permission denied.");
  EXPECT_TRUE(IsWindowEnabled(top));

  // A long question wraps to a few lines and keeps its buttons in one row.
  WhenModal([&] {
    HWND box = GetActiveWindow();
    RECT text, yes, cancel;
    GetWindowRect(GetDlgItem(box, IDC_MSGBOX_TEXT), &text);
    GetWindowRect(GetDlgItem(box, IDYES), &yes);
    GetWindowRect(GetDlgItem(box, IDCANCEL), &cancel);
    EXPECT_GE(text.Height(), 2 * 13);  // more than one line
    EXPECT_EQ(yes.Top, cancel.Top);
    EXPECT_GE(yes.Top, text.Bottom);
    RunUntilIdle();
    headless::SaveScreenshot("ctlquestion.png");
    headless::KeyPress(VK_ESCAPE);
  });
  answer = MessageBox(top,
                      u"The list holds 40 addresses that are not saved yet. Closing the window now "
                      u"loses them. Do you want to save the list to a text file before closing?",
                      u"Sitemap", MB_YESNOCANCEL | MB_ICONQUESTION);
  EXPECT_EQ(answer, IDCANCEL);
}

TEST_F(DemoTest, SaveDialogOnAFolderTree) {
  namespace fs = std::filesystem;
  fs::path root = fs::temp_directory_path() / "pellomir-ctl-demo";
  fs::remove_all(root);
  fs::create_directories(root / "Documents");
  fs::create_directories(root / "Projects");
  fs::create_directories(root / "Sitemaps");
  for (const char* f : {"links.txt", "notes.txt", "report.csv", "sitemap.xml"}) std::ofstream(root / f) << "x";
  HWND top = Parent();
  OPENFILENAME ofn;
  ofn.hwndOwner = top;
  ofn.initialDir = base::Utf8ToUtf16(root.string());
  ofn.filters = {{u"Text files (*.txt)", u"*.txt"}, {u"All files (*.*)", u"*.*"}};
  ofn.file = u"links";
  WhenModal([&] {
    HWND dlg = GetActiveWindow();
    EXPECT_EQ(GetClassName(GetFocus()), u"Edit");
    SendMessage(GetDlgItem(dlg, IDC_SAVE_LIST), LB_SETCURSEL, 1, 0);
    RunUntilIdle();
    headless::SaveScreenshot("ctlsave.png");
    SendMessage(GetDlgItem(dlg, IDC_SAVE_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    headless::KeyPress(VK_ESCAPE);
  });
  EXPECT_FALSE(GetSaveFileName(&ofn));
  fs::remove_all(root);
}

}  // namespace
}  // namespace ctltest
