#pragma once
// Shared test support for the program: a fresh headless window system with the program's
// two windows made as at start-up (executable "/usr/bin/pellomir"), a launcher that
// records the addresses the shell would open instead of starting a browser, and scripted
// answers for the moments the program waits for the user inside a modal box or dialog.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "platform/win/Headless.h"
#include "platform/win/Types.h"

namespace apptest {

// A message box as the user saw it.
struct SeenBox {
  bool seen = false;
  bool systemBox = false;  // the window system's error box (else a framework message form)
  std::u16string title;
  std::u16string text;
  bool hasIcon = false;
  int systemIcon = 0;  // the icon id of a system box
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Each time the program waits for input with nothing queued (a modal box, dialog or
  // window is up), the next answer runs; an answer queues input that ends the wait.
  void WhenWaiting(std::function<void()> answer);
  // Answers: note the active message box, then press Enter (its OK button).
  void ExpectBox(SeenBox* box);
  // Answers: type `name` into the save dialog and press Enter; an empty name cancels.
  void AnswerSaveDialog(const std::u16string& name);
  // Queues a key press (down and up) for the window system.
  static void QueueKey(int vk);

  // Types the address and presses the fetch button; the program runs until idle.
  void Fetch(const std::string& address);
  // The screen point at a control's client point.
  static win::POINT At(forms::TControl* c, int x, int y);

  app::TForm1* f1 = nullptr;
  app::TForm2* f2 = nullptr;
  // The argument vectors the shell was asked to start.
  std::vector<std::vector<std::string>> launched;

 private:
  void RunNextAnswer();
  std::deque<std::function<void()>> answers_;
  win::UINT_PTR timer_ = 0;
};

// Where test output (screenshots) goes: the build folder.
std::string OutputPath(const std::string& name);

}  // namespace apptest
