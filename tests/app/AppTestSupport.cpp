#include "AppTestSupport.h"

#include <cstdlib>

#include "app/Program.h"
#include "platform/base/Unicode.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/Icons.h"
#include "platform/ctl/MessageBox.h"
#include "platform/ctl/SaveDialog.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/StdCtrls.h"
#include "platform/shell/Shell.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sEdit.h"

namespace apptest {

namespace hl = win::headless;

AppTest* g_test = nullptr;

// Whether a window of the program other than the main window is the active one: a modal
// box, dialog or the info window waits for the user.
bool SomethingModalIsUp() {
  win::HWND active = win::GetActiveWindow();
  return active && app::Form1 && active != app::Form1->Handle();
}

void AppTest::SetUp() {
  hl::Start();
  forms::TApplicationRef::Reset();
  shell::SetLauncher([this](const std::vector<std::string>& argv) {
    launched.push_back(argv);
    return shell::SpawnResult{true, 0, {}};
  });
  hl::Screen().onStarved = [this] {
    if (answers_.empty()) {
      ADD_FAILURE() << "the program waits for input that no test step gives; closing the active window";
      win::HWND active = win::GetActiveWindow();
      if (!active) return false;
      win::PostMessage(active, win::WM_CLOSE, 0, 0);
      return true;
    }
    RunNextAnswer();
    return true;
  };
  // Dialogs that keep timers running never leave the loop starved: a timer looks too.
  g_test = this;
  timer_ = win::SetTimer(nullptr, 0, 50, [](win::HWND, win::UINT, win::UINT_PTR, win::DWORD) {
    if (!g_test || !SomethingModalIsUp()) return;
    if (!g_test->answers_.empty()) {
      g_test->RunNextAnswer();
      return;
    }
    // A window that nobody answers for ten seconds of the program's time: give up on it.
    static int unanswered = 0;
    if (++unanswered < 200) return;
    unanswered = 0;
    ADD_FAILURE() << "a window waits for input that no test step gives; closing it";
    win::PostMessage(win::GetActiveWindow(), win::WM_CLOSE, 0, 0);
  });
  app::StartProgram("/usr/bin/pellomir", {});
  f1 = app::Form1;
  f2 = app::Form2;
  f1->Show();
  win::RunUntilIdle();
}

void AppTest::TearDown() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were never needed";
  hl::Screen().onStarved = nullptr;
  win::KillTimer(nullptr, timer_);
  g_test = nullptr;
  app::EndProgram();
  shell::SetLauncher(nullptr);
}

void AppTest::RunNextAnswer() {
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  answer();
}

void AppTest::WhenWaiting(std::function<void()> answer) { answers_.push_back(std::move(answer)); }

void AppTest::QueueKey(int vk) {
  win::InputEvent e;
  e.kind = win::InputEvent::Kind::KeyDown;
  e.vk = vk;
  hl::Screen().Push(e);
  e.kind = win::InputEvent::Kind::KeyUp;
  hl::Screen().Push(e);
}

void AppTest::ExpectBox(SeenBox* box) {
  WhenWaiting([box] {
    win::HWND h = win::GetActiveWindow();
    box->seen = true;
    if (h && win::GetClassName(h) == u"#32770") {
      box->systemBox = true;
      box->title = win::GetWindowText(h);
      box->text = ctl::GetDlgItemText(h, ctl::IDC_MSGBOX_TEXT);
      if (win::HWND icon = win::GetDlgItem(h, ctl::IDC_MSGBOX_ICON)) {
        box->hasIcon = true;
        box->systemIcon = ctl::StandardIconId(reinterpret_cast<ctl::HICON>(win::SendMessage(icon, 0x0171, 0, 0)));
      }
    } else if (forms::TCustomForm* f = forms::Screen->ActiveForm()) {
      box->title = f->Caption();
      if (auto* label = dynamic_cast<forms::TLabel*>(f->FindComponent(u"Message"))) box->text = label->Caption();
      box->hasIcon = f->FindComponent(u"Image") != nullptr;
    }
    QueueKey(win::VK_RETURN);
  });
}

void AppTest::AnswerSaveDialog(const std::u16string& name) {
  WhenWaiting([name] {
    win::HWND h = win::GetActiveWindow();
    ASSERT_TRUE(h && win::GetClassName(h) == u"#32770") << "the save dialog is not up";
    if (name.empty()) {
      QueueKey(win::VK_ESCAPE);
      return;
    }
    ctl::SetDlgItemText(h, ctl::IDC_SAVE_NAME, name);
    QueueKey(win::VK_RETURN);
  });
}

void AppTest::Fetch(const std::string& address) {
  f1->sEdit1->SetText(base::Utf8ToUtf16(address));
  hl::Click(At(f1->sBitBtn1, 10, 10));
}

win::POINT AppTest::At(forms::TControl* c, int x, int y) {
  forms::TPoint p = c->ClientToScreen({x, y});
  return {p.X, p.Y};
}

std::string OutputPath(const std::string& name) {
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  return std::string(dir ? dir : ".") + "/" + name;
}

}  // namespace apptest
