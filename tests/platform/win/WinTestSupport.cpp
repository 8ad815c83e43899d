#include "WinTestSupport.h"

#include <map>

namespace wintest {

namespace {

std::vector<Logged> g_log;

bool Noise(UINT m) {
  return m == WM_GETTEXT || m == WM_GETTEXTLENGTH || m == WM_SETCURSOR || m == WM_NCHITTEST || m == WM_MOUSEACTIVATE ||
         m == WM_NCMOUSEMOVE || m == WM_MOUSEMOVE;
}

}  // namespace

std::vector<Logged>& Log() { return g_log; }
void ClearLog() { g_log.clear(); }

std::string Name(UINT m) {
  static const std::map<UINT, std::string> names = {{WM_CREATE, "WM_CREATE"},
                                                    {WM_DESTROY, "WM_DESTROY"},
                                                    {WM_MOVE, "WM_MOVE"},
                                                    {WM_SIZE, "WM_SIZE"},
                                                    {WM_ACTIVATE, "WM_ACTIVATE"},
                                                    {WM_SETFOCUS, "WM_SETFOCUS"},
                                                    {WM_KILLFOCUS, "WM_KILLFOCUS"},
                                                    {WM_ENABLE, "WM_ENABLE"},
                                                    {WM_SETREDRAW, "WM_SETREDRAW"},
                                                    {WM_SETTEXT, "WM_SETTEXT"},
                                                    {WM_PAINT, "WM_PAINT"},
                                                    {WM_CLOSE, "WM_CLOSE"},
                                                    {WM_ERASEBKGND, "WM_ERASEBKGND"},
                                                    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
                                                    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
                                                    {WM_CANCELMODE, "WM_CANCELMODE"},
                                                    {WM_SETCURSOR, "WM_SETCURSOR"},
                                                    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
                                                    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
                                                    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
                                                    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
                                                    {WM_COPYDATA, "WM_COPYDATA"},
                                                    {WM_STYLECHANGING, "WM_STYLECHANGING"},
                                                    {WM_STYLECHANGED, "WM_STYLECHANGED"},
                                                    {WM_NCCREATE, "WM_NCCREATE"},
                                                    {WM_NCDESTROY, "WM_NCDESTROY"},
                                                    {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
                                                    {WM_NCHITTEST, "WM_NCHITTEST"},
                                                    {WM_NCPAINT, "WM_NCPAINT"},
                                                    {WM_NCACTIVATE, "WM_NCACTIVATE"},
                                                    {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
                                                    {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
                                                    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
                                                    {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
                                                    {WM_KEYDOWN, "WM_KEYDOWN"},
                                                    {WM_KEYUP, "WM_KEYUP"},
                                                    {WM_CHAR, "WM_CHAR"},
                                                    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
                                                    {WM_SYSKEYUP, "WM_SYSKEYUP"},
                                                    {WM_SYSCHAR, "WM_SYSCHAR"},
                                                    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
                                                    {WM_TIMER, "WM_TIMER"},
                                                    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                                                    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                                                    {WM_LBUTTONUP, "WM_LBUTTONUP"},
                                                    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                                                    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                                                    {WM_RBUTTONUP, "WM_RBUTTONUP"},
                                                    {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
                                                    {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
                                                    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
                                                    {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
                                                    {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"},
                                                    {WM_MOUSEHOVER, "WM_MOUSEHOVER"},
                                                    {WM_PRINT, "WM_PRINT"},
                                                    {WM_PRINTCLIENT, "WM_PRINTCLIENT"},
                                                    {WM_GETTEXT, "WM_GETTEXT"},
                                                    {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
                                                    {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
                                                    {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
                                                    {WM_INITMENU, "WM_INITMENU"},
                                                    {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
                                                    {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"},
                                                    {WM_MENUSELECT, "WM_MENUSELECT"},
                                                    {WM_ENTERIDLE, "WM_ENTERIDLE"},
                                                    {WM_COMMAND, "WM_COMMAND"},
                                                    {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
                                                    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
                                                    {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
                                                    {WM_MOVING, "WM_MOVING"},
                                                    {WM_SIZING, "WM_SIZING"}};
  auto it = names.find(m);
  if (it != names.end()) return it->second;
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%04X", m);
  return buf;
}

std::vector<std::string> Names(HWND only, bool skipNoise) {
  std::vector<std::string> out;
  for (const auto& l : g_log) {
    if (only && l.hwnd != only) continue;
    if (skipNoise && Noise(l.msg)) continue;
    out.push_back(Name(l.msg));
  }
  return out;
}

int Count(UINT msg, HWND only) {
  int n = 0;
  for (const auto& l : g_log)
    if (l.msg == msg && (!only || l.hwnd == only)) ++n;
  return n;
}

LRESULT CALLBACK_Log(HWND h, UINT m, WPARAM w, LPARAM l) {
  g_log.push_back({h, m, w, l});
  return DefWindowProc(h, m, w, l);
}

const char16_t* LogClass(UINT classStyle) {
  static std::u16string names[4] = {u"LogWindow", u"LogWindowDbl", u"LogWindowRedraw", u"LogWindowOther"};
  std::u16string& name = classStyle == 0                           ? names[0]
                         : classStyle == CS_DBLCLKS                ? names[1]
                         : classStyle == (CS_HREDRAW | CS_VREDRAW) ? names[2]
                                                                   : names[3];
  WNDCLASSEX wc;
  if (!GetClassInfoEx(nullptr, name.c_str(), &wc)) {
    wc.style = classStyle;
    wc.lpfnWndProc = &CALLBACK_Log;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1));
    wc.lpszClassName = name.c_str();
    wc.cbWndExtra = 16;
    RegisterClassEx(wc);
  }
  return name.c_str();
}

void RegisterProc(const char16_t* name, WNDPROC proc, int backgroundColor) {
  WNDCLASSEX wc;
  if (GetClassInfoEx(nullptr, name, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  if (backgroundColor >= 0) wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(backgroundColor + 1));
  RegisterClassEx(wc);
}

HWND MakeTop(int x, int y, int w, int h, DWORD style, DWORD ex, HWND owner, UINT classStyle) {
  return CreateWindowEx(ex, LogClass(classStyle), u"top", style, x, y, w, h, owner, nullptr, nullptr, nullptr);
}

HWND MakeChild(HWND parent, int x, int y, int w, int h, DWORD style, int id, UINT classStyle) {
  return CreateWindowEx(0, LogClass(classStyle), u"child", style | WS_CHILD, x, y, w, h, parent,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
}

gfx::TColor ScreenPixel(int x, int y) {
  gfx::PixelBuffer s = headless::CaptureScreen();
  std::uint32_t p = s.Row32(y)[x];
  return gfx::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void WinTest::SetUp() {
  screen = &headless::Start();
  ClearLog();
}

void WinTest::TearDown() {
  Shutdown();
  ClearLog();
}

}  // namespace wintest
