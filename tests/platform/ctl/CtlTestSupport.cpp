#include "CtlTestSupport.h"

#include <algorithm>

namespace ctltest {

namespace {

std::vector<Notice> g_notices;

LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_COMMAND || m == WM_VSCROLL || m == WM_HSCROLL)
    g_notices.push_back({m, LOWORD(w), static_cast<WORD>(m == WM_COMMAND ? HIWORD(w) : LOWORD(w)),
                         static_cast<int>(HIWORD(w)), reinterpret_cast<HWND>(l)});
  if (m == WM_DRAWITEM) {
    auto* d = reinterpret_cast<const ctl::DRAWITEMSTRUCT*>(l);
    g_notices.push_back(
        {m, static_cast<WORD>(d->CtlID), static_cast<WORD>(d->itemState), static_cast<int>(d->CtlType), d->hwndItem});
  }
  if (m == WM_SYSCOMMAND) {
    g_notices.push_back({m, 0, static_cast<WORD>(w), 0, nullptr});
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

std::vector<std::function<void()>> g_actions;
HWND g_driver = nullptr;
HHOOK g_hook = nullptr;
std::vector<HWND> g_seenDialogs;

// The first activation of each dialog lets the next waiting action run in its loop.
LRESULT ActivationHook(int code, WPARAM w, LPARAM l) {
  auto h = reinterpret_cast<HWND>(w);
  if (code == HCBT_ACTIVATE && GetClassName(h) == u"#32770" &&
      std::find(g_seenDialogs.begin(), g_seenDialogs.end(), h) == g_seenDialogs.end()) {
    g_seenDialogs.push_back(h);
    if (!g_actions.empty()) PostMessage(g_driver, WM_USER, 0, 0);
  }
  return CallNextHookEx(g_hook, code, w, l);
}

LRESULT DriverProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER && !g_actions.empty()) {
    auto action = std::move(g_actions.front());
    g_actions.erase(g_actions.begin());
    action();
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

}  // namespace

void WhenModal(std::function<void()> action) {
  RegisterTestClass(u"CtlTestDriver", &DriverProc);
  if (!g_driver)
    g_driver = CreateWindowEx(0, u"CtlTestDriver", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!g_hook) g_hook = SetWindowsHookEx(WH_CBT, &ActivationHook, nullptr, GetCurrentThreadId());
  g_actions.push_back(std::move(action));
}

void CtlTest::SetUp() {
  screen = &headless::Start();
  ctl::RegisterControlClasses();
  g_notices.clear();
}

void CtlTest::TearDown() {
  Shutdown();
  g_notices.clear();
  g_actions.clear();
  g_driver = nullptr;
  g_hook = nullptr;
  g_seenDialogs.clear();
}

void RegisterTestClass(const char16_t* name, WNDPROC proc, int background) {
  WNDCLASSEX wc;
  if (GetClassInfoEx(nullptr, name, &wc)) return;
  wc = WNDCLASSEX{};
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  if (background >= 0) wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(background + 1));
  RegisterClassEx(wc);
}

HWND CtlTest::Parent() {
  if (parent) return parent;
  RegisterTestClass(u"CtlTestParent", &ParentProc, gfx::COLOR_BTNFACE);
  RECT r{0, 0, 400, 300};
  AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
  parent = CreateWindowEx(0, u"CtlTestParent", u"Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                          100, r.Width(), r.Height(), nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  return parent;
}

HWND CtlTest::Make(const char16_t* cls, const std::u16string& text, DWORD style, int x, int y, int w, int h, int id,
                   DWORD exStyle) {
  HWND p = Parent();
  HWND c = CreateWindowEx(exStyle, cls, text.c_str(), style | WS_CHILD | WS_VISIBLE, x, y, w, h, p,
                          reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
  RunUntilIdle();
  return c;
}

std::vector<Notice>& CtlTest::Notices() { return g_notices; }

int CtlTest::CountNotices(WORD code, UINT msg) const {
  int n = 0;
  for (const Notice& x : g_notices)
    if (x.msg == msg && x.code == code) ++n;
  return n;
}

POINT CtlTest::Screen(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

std::u16string CtlTest::Text(HWND hwnd) { return GetWindowText(hwnd); }

void PressWith(int vk, bool ctrl, bool shift) {
  if (ctrl) headless::KeyDown(VK_CONTROL);
  if (shift) headless::KeyDown(VK_SHIFT);
  headless::KeyPress(vk);
  if (shift) headless::KeyUp(VK_SHIFT);
  if (ctrl) headless::KeyUp(VK_CONTROL);
}

}  // namespace ctltest
