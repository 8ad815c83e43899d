// Modal forms and message boxes: the keyboard on a modal form (Enter to the default or
// focused button, Escape to the cancel button, Space on the focused button, Alt+letter),
// MessageDlg's results and look, the close button kind, closing from the title bar, and
// the program's windows waiting while a modal form or a dialog of the window system runs.
#include "FormsTestSupport.h"

#include "platform/base/Exception.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/MessageBox.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Forms.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;
namespace hl = win::headless;

class TInfoLike : public TForm {
  FORMS_CLASS(TInfoLike)
 public:
  using TForm::TForm;
  TPanel* Panel1 = nullptr;
  TBitBtn* CloseButton = nullptr;
  int clicks = 0;
  void CloseButtonClick(TObject*) { ++clicks; }
};

class TAskForm : public TForm {
  FORMS_CLASS(TAskForm)
 public:
  using TForm::TForm;
  TEdit* Edit1 = nullptr;
  TButton* OkButton = nullptr;
  TButton* CancelButton = nullptr;
  TButton* MoreButton = nullptr;
  int more = 0;
  void MoreClick(TObject*) { ++more; }
};

FORMS_DEFINE_CLASS(TInfoLike, TForm, [](auto& b) {
  b.Field(u"Panel1", &TInfoLike::Panel1);
  b.Field(u"CloseButton", &TInfoLike::CloseButton);
  b.Method(u"CloseButtonClick", &TInfoLike::CloseButtonClick);
})

FORMS_DEFINE_CLASS(TAskForm, TForm, [](auto& b) {
  b.Field(u"Edit1", &TAskForm::Edit1);
  b.Field(u"OkButton", &TAskForm::OkButton);
  b.Field(u"CancelButton", &TAskForm::CancelButton);
  b.Field(u"MoreButton", &TAskForm::MoreButton);
  b.Method(u"MoreClick", &TAskForm::MoreClick);
})

const char* kInfo = R"(object InfoLike: TInfoLike
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Info'
  ClientHeight = 200
  ClientWidth = 300
  Position = poScreenCenter
  object Panel1: TPanel
    Align = alClient
    TabOrder = 0
    object CloseButton: TBitBtn
      Left = 100
      Top = 150
      Width = 89
      Height = 32
      Kind = bkClose
      NumGlyphs = 2
      TabOrder = 0
      OnClick = CloseButtonClick
    end
  end
end
)";

const char* kAsk = R"(object AskForm: TAskForm
  BorderStyle = bsDialog
  Caption = 'Ask'
  ClientHeight = 120
  ClientWidth = 300
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 200
    TabOrder = 0
  end
  object OkButton: TButton
    Left = 8
    Top = 80
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object CancelButton: TButton
    Left = 90
    Top = 80
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object MoreButton: TButton
    Left = 172
    Top = 80
    Caption = '&More'
    TabOrder = 3
    OnClick = MoreClick
  end
end
)";

class Modal : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    static bool once = (RegisterClasses({&TInfoLike::StaticClass(), &TAskForm::StaticClass()}), true);
    (void)once;
    Application->SetTitle(u"Lister");
  }
  // The button of a message form by its name.
  static TButton* ButtonOf(TCustomForm* f, const std::u16string& name) {
    return dynamic_cast<TButton*>(f->FindComponent(name));
  }
  static void ClickAt(TControl* c) {
    win::POINT p = At(c, c->Width() / 2, c->Height() / 2);
    hl::Click(p);
  }
  static void AltKey(int vk) {
    hl::Batch b;
    hl::KeyDown(win::VK_MENU);
    hl::KeyPress(vk);
    hl::KeyUp(win::VK_MENU);
  }
};

TEST_F(Modal, CloseKindClosesItsFormAndFiresNoHandler) {
  auto* f = MakeForm<TInfoLike>(kInfo);
  EXPECT_EQ(f->CloseButton->Caption(), u"&Close");
  EXPECT_EQ(f->CloseButton->Glyph()->Width(), 36);
  EXPECT_EQ(f->CloseButton->Glyph()->Height(), 18);
  EXPECT_EQ(f->CloseButton->NumGlyphs(), 2);
  EXPECT_EQ(f->CloseButton->ModalResult(), mrNone);
  EXPECT_FALSE(f->CloseButton->Default());
  EXPECT_FALSE(f->CloseButton->Cancel());
  bool visibleDuring = false;
  Script({[&] {
    visibleDuring = f->Visible();
    EXPECT_EQ(win::GetFocus(), f->CloseButton->Handle());
    ClickAt(f->CloseButton);
  }});
  EXPECT_EQ(f->ShowModal(), mrCancel);
  EXPECT_TRUE(visibleDuring);
  EXPECT_FALSE(f->Visible());
  EXPECT_EQ(f->clicks, 0);
}

TEST_F(Modal, CloseKindTakesEnterAndSpaceButNotEscape) {
  auto* f = MakeForm<TInfoLike>(kInfo);
  Script({[&] { hl::KeyPress(win::VK_RETURN); }});
  EXPECT_EQ(f->ShowModal(), mrCancel);
  Script({[&] { hl::KeyPress(win::VK_ESCAPE); },
          [&] {
            EXPECT_TRUE(f->Visible()) << "Escape does not close: the form has no cancel button";
            hl::KeyPress(win::VK_SPACE);
          }});
  EXPECT_EQ(f->ShowModal(), mrCancel);
  EXPECT_EQ(f->clicks, 0);
  // Shown again in the same place, with the same contents.
  win::RECT r;
  win::GetWindowRect(f->Handle(), &r);
  EXPECT_EQ(r.Left, (1280 - f->Width()) / 2);
}

TEST_F(Modal, EnterEscapeSpaceAndAcceleratorsOnAModalForm) {
  auto* f = MakeForm<TAskForm>(kAsk);
  // Enter in the edit goes to the default button.
  Script({[&] {
    EXPECT_EQ(win::GetFocus(), f->Edit1->Handle());
    hl::TypeText(u"abc");
    hl::KeyPress(win::VK_RETURN);
  }});
  EXPECT_EQ(f->ShowModal(), mrOk);
  EXPECT_EQ(f->Edit1->Text(), u"abc");
  // Escape goes to the cancel button wherever the focus is.
  Script({[&] { hl::KeyPress(win::VK_ESCAPE); }});
  EXPECT_EQ(f->ShowModal(), mrCancel);
  // A focused button takes Enter instead of the default one; Space clicks it too.
  Script({[&] {
    f->CancelButton->SetFocus();
    hl::KeyPress(win::VK_RETURN);
  }});
  EXPECT_EQ(f->ShowModal(), mrCancel);
  Script({[&] {
            f->MoreButton->SetFocus();
            hl::KeyPress(win::VK_SPACE);
          },
          [&] {
            EXPECT_EQ(f->more, 1);
            AltKey('M');
          },
          [&] {
            EXPECT_EQ(f->more, 2);
            ClickAt(f->OkButton);
          }});
  EXPECT_EQ(f->ShowModal(), mrOk);
  // Closing from the title bar cancels.
  Script({[&] { win::SendMessage(f->Handle(), win::WM_SYSCOMMAND, win::SC_CLOSE, 0); }});
  EXPECT_EQ(f->ShowModal(), mrCancel);
}

TEST_F(Modal, ModalFormDisablesTheOthersAndGivesActivationBack) {
  auto* main = MakeForm<TAskForm>(kAsk, u"Main.form");
  main->Show();
  win::RunUntilIdle();
  auto* info = MakeForm<TInfoLike>(kInfo);
  Script({[&] {
    EXPECT_FALSE(win::IsWindowEnabled(main->Handle()));
    EXPECT_EQ(win::GetActiveWindow(), info->Handle());
    hl::KeyPress(win::VK_RETURN);
  }});
  info->ShowModal();
  EXPECT_TRUE(win::IsWindowEnabled(main->Handle()));
  EXPECT_EQ(win::GetActiveWindow(), main->Handle());
}

TEST_F(Modal, MessageBoxesDisableEveryFormAndGiveTheActivationBack) {
  // A window that was disabled before the box stays disabled after it.
  HWND idle = win::CreateWindowEx(0, ctl::WC_STATIC, u"idle", win::WS_POPUP | win::WS_VISIBLE | win::WS_DISABLED, 0, 0,
                                  50, 20, nullptr, nullptr, nullptr, nullptr);
  auto* main = MakeForm<TAskForm>(kAsk, u"Main.form");
  main->Show();
  auto* info = MakeForm<TInfoLike>(kInfo);
  info->Show();
  win::RunUntilIdle();
  ASSERT_EQ(win::GetActiveWindow(), info->Handle());
  bool mainEnabled = true, infoEnabled = true;
  WhenDialogRuns([&](HWND) {
    mainEnabled = win::IsWindowEnabled(main->Handle()) != win::FALSE;
    infoEnabled = win::IsWindowEnabled(info->Handle()) != win::FALSE;
    QueueKey(win::VK_ESCAPE);
  });
  EXPECT_EQ(Application->MessageBox(u"Go on?", u"", ctl::MB_OKCANCEL), ctl::IDCANCEL);
  EXPECT_FALSE(mainEnabled);
  EXPECT_FALSE(infoEnabled);
  EXPECT_TRUE(win::IsWindowEnabled(main->Handle()));
  EXPECT_TRUE(win::IsWindowEnabled(info->Handle()));
  EXPECT_FALSE(win::IsWindowEnabled(idle));
  EXPECT_EQ(win::GetActiveWindow(), info->Handle()) << "the form active before the box is active again";
  win::DestroyWindow(idle);
}

TEST_F(Modal, ATaskModalRunGivesItsResultAndTheWindowsBackEvenWhenItThrows) {
  auto* main = MakeForm<TAskForm>(kAsk, u"Main.form");
  main->Show();
  win::RunUntilIdle();
  EXPECT_EQ(RunTaskModal([&] { return win::IsWindowEnabled(main->Handle()) ? 1 : 2; }), 2);
  EXPECT_THROW(RunTaskModal([]() -> int { throw base::Exception("EFCreateError", u"Cannot create file"); }),
               base::Exception);
  EXPECT_TRUE(win::IsWindowEnabled(main->Handle()));
  EXPECT_EQ(win::GetActiveWindow(), main->Handle());
}

struct BoxCase {
  TMsgDlgButtons buttons;
  std::function<void(TCustomForm*)> act;
  int expected;
};

TEST_F(Modal, MessageDlgButtonResults) {
  auto enter = [](TCustomForm*) { hl::KeyPress(win::VK_RETURN); };
  auto escape = [](TCustomForm*) { hl::KeyPress(win::VK_ESCAPE); };
  std::vector<BoxCase> cases = {
      {mbYesNoCancel, enter, mrYes},
      {mbYesNoCancel, escape, mrCancel},
      {mbYesNoCancel, [](TCustomForm*) { AltKey('N'); }, mrNo},
      {mbYesNoCancel, [](TCustomForm* f) { ClickAt(ButtonOf(f, u"Cancel")); }, mrCancel},
      {mbYesNoCancel,
       [](TCustomForm*) {
         hl::KeyPress(win::VK_TAB);
         hl::KeyPress(win::VK_SPACE);
       },
       mrNo},
      {{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}, escape, mrNo},
      {{TMsgDlgBtn::mbOK}, escape, mrOk},
      {mbOKCancel, enter, mrOk},
      {mbAbortRetryIgnore, enter, mrRetry},
      {mbAbortRetryIgnore, [](TCustomForm*) { AltKey('I'); }, mrIgnore},
      {mbOKCancel, [](TCustomForm* f) { win::SendMessage(f->Handle(), win::WM_SYSCOMMAND, win::SC_CLOSE, 0); },
       mrCancel},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const BoxCase& c = cases[i];
    Script({[&] {
      TCustomForm* f = Screen->ActiveForm();
      ASSERT_NE(dynamic_cast<TMessageForm*>(f), nullptr);
      c.act(f);
    }});
    EXPECT_EQ(MessageDlg(u"Go on?", TMsgDlgType::mtConfirmation, c.buttons), c.expected) << "case " << i;
  }
}

TEST_F(Modal, MessageFormsLookByKind) {
  struct Kind {
    TMsgDlgType type;
    std::u16string title;
    bool icon;
  };
  for (const Kind& k :
       {Kind{TMsgDlgType::mtWarning, u"Warning", true}, Kind{TMsgDlgType::mtError, u"Error", true},
        Kind{TMsgDlgType::mtInformation, u"Information", true}, Kind{TMsgDlgType::mtConfirmation, u"Confirm", true},
        Kind{TMsgDlgType::mtCustom, u"Lister", false}}) {
    TMessageForm* f = CreateMessageDialog(u"Text of the box", k.type, {TMsgDlgBtn::mbOK});
    EXPECT_EQ(f->Caption(), k.title);
    EXPECT_EQ(f->ClassName(), u"TMessageForm");
    EXPECT_EQ(f->FindComponent(u"Image") != nullptr, k.icon);
    auto* label = dynamic_cast<TLabel*>(f->FindComponent(u"Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), u"Text of the box");
    TButton* ok = ButtonOf(f, u"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->ClassName(), u"TButton");
    EXPECT_TRUE(ok->Default());
    EXPECT_TRUE(ok->Cancel());
    Script({[&] {
      win::RECT r;
      win::GetWindowRect(f->Handle(), &r);
      EXPECT_EQ(r.Left, (1280 - r.Width()) / 2);
      EXPECT_EQ(r.Top, (1024 - r.Height()) / 2);
      EXPECT_EQ(win::GetClassName(f->Handle()), u"TMessageForm");
      hl::KeyPress(win::VK_RETURN);
    }});
    EXPECT_EQ(f->ShowModal(), mrOk);
    f->Free();
  }
}

TEST_F(Modal, ShowMessageIsTitledWithTheApplicationTitle) {
  std::u16string title;
  Script({[&] {
    title = Screen->ActiveForm()->Caption();
    hl::KeyPress(win::VK_RETURN);
  }});
  ShowMessage(u"Hello");
  EXPECT_EQ(title, u"Lister");
}

TEST_F(Modal, AnEmptyWarningStillShowsItsBox) {
  bool seen = false;
  Script({[&] {
    TCustomForm* f = Screen->ActiveForm();
    seen = f && f->Caption() == u"Warning" && f->FindComponent(u"Image");
    hl::KeyPress(win::VK_RETURN);
  }});
  EXPECT_EQ(MessageDlg(u"", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK}), mrOk);
  EXPECT_TRUE(seen);
}

}  // namespace formstest
