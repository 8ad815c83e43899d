// Creation and destruction: message order, the CBT hook, refusals, stale handles.
#include "platform/gfx/Surface.h"
#include "WinTestSupport.h"

namespace wintest {
namespace {

using Seq = std::vector<std::string>;

struct HookSeen {
  std::vector<std::string> events;
  std::u16string className;
  DWORD style = 0;
  DWORD exStyle = 0;
  bool parentKnown = false;
  int veto = 0;
};
HookSeen g_hook;
HHOOK g_hookHandle = nullptr;

LRESULT CbtHook(int code, WPARAM wp, LPARAM lp) {
  auto h = reinterpret_cast<HWND>(wp);
  if (code == HCBT_CREATEWND) {
    auto* cbt = reinterpret_cast<CBT_CREATEWND*>(lp);
    g_hook.events.push_back("create");
    g_hook.className = IS_INTRESOURCE(cbt->lpcs->lpszClass) ? u"#atom" : cbt->lpcs->lpszClass;
    g_hook.style = static_cast<DWORD>(cbt->lpcs->style);
    g_hook.exStyle = cbt->lpcs->dwExStyle;
    g_hook.parentKnown = GetParent(h) != nullptr || GetWindow(h, GW_OWNER) != nullptr;
    // The log marks where the hook ran relative to the window's messages.
    Log().push_back({h, 0xBEEF, 0, 0});
    if (g_hook.veto == HCBT_CREATEWND) return 1;
  }
  if (code == HCBT_DESTROYWND) {
    g_hook.events.push_back("destroy");
    if (g_hook.veto == HCBT_DESTROYWND) return 1;
  }
  return CallNextHookEx(g_hookHandle, code, wp, lp);
}

class LifecycleTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    g_hook = {};
  }
};

TEST_F(LifecycleTest, CreationSendsMessagesInPlatformOrder) {
  HWND w = MakeTop(10, 20, 300, 200, WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(w);
  EXPECT_EQ(Names(w), (Seq{"WM_GETMINMAXINFO", "WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_SIZE", "WM_MOVE"}));
  EXPECT_EQ(GetWindowText(w), u"top");
  EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(LifecycleTest, VisibleTopLevelIsShownAndActivatedAfterCreation) {
  HWND w = MakeTop(10, 20, 300, 200);
  EXPECT_EQ(Names(w), (Seq{"WM_GETMINMAXINFO", "WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_SIZE", "WM_MOVE",
                           "WM_SHOWWINDOW", "WM_WINDOWPOSCHANGING", "WM_ACTIVATEAPP", "WM_NCACTIVATE", "WM_ACTIVATE",
                           "WM_SETFOCUS", "WM_WINDOWPOSCHANGED"}));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(GetFocus(), w);
}

TEST_F(LifecycleTest, ChildCreationNotifiesParentAndDoesNotActivate) {
  HWND top = MakeTop(0, 0, 300, 200);
  ClearLog();
  HWND c = MakeChild(top, 5, 5, 50, 20, WS_CHILD | WS_VISIBLE, 7);
  EXPECT_EQ(Names(c), (Seq{"WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_SIZE", "WM_MOVE", "WM_SHOWWINDOW",
                           "WM_WINDOWPOSCHANGING", "WM_WINDOWPOSCHANGED"}));
  ASSERT_EQ(Count(WM_PARENTNOTIFY, top), 1);
  EXPECT_EQ(Log()[static_cast<std::size_t>(
                      std::find_if(Log().begin(), Log().end(), [](auto& l) { return l.msg == WM_PARENTNOTIFY; }) -
                      Log().begin())]
                .wParam,
            MAKEWPARAM(WM_CREATE, 7));
  EXPECT_EQ(GetDlgCtrlID(c), 7);
  EXPECT_EQ(GetDlgItem(top, 7), c);
  EXPECT_EQ(GetParent(c), top);
  EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(LifecycleTest, HookSeesCreationBeforeAnyMessageWithClassAndStyles) {
  g_hookHandle = SetWindowsHookEx(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(g_hookHandle);
  HWND owner = MakeTop(0, 0, 100, 100, WS_OVERLAPPEDWINDOW);
  ClearLog();
  HWND dlg = CreateWindowEx(WS_EX_DLGMODALFRAME, u"#32770", u"Save", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 200, 100,
                            owner, nullptr, nullptr, nullptr);
  ASSERT_TRUE(dlg);
  EXPECT_EQ(g_hook.className, u"#32770");
  EXPECT_EQ(g_hook.style, WS_POPUP | WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(g_hook.exStyle, WS_EX_DLGMODALFRAME);
  // The platform has not linked the window to its owner yet when the hook runs.
  EXPECT_FALSE(g_hook.parentKnown);
  EXPECT_EQ(GetWindow(dlg, GW_OWNER), owner);
  EXPECT_EQ(GetClassName(dlg), u"#32770");
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().front().msg, 0xBEEFu);  // before WM_GETMINMAXINFO and WM_NCCREATE
  EXPECT_TRUE(UnhookWindowsHookEx(g_hookHandle));
  EXPECT_FALSE(UnhookWindowsHookEx(g_hookHandle));
}

TEST_F(LifecycleTest, HookCanRefuseCreationAndDestruction) {
  g_hookHandle = SetWindowsHookEx(WH_CBT, &CbtHook, nullptr, 0);
  g_hook.veto = HCBT_CREATEWND;
  EXPECT_EQ(MakeTop(0, 0, 50, 50), nullptr);
  EXPECT_EQ(Count(WM_NCCREATE), 0);
  EXPECT_EQ(WindowCount(), 0);
  g_hook.veto = HCBT_DESTROYWND;
  HWND w = MakeTop(0, 0, 50, 50);
  ASSERT_TRUE(w);
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_TRUE(IsWindow(w));
  g_hook.veto = 0;
  EXPECT_TRUE(DestroyWindow(w));
  UnhookWindowsHookEx(g_hookHandle);
}

LRESULT RefuseCreate(HWND h, UINT m, WPARAM w, LPARAM l) {
  Log().push_back({h, m, w, l});
  if (m == WM_CREATE) return -1;
  return DefWindowProc(h, m, w, l);
}

TEST_F(LifecycleTest, WindowRefusingCreateIsDestroyedCleanly) {
  RegisterProc(u"Refuser", &RefuseCreate);
  HWND w = CreateWindowEx(0, u"refuser", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(w, nullptr);
  EXPECT_EQ(Names(), (Seq{"WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_DESTROY", "WM_NCDESTROY"}));
  EXPECT_EQ(WindowCount(), 0);
}

TEST_F(LifecycleTest, DestroySendsDestroyParentFirstAndNcDestroyParentLast) {
  HWND top = MakeTop(0, 0, 300, 200, WS_OVERLAPPEDWINDOW);
  HWND a = MakeChild(top, 0, 0, 10, 10);
  HWND a1 = MakeChild(a, 0, 0, 5, 5);
  HWND b = MakeChild(top, 20, 0, 10, 10);
  ClearLog();
  ASSERT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> seq;
  for (auto& l : Log())
    if (l.msg == WM_DESTROY || l.msg == WM_NCDESTROY) seq.push_back({l.hwnd, l.msg});
  std::vector<std::pair<HWND, UINT>> want = {{top, WM_DESTROY}, {a, WM_DESTROY},    {a1, WM_DESTROY},
                                             {b, WM_DESTROY},   {a1, WM_NCDESTROY}, {a, WM_NCDESTROY},
                                             {b, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(seq, want);
  EXPECT_EQ(WindowCount(), 0);
}

TEST_F(LifecycleTest, StaleHandlesAreHarmless) {
  HWND w = MakeTop(0, 0, 100, 100);
  HWND c = MakeChild(w, 0, 0, 10, 10);
  DestroyWindow(w);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(IsWindow(c));
  EXPECT_EQ(SendMessage(w, WM_USER, 1, 2), 0);
  EXPECT_FALSE(PostMessage(c, WM_USER, 0, 0));
  EXPECT_FALSE(SetWindowPos(w, nullptr, 0, 0, 5, 5, 0));
  EXPECT_EQ(GetWindowLongPtr(w, GWL_STYLE), 0);
  EXPECT_FALSE(SetProp(w, u"X", &w));
  EXPECT_FALSE(DestroyWindow(w));
  RECT r{1, 2, 3, 4};
  EXPECT_FALSE(GetWindowRect(c, &r));
  // A new window never answers to the old handle.
  HWND n = MakeTop(0, 0, 100, 100);
  EXPECT_NE(n, w);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(12345)));
}

TEST_F(LifecycleTest, OwnedWindowsAreDestroyedWithTheirOwner) {
  HWND owner = MakeTop(0, 0, 100, 100);
  HWND popup = MakeTop(10, 10, 50, 50, WS_POPUP | WS_VISIBLE, 0, owner);
  EXPECT_EQ(GetParent(popup), owner);  // a popup's parent query answers its owner
  EXPECT_EQ(GetAncestor(popup, GA_PARENT), GetDesktopWindow());
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(LifecycleTest, UnknownClassAndOrphanChildFail) {
  EXPECT_EQ(CreateWindowEx(0, u"NoSuchClass", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(CreateWindowEx(0, LogClass(), u"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  WNDCLASSEX wc;
  wc.lpfnWndProc = &DefWindowProc;
  wc.lpszClassName = u"logwindow";  // names compare without letter case
  EXPECT_EQ(RegisterClassEx(wc), 0);
}

TEST_F(LifecycleTest, SystemDialogClassHasItsAtom) {
  HWND d = CreateWindowEx(0, MAKEINTATOM(32770), u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(d);
  EXPECT_EQ(GetClassName(d), u"#32770");
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

std::vector<std::string> g_chain;
HHOOK g_first = nullptr, g_second = nullptr;

LRESULT FirstHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) g_chain.push_back("first");
  return CallNextHookEx(g_first, code, wp, lp);
}

LRESULT SecondHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    g_chain.push_back("second");
    // Removing itself while it runs still lets the chain go on.
    UnhookWindowsHookEx(g_second);
  }
  return CallNextHookEx(g_second, code, wp, lp);
}

TEST_F(LifecycleTest, HooksChainNewestFirstAndCanBeRemovedWhileRunning) {
  g_chain.clear();
  g_first = SetWindowsHookEx(WH_CBT, &FirstHook, nullptr, 0);
  g_second = SetWindowsHookEx(WH_CBT, &SecondHook, nullptr, 0);
  MakeTop(0, 0, 10, 10, WS_POPUP);
  EXPECT_EQ(g_chain, (std::vector<std::string>{"second", "first"}));
  g_chain.clear();
  MakeTop(0, 0, 10, 10, WS_POPUP);
  EXPECT_EQ(g_chain, (std::vector<std::string>{"first"}));
  UnhookWindowsHookEx(g_first);
  g_chain.clear();
  MakeTop(0, 0, 10, 10, WS_POPUP);
  EXPECT_TRUE(g_chain.empty());
  EXPECT_EQ(SetWindowsHookEx(3, &FirstHook, nullptr, 0), nullptr);  // only the CBT hook exists here
}

TEST_F(LifecycleTest, SurfaceKeptPastItsWindowDrawsNowhere) {
  HWND w = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  HDC dc = GetDC(w);
  DestroyWindow(w);
  dc->FillRect({0, 0, 100, 100}, gfx::RGB(1, 2, 3));  // must not touch freed pixels
  EXPECT_EQ(WindowFromDC(dc), w);
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(ReleaseDC(w, dc), 0);
}

}  // namespace
}  // namespace wintest

namespace wintest {
namespace {

TEST_F(LifecycleTest, MessageOnlyWindowsGetMessagesButNeverShow) {
  HWND m = CreateWindowEx(0, LogClass(), u"util", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                          nullptr);
  ASSERT_TRUE(m);
  EXPECT_FALSE(IsWindowVisible(m));
  EXPECT_FALSE(ShowWindow(m, SW_SHOW));
  EXPECT_FALSE(IsWindowVisible(m));
  EXPECT_EQ(GetAncestor(m, GA_PARENT), HWND_MESSAGE);
  int count = 0;
  EnumWindows(
      [](HWND, LPARAM p) {
        ++*reinterpret_cast<int*>(p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 0);
  ClearLog();
  PostMessage(m, WM_USER, 0, 0);
  RunUntilIdle();
  EXPECT_EQ(Count(WM_USER, m), 1);
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

}  // namespace
}  // namespace wintest
