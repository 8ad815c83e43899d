// The message box: its button sets and answers, the focused default button, Enter,
// Escape, Alt+letter and clicks, its icon, its size and place, and its owner.
#include "CtlTestSupport.h"

namespace ctltest {
namespace {

using namespace ctl;

class MessageBoxTest : public CtlTest {
 protected:
  // Shows a box and runs `inside` while it is up; returns the answer.
  int Show(UINT type, std::function<void(HWND)> inside, const std::u16string& text = u"Text", HWND owner = nullptr,
           const char16_t* caption = u"Caption") {
    WhenModal([inside] { inside(GetActiveWindow()); });
    return MessageBox(owner, text, caption, type);
  }
  static std::vector<std::pair<int, std::u16string>> Buttons(HWND box) {
    std::vector<std::pair<int, std::u16string>> out;
    for (HWND h = GetWindow(box, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
      if (GetClassName(h) == WC_BUTTON) out.emplace_back(GetDlgCtrlID(h), GetWindowText(h));
    return out;
  }
  static void AltKey(int vk) {
    headless::KeyDown(VK_MENU);
    headless::KeyPress(vk);
    headless::KeyUp(VK_MENU);
  }
};

using Set = std::vector<std::pair<int, std::u16string>>;

TEST_F(MessageBoxTest, ButtonSetsAndWhatEscapeAnswers) {
  struct Case {
    UINT type;
    Set buttons;
    int onEscape;  // 0: Escape does nothing, Enter answers the first button
  };
  const Case cases[] = {
      {MB_OK, {{IDOK, u"OK"}}, IDOK},
      {MB_OKCANCEL, {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}}, IDCANCEL},
      {MB_ABORTRETRYIGNORE, {{IDABORT, u"&Abort"}, {IDRETRY, u"&Retry"}, {IDIGNORE, u"&Ignore"}}, 0},
      {MB_YESNOCANCEL, {{IDYES, u"&Yes"}, {IDNO, u"&No"}, {IDCANCEL, u"Cancel"}}, IDCANCEL},
      {MB_YESNO, {{IDYES, u"&Yes"}, {IDNO, u"&No"}}, 0},
      {MB_RETRYCANCEL, {{IDRETRY, u"&Retry"}, {IDCANCEL, u"Cancel"}}, IDCANCEL},
  };
  for (const Case& c : cases) {
    Set seen;
    int answer = Show(c.type, [&](HWND box) {
      seen = Buttons(box);
      headless::KeyPress(VK_ESCAPE);
      headless::KeyPress(VK_RETURN);  // answers only when Escape did not
    });
    EXPECT_EQ(seen, c.buttons) << "type " << c.type;
    EXPECT_EQ(answer, c.onEscape ? c.onEscape : c.buttons[0].first) << "type " << c.type;
  }
}

// A creation hook sees a dialog of this layer as the platform shows one: by the dialog
// class's atom, not by its name.
HHOOK g_cbt = nullptr;
std::vector<HWND> g_byAtom;
std::vector<HWND> g_byName;
LRESULT SeeDialogs(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const char16_t* cls = reinterpret_cast<CBT_CREATEWND*>(lParam)->lpcs->lpszClass;
    if (IS_INTRESOURCE(cls) && ATOMOF(cls) == DIALOG_CLASS_ATOM) g_byAtom.push_back(reinterpret_cast<HWND>(wParam));
    if (!IS_INTRESOURCE(cls) && std::u16string(cls) == WC_DIALOG) g_byName.push_back(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(g_cbt, code, wParam, lParam);
}

TEST_F(MessageBoxTest, CreationHookSeesTheDialogClassAtom) {
  g_byAtom.clear();
  g_byName.clear();
  g_cbt = SetWindowsHookEx(WH_CBT, &SeeDialogs, nullptr, GetCurrentThreadId());
  HWND box = nullptr;
  Show(MB_OK, [&](HWND b) {
    box = b;
    headless::KeyPress(VK_RETURN);
  });
  UnhookWindowsHookEx(g_cbt);
  ASSERT_EQ(g_byAtom.size(), 1u);
  EXPECT_EQ(g_byAtom[0], box);
  EXPECT_TRUE(g_byName.empty());
  EXPECT_FALSE(IsWindow(box));
}

TEST_F(MessageBoxTest, DefaultButtonHasTheFocusAndEnterPressesIt) {
  HWND focused = nullptr;
  int answer = Show(MB_YESNOCANCEL | MB_DEFBUTTON2, [&](HWND box) {
    focused = GetFocus();
    EXPECT_EQ(GetDlgCtrlID(focused), IDNO);
    EXPECT_EQ(GetWindowLongPtr(focused, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(SendMessage(box, DM_GETDEFID, 0, 0))), IDNO);
    headless::KeyPress(VK_RETURN);
  });
  EXPECT_EQ(answer, IDNO);
}

TEST_F(MessageBoxTest, TabMovesTheFocusAndTheDefaultLook) {
  int answer = Show(MB_YESNOCANCEL, [&](HWND box) {
    headless::KeyPress(VK_TAB);
    HWND no = GetDlgItem(box, IDNO);
    EXPECT_EQ(GetFocus(), no);
    EXPECT_EQ(GetWindowLongPtr(no, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtr(GetDlgItem(box, IDYES), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    PressWith(VK_TAB, false, true);
    PressWith(VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), GetDlgItem(box, IDCANCEL));  // wraps around
    headless::KeyPress(VK_SPACE);
  });
  EXPECT_EQ(answer, IDCANCEL);
}

TEST_F(MessageBoxTest, AltLetterAndPlainLetterPressTheMarkedButton) {
  EXPECT_EQ(Show(MB_YESNO, [&](HWND) { AltKey('N'); }), IDNO);
  EXPECT_EQ(Show(MB_ABORTRETRYIGNORE, [&](HWND) { headless::TypeText(u"i"); }), IDIGNORE);
}

TEST_F(MessageBoxTest, ClickingAButtonAnswersIt) {
  int answer = Show(MB_RETRYCANCEL, [&](HWND box) {
    HWND retry = GetDlgItem(box, IDRETRY);
    RECT r;
    GetWindowRect(retry, &r);
    headless::Click({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  });
  EXPECT_EQ(answer, IDRETRY);
}

TEST_F(MessageBoxTest, ClosingAnswersLikeEscape) {
  EXPECT_EQ(Show(MB_OK, [](HWND box) { SendMessage(box, WM_CLOSE, 0, 0); }), IDOK);
  int answer = Show(MB_YESNO, [](HWND box) {
    UINT close = GetMenuState(GetSystemMenu(box, FALSE), static_cast<UINT>(SC_CLOSE), MF_BYCOMMAND);
    EXPECT_TRUE(close & MF_GRAYED);  // the close box is grey
    SendMessage(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(InModalLoop(box));
    SendMessage(box, WM_COMMAND, IDYES, 0);
  });
  EXPECT_EQ(answer, IDYES);
}

TEST_F(MessageBoxTest, IconByKind) {
  const std::pair<UINT, int> kinds[] = {{MB_ICONERROR, IDI_HAND},
                                        {MB_ICONWARNING, IDI_EXCLAMATION},
                                        {MB_ICONINFORMATION, IDI_ASTERISK},
                                        {MB_ICONQUESTION, IDI_QUESTION},
                                        {0, 0}};
  for (auto [flag, id] : kinds) {
    int shown = -1;
    Show(MB_OK | flag, [&](HWND box) {
      HWND icon = GetDlgItem(box, IDC_MSGBOX_ICON);
      shown = icon ? StandardIconId(reinterpret_cast<HICON>(SendMessage(icon, STM_GETICON, 0, 0))) : 0;
      if (icon) {
        EXPECT_EQ(GetWindowLongPtr(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
      }
      headless::KeyPress(VK_RETURN);
    });
    EXPECT_EQ(shown, id);
  }
}

TEST_F(MessageBoxTest, SizedToItsTextAndCentred) {
  RECT small{}, large{}, text{};
  Show(
      MB_OK,
      [&](HWND box) {
        GetWindowRect(box, &small);
        headless::KeyPress(VK_RETURN);
      },
      u"Short.");
  std::u16string longText;
  for (int i = 0; i < 40; ++i) longText += u"A rather long sentence. ";
  Show(
      MB_OK | MB_ICONINFORMATION,
      [&](HWND box) {
        GetWindowRect(box, &large);
        GetWindowRect(GetDlgItem(box, IDC_MSGBOX_TEXT), &text);
        headless::KeyPress(VK_RETURN);
      },
      longText);
  EXPECT_LT(small.Width(), large.Width());
  EXPECT_LE(text.Width(), 420);      // wrapped to a readable width
  EXPECT_GT(text.Height(), 4 * 13);  // over several lines
  RECT work = GetWorkArea();
  EXPECT_NEAR((small.Left + small.Right) / 2, (work.Left + work.Right) / 2, 1);  // no owner: the screen's centre
  EXPECT_NEAR((small.Top + small.Bottom) / 2, (work.Top + work.Bottom) / 2, 1);
}

TEST_F(MessageBoxTest, OwnerIsDisabledWhileTheBoxIsUp) {
  HWND owner = Parent();
  HWND edit = Make(WC_EDIT, u"", ES_AUTOHSCROLL, 10, 10, 100, 21);
  bool enabledDuring = true;
  std::u16string caption;
  Show(
      MB_OK,
      [&](HWND box) {
        enabledDuring = IsWindowEnabled(owner) != FALSE;
        caption = GetWindowText(box);
        EXPECT_EQ(GetParent(box), owner);  // owned by the top-level window of the child passed
        headless::KeyPress(VK_RETURN);
      },
      u"x", edit, nullptr);
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(caption, u"Error");  // no caption given
}

}  // namespace
}  // namespace ctltest
