#pragma once
// Shared test support: a fresh headless window system and application per test, and a
// way to script what happens while a modal loop runs (each step runs when the loop idles).
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "platform/forms/Application.h"
#include "platform/forms/Filer.h"
#include "platform/win/Headless.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"

namespace formstest {

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Steps run one per idle of the application's message loop (a modal loop included).
  void Script(std::deque<std::function<void()>> steps);
  // The screen point at a control's client point.
  static win::POINT At(forms::TControl* c, int x, int y);
  win::HeadlessBackend* screen = nullptr;

 private:
  std::deque<std::function<void()>> steps_;
};

// Reads a description text into a new form of class T owned by the application.
template <class T>
T* MakeForm(const std::string& description, const std::u16string& file = u"Test.form") {
  forms::RegisterDescription(file, description);
  T* f = nullptr;
  forms::Application->CreateForm(f);
  return f;
}

// Runs `action` with the dialog once a dialog of the window system ("#32770": a message
// box, the save-file dialog) is active and runs its own loop; the loop sees a timer.
void WhenDialogRuns(std::function<void(win::HWND)> action);
// Queues a press of `vk` for the loop that runs next (a dialog's own loop).
void QueueKey(int vk);

// Where test pictures go (next to the test program).
std::string OutputPath(const std::string& name);

}  // namespace formstest
