// Activation and focus: message order, the hook's veto, disabled windows, modal loops.
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

class ActivationTest : public WinTest {};

TEST_F(ActivationTest, SwitchingActiveWindowsDeactivatesFirst) {
  HWND a = MakeTop(0, 0, 100, 100);
  HWND b = MakeTop(200, 0, 100, 100, WS_OVERLAPPEDWINDOW);
  ClearLog();
  SetActiveWindow(b);
  std::vector<std::pair<HWND, std::string>> seq;
  for (auto& l : Log())
    if (l.msg == WM_NCACTIVATE || l.msg == WM_ACTIVATE || l.msg == WM_SETFOCUS || l.msg == WM_KILLFOCUS ||
        l.msg == WM_ACTIVATEAPP)
      seq.push_back({l.hwnd, Name(l.msg)});
  std::vector<std::pair<HWND, std::string>> want = {{a, "WM_NCACTIVATE"}, {a, "WM_ACTIVATE"},  {b, "WM_NCACTIVATE"},
                                                    {b, "WM_ACTIVATE"},   {a, "WM_KILLFOCUS"}, {b, "WM_SETFOCUS"}};
  EXPECT_EQ(seq, want);
  EXPECT_EQ(GetActiveWindow(), b);
  EXPECT_EQ(GetFocus(), b);
  EXPECT_EQ(GetTopWindow(nullptr), b);
  auto act = std::find_if(Log().begin(), Log().end(), [&](auto& l) { return l.hwnd == b && l.msg == WM_ACTIVATE; });
  EXPECT_EQ(LOWORD(act->wParam), WA_ACTIVE);
  EXPECT_EQ(reinterpret_cast<HWND>(act->lParam), a);
}

HWND g_vetoed = nullptr;
HWND g_seenActive = nullptr;
HHOOK g_hook = nullptr;
LRESULT ActivateHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE) {
    g_seenActive = reinterpret_cast<CBTACTIVATESTRUCT*>(lp)->hWndActive;
    if (reinterpret_cast<HWND>(wp) == g_vetoed) return 1;
    Log().push_back({reinterpret_cast<HWND>(wp), 0xBEEF, 0, 0});
  }
  return CallNextHookEx(g_hook, code, wp, lp);
}

TEST_F(ActivationTest, HookRunsBeforeActivationAndCanVetoIt) {
  HWND a = MakeTop(0, 0, 100, 100);
  HWND b = MakeTop(0, 0, 100, 100, WS_OVERLAPPEDWINDOW);
  g_hook = SetWindowsHookEx(WH_CBT, &ActivateHook, nullptr, 0);
  g_vetoed = b;
  EXPECT_EQ(SetActiveWindow(b), nullptr);
  EXPECT_EQ(GetActiveWindow(), a);
  g_vetoed = nullptr;
  ClearLog();
  SetActiveWindow(b);
  EXPECT_EQ(g_seenActive, a);
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().front().msg, 0xBEEFu);  // before a's deactivation
  UnhookWindowsHookEx(g_hook);
}

TEST_F(ActivationTest, FocusMovesWithKillThenSet) {
  HWND top = MakeTop(0, 0, 200, 200);
  HWND e1 = MakeChild(top, 0, 0, 50, 20);
  HWND e2 = MakeChild(top, 0, 30, 50, 20);
  SetFocus(e1);
  ClearLog();
  EXPECT_EQ(SetFocus(e2), e1);
  EXPECT_EQ(Names(), (Seq{"WM_KILLFOCUS", "WM_SETFOCUS"}));
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[0].wParam), e2);
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[1].wParam), e1);
  EnableWindow(e2, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);  // a window losing input loses the focus
  EXPECT_EQ(SetFocus(e2), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(ActivationTest, FocusInAnInactiveWindowActivatesIt) {
  HWND a = MakeTop(0, 0, 100, 100);
  HWND child = MakeChild(a, 0, 0, 10, 10);
  HWND b = MakeTop(0, 0, 100, 100);
  ASSERT_EQ(GetActiveWindow(), b);
  SetFocus(child);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(GetFocus(), child);
}

TEST_F(ActivationTest, DestroyingTheActiveWindowActivatesTheNext) {
  HWND a = MakeTop(0, 0, 100, 100);
  HWND b = MakeTop(0, 0, 100, 100);
  DestroyWindow(b);
  EXPECT_EQ(GetActiveWindow(), a);
  ClearLog();
  DestroyWindow(a);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(Count(WM_ACTIVATEAPP), 1);
  EXPECT_EQ(Log()[static_cast<std::size_t>(
                      std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_ACTIVATEAPP; }) -
                      Log().begin())]
                .wParam,
            static_cast<WPARAM>(FALSE));
}

struct Modal {
  static inline HWND dialog = nullptr;
  static inline bool ownerEnabledInside = true;
  static inline bool ownersOwnerEnabledInside = true;
  static inline HWND owner = nullptr, grand = nullptr;
  static void Tick(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ownerEnabledInside = IsWindowEnabled(owner);
    ownersOwnerEnabledInside = IsWindowEnabled(grand);
    EndModalLoop(dialog, 7);
  }
};

TEST_F(ActivationTest, ModalLoopDisablesTheOwnerChainAndRestoresIt) {
  Modal::grand = MakeTop(0, 0, 300, 300);
  Modal::owner = MakeTop(10, 10, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Modal::grand);
  Modal::dialog = MakeTop(20, 20, 100, 100, WS_POPUP | WS_CAPTION, 0, Modal::owner);
  SetTimer(nullptr, 0, 100, &Modal::Tick);
  EXPECT_EQ(RunModalLoop(Modal::dialog), 7);
  EXPECT_FALSE(Modal::ownerEnabledInside);
  EXPECT_FALSE(Modal::ownersOwnerEnabledInside);
  EXPECT_TRUE(IsWindowEnabled(Modal::owner));
  EXPECT_TRUE(IsWindowEnabled(Modal::grand));
  EXPECT_EQ(GetActiveWindow(), Modal::owner);
  EXPECT_FALSE(IsWindowVisible(Modal::dialog));
}

struct ModalClick {
  static inline HWND dialog = nullptr, owner = nullptr;
  static inline int step = 0;
  static bool Feed() {
    // The user clicks the disabled owner (nothing happens to it) and then closes the box.
    if (step++ == 0) {
      InputEvent e;
      e.kind = InputEvent::Kind::MouseDown;
      e.pt = {150, 150};
      headless::Screen().Push(e);
      e.kind = InputEvent::Kind::MouseUp;
      headless::Screen().Push(e);
      return true;
    }
    EndModalLoop(dialog, 1);
    return true;
  }
};

TEST_F(ActivationTest, DisabledOwnerRefusesClicksDuringModalLoop) {
  ModalClick::owner = MakeTop(0, 0, 300, 300);
  ModalClick::dialog = MakeTop(20, 20, 100, 100, WS_POPUP | WS_CAPTION, 0, ModalClick::owner);
  screen->onStarved = &ModalClick::Feed;
  ClearLog();
  EXPECT_EQ(RunModalLoop(ModalClick::dialog), 1);
  EXPECT_EQ(Count(WM_LBUTTONDOWN, ModalClick::owner), 0);
  EXPECT_EQ(Count(WM_LBUTTONUP, ModalClick::owner), 0);
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

void QuitTick(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(5);
}

TEST_F(ActivationTest, QuitEndsAModalLoopAndReachesTheOuterLoop) {
  HWND owner = MakeTop(0, 0, 300, 300);
  HWND dialog = MakeTop(20, 20, 100, 100, WS_POPUP | WS_CAPTION, 0, owner);
  SetTimer(nullptr, 0, 50, &QuitTick);
  EXPECT_EQ(RunModalLoop(dialog), 0);
  EXPECT_TRUE(IsWindowEnabled(owner));
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 5u);
}

TEST_F(ActivationTest, ModalLoopLeftByAnExceptionStillRestoresTheOwner) {
  HWND owner = MakeTop(0, 0, 300, 300);
  HWND dialog = MakeTop(20, 20, 100, 100, WS_POPUP | WS_CAPTION, 0, owner);
  EXPECT_THROW(RunModalLoop(dialog), std::logic_error);  // the headless screen has no input to wait for
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_FALSE(InModalLoop(dialog));
  EXPECT_FALSE(IsWindowVisible(dialog));
}

}  // namespace
}  // namespace wintest
