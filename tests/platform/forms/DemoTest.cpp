// The framework demo: a form built into the test program as a stored description (a
// group box with an edit showing its hint and a button, a panel holding a memo, a
// wrapping label, a picture with alpha and two kinds of bit buttons, and a status panel),
// shown on the headless screen. It writes formsdemo.png (the screen) next to the test
// program (the window; formsdemo-used.png after typing, fetching and clicking), and
// checks what a user would see and do.
#include "FormsTestSupport.h"

#include "RegisterTestDescriptions.h"
#include "platform/base/NumberText.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"

namespace formstest {
using namespace forms;
namespace hl = win::headless;

class TDemoForm : public TForm {
  FORMS_CLASS(TDemoForm)
 public:
  using TForm::TForm;
  TGroupBox* GroupBox1 = nullptr;
  TEdit* Edit1 = nullptr;
  TButton* FetchButton = nullptr;
  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;
  TImage* Image1 = nullptr;
  TMemo* Memo1 = nullptr;
  TBitBtn* OkButton = nullptr;
  TBitBtn* CloseButton = nullptr;
  TPanel* Panel2 = nullptr;
  int fetches = 0, imageClicks = 0;
  void FetchButtonClick(TObject*) {
    ++fetches;
    Memo1->Lines()->Add(Edit1->Text());
    Panel2->SetCaption(u"  Found: " + base::IntToText(Memo1->Lines()->Count()));
  }
  void Image1Click(TObject*) { ++imageClicks; }
};

FORMS_DEFINE_CLASS(TDemoForm, TForm, [](auto& b) {
  b.Field(u"GroupBox1", &TDemoForm::GroupBox1);
  b.Field(u"Edit1", &TDemoForm::Edit1);
  b.Field(u"FetchButton", &TDemoForm::FetchButton);
  b.Field(u"Panel1", &TDemoForm::Panel1);
  b.Field(u"Label1", &TDemoForm::Label1);
  b.Field(u"Image1", &TDemoForm::Image1);
  b.Field(u"Memo1", &TDemoForm::Memo1);
  b.Field(u"OkButton", &TDemoForm::OkButton);
  b.Field(u"CloseButton", &TDemoForm::CloseButton);
  b.Field(u"Panel2", &TDemoForm::Panel2);
  b.Method(u"FetchButtonClick", &TDemoForm::FetchButtonClick);
  b.Method(u"Image1Click", &TDemoForm::Image1Click);
})

class Demo : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    static bool once = (RegisterClass(TDemoForm::StaticClass()), RegisterTestDescriptions(), true);
    (void)once;
  }
  gfx::TColor Pixel(TControl* c, int x, int y) {
    win::POINT p = At(c, x, y);
    const std::uint32_t px = screen->Screen().Row32(p.Y)[p.X];
    return gfx::RGB(static_cast<int>((px >> 16) & 255), static_cast<int>((px >> 8) & 255), static_cast<int>(px & 255));
  }
};

TEST_F(Demo, TheEmbeddedDemoFormShowsAndWorks) {
  TDemoForm* f = nullptr;
  Application->CreateForm(f);
  ASSERT_NE(f, nullptr);
  f->Show();
  win::RunUntilIdle();
  EXPECT_EQ(f->Memo1->Lines()->Count(), 3);
  EXPECT_EQ(f->Memo1->Lines()->Get(2), u"http://www.example.org/контакты");
  EXPECT_EQ(f->FetchButton->Caption(), u"Получить список");
  EXPECT_EQ(f->CloseButton->Caption(), u"&Close");
  EXPECT_EQ(f->OkButton->ModalResult(), mrOk);
  EXPECT_TRUE(f->OkButton->Default());
  ASSERT_NE(dynamic_cast<TPngImage*>(f->Image1->Picture()->Graphic()), nullptr);
  // The picture's transparent corner shows the panel; its middle is the blue disc.
  EXPECT_EQ(Pixel(f->Image1, 0, 0), ColorToRGB(clBtnFace));
  gfx::TColor mid = Pixel(f->Image1, 8, 16);
  EXPECT_GT(gfx::GetBValue(mid), 150);
  EXPECT_LT(gfx::GetRValue(mid), 80);
  // The status panel keeps its own colour.
  EXPECT_EQ(Pixel(f->Panel2, f->Panel2->Width() - 4, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(win::GetFocus(), f->FetchButton->Handle());  // so the edit shows its hint
  hl::SaveWindowShot(f->Handle(), OutputPath("formsdemo.png"));

  hl::Click(At(f->Edit1, 10, 10));
  hl::TypeText(u"http://x.example/");
  hl::Click(At(f->FetchButton, 10, 10));
  EXPECT_EQ(f->fetches, 1);
  EXPECT_EQ(f->Memo1->Lines()->Count(), 4);
  EXPECT_EQ(f->Panel2->Caption(), u"  Found: 4");
  hl::Click(At(f->Image1, 16, 16));
  EXPECT_EQ(f->imageClicks, 1);
  hl::MouseMove(At(f->Image1, 16, 16));
  EXPECT_EQ(screen->Cursor(), win::IDC_HAND);
  hl::SaveWindowShot(f->Handle(), OutputPath("formsdemo-used.png"));
  hl::Click(At(f->CloseButton, 10, 10));
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Terminated()) << "closing the main form ends the program";
}

}  // namespace formstest
