// The program as the desktop and the script driver run it: RunProgram returns when the
// main window closes (also while a modal window or box is open) and can run again in the
// same process; the title comes from the executable's name.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "app/Program.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acImage.h"

namespace apptest {
namespace {

namespace hl = win::headless;

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    hl::Start();
    forms::TApplicationRef::Reset();
  }
  void TearDown() override { hl::Screen().onStarved = nullptr; }
  // Runs the program; each step runs when it waits for input.
  int Run(const std::string& exe, std::deque<std::function<void()>> steps) {
    hl::Screen().onStarved = [&steps] {
      if (steps.empty()) {
        ADD_FAILURE() << "the program still runs after the last step";
        if (app::Form1) win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
        return app::Form1 != nullptr;
      }
      auto step = std::move(steps.front());
      steps.pop_front();
      step();
      // The pointer goes to the screen's far corner, off the program's windows: resting on
      // a skinned frame or control it keeps the hover check polling, and the loop would
      // never wait for input again. A thread message wakes the loop.
      const gfx::TSize screen = hl::Screen().ScreenSize();
      hl::Screen().Push(win::InputEvent::MouseMove({screen.cx - 1, screen.cy - 1}));
      win::PostMessage(nullptr, win::WM_NULL, 0, 0);
      return true;
    };
    int code = app::RunProgram(exe, {});
    EXPECT_TRUE(steps.empty()) << steps.size() << " steps never ran";
    return code;
  }
};

TEST_F(Program, RunsUntilTheMainWindowClosesAndAgain) {
  for (int run = 0; run < 2; ++run) {
    std::u16string title;
    bool shown = false;
    int code = Run("/opt/pellomir/bin/pellomir", {[&] {
                     title = forms::Application->Title();
                     shown = app::Form1->Visible() && !app::Form2->Visible();
                     win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
                   }});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(title, u"Pellomir");
    EXPECT_TRUE(shown);
    EXPECT_EQ(app::Form1, nullptr);
    EXPECT_EQ(app::Form2, nullptr);
  }
}

TEST(ProgramTitle, FromTheExecutableName) {
  EXPECT_EQ(app::ProgramTitle("/usr/bin/pellomir"), u"Pellomir");
  EXPECT_EQ(app::ProgramTitle("./build/app/pellomir"), u"Pellomir");
  EXPECT_EQ(app::ProgramTitle("C:\\Tools\\LISTER.EXE"), u"Lister");
  EXPECT_EQ(app::ProgramTitle("/opt/x/site.map.tool"), u"Site");
  EXPECT_EQ(app::ProgramTitle("/opt/x/парсер"), u"Парсер");
  EXPECT_EQ(app::ProgramTitle("/tmp/.hidden"), u"");
}

TEST_F(Program, TheTitleFollowsTheExecutableName) {
  std::u16string title;
  Run("C:\\Tools\\LISTER.EXE", {[&] {
        title = forms::Application->Title();
        forms::Application->Terminate();
      }});
  EXPECT_EQ(title, u"Lister");
}

TEST_F(Program, ClosingTheMainWindowWhileTheInfoWindowIsOpenEndsTheProgram) {
  bool infoShown = false;
  int code = Run("pellomir",
                 {[&] {
                    hl::Click({app::Form1->sImage1->ClientOrigin().X + 16, app::Form1->sImage1->ClientOrigin().Y + 16});
                  },
                  [&] {
                    infoShown = app::Form2->Visible();
                    win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
                  }});
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(infoShown);
}

TEST_F(Program, ClosingTheMainWindowWhileAMessageBoxIsOpenEndsTheProgram) {
  int code = Run("pellomir", {[&] { app::Form1->sBitBtn1->Click(); },  // empty address: the warning box
                              [&] {
                                EXPECT_NE(forms::Screen->ActiveForm(), app::Form1);
                                win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
                              }});
  EXPECT_EQ(code, 0);
}

TEST_F(Program, ClosingTheMainWindowWhileTheSaveDialogIsOpenEndsTheProgram) {
  // A running timer keeps the program from ever starving, so the steps are the timer's:
  // open the save dialog, then close the main window while the dialog is active.
  static bool opened, closed;
  opened = closed = false;
  win::UINT_PTR timer = win::SetTimer(nullptr, 0, 100, [](win::HWND, win::UINT, win::UINT_PTR, win::DWORD) {
    if (!app::Form1 || closed) return;
    win::HWND active = win::GetActiveWindow();
    if (!opened) {
      opened = true;
      app::Form1->sButton1->Click();  // runs the dialog until the program ends
    } else if (active && win::GetClassName(active) == u"#32770") {
      closed = true;
      win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
    }
  });
  int code = Run("pellomir", {});
  win::KillTimer(nullptr, timer);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace apptest
