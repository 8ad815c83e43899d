// The save dialog over the standard save-file dialog: the chosen full path comes back
// in FileName, cancelling leaves it alone, and the settings reach the dialog.
#include "FormsTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "platform/base/Unicode.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/SaveDialog.h"
#include "platform/forms/Dialogs.h"
#include "platform/win/InputApi.h"
#include "platform/win/WindowApi.h"

namespace formstest {
using namespace forms;
namespace hl = win::headless;

class SaveDialogs : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    dir = std::filesystem::temp_directory_path() / ("pellomir-forms-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    std::filesystem::remove_all(dir);
    FormsTest::TearDown();
  }
  // Once the dialog runs: note its title, then either type a name and save, or cancel.
  static void Answer(const std::u16string& name, std::u16string* title) {
    WhenDialogRuns([name, title](HWND h) {
      if (title) *title = win::GetWindowText(h);
      if (!name.empty()) ctl::SetDlgItemText(h, ctl::IDC_SAVE_NAME, name);
      QueueKey(name.empty() ? win::VK_ESCAPE : win::VK_RETURN);
    });
  }
  std::filesystem::path dir;
};

TEST_F(SaveDialogs, ReturnsTheChosenPathOrNothing) {
  auto* d = New<TSaveDialog>(Application.Get());
  d->SetInitialDir(base::Utf8ToUtf16(dir.string()));
  std::u16string title;
  Answer(u"list", &title);
  ASSERT_TRUE(d->Execute());
  EXPECT_EQ(title, u"Save As");
  EXPECT_EQ(d->FileName(), base::Utf8ToUtf16((dir / "list").string()));
  d->SetTitle(u"Save the list");
  Answer(u"", &title);
  EXPECT_FALSE(d->Execute());
  EXPECT_EQ(title, u"Save the list");
  EXPECT_EQ(d->FileName(), base::Utf8ToUtf16((dir / "list").string())) << "cancelling keeps the old name";
}

TEST_F(SaveDialogs, TheFormsWaitWhileTheDialogRunsAndGetTheActivationBack) {
  auto* f = New<TForm>(Application.Get());
  f->SetCaption(u"Main");
  f->Show();
  win::RunUntilIdle();
  ASSERT_EQ(win::GetActiveWindow(), f->Handle());
  auto* d = New<TSaveDialog>(f);
  d->SetInitialDir(base::Utf8ToUtf16(dir.string()));
  bool enabledMeanwhile = true;
  WhenDialogRuns([&](HWND) {
    enabledMeanwhile = win::IsWindowEnabled(f->Handle()) != win::FALSE;
    QueueKey(win::VK_ESCAPE);
  });
  EXPECT_FALSE(d->Execute());
  EXPECT_FALSE(enabledMeanwhile);
  EXPECT_TRUE(win::IsWindowEnabled(f->Handle()));
  EXPECT_EQ(win::GetActiveWindow(), f->Handle());
}

TEST_F(SaveDialogs, DefaultExtensionIsAdded) {
  auto* d = New<TSaveDialog>(Application.Get());
  d->SetInitialDir(base::Utf8ToUtf16(dir.string()));
  d->SetDefaultExt(u"txt");
  d->SetFilter(u"Text files (*.txt)|*.txt|All files|*.*");
  Answer(u"urls", nullptr);
  ASSERT_TRUE(d->Execute());
  EXPECT_EQ(d->FileName(), base::Utf8ToUtf16((dir / "urls.txt").string()));
  EXPECT_EQ(d->FilterIndex(), 1);
}

}  // namespace formstest
