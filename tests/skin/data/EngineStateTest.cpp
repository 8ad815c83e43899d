// The skin engine's process-wide state: the window lists change only through their
// register calls, a broadcast survives a window leaving its list, and the engine's
// shutdown leaves nothing behind for the next start.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win/MessageApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/render/pixels/acPixelTuning.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {
namespace {

win::HWND FakeWindow(std::uintptr_t n) { return reinterpret_cast<win::HWND>(n); }

std::vector<win::HWND> Listed(std::span<const win::HWND> view) { return {view.begin(), view.end()}; }

TEST_F(ManagerTest, WindowListsKeepTheRegistrationOrderAndListAWindowOnce) {
  const win::HWND a = FakeWindow(0x10), b = FakeWindow(0x20), c = FakeWindow(0x30);
  RegisterHookSkinnedWindow(a);
  RegisterHookSkinnedWindow(b);
  RegisterHookSkinnedWindow(a);
  RegisterHookSkinnedWindow(nullptr);
  RegisterHookSkinnedWindow(c);
  EXPECT_EQ(Listed(acHookSkinnedWindows()), (std::vector<win::HWND>{a, b, c}));
  UnregisterHookSkinnedWindow(b);
  UnregisterHookSkinnedWindow(FakeWindow(0x40));
  EXPECT_EQ(Listed(acHookSkinnedWindows()), (std::vector<win::HWND>{a, c}));
  EXPECT_TRUE(acDialogAdapterWindows().empty()) << "the two lists are apart";

  RegisterDialogAdapterWindow(c);
  RegisterDialogAdapterWindow(c);
  EXPECT_EQ(Listed(acDialogAdapterWindows()), (std::vector<win::HWND>{c}));
  UnregisterDialogAdapterWindow(c);
  EXPECT_TRUE(acDialogAdapterWindows().empty());
  EXPECT_EQ(acHookSkinnedWindows().size(), 2u);
}

// A hooked window that leaves the list when the new skin reaches it.
struct LeavingWindow {
  static std::vector<win::HWND>& Reached() {
    static std::vector<win::HWND> r;
    return r;
  }
  static win::LRESULT Proc(win::HWND h, win::UINT msg, win::WPARAM wp, win::LPARAM lp) {
    if (msg == SkinCmdMessage && SkinCmdOf(wp) == scNewSkin) {
      Reached().push_back(h);
      UnregisterHookSkinnedWindow(h);
    }
    return win::DefWindowProc(h, msg, wp, lp);
  }
  static win::HWND Make(int x) {
    win::WNDCLASSEX wc{};
    wc.lpfnWndProc = &Proc;
    wc.lpszClassName = u"SkinLeavingWindow";
    win::RegisterClassEx(wc);
    return win::CreateWindowEx(0, u"SkinLeavingWindow", u"", win::WS_POPUP | win::WS_VISIBLE, x, 0, 40, 30, nullptr,
                               nullptr, nullptr, nullptr);
  }
};

TEST_F(ManagerTest, ABroadcastReachesEveryHookedWindowWhileTheyLeaveTheList) {
  TsSkinManager* m = MakeProgramManager();
  const win::HWND first = LeavingWindow::Make(300), second = LeavingWindow::Make(360);
  RegisterHookSkinnedWindow(first);
  RegisterHookSkinnedWindow(second);
  LeavingWindow::Reached().clear();
  m->SendNewSkin(false);
  EXPECT_EQ(LeavingWindow::Reached(), (std::vector<win::HWND>{first, second}));
  EXPECT_TRUE(acHookSkinnedWindows().empty());
}

TEST_F(ManagerTest, ShutdownPutsTheWholeEngineBackAsBeforeStartup) {
  {
    TsSkinManager* m = MakeProgramManager();
    EXPECT_TRUE(acSkinHookInstalled());
    EXPECT_TRUE(acStdDialogsClassic());
    EXPECT_TRUE(acOldGlyphsMode()) << "the description sets it";
    EXPECT_EQ(DefaultManager(), m);
  }
  forms::TApplicationRef::Reset();
  ASSERT_EQ(DefaultManager(), nullptr);

  SkinEngineStartup({u"/acpreview"});
  int hookCalls = 0;
  SetSkinHookHandler([&](int, win::WPARAM, win::LPARAM) { ++hookCalls; });
  RegisterHookSkinnedWindow(FakeWindow(0x10));
  RegisterDialogAdapterWindow(FakeWindow(0x20));
  PixelTuning().DisabledSaturation = -100;
  PixelTuning().DisabledBlend = 7;
  TacRecordedMessages other;
  SetSkinMessageSink(&other);
  DefaultSkinMessages().Show(TacMsgKind::Warning, u"left over");
  TacSkinData* empty = &SharedEmptySkinData(1);
  empty->PPI = 333;

  SkinEngineShutdown();
  EXPECT_EQ(DefaultManager(), nullptr);
  EXPECT_FALSE(acSkinHookInstalled());
  EXPECT_FALSE(acStdDialogsClassic());
  EXPECT_FALSE(acDialogSkinningSuspended());
  EXPECT_FALSE(acOldGlyphsMode());
  EXPECT_FALSE(acPreviewRun());
  EXPECT_TRUE(acHookSkinnedWindows().empty());
  EXPECT_TRUE(acDialogAdapterWindows().empty());
  EXPECT_EQ(PixelTuning().DisabledSaturation, -90);
  EXPECT_EQ(PixelTuning().DisabledBlend, 100);
  EXPECT_EQ(&SkinMessageSink(), &DefaultSkinMessages()) << "the sink goes back to the record";
  EXPECT_TRUE(DefaultSkinMessages().Messages().empty());
  EXPECT_EQ(SharedEmptySkinData(1).PPI, 120) << "the empty sets are made afresh";

  // The engine starts again, and the hook handler set before the shutdown is gone.
  SkinEngineStartup({});
  TsSkinManager* again = MakeProgramManager();
  EXPECT_EQ(DefaultManager(), again);
  EXPECT_TRUE(acSkinHookInstalled());
  forms::TForm* form = nullptr;
  forms::Application->CreateForm(form);
  form->Handle();
  EXPECT_EQ(hookCalls, 0);
}

}  // namespace
}  // namespace skin::test
