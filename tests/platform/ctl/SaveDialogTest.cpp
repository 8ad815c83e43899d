// The save-file dialog on a temporary folder tree: the returned path, navigation by
// double-click, the up button, the folder box and typed folder paths, filters and typed
// patterns, the default extension, the overwrite prompt and a missing folder.
#include <filesystem>
#include <fstream>

#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;
namespace fs = std::filesystem;

class SaveDialogTest : public CtlTest {
 protected:
  void SetUp() override {
    CtlTest::SetUp();
    root_ = fs::temp_directory_path() /
            ("pellomir-save-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "Alpha" / "inner");
    fs::create_directories(root_ / "Beta");
    std::ofstream(root_ / "a.txt") << "a";
    std::ofstream(root_ / "b.csv") << "b";
    std::ofstream(root_ / ".hidden") << "h";
    std::ofstream(root_ / "Alpha" / "x.txt") << "x";
    Parent();
  }
  void TearDown() override {
    fs::remove_all(root_);
    CtlTest::TearDown();
  }
  std::u16string Root(const std::string& sub = "") const {
    return base::Utf8ToUtf16((sub.empty() ? root_ : root_ / sub).lexically_normal().string());
  }
  // Runs the dialog with `inside` while it is up; returns whether it saved.
  bool Run(OPENFILENAME& ofn, std::function<void(HWND)> inside) {
    ofn.hwndOwner = Parent();
    if (ofn.initialDir.empty()) ofn.initialDir = Root();
    WhenModal([inside] { inside(GetActiveWindow()); });
    return GetSaveFileName(&ofn);
  }
  static void TypeName(HWND d, const std::u16string& s) {
    HWND name = GetDlgItem(d, IDC_SAVE_NAME);
    SetFocus(name);
    SendMessage(name, EM_SETSEL, 0, -1);
    headless::TypeText(s);
  }
  static std::vector<std::u16string> Listed(HWND d) {
    HWND list = GetDlgItem(d, IDC_SAVE_LIST);
    std::vector<std::u16string> out;
    for (LRESULT i = 0; i < SendMessage(list, LB_GETCOUNT, 0, 0); ++i) {
      std::u16string s(static_cast<std::size_t>(SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1,
                       u'\0');
      SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
      s.pop_back();
      out.push_back(s);
    }
    return out;
  }
  static void DoubleClickItem(HWND d, const std::u16string& name) {
    HWND list = GetDlgItem(d, IDC_SAVE_LIST);
    LRESULT i = SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    ASSERT_GE(i, 0);
    RECT r;
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    headless::Screen().Advance(1000);
    headless::DoubleClick(Screen(list, r.Left + 30, (r.Top + r.Bottom) / 2));
  }
  static std::u16string Folder(HWND d) { return GetWindowText(GetDlgItem(d, IDC_SAVE_FOLDER)); }

  fs::path root_;
};

TEST_F(SaveDialogTest, ChildrenAreStandardControlsAndTheNameHasTheFocus) {
  OPENFILENAME ofn;
  Run(ofn, [&](HWND d) {
    EXPECT_EQ(GetClassName(d), u"#32770");
    EXPECT_EQ(GetWindowText(d), u"Save As");
    EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_SAVE_NAME));
    EXPECT_EQ(GetClassName(GetDlgItem(d, IDC_SAVE_FOLDER)), u"ComboBox");
    EXPECT_EQ(GetClassName(GetDlgItem(d, IDC_SAVE_UP)), u"Button");
    EXPECT_EQ(GetClassName(GetDlgItem(d, IDC_SAVE_LIST)), u"ListBox");
    EXPECT_EQ(GetClassName(GetDlgItem(d, IDOK)), u"Button");
    EXPECT_EQ(GetDlgItem(d, IDC_SAVE_TYPE), nullptr);  // no filters, no type box
    EXPECT_EQ(Folder(d), Root());
    // Folders first, then files; hidden entries are left out.
    EXPECT_EQ(Listed(d), (std::vector<std::u16string>{u"Alpha", u"Beta", u"a.txt", u"b.csv"}));
    headless::KeyPress(VK_ESCAPE);
  });
}

// Every control lies wholly inside the dialog, with a margin to spare, with the type box
// or without it.
TEST_F(SaveDialogTest, EveryControlFitsInsideTheDialog) {
  for (bool filters : {false, true}) {
    OPENFILENAME ofn;
    if (filters) ofn.filters = {{u"Text files (*.txt)", u"*.txt"}};
    Run(ofn, [&](HWND d) {
      RECT client;
      GetClientRect(d, &client);
      int lowest = 0;
      for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetClassName(c) == u"ComboLBox" || !IsWindowVisible(c)) continue;
        RECT r;
        GetWindowRect(c, &r);
        POINT tl{r.Left, r.Top}, br{r.Right, r.Bottom};
        ScreenToClient(d, &tl);
        ScreenToClient(d, &br);
        EXPECT_GE(tl.X, 4) << "filters " << filters;
        EXPECT_GE(tl.Y, 4) << "filters " << filters;
        EXPECT_LE(br.X, client.Right - 4) << "filters " << filters;
        EXPECT_LE(br.Y, client.Bottom - 4) << "filters " << filters;
        lowest = std::max(lowest, static_cast<int>(br.Y));
      }
      EXPECT_LE(client.Bottom - lowest, 12) << "no empty band at the bottom; filters " << filters;
      headless::KeyPress(VK_ESCAPE);
    });
  }
}

TEST_F(SaveDialogTest, ReturnsTheFullPathOfTheTypedName) {
  OPENFILENAME ofn;
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    TypeName(d, u"list");
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.file, Root("list"));
}

TEST_F(SaveDialogTest, CancelKeepsTheName) {
  OPENFILENAME ofn;
  ofn.file = u"start";
  EXPECT_FALSE(Run(ofn, [&](HWND d) {
    EXPECT_EQ(GetDlgItemText(d, IDC_SAVE_NAME), u"start");
    SendMessage(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0);
  }));
  EXPECT_EQ(ofn.file, u"start");
}

TEST_F(SaveDialogTest, DoubleClickOpensAFolderAndUpComesBack) {
  OPENFILENAME ofn;
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    DoubleClickItem(d, u"Alpha");
    EXPECT_EQ(Folder(d), Root("Alpha"));
    EXPECT_EQ(Listed(d), (std::vector<std::u16string>{u"inner", u"x.txt"}));
    SendMessage(GetDlgItem(d, IDC_SAVE_UP), BM_CLICK, 0, 0);
    EXPECT_EQ(Folder(d), Root());
    DoubleClickItem(d, u"Alpha");
    DoubleClickItem(d, u"inner");
    TypeName(d, u"deep");
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.file, Root("Alpha/inner/deep"));
}

TEST_F(SaveDialogTest, EnterInTheListOpensTheChosenFolder) {
  OPENFILENAME ofn;
  ofn.file = u"kept";
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    HWND list = GetDlgItem(d, IDC_SAVE_LIST);
    SetFocus(list);
    headless::KeyPress(VK_DOWN);  // Alpha
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(Folder(d), Root("Alpha"));
    headless::KeyPress(VK_TAB);  // the name box follows the list
    EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_SAVE_NAME));
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.file, Root("Alpha/kept"));
}

TEST_F(SaveDialogTest, ChoosingAFileInTheListNamesIt) {
  OPENFILENAME ofn;
  ASSERT_TRUE(Run(ofn, [&](HWND d) { DoubleClickItem(d, u"b.csv"); }));
  EXPECT_EQ(ofn.file, Root("b.csv"));
}

TEST_F(SaveDialogTest, TypingAFolderPathGoesThere) {
  OPENFILENAME ofn;
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    TypeName(d, Root("Beta"));
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(Folder(d), Root("Beta"));
    EXPECT_EQ(GetDlgItemText(d, IDC_SAVE_NAME), u"");
    TypeName(d, u"../Alpha/inner");  // relative to the folder shown
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(Folder(d), Root("Alpha/inner"));
    TypeName(d, u"../x.txt.bak");
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.file, Root("Alpha/x.txt.bak"));
}

TEST_F(SaveDialogTest, FolderBoxListsTheParentsAndGoesToOne) {
  OPENFILENAME ofn;
  ofn.initialDir = Root("Alpha/inner");
  Run(ofn, [&](HWND d) {
    HWND box = GetDlgItem(d, IDC_SAVE_FOLDER);
    LRESULT count = SendMessage(box, CB_GETCOUNT, 0, 0);
    EXPECT_EQ(count, static_cast<LRESULT>(std::distance(root_.begin(), root_.end())) + 2);
    EXPECT_EQ(SendMessage(box, CB_GETCURSEL, 0, 0), count - 1);
    SetFocus(box);
    headless::KeyPress(VK_UP);
    headless::KeyPress(VK_UP);
    EXPECT_EQ(Folder(d), Root());
    EXPECT_EQ(Listed(d).front(), u"Alpha");
    headless::KeyPress(VK_ESCAPE);
  });
}

TEST_F(SaveDialogTest, FiltersAndTypedPatterns) {
  OPENFILENAME ofn;
  ofn.filters = {{u"Text files (*.txt)", u"*.txt"}, {u"All files", u"*.*"}};
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    EXPECT_EQ(Listed(d), (std::vector<std::u16string>{u"Alpha", u"Beta", u"a.txt"}));
    SetFocus(GetDlgItem(d, IDC_SAVE_TYPE));
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Listed(d).size(), 4u);
    TypeName(d, u"*.CSV");
    headless::KeyPress(VK_RETURN);
    EXPECT_EQ(Listed(d), (std::vector<std::u16string>{u"Alpha", u"Beta", u"b.csv"}));
    TypeName(d, u"out");
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.nFilterIndex, 2);
  EXPECT_EQ(ofn.file, Root("out"));
}

TEST_F(SaveDialogTest, DefaultExtensionOnlyWhenThereIsNone) {
  OPENFILENAME ofn;
  ofn.defExt = u"txt";
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    TypeName(d, u"notes");
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.file, Root("notes.txt"));
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    TypeName(d, u"archive.tar");
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(ofn.file, Root("archive.tar"));
}

TEST_F(SaveDialogTest, OverwritePromptAsksBeforeReplacing) {
  OPENFILENAME ofn;
  ofn.flags = OFN_OVERWRITEPROMPT;
  std::u16string question;
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    TypeName(d, u"a.txt");
    WhenModal([&] {
      question = GetWindowText(GetDlgItem(GetActiveWindow(), IDC_MSGBOX_TEXT));
      headless::KeyPress(VK_RETURN);  // the default answer is No
    });
    headless::KeyPress(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(d));  // still asking for a name
    WhenModal([&] { headless::TypeText(u"y"); });
    headless::KeyPress(VK_RETURN);
  }));
  EXPECT_EQ(question, u"a.txt already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(ofn.file, Root("a.txt"));
  // Without the flag an existing file is taken silently.
  ofn.flags = 0;
  ASSERT_TRUE(Run(ofn, [&](HWND d) {
    TypeName(d, u"a.txt");
    headless::KeyPress(VK_RETURN);
  }));
}

TEST_F(SaveDialogTest, MissingFolderIsReported) {
  OPENFILENAME ofn;
  bool warned = false;
  EXPECT_FALSE(Run(ofn, [&](HWND d) {
    TypeName(d, u"nowhere/file");
    WhenModal([&] {
      warned =
          GetWindowText(GetDlgItem(GetActiveWindow(), IDC_MSGBOX_TEXT)).find(u"does not exist") != std::u16string::npos;
      headless::KeyPress(VK_RETURN);
    });
    headless::KeyPress(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(d));
    headless::KeyPress(VK_ESCAPE);
  }));
  EXPECT_TRUE(warned);
}

}  // namespace
}  // namespace ctltest
