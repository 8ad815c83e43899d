// The adapters of windows the skin engine does not own: the choice of adapter by class,
// the program's message boxes (a form box with plain buttons and label, the application's
// error box as a standard dialog) and the save dialog, looked at on the headless screen
// (no classic face or caption colour inside them), used with the mouse and the keyboard,
// and given back when the skin goes.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/base/Unicode.h"
#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/ComboBoxApi.h"
#include "platform/ctl/MessageBox.h"
#include "platform/ctl/SaveDialog.h"
#include "platform/ctl/StaticApi.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/Color.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acBtnWnd.h"
#include "skin/windows/acComboBoxWnd.h"
#include "skin/windows/acCtrlAdapter.h"
#include "skin/windows/acDialogChildren.h"
#include "skin/windows/acDialogWnd.h"
#include "skin/windows/acEditWnd.h"
#include "skin/windows/acStaticWnd.h"
#include "skin/windows/sDialogs.h"
#include "tests/skin/windows/SkinProviderTestSupport.h"

namespace skin::test {

namespace {

constexpr std::uint32_t Px(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

TacDialogChildFacts Child(std::u16string cls, win::DWORD style = 0, int height = 21) {
  TacDialogChildFacts f;
  f.ClassName = std::move(cls);
  f.Style = style;
  f.Height = height;
  return f;
}

TacDialogChildKind KindOf(std::u16string cls, win::DWORD style = 0, int height = 21) {
  return ChooseDialogChildAdapter(Child(std::move(cls), style, height)).Kind;
}

}  // namespace

TEST(DialogChildChoice, ClassNamesAreComparedWithoutCaseAndStylesDecide) {
  using K = TacDialogChildKind;
  EXPECT_EQ(KindOf(u"Button", ctl::BS_PUSHBUTTON), K::BtnWnd);
  EXPECT_EQ(KindOf(u"BUTTON", ctl::BS_DEFPUSHBUTTON), K::BtnWnd);
  EXPECT_EQ(KindOf(u"bUtToN", ctl::BS_PUSHBUTTON | ctl::BS_ICON), K::BtnWnd);
  // An owner-drawn push button stays as it is; the program's "TButton" class has no such rule.
  EXPECT_EQ(KindOf(u"Button", ctl::BS_OWNERDRAW), K::None);
  EXPECT_EQ(KindOf(u"TButton", ctl::BS_OWNERDRAW), K::BtnWnd);
  // Every check box style is a check box, the automatic three-state one included.
  for (win::DWORD s : {ctl::BS_CHECKBOX, ctl::BS_AUTOCHECKBOX, ctl::BS_3STATE, ctl::BS_AUTO3STATE, ctl::BS_RADIOBUTTON,
                       ctl::BS_AUTORADIOBUTTON})
    EXPECT_EQ(KindOf(u"Button", s), K::CheckBoxWnd) << s;
  EXPECT_EQ(ChooseDialogChildAdapter(Child(u"Button", ctl::BS_GROUPBOX)).Section, u"GROUPBOX");
  EXPECT_EQ(KindOf(u"Button", 12), K::SplitBtnWnd);
  // Statics by style.
  EXPECT_EQ(KindOf(u"Static", ctl::SS_LEFT), K::StaticWnd);
  EXPECT_EQ(KindOf(u"STATIC", ctl::SS_ICON), K::IconWnd);
  TacDialogChildFacts edge = Child(u"Static", ctl::SS_ICON);
  edge.ExStyle = 0x00020000;
  EXPECT_EQ(ChooseDialogChildAdapter(edge).Kind, K::EdgeWnd);
  for (win::DWORD s : {ctl::SS_OWNERDRAW, ctl::SS_ENHMETAFILE, ctl::SS_GRAYRECT, ctl::SS_WHITERECT, ctl::SS_SIMPLE})
    EXPECT_EQ(KindOf(u"Static", s), K::None) << s;
  // Lists, edits and combo boxes with their sections.
  EXPECT_EQ(ChooseDialogChildAdapter(Child(u"ListBox")).Section, u"EDIT");
  EXPECT_EQ(ChooseDialogChildAdapter(Child(u"ComboLBox")).Section, u"COMBOBOX");
  EXPECT_EQ(KindOf(u"ComboBox"), K::ComboBoxWnd);
  EXPECT_EQ(KindOf(u"Edit"), K::EditWnd);
  TacDialogChildFacts hiddenEdit = Child(u"Edit");
  hiddenEdit.Visible = false;
  EXPECT_EQ(ChooseDialogChildAdapter(hiddenEdit).Kind, K::None);
  // The search box is exactly 24 pixels high.
  EXPECT_EQ(KindOf(u"DirectUIHWND", 0, 23), K::None);
  EXPECT_EQ(KindOf(u"DirectUIHWND", 0, 24), K::SearchWnd);
  EXPECT_EQ(KindOf(u"DirectUIHWND", 0, 25), K::None);
  EXPECT_EQ(KindOf(u"ctrlnotifysink"), K::None);
  EXPECT_EQ(KindOf(u"SomethingElse"), K::None);
  EXPECT_EQ(ChooseDialogChildAdapter(Child(u"ToolbarWindow32", 0x200)).Section, u"BAR");
  EXPECT_EQ(ChooseDialogChildAdapter(Child(u"ToolbarWindow32", 0)).Section, u"TRANSPARENT");
}

TEST(ThirdPartyLists, FirstListWinsAndNamesAreExact) {
  std::array<std::vector<std::u16string>, 23> lists;
  lists[tpButton] = {u"TButton"};
  lists[tpPanel] = {u"TMyThing"};
  lists[tpEdit] = {u"TMyThing"};
  EXPECT_EQ(ThirdPartyListIndex(lists, u"TMyThing"), tpEdit);
  EXPECT_EQ(ThirdPartyListIndex(lists, u"TButton"), tpButton);
  EXPECT_EQ(ThirdPartyListIndex(lists, u"TBUTTON"), -1);
  EXPECT_EQ(ThirdPartyListIndex(lists, u"tbutton"), -1);
  EXPECT_EQ(ThirdPartyListIndex(lists, u""), -1);
}

// Drives modal boxes: each step runs when the program waits for input inside the box.
class DialogAdapters : public SkinnedForms {
 protected:
  void SetUp() override {
    SkinnedForms::SetUp();
    // Each step runs when the program waits in the box (timers such as the caret's may
    // be pending: the wait would otherwise jump to them).
    win::headless::Screen().onIdle = [this](std::optional<std::uint64_t>) {
      if (steps.empty()) return false;
      auto step = std::move(steps.front());
      steps.pop_front();
      step();
      return true;
    };
    win::headless::Screen().onStarved = [] {
      ADD_FAILURE() << "a box waits for input no step gives; closing it";
      win::PostMessage(win::GetActiveWindow(), win::WM_CLOSE, 0, 0);
      return true;
    };
  }
  void TearDown() override {
    win::headless::Screen().onStarved = nullptr;
    win::headless::Screen().onIdle = nullptr;
    EXPECT_TRUE(steps.empty()) << steps.size() << " steps never ran";
    SkinnedForms::TearDown();
  }
  void Then(std::function<void()> step) { steps.push_back(std::move(step)); }
  static void Key(int vk) {
    win::headless::Screen().Push(win::InputEvent::KeyDown(vk));
    win::headless::Screen().Push(win::InputEvent::KeyUp(vk));
  }
  // Pixels inside the window's rectangle on the screen of the classic face colour or of
  // the classic caption colours, with where the first few are.
  static int ClassicPixels(win::HWND h, std::string* where = nullptr, const gfx::TRect& skip = {}) {
    const std::uint32_t classic[] = {
        Px(gfx::GetSysColor(gfx::COLOR_BTNFACE)), Px(gfx::GetSysColor(gfx::COLOR_ACTIVECAPTION)),
        Px(gfx::GetSysColor(gfx::COLOR_INACTIVECAPTION)), Px(gfx::GetSysColor(gfx::COLOR_GRADIENTACTIVECAPTION)),
        Px(gfx::GetSysColor(gfx::COLOR_GRADIENTINACTIVECAPTION))};
    const gfx::PixelBuffer screen = win::headless::CaptureScreen();
    win::RECT wr;
    win::GetWindowRect(h, &wr);
    int n = 0;
    for (int y = std::max(0, wr.Top); y < std::min(screen.Height(), wr.Bottom); ++y)
      for (int x = std::max(0, wr.Left); x < std::min(screen.Width(), wr.Right); ++x) {
        if (skip.Contains({x - wr.Left, y - wr.Top})) continue;
        const std::uint32_t px = screen.Row32(y)[x] | 0xFF000000u;
        for (std::size_t i = 0; i < std::size(classic); ++i)
          if (px == classic[i] && ++n < 4 && where != nullptr)
            *where += " colour " + std::to_string(i) + " at (" + std::to_string(x - wr.Left) + ", " +
                      std::to_string(y - wr.Top) + ")";
      }
    return n;
  }
  // The adapters of a dialog's children by kind.
  template <class T>
  static std::vector<T*> ChildAdapters(win::HWND dialog) {
    std::vector<T*> out;
    std::function<void(win::HWND)> walk = [&](win::HWND parent) {
      for (win::HWND c = win::GetWindow(parent, win::GW_CHILD); c; c = win::GetWindow(c, win::GW_HWNDNEXT)) {
        if (auto* a = dynamic_cast<T*>(TacMainWnd::AdapterOf(c))) out.push_back(a);
        walk(c);
      }
    };
    walk(dialog);
    return out;
  }
  static gfx::TPoint CentreOf(win::HWND h) {
    win::RECT r;
    win::GetWindowRect(h, &r);
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
  }

  std::deque<std::function<void()>> steps;
};

// The program's warning box (an empty text, as the program shows it) and a box with text:
// skinned frame, the OK button adapted, the label in the skin's label colour without a
// plate; Enter and Escape both answer OK.
TEST_F(DialogAdapters, WarningBoxHasSkinnedButtonAndLabel) {
  for (const std::u16string& text : {std::u16string(), std::u16string(u"Введите адрес сайта")}) {
    int classic = -1;
    std::string where;
    bool buttonAdapted = false, labelRecoloured = false, frame = false;
    Then([&] {
      const win::HWND box = win::GetActiveWindow();
      auto* form = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(box));
      ASSERT_NE(form, nullptr);
      TsSkinProvider* p = ProviderOf(form);
      frame = p != nullptr && p->FrameSkinned();
      for (int i = 0; i < form->ComponentCount(); ++i) {
        if (auto* b = dynamic_cast<forms::TButton*>(form->Components(i)))
          buttonAdapted = dynamic_cast<TacButtonWnd*>(TacMainWnd::AdapterOf(b->Handle())) != nullptr;
        if (auto* l = dynamic_cast<forms::TLabel*>(form->Components(i)))
          labelRecoloured = l->Font()->Color() == manager->GetGlobalFontColor() && l->Transparent();
      }
      classic = ClassicPixels(box, &where);
      win::headless::SaveWindowShot(
          box, ShotPath(text.empty() ? "skin-windows-warning-box.png" : "skin-windows-warning-box-text.png"));
      Key(text.empty() ? win::VK_RETURN : win::VK_ESCAPE);
    });
    const int r = forms::MessageDlg(text, forms::TMsgDlgType::mtWarning, {forms::TMsgDlgBtn::mbOK});
    EXPECT_EQ(r, forms::mrOk);
    EXPECT_TRUE(frame);
    EXPECT_TRUE(buttonAdapted);
    EXPECT_TRUE(labelRecoloured);
    EXPECT_EQ(classic, 0) << where;
  }
}

// Removing the skin from a box gives its button its own procedure and its label its own
// colour and plate back.
TEST_F(DialogAdapters, RemovingTheSkinFromABoxRestoresButtonAndLabel) {
  bool adaptedBefore = false, adaptedAfter = true, labelRestored = false;
  Then([&] {
    const win::HWND box = win::GetActiveWindow();
    auto* form = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(box));
    ASSERT_NE(form, nullptr);
    forms::TButton* button = nullptr;
    forms::TLabel* label = nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i) {
      if (auto* b = dynamic_cast<forms::TButton*>(form->Components(i))) button = b;
      if (auto* l = dynamic_cast<forms::TLabel*>(form->Components(i))) label = l;
    }
    ASSERT_NE(button, nullptr);
    ASSERT_NE(label, nullptr);
    adaptedBefore = TacMainWnd::AdapterOf(button->Handle()) != nullptr;
    win::SendMessage(box, SkinCmdMessage, SkinCmdWParam(scRemoveSkin), 0);
    adaptedAfter = TacMainWnd::AdapterOf(button->Handle()) != nullptr;
    auto* fresh = new forms::TLabel(nullptr);
    labelRestored = label->Font()->Color() == fresh->Font()->Color() && label->Transparent() == fresh->Transparent();
    fresh->Free();
    Key(win::VK_RETURN);
  });
  EXPECT_EQ(forms::MessageDlg(u"Removing", forms::TMsgDlgType::mtWarning, {forms::TMsgDlgBtn::mbOK}), forms::mrOk);
  EXPECT_TRUE(adaptedBefore);
  EXPECT_FALSE(adaptedAfter);
  EXPECT_TRUE(labelRestored);
}

// Without "TButton" in ThirdButtons the box's buttons keep the platform's look while the
// frame stays skinned.
TEST_F(DialogAdapters, UnlistedButtonsKeepThePlatformLook) {
  static const std::u16string kBlank = u" ";
  manager->ThirdParty.Texts[tpButton] = kBlank;
  manager->UpdateThirdNames();
  bool adapted = true, frame = false;
  int classic = 0;
  Then([&] {
    const win::HWND box = win::GetActiveWindow();
    auto* form = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(box));
    ASSERT_NE(form, nullptr);
    frame = ProviderOf(form) != nullptr && ProviderOf(form)->FrameSkinned();
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (auto* b = dynamic_cast<forms::TButton*>(form->Components(i)))
        adapted = TacMainWnd::AdapterOf(b->Handle()) != nullptr;
    classic = ClassicPixels(box);
    Key(win::VK_RETURN);
  });
  forms::MessageDlg(u"Plain", forms::TMsgDlgType::mtWarning, {forms::TMsgDlgBtn::mbOK});
  EXPECT_TRUE(frame);
  EXPECT_FALSE(adapted);
  EXPECT_GT(classic, 0);  // the platform's button face
}

// The application's error box is a standard dialog: its frame, icon, text and button are
// adapted and no classic pixel shows; the texts are the program's two everyday errors.
TEST_F(DialogAdapters, ApplicationErrorBoxesAreSkinned) {
  const std::pair<std::u16string, const char*> boxes[] = {
      {u"Cannot create file \"/no/such/folder/list.txt.txt\". No such file or directory",
       "skin-windows-error-box-create.png"},
      {u"The address http://unreachable.invalid/sitemap.xml cannot be reached: the name is not known.",
       "skin-windows-error-box-address.png"}};
  for (const auto& [text, shot] : boxes) {
    bool dialog = false;
    std::size_t buttons = 0, statics = 0, icons = 0;
    int classic = -1;
    std::string where;
    Then([&, shot = shot] {
      const win::HWND box = win::GetActiveWindow();
      dialog = dynamic_cast<TacDialogWnd*>(TacMainWnd::AdapterOf(box)) != nullptr;
      buttons = ChildAdapters<TacBtnWnd>(box).size();
      icons = ChildAdapters<TacIconWnd>(box).size();
      statics = ChildAdapters<TacStaticWnd>(box).size() - icons;
      classic = ClassicPixels(box, &where);
      win::headless::SaveWindowShot(box, ShotPath(shot));
      Key(win::VK_RETURN);
    });
    forms::Application->ShowException(text);
    EXPECT_TRUE(dialog);
    EXPECT_EQ(buttons, 1u);
    EXPECT_EQ(statics, 1u);
    EXPECT_EQ(icons, 1u);
    EXPECT_EQ(classic, 0) << where;
  }
}

// A button in a dialog: hot under the pointer, pressed while held (each a different
// picture), and the click answers.
TEST_F(DialogAdapters, DialogButtonHoverPressAndClick) {
  int normal = -1, hot = -1, pressed = -1;
  gfx::PixelBuffer hotShot, pressedShot;
  gfx::TPoint at{};
  auto button = [] {
    auto buttons = ChildAdapters<TacBtnWnd>(win::GetActiveWindow());
    return buttons.size() == 1 ? buttons[0] : nullptr;
  };
  Then([&] {
    TacBtnWnd* b = button();
    ASSERT_NE(b, nullptr);
    normal = b->CurrentState();
    at = CentreOf(b->CtrlHandle);
    win::headless::Screen().Push(win::InputEvent::MouseMove(at));
  });
  Then([&] {
    TacBtnWnd* b = button();
    ASSERT_NE(b, nullptr);
    hot = b->CurrentState();
    hotShot = win::headless::CaptureWindow(b->CtrlHandle);
    win::headless::Screen().Push(win::InputEvent::MouseDown(at));
  });
  Then([&] {
    TacBtnWnd* b = button();
    ASSERT_NE(b, nullptr);
    pressed = b->CurrentState();
    pressedShot = win::headless::CaptureWindow(b->CtrlHandle);
    win::headless::SaveWindowShot(win::GetActiveWindow(), ShotPath("skin-windows-error-box-pressed.png"));
    win::headless::Screen().Push(win::InputEvent::MouseUp(at));
  });
  const int r = forms::Application->MessageBox(u"Pressing", u"Box", ctl::MB_OK | ctl::MB_ICONSTOP);
  EXPECT_EQ(r, ctl::IDOK);
  EXPECT_EQ(normal, 3);  // the default button
  EXPECT_EQ(hot, 1);
  EXPECT_EQ(pressed, 2);
  ASSERT_EQ(hotShot.Width(), pressedShot.Width());
  int differ = 0;
  for (int y = 0; y < hotShot.Height(); ++y)
    for (int x = 0; x < hotShot.Width(); ++x) differ += hotShot.Row32(y)[x] != pressedShot.Row32(y)[x];
  EXPECT_GT(differ, 20);
}

// The dialog's skinned close button: hot under the pointer, pressed while held, and its
// click closes the box with the answer of Escape.
TEST_F(DialogAdapters, DialogCloseButtonClosesTheBox) {
  int hot = -1, pressed = -1, hit = -1;
  gfx::TPoint at{};
  Then([&] {
    const win::HWND box = win::GetActiveWindow();
    auto* d = dynamic_cast<TacDialogWnd*>(TacMainWnd::AdapterOf(box));
    ASSERT_NE(d, nullptr);
    const gfx::TRect r = d->ButtonClose.cpRect;
    win::RECT wr;
    win::GetWindowRect(box, &wr);
    at = {wr.Left + r.Left + r.Width() / 2, wr.Top + r.Top + r.Height() / 2};
    hit = static_cast<int>(win::SendMessage(box, win::WM_NCHITTEST, 0, win::PointToLParam({at.X, at.Y})));
    win::headless::Screen().Push(win::InputEvent::MouseMove(at));
  });
  Then([&] {
    auto* d = dynamic_cast<TacDialogWnd*>(TacMainWnd::AdapterOf(win::GetActiveWindow()));
    ASSERT_NE(d, nullptr);
    hot = d->ButtonClose.cpState;
    win::headless::Screen().Push(win::InputEvent::MouseDown(at));
  });
  Then([&] {
    auto* d = dynamic_cast<TacDialogWnd*>(TacMainWnd::AdapterOf(win::GetActiveWindow()));
    ASSERT_NE(d, nullptr);
    pressed = d->ButtonClose.cpState;
    win::headless::Screen().Push(win::InputEvent::MouseUp(at));
  });
  const int r = forms::Application->MessageBox(u"Closing", u"Box", ctl::MB_OK | ctl::MB_ICONSTOP);
  EXPECT_EQ(hit, win::HTCLOSE);
  EXPECT_EQ(hot, 1);
  EXPECT_EQ(pressed, 2);
  EXPECT_EQ(r, ctl::IDOK);
}

// Removing the skin gives every adapted window its own procedure back (compared with the
// ones the adapters replaced) and the platform's look returns.
TEST_F(DialogAdapters, RemovingTheSkinRestoresEveryProcedure) {
  std::vector<std::pair<win::HWND, win::WNDPROC>> before;
  std::size_t restored = 0, adaptersLeft = 99;
  int classicAfter = 0;
  Then([&] {
    const win::HWND box = win::GetActiveWindow();
    auto* dialog = dynamic_cast<TacDialogWnd*>(TacMainWnd::AdapterOf(box));
    ASSERT_NE(dialog, nullptr);
    before.emplace_back(box, dialog->OldWndProc);
    for (TacMainWnd* a : ChildAdapters<TacMainWnd>(box)) before.emplace_back(a->CtrlHandle, a->OldWndProc);
    win::SendMessage(box, SkinCmdMessage, SkinCmdWParam(scRemoveSkin), 0);
    for (const auto& [h, proc] : before)
      if (proc != nullptr && reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtr(h, win::GWLP_WNDPROC)) == proc)
        ++restored;
    adaptersLeft = ChildAdapters<TacMainWnd>(box).size() + (TacMainWnd::AdapterOf(box) != nullptr ? 1 : 0);
    win::RunUntilIdle();
    classicAfter = ClassicPixels(box);
    Key(win::VK_ESCAPE);
  });
  const int r = forms::Application->MessageBox(u"Removing", u"Box", ctl::MB_OK | ctl::MB_ICONSTOP);
  EXPECT_EQ(r, ctl::IDOK);
  EXPECT_EQ(before.size(), 4u);  // the dialog, its icon, text and button
  EXPECT_EQ(restored, before.size());
  EXPECT_EQ(adaptersLeft, 0u);
  EXPECT_GT(classicAfter, 0);
}

// The save dialog: every control adapted, nothing classic but the file list's own items;
// Escape cancels, Enter saves the typed name.
TEST_F(DialogAdapters, SaveDialogIsSkinnedAndKeepsItsKeys) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "pellomir-skinned-save";
  std::filesystem::create_directories(dir);
  auto* dlg = new TsSaveDialog(main);
  dlg->SetInitialDir(base::Utf8ToUtf16(dir.string()));
  dlg->SetFilter(u"Text files (*.txt)|*.txt|All files|*.*");
  std::size_t buttons = 0, edits = 0, combos = 0, statics = 0;
  bool listAdapted = false;
  int classic = -1;
  std::string where;
  Then([&] {
    const win::HWND box = win::GetActiveWindow();
    buttons = ChildAdapters<TacBtnWnd>(box).size();
    edits = ChildAdapters<TacEditWnd>(box).size();
    combos = ChildAdapters<TacComboBoxWnd>(box).size();
    statics = ChildAdapters<TacStaticWnd>(box).size();
    classic = ClassicPixels(box, &where);
    win::headless::SaveWindowShot(box, ShotPath("skin-windows-save-dialog.png"));
    // The type list dropped down: its list is adapted too.
    win::SendMessage(win::GetDlgItem(box, ctl::IDC_SAVE_TYPE), ctl::CB_SHOWDROPDOWN, win::TRUE, 0);
  });
  Then([&] {
    const win::HWND box = win::GetActiveWindow();
    ctl::COMBOBOXINFO info;
    win::SendMessage(win::GetDlgItem(box, ctl::IDC_SAVE_TYPE), ctl::CB_GETCOMBOBOXINFO, 0,
                     reinterpret_cast<win::LPARAM>(&info));
    listAdapted = dynamic_cast<TacEditWnd*>(TacMainWnd::AdapterOf(info.hwndList)) != nullptr;
    win::headless::SaveScreenshot(ShotPath("skin-windows-save-dialog-types.png"));
    win::SendMessage(win::GetDlgItem(box, ctl::IDC_SAVE_TYPE), ctl::CB_SHOWDROPDOWN, win::FALSE, 0);
    Key(win::VK_ESCAPE);
  });
  EXPECT_FALSE(dlg->Execute());
  EXPECT_EQ(buttons, 3u);  // up one level, save, cancel
  EXPECT_EQ(edits, 2u);    // the file list and the name
  EXPECT_EQ(combos, 2u);   // the folder and the type
  EXPECT_EQ(statics, 3u);
  EXPECT_TRUE(listAdapted);
  EXPECT_EQ(classic, 0) << where;

  Then([&] {
    win::headless::Screen().Push(win::InputEvent::KeyDown(win::VK_END));
    for (char16_t ch : std::u16string(u"list"))
      win::headless::Screen().Push(win::InputEvent{win::InputEvent::Kind::Char, nullptr, {}, {}, 0, 0, ch});
  });
  Then([&] { Key(win::VK_RETURN); });
  ASSERT_TRUE(dlg->Execute());
  EXPECT_EQ(dlg->FileName(), base::Utf8ToUtf16((dir / "list").string()));  // the program adds ".txt"
  std::filesystem::remove_all(dir);
}

}  // namespace skin::test
