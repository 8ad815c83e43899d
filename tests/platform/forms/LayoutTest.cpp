// Forms read from descriptions: the main window's layout (three top-aligned group boxes
// and a client-aligned memo), the frame by border style and icons, fonts inherited from
// parents, tab order and initial focus, and scaling to the screen's density.
#include "FormsTestSupport.h"

#include "platform/forms/Canvas.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;

class TLayoutForm : public TForm {
  FORMS_CLASS(TLayoutForm)
 public:
  using TForm::TForm;
  TGroupBox* GroupBox1 = nullptr;
  TGroupBox* GroupBox2 = nullptr;
  TGroupBox* GroupBox3 = nullptr;
  TButton* FetchButton = nullptr;
  TEdit* Edit1 = nullptr;
  TMemo* Memo1 = nullptr;
  TButton* SaveButton = nullptr;
};

FORMS_DEFINE_CLASS(TLayoutForm, TForm, [](auto& b) {
  b.Field(u"GroupBox1", &TLayoutForm::GroupBox1);
  b.Field(u"GroupBox2", &TLayoutForm::GroupBox2);
  b.Field(u"GroupBox3", &TLayoutForm::GroupBox3);
  b.Field(u"FetchButton", &TLayoutForm::FetchButton);
  b.Field(u"Edit1", &TLayoutForm::Edit1);
  b.Field(u"Memo1", &TLayoutForm::Memo1);
  b.Field(u"SaveButton", &TLayoutForm::SaveButton);
})

const char* kMainLike = R"(object LayoutForm: TLayoutForm
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  Caption = 'Layout'
  ClientHeight = 546
  ClientWidth = 654
  Color = clBtnFace
  Constraints.MaxHeight = 585
  Constraints.MaxWidth = 670
  Constraints.MinHeight = 585
  Constraints.MinWidth = 670
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poDesigned
  PixelsPerInch = 96
  TextHeight = 13
  object GroupBox1: TGroupBox
    Left = 0
    Top = 0
    Width = 654
    Height = 65
    Align = alTop
    Caption = 'Address'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentFont = False
    TabOrder = 0
    object FetchButton: TButton
      Left = 520
      Top = 22
      Width = 113
      Height = 28
      Caption = 'Fetch'
      TabOrder = 0
    end
    object Edit1: TEdit
      Left = 24
      Top = 24
      Width = 489
      Height = 24
      TabOrder = 1
      TextHint = 'http://example.org/sitemap.php (sitemap.xml)'
    end
  end
  object GroupBox2: TGroupBox
    Left = 0
    Top = 65
    Width = 654
    Height = 392
    Align = alTop
    Caption = ' List: 0 '
    Font.Height = -13
    ParentFont = False
    TabOrder = 2
    object Memo1: TMemo
      Left = 2
      Top = 18
      Width = 650
      Height = 372
      Align = alClient
      Font.Height = -11
      Font.Color = clBlack
      ScrollBars = ssVertical
      TabOrder = 0
      WordWrap = False
    end
  end
  object GroupBox3: TGroupBox
    Left = 0
    Top = 457
    Width = 654
    Height = 80
    Align = alTop
    Caption = 'Save'
    Color = clBtnShadow
    DoubleBuffered = True
    Font.Height = -13
    ParentColor = False
    ParentFont = False
    TabOrder = 1
    object SaveButton: TButton
      Left = 272
      Top = 32
      Width = 81
      Height = 25
      Caption = 'Save'
      TabOrder = 0
    end
  end
end
)";

struct RegisterLayout {
  RegisterLayout() { RegisterClass(TLayoutForm::StaticClass()); }
};

class Layout : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    static RegisterLayout once;
  }
};

TEST_F(Layout, GroupBoxesAndMemoLandWhereTheyBelong) {
  auto* f = MakeForm<TLayoutForm>(kMainLike);
  ASSERT_NE(f->Memo1, nullptr);
  EXPECT_EQ(f->Width(), 670);
  EXPECT_EQ(f->Height(), 585);
  EXPECT_EQ(f->ClientWidth(), 654);
  EXPECT_EQ(f->ClientHeight(), 546);
  EXPECT_EQ(f->GroupBox1->BoundsRect(), (TRect{0, 0, 654, 65}));
  EXPECT_EQ(f->GroupBox2->BoundsRect(), (TRect{0, 65, 654, 457}));
  EXPECT_EQ(f->GroupBox3->BoundsRect(), (TRect{0, 457, 654, 537}));
  EXPECT_EQ(f->Memo1->BoundsRect(), (TRect{2, 18, 652, 390}));
  f->Show();
  win::RunUntilIdle();
  // The same once the windows exist.
  EXPECT_EQ(f->Memo1->BoundsRect(), (TRect{2, 18, 652, 390}));
  win::RECT wr;
  win::GetWindowRect(f->Handle(), &wr);
  EXPECT_EQ(wr, (win::RECT{0, 0, 670, 585}));
}

TEST_F(Layout, FontsFollowTheParentUnlessSet) {
  auto* f = MakeForm<TLayoutForm>(kMainLike);
  EXPECT_EQ(f->FetchButton->Font()->Height(), -13);  // from its group box
  EXPECT_TRUE(f->FetchButton->ParentFont());
  EXPECT_EQ(f->Edit1->Font()->Name(), u"Tahoma");
  EXPECT_EQ(f->Memo1->Font()->Height(), -11);
  EXPECT_EQ(f->Memo1->Font()->Color(), clBlack);
  EXPECT_EQ(f->GroupBox3->Color(), clBtnShadow);
  EXPECT_EQ(f->SaveButton->Color(), clBtnFace);
  EXPECT_EQ(f->Edit1->Height(), 24);  // the font's cell height and the frame
}

TEST_F(Layout, FrameFollowsBorderIconsAndConstraints) {
  auto* f = MakeForm<TLayoutForm>(kMainLike);
  HWND h = f->Handle();
  auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
  EXPECT_TRUE(style & win::WS_SYSMENU);
  EXPECT_FALSE(style & win::WS_MINIMIZEBOX);
  EXPECT_FALSE(style & win::WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & win::WS_THICKFRAME);
  f->SetBounds(0, 0, 900, 700);  // the constraints keep the size
  EXPECT_EQ(f->Width(), 670);
  EXPECT_EQ(f->Height(), 585);
}

TEST_F(Layout, TabOrderAndInitialFocus) {
  auto* f = MakeForm<TLayoutForm>(kMainLike);
  std::vector<TWinControl*> order;
  for (TWinControl* c = f->FindNextControl(nullptr, true, true, false); c && order.size() < 10;) {
    order.push_back(c);
    c = f->FindNextControl(c, true, true, false);
    if (c == order.front()) break;
  }
  EXPECT_EQ(order, (std::vector<TWinControl*>{f->FetchButton, f->Edit1, f->SaveButton, f->Memo1}));
  f->Show();
  win::RunUntilIdle();
  EXPECT_EQ(f->ActiveControl(), f->FetchButton);
  EXPECT_EQ(win::GetFocus(), f->FetchButton->Handle());
  win::headless::KeyPress(win::VK_TAB);
  EXPECT_EQ(win::GetFocus(), f->Edit1->Handle());
  win::headless::KeyPress(win::VK_TAB);
  EXPECT_EQ(win::GetFocus(), f->SaveButton->Handle());
  win::headless::KeyPress(win::VK_TAB);
  EXPECT_EQ(win::GetFocus(), f->Memo1->Handle());
  EXPECT_EQ(f->Memo1->Lines()->Count(), 0) << "Tab moves on; it types nothing into the memo";
  win::headless::KeyPress(win::VK_TAB);
  EXPECT_EQ(win::GetFocus(), f->FetchButton->Handle());
  {
    win::headless::Batch b;
    win::headless::KeyDown(win::VK_SHIFT);
    win::headless::KeyPress(win::VK_TAB);
    win::headless::KeyUp(win::VK_SHIFT);
  }
  EXPECT_EQ(win::GetFocus(), f->Memo1->Handle());
  EXPECT_EQ(f->ActiveControl(), f->Memo1);
}

TEST_F(Layout, ScaledToTheScreenDensity) {
  screen = &win::headless::Start({{1280, 1024}, 144});
  forms::TApplicationRef::Reset();
  auto* f = MakeForm<TLayoutForm>(kMainLike);
  EXPECT_EQ(f->ClientWidth(), 981);
  EXPECT_EQ(f->ClientHeight(), 819);
  // The frame is the one of 144 dots per inch (12 a side, caption 35), and the size limits,
  // stored at 96 with that density's frame (8, caption 23), hold the scaled client area in it.
  EXPECT_EQ(f->Width(), 981 + 2 * 12);
  EXPECT_EQ(f->Height(), 819 + 2 * 12 + 35);
  EXPECT_EQ(f->Constraints()->MaxWidth(), f->Width());
  EXPECT_EQ(f->Constraints()->MinHeight(), f->Height());
  EXPECT_EQ(f->GroupBox1->Height(), 98);  // 65 * 1.5 rounded
  EXPECT_EQ(f->GroupBox2->Top(), 98);
  EXPECT_EQ(f->FetchButton->BoundsRect(), (TRect{780, 33, 950, 75}));
  EXPECT_EQ(f->GroupBox1->Font()->Height(), -20);
  EXPECT_EQ(f->Font()->Height(), -17);
  EXPECT_EQ(f->PixelsPerInch(), 144);
  // What a control paints with is its scaled font, not one converted back to 96 dpi.
  TCanvas canvas;
  canvas.SetFont(f->GroupBox1->Font());
  EXPECT_EQ(canvas.Font()->Height(), -20);
  f->GroupBox1->Canvas()->SetFont(f->GroupBox1->Font());
  EXPECT_EQ(f->GroupBox1->Canvas()->Font()->Height(), -20);
}

}  // namespace formstest
