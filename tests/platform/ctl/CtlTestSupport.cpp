#include "CtlTestSupport.h"

namespace ctltest {

namespace {

std::vector<Notice> g_notices;

LRESULT ParentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_COMMAND || m == WM_VSCROLL || m == WM_HSCROLL)
    g_notices.push_back({m, LOWORD(w), static_cast<WORD>(m == WM_COMMAND ? HIWORD(w) : LOWORD(w)),
                         static_cast<int>(HIWORD(w)), reinterpret_cast<HWND>(l)});
  if (m == WM_DRAWITEM) {
    auto* d = reinterpret_cast<const ctl::DRAWITEMSTRUCT*>(l);
    g_notices.push_back({m, static_cast<WORD>(d->CtlID), static_cast<WORD>(d->itemState), static_cast<int>(d->CtlType), d->hwndItem});
  }
  if (m == WM_SYSCOMMAND) {
    g_notices.push_back({m, 0, static_cast<WORD>(w), 0, nullptr});
    return 0;
  }
  return DefWindowProc(h, m, w, l);
}

std::vector<std::function<void()>> g_actions;
HWND g_driver = nullptr;

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
  WNDCLASSEX wc;
  if (!GetClassInfoEx(nullptr, u"CtlTestDriver", &wc)) {
    wc = WNDCLASSEX{};
    wc.lpfnWndProc = &DriverProc;
    wc.lpszClassName = u"CtlTestDriver";
    RegisterClassEx(wc);
  }
  if (!g_driver)
    g_driver = CreateWindowEx(0, u"CtlTestDriver", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  g_actions.push_back(std::move(action));
  PostMessage(g_driver, WM_USER, 0, 0);
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
}

HWND CtlTest::Parent() {
  if (parent) return parent;
  WNDCLASSEX wc;
  if (!GetClassInfoEx(nullptr, u"CtlTestParent", &wc)) {
    wc = WNDCLASSEX{};
    wc.lpfnWndProc = &ParentProc;
    wc.lpszClassName = u"CtlTestParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1));
    RegisterClassEx(wc);
  }
  RECT r{0, 0, 400, 300};
  AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
  parent = CreateWindowEx(0, u"CtlTestParent", u"Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                          r.Width(), r.Height(), nullptr, nullptr, nullptr, nullptr);
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
