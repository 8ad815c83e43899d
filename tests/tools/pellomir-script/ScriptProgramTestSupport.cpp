#include "ScriptProgramTestSupport.h"

#include "platform/base/Exception.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Filer.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/MessageApi.h"

namespace scripttest {
using namespace forms;

namespace {

std::vector<std::string> g_log;
int g_ticks = 0;
win::UINT_PTR g_timer = 0;

}  // namespace

std::vector<std::string>& Log() { return g_log; }

class TSecondForm : public TForm {
  FORMS_CLASS(TSecondForm)
 public:
  using TForm::TForm;
  void AskButtonClick(TObject*) {
    g_log.push_back("ask=" + std::to_string(MessageDlg(u"Sure?", TMsgDlgType::mtWarning, mbOKCancel)));
  }
};

TSecondForm* Form2 = nullptr;

class TMainForm : public TForm {
  FORMS_CLASS(TMainForm)
 public:
  using TForm::TForm;
  TLabel* Label1 = nullptr;
  void BoxButtonClick(TObject*) {
    g_log.push_back("box=" + std::to_string(MessageDlg(u"Really?", TMsgDlgType::mtConfirmation, mbYesNoCancel)));
  }
  void OpenButtonClick(TObject*) { g_log.push_back("form2=" + std::to_string(Form2->ShowModal())); }
  void TimerButtonClick(TObject*) {
    if (!g_timer) g_timer = win::SetTimer(nullptr, 0, 100, &Tick);
  }
  void CloseButtonClick(TObject*) { Close(); }
  void FailButtonClick(TObject*) { throw base::Exception("EFCreateError", u"Cannot create file \"x\""); }
  void InnerButtonClick(TObject*) { g_log.push_back("inner"); }
  void Label1MouseDown(TObject*, TMouseButton b, TShiftState, int, int) {
    g_log.push_back(b == TMouseButton::mbRight ? "down right" : "down left");
  }
  void Label1DblClick(TObject*) { g_log.push_back("dbl"); }
  void FormClose(TObject*, TCloseAction&) { g_log.push_back("closed"); }

 private:
  static void Tick(win::HWND, win::UINT, win::UINT_PTR, win::DWORD);
};

TMainForm* Form1 = nullptr;

void TMainForm::Tick(win::HWND, win::UINT, win::UINT_PTR, win::DWORD) {
  if (Form1 && Form1->Label1) Form1->Label1->SetCaption(u"ticks " + base::Utf8ToUtf16(std::to_string(++g_ticks)));
}

FORMS_DEFINE_CLASS(TSecondForm, TForm, [](auto& b) { b.Method(u"AskButtonClick", &TSecondForm::AskButtonClick); })
FORMS_DEFINE_CLASS(TMainForm, TForm, [](auto& b) {
  b.Field(u"Label1", &TMainForm::Label1);
  b.Method(u"BoxButtonClick", &TMainForm::BoxButtonClick);
  b.Method(u"OpenButtonClick", &TMainForm::OpenButtonClick);
  b.Method(u"TimerButtonClick", &TMainForm::TimerButtonClick);
  b.Method(u"CloseButtonClick", &TMainForm::CloseButtonClick);
  b.Method(u"FailButtonClick", &TMainForm::FailButtonClick);
  b.Method(u"InnerButtonClick", &TMainForm::InnerButtonClick);
  b.Method(u"Label1MouseDown", &TMainForm::Label1MouseDown);
  b.Method(u"Label1DblClick", &TMainForm::Label1DblClick);
  b.Method(u"FormClose", &TMainForm::FormClose);
})

namespace {

const char* kMain = R"(object Form1: TMainForm
  Left = 0
  Top = 0
  Caption = 'Script test'
  ClientHeight = 300
  ClientWidth = 400
  Position = poDesigned
  PixelsPerInch = 96
  OnClose = FormClose
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 200
    Height = 24
    TabOrder = 0
  end
  object Memo1: TMemo
    Left = 8
    Top = 40
    Width = 200
    Height = 100
    TabOrder = 1
    WantTabs = True
  end
  object BoxButton: TButton
    Left = 220
    Top = 8
    Width = 100
    Height = 25
    Caption = 'Box'
    TabOrder = 2
    OnClick = BoxButtonClick
  end
  object OpenButton: TButton
    Left = 220
    Top = 40
    Width = 100
    Height = 25
    Caption = 'Open'
    TabOrder = 3
    OnClick = OpenButtonClick
  end
  object TimerButton: TButton
    Left = 220
    Top = 72
    Width = 100
    Height = 25
    Caption = 'Tick'
    TabOrder = 4
    OnClick = TimerButtonClick
  end
  object HiddenButton: TButton
    Left = 220
    Top = 104
    Width = 100
    Height = 25
    Caption = 'Hidden'
    TabOrder = 5
    Visible = False
  end
  object CloseButton: TButton
    Left = 330
    Top = 8
    Width = 60
    Height = 25
    Caption = 'Quit'
    TabOrder = 6
    OnClick = CloseButtonClick
  end
  object FailButton: TButton
    Left = 330
    Top = 104
    Width = 60
    Height = 25
    Caption = 'Fail'
    TabOrder = 8
    OnClick = FailButtonClick
  end
  object Label1: TLabel
    Left = 330
    Top = 50
    Width = 60
    Height = 20
    AutoSize = False
    Caption = 'ticks 0'
    OnDblClick = Label1DblClick
    OnMouseDown = Label1MouseDown
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 150
    Width = 380
    Height = 100
    Caption = 'Group "q" \ back'
    TabOrder = 7
    object InnerButton: TButton
      Left = 16
      Top = 30
      Width = 90
      Height = 25
      Caption = 'Inner'
      TabOrder = 0
      OnClick = InnerButtonClick
    end
  end
end
)";

const char* kSecond = R"(object Form2: TSecondForm
  Left = 100
  Top = 100
  BorderStyle = bsDialog
  Caption = 'Second'
  ClientHeight = 120
  ClientWidth = 250
  Position = poDesigned
  PixelsPerInch = 96
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 150
    Height = 24
    TabOrder = 0
  end
  object OkButton: TButton
    Left = 8
    Top = 80
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object AskButton: TButton
    Left = 100
    Top = 80
    Width = 75
    Height = 25
    Caption = 'Ask'
    TabOrder = 2
    OnClick = AskButtonClick
  end
end
)";

}  // namespace

int RunTestProgram() {
  static bool registered = [] {
    RegisterClass(TMainForm::StaticClass());
    RegisterClass(TSecondForm::StaticClass());
    RegisterDescription(u"ScriptMain.form", kMain);
    RegisterDescription(u"ScriptSecond.form", kSecond);
    return true;
  }();
  (void)registered;
  g_ticks = 0;
  Application->Initialize();
  Application->SetTitle(u"Tester");
  Application->CreateForm(Form1);
  Application->CreateForm(Form2);
  Application->Run();
  g_log.push_back("ended");
  if (g_timer) win::KillTimer(nullptr, g_timer);
  g_timer = 0;
  TApplicationRef::Reset();
  Form1 = nullptr;
  Form2 = nullptr;
  return 0;
}

}  // namespace scripttest
