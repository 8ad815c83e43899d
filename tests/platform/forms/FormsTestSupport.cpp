#include "FormsTestSupport.h"

#include <cstdlib>

#include "platform/forms/Filer.h"
#include "platform/win/InputApi.h"
#include "platform/win/WindowApi.h"

namespace formstest {

namespace {

std::function<void(win::HWND)> g_dialogAction;
int g_dialogTries = 0;

void TryDialog(win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
  if (!g_dialogAction) {
    win::KillTimer(nullptr, id);
    return;
  }
  win::HWND h = win::GetActiveWindow();
  if (!h || win::GetClassName(h) != u"#32770") {
    // Not up yet: look again at the next ticks, for a while.
    if (++g_dialogTries < 20) return;
    ADD_FAILURE() << "no dialog came up";
    win::KillTimer(nullptr, id);
    g_dialogAction = nullptr;
    return;
  }
  win::KillTimer(nullptr, id);
  auto action = std::move(g_dialogAction);
  g_dialogAction = nullptr;
  action(h);
}

}  // namespace

void FormsTest::SetUp() {
  screen = &win::headless::Start();
  forms::TApplicationRef::Reset();
}

void FormsTest::TearDown() {
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted steps never ran";
  EXPECT_FALSE(g_dialogAction) << "the awaited dialog never came up";
  g_dialogAction = nullptr;
  forms::Application->OnIdle.Clear();
  forms::TApplicationRef::Reset();
}

void FormsTest::Script(std::deque<std::function<void()>> steps) {
  steps_ = std::move(steps);
  forms::Application->OnIdle = [this](forms::TObject*, bool& done) {
    done = false;
    if (steps_.empty()) {
      ADD_FAILURE() << "the message loop idles with no scripted step left";
      forms::Application->Terminate();
      return;
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
  };
}

win::POINT FormsTest::At(forms::TControl* c, int x, int y) {
  forms::TPoint p = c->ClientToScreen({x, y});
  return {p.X, p.Y};
}

void WhenDialogRuns(std::function<void(win::HWND)> action) {
  g_dialogAction = std::move(action);
  g_dialogTries = 0;
  win::SetTimer(nullptr, 0, 50, &TryDialog);
}

void QueueKey(int vk) {
  win::InputEvent e;
  e.vk = vk;
  e.kind = win::InputEvent::Kind::KeyDown;
  win::headless::Screen().Push(e);
  e.kind = win::InputEvent::Kind::KeyUp;
  win::headless::Screen().Push(e);
}

std::string OutputPath(const std::string& name) {
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  return std::string(dir ? dir : ".") + "/" + name;
}

}  // namespace formstest
