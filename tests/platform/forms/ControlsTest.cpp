// Controls: the framework notifications delivered as messages through the WindowProc
// chain (another object inserting itself, swallowing and passing on), window classes
// named after the framework classes and seen by the creation hook, raw subclassing of a
// framework window, graphic children hit tests, and freeing a form with its controls.
#include "FormsTestSupport.h"

#include <algorithm>

#include "platform/forms/Buttons.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;
namespace hl = win::headless;

// Inserts itself into a control's window procedure and records the framework
// notifications it sees; it can also swallow one.
class ChainProbe {
 public:
  explicit ChainProbe(TControl* c) : control_(c), saved_(c->WindowProc) {
    c->WindowProc = [this](TMessage& m) {
      if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 100) seen.push_back(m.Msg);
      if (m.Msg == swallow) return;
      saved_(m);
    };
  }
  ~ChainProbe() { control_->WindowProc = saved_; }
  bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
  std::vector<UINT> seen;
  UINT swallow = 0;

 private:
  TControl* control_;
  TWndMethod saved_;
};

class Controls : public FormsTest {
 protected:
  TForm* MakeTestForm() {
    auto* f = New<TForm>(Application.Get());
    f->SetBounds(50, 50, 400, 300);
    f->SetCaption(u"Controls");
    return f;
  }
};

TEST_F(Controls, NotificationsRunThroughTheInsertedChain) {
  TForm* f = MakeTestForm();
  auto* edit = New<TEdit>(f);
  edit->SetParent(f);
  auto* button = New<TButton>(f);
  button->SetParent(f);
  button->SetTop(40);
  ChainProbe probe(edit);
  f->Show();
  win::RunUntilIdle();
  EXPECT_TRUE(probe.Saw(CM_SHOWINGCHANGED));
  EXPECT_TRUE(probe.Saw(CM_ENTER)) << "the edit is the first tab stop";
  EXPECT_TRUE(probe.Saw(CM_FOCUSCHANGED));
  edit->SetText(u"x");
  EXPECT_TRUE(probe.Saw(CM_TEXTCHANGED));
  edit->Font()->SetHeight(-14);
  EXPECT_TRUE(probe.Saw(CM_FONTCHANGED));
  edit->SetColor(clYellow);
  EXPECT_TRUE(probe.Saw(CM_COLORCHANGED));
  button->SetFocus();
  EXPECT_TRUE(probe.Saw(CM_EXIT));
  hl::MouseMove(At(edit, 5, 5));
  EXPECT_TRUE(probe.Saw(CM_MOUSEENTER));
  hl::MouseMove(At(button, 5, 5));
  EXPECT_TRUE(probe.Saw(CM_MOUSELEAVE));
  edit->SetEnabled(false);
  EXPECT_TRUE(probe.Saw(CM_ENABLEDCHANGED));
  EXPECT_FALSE(win::IsWindowEnabled(edit->Handle()));
  edit->Invalidate();
  EXPECT_TRUE(probe.Saw(CM_INVALIDATE));
  edit->SetVisible(false);
  EXPECT_TRUE(probe.Saw(CM_VISIBLECHANGED));
  EXPECT_FALSE(win::IsWindowVisible(edit->Handle()));
}

TEST_F(Controls, AnInsertedHandlerCanSwallowAndTheChainUnwinds) {
  TForm* f = MakeTestForm();
  auto* button = New<TButton>(f);
  button->SetParent(f);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  f->Show();
  win::RunUntilIdle();
  {
    ChainProbe probe(button);
    probe.swallow = CN_COMMAND;  // the click notification never reaches the button
    hl::Click(At(button, 5, 5));
    EXPECT_EQ(clicks, 0);
  }
  hl::Click(At(button, 5, 5));
  EXPECT_EQ(clicks, 1);
  // Children of a container hear a notification of the parent through Perform.
  ChainProbe formProbe(f);
  auto* panel = New<TPanel>(f);
  panel->SetParent(f);
  EXPECT_TRUE(formProbe.Saw(CM_CONTROLLISTCHANGE));
}

namespace {
std::vector<std::u16string> g_created;
std::vector<win::HWND> g_activated;
win::HHOOK g_hook = nullptr;
win::LRESULT Hook(int code, win::WPARAM w, win::LPARAM l) {
  if (code == win::HCBT_CREATEWND) {
    auto* cbt = reinterpret_cast<win::CBT_CREATEWND*>(l);
    if (cbt && cbt->lpcs && !win::IS_INTRESOURCE(cbt->lpcs->lpszClass)) g_created.push_back(cbt->lpcs->lpszClass);
  } else if (code == win::HCBT_ACTIVATE) {
    g_activated.push_back(reinterpret_cast<win::HWND>(w));
  }
  return win::CallNextHookEx(g_hook, code, w, l);
}
}  // namespace

TEST_F(Controls, WindowsAreNamedAfterTheirClassesAndSeenByTheHook) {
  g_created.clear();
  g_activated.clear();
  g_hook = win::SetWindowsHookEx(win::WH_CBT, &Hook, nullptr, win::GetCurrentThreadId());
  TForm* f = MakeTestForm();
  auto* b = New<TBitBtn>(f);
  b->SetParent(f);
  auto* e = New<TEdit>(f);
  e->SetParent(f);
  f->Show();
  win::RunUntilIdle();
  win::UnhookWindowsHookEx(g_hook);
  auto has = [](const std::u16string& n) {
    return std::find(g_created.begin(), g_created.end(), n) != g_created.end();
  };
  EXPECT_TRUE(has(u"TForm"));
  EXPECT_TRUE(has(u"TBitBtn"));
  EXPECT_TRUE(has(u"TEdit"));
  EXPECT_EQ(win::GetClassName(b->Handle()), u"TBitBtn");
  ASSERT_FALSE(g_activated.empty());
  EXPECT_EQ(TWinControl::FindControl(g_activated.back()), f);
  EXPECT_EQ(TWinControl::FindControl(e->Handle()), e);
}

namespace {
win::WNDPROC g_oldProc = nullptr;
int g_rawSeen = 0;
win::LRESULT RawSubclass(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
  if (m == win::WM_SETTEXT) ++g_rawSeen;
  return win::CallWindowProc(g_oldProc, h, m, w, l);
}
}  // namespace

TEST_F(Controls, RawSubclassingOfAFrameworkWindowKeepsTheControlWorking) {
  TForm* f = MakeTestForm();
  auto* e = New<TEdit>(f);
  e->SetParent(f);
  int changes = 0;
  e->OnChange = [&](TObject*) { ++changes; };
  f->Show();
  win::RunUntilIdle();
  g_rawSeen = 0;
  g_oldProc = reinterpret_cast<win::WNDPROC>(
      win::SetWindowLongPtr(e->Handle(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&RawSubclass)));
  win::SetWindowText(e->Handle(), u"typed");
  EXPECT_EQ(g_rawSeen, 1);
  EXPECT_EQ(e->Text(), u"typed");
  EXPECT_EQ(changes, 1);
  win::SetWindowLongPtr(e->Handle(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(g_oldProc));
}

class TMouseThroughLabel : public TLabel {
  FORMS_CLASS(TMouseThroughLabel)
 public:
  using TLabel::TLabel;

 protected:
  void Dispatch(TMessage& m) override {
    if (m.Msg == CM_HITTEST) {
      m.Result = 0;  // never hit: the mouse reaches what lies below
      return;
    }
    TLabel::Dispatch(m);
  }
};
FORMS_DEFINE_CLASS(TMouseThroughLabel, TLabel, [](auto&) {})

TEST_F(Controls, GraphicChildrenAreHitUnlessTheyDecline) {
  TForm* f = MakeTestForm();
  auto* image = New<TImage>(f);
  image->SetParent(f);
  image->SetBounds(10, 10, 50, 50);
  auto* label = New<TMouseThroughLabel>(f);
  label->SetParent(f);
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 50, 50);  // above the image
  int imageClicks = 0, labelClicks = 0;
  image->OnClick = [&](TObject*) { ++imageClicks; };
  label->OnClick = [&](TObject*) { ++labelClicks; };
  f->Show();
  win::RunUntilIdle();
  EXPECT_EQ(f->ControlAtPos({30, 30}, false), image);
  hl::Click(At(f, 30, 30));
  EXPECT_EQ(imageClicks, 1);
  EXPECT_EQ(labelClicks, 0);
  hl::Click(At(f, 65, 65));  // the label alone: declined, so the form
  EXPECT_EQ(labelClicks, 0);
}

TEST_F(Controls, FreeingAFormFreesItsControlsAndWindows) {
  Application->Handle();  // the owner of forms without a main form
  int before = win::WindowCount();
  TForm* f = MakeTestForm();
  auto* panel = New<TPanel>(f);
  panel->SetParent(f);
  auto* inner = New<TButton>(f);
  inner->SetParent(panel);
  auto* memo = New<TMemo>(f);
  memo->SetParent(panel);
  f->Show();
  win::RunUntilIdle();
  HWND innerWindow = inner->Handle();
  EXPECT_GT(win::WindowCount(), before);
  f->Free();
  EXPECT_FALSE(win::IsWindow(innerWindow));
  EXPECT_EQ(TWinControl::FindControl(innerWindow), nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(win::WindowCount(), before);
}

}  // namespace formstest
