// The application: the title rule, the error box (its text with and without the appended
// full stop, its title, icon and button), errors escaping an event handler, the main
// form and the end of the message loop, and mouse enter and leave of controls.
#include "FormsTestSupport.h"

#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/Icons.h"
#include "platform/ctl/MessageBox.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;
namespace hl = win::headless;

TEST(Title, FromTheExecutableName) {
  EXPECT_EQ(TitleFromExeName(u"C:\\Program Files\\LISTER.EXE"), u"Lister");
  EXPECT_EQ(TitleFromExeName(u"/usr/bin/pellomir"), u"pellomir");
  EXPECT_EQ(TitleFromExeName(u"/opt/app/SiteMap.Tool.exe"), u"Sitemap");
  EXPECT_EQ(TitleFromExeName(u"dir/ПАРСЕР.EXE"), u"Парсер");
  EXPECT_EQ(TitleFromExeName(u"Project1"), u"Project1");
  EXPECT_EQ(TitleFromExeName(u"/tmp/.hidden"), u"");
  EXPECT_EQ(TitleFromExeName(u""), u"");
  EXPECT_EQ(TitleFromExeName(u"x\\y/ÉCOLE.bin"), u"École");
}

TEST(ErrorBox, FullStopRule) {
  EXPECT_EQ(ErrorBoxText(u"No active document"), u"No active document.");
  EXPECT_EQ(ErrorBoxText(u"Done."), u"Done.");
  EXPECT_EQ(ErrorBoxText(u"Ends with a blank "), u"Ends with a blank ");
  EXPECT_EQ(ErrorBoxText(u"line\r\n"), u"line\r\n");
  EXPECT_EQ(ErrorBoxText(u"comma,"), u"comma,");                  // ',' is below '.'
  EXPECT_EQ(ErrorBoxText(u"slash/"), u"slash/.");                 // '/' is above it
  EXPECT_EQ(ErrorBoxText(u"quoted \"loc\""), u"quoted \"loc\"");  // '"' is below '.'
  EXPECT_EQ(ErrorBoxText(u"Element \"loc\" does not contain a single text node"),
            u"Element \"loc\" does not contain a single text node.");
  EXPECT_EQ(ErrorBoxText(u"Кириллица"), u"Кириллица.");
  EXPECT_EQ(ErrorBoxText(u""), u"");
}

class TFailForm : public TForm {
  FORMS_CLASS(TFailForm)
 public:
  using TForm::TForm;
  TButton* Button1 = nullptr;
  std::u16string message;
  void Button1Click(TObject*) { throw base::Exception("EFCreateError", message); }
};

FORMS_DEFINE_CLASS(TFailForm, TForm, [](auto& b) {
  b.Field(u"Button1", &TFailForm::Button1);
  b.Method(u"Button1Click", &TFailForm::Button1Click);
})

const char* kFail = R"(object FailForm: TFailForm
  Caption = 'Fail'
  ClientHeight = 100
  ClientWidth = 200
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = 'Go'
    TabOrder = 0
    OnClick = Button1Click
  end
end
)";

class App : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    static bool once = (RegisterClass(TFailForm::StaticClass()), true);
    (void)once;
  }
  // The box shown when the message loop starves: its title, text and icon, then OK.
  struct SeenBox {
    std::u16string title, text;
    int icon = 0;
    bool seen = false;
  };
  void CatchBox(SeenBox& box) {
    screen->onStarved = [this, &box] {
      screen->onStarved = nullptr;
      HWND h = win::GetActiveWindow();
      if (!h || win::GetClassName(h) != u"#32770") return false;
      box.seen = true;
      box.title = win::GetWindowText(h);
      box.text = ctl::GetDlgItemText(h, ctl::IDC_MSGBOX_TEXT);
      if (HWND icon = win::GetDlgItem(h, ctl::IDC_MSGBOX_ICON))
        box.icon = ctl::StandardIconId(reinterpret_cast<ctl::HICON>(win::SendMessage(icon, 0x0171, 0, 0)));
      win::InputEvent e;
      e.kind = win::InputEvent::Kind::KeyDown;
      e.vk = win::VK_RETURN;
      hl::Screen().Push(e);
      e.kind = win::InputEvent::Kind::KeyUp;
      hl::Screen().Push(e);
      return true;
    };
  }
};

TEST_F(App, AnErrorEscapingAHandlerShowsTheErrorBox) {
  Application->SetExeName(u"/usr/local/bin/LISTER.EXE");
  auto* f = MakeForm<TFailForm>(kFail);
  f->Show();
  win::RunUntilIdle();
  for (const auto& [message, shown] : std::vector<std::pair<std::u16string, std::u16string>>{
           {u"Cannot create file \"/x/list.txt\". Permission denied",
            u"Cannot create file \"/x/list.txt\". Permission denied."},
           {u"Stream write error.", u"Stream write error."},
           {u"Trailing blank ", u"Trailing blank "}}) {
    f->message = message;
    SeenBox box;
    CatchBox(box);
    hl::Click(At(f->Button1, 10, 10));
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, u"Lister");
    EXPECT_EQ(box.text, shown);
    EXPECT_EQ(box.icon, ctl::IDI_ERROR);
    EXPECT_TRUE(win::IsWindowEnabled(f->Handle())) << "the form works again after the box";
  }
}

TEST_F(App, OnExceptionReplacesTheBox) {
  auto* f = MakeForm<TFailForm>(kFail);
  f->message = u"quiet";
  std::string kind;
  Application->OnException = [&](TObject*, const base::Exception& e) { kind = e.ClassName(); };
  f->Show();
  win::RunUntilIdle();
  hl::Click(At(f->Button1, 10, 10));
  EXPECT_EQ(kind, "EFCreateError");
}

TEST_F(App, RunEndsWhenTheMainFormCloses) {
  auto* f = MakeForm<TFailForm>(kFail);
  EXPECT_EQ(Application->MainForm(), f);
  Script({[&] {
    EXPECT_TRUE(f->Visible());
    win::SendMessage(f->Handle(), win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
  }});
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
}

class TEnterProbe : public TPanel {
  FORMS_CLASS(TEnterProbe)
 public:
  using TPanel::TPanel;
};
FORMS_DEFINE_CLASS(TEnterProbe, TPanel, [](auto&) {})

TEST_F(App, MouseEnterAndLeaveReachControlsAndGraphicChildren) {
  auto* f = New<TForm>(Application.Get());
  f->SetBounds(100, 100, 300, 200);
  auto* panel = New<TPanel>(f);
  panel->SetParent(f);
  panel->SetBounds(10, 10, 120, 80);
  auto* image = New<TImage>(f);
  image->SetParent(panel);
  image->SetBounds(10, 10, 40, 40);
  std::vector<std::string> log;
  panel->OnMouseEnter = [&](TObject*) { log.push_back("panel enter"); };
  panel->OnMouseLeave = [&](TObject*) { log.push_back("panel leave"); };
  image->OnMouseEnter = [&](TObject*) { log.push_back("image enter"); };
  image->OnMouseLeave = [&](TObject*) { log.push_back("image leave"); };
  f->Show();
  win::RunUntilIdle();
  hl::MouseMove(At(panel, 100, 60));
  hl::MouseMove(At(image, 5, 5));
  hl::MouseMove(At(panel, 100, 5));
  hl::MouseMove(At(f, 250, 150));
  EXPECT_EQ(log, (std::vector<std::string>{"panel enter", "panel leave", "image enter", "image leave", "panel enter",
                                           "panel leave"}));
}

}  // namespace formstest
