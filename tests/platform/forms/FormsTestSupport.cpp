#include "FormsTestSupport.h"

#include <cstdlib>

#include "platform/forms/Filer.h"

namespace formstest {

void FormsTest::SetUp() {
  screen = &win::headless::Start();
  forms::TApplicationRef::Reset();
}

void FormsTest::TearDown() {
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted steps never ran";
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

std::string OutputPath(const std::string& name) {
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  return std::string(dir ? dir : ".") + "/" + name;
}

}  // namespace formstest
