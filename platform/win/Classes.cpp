// Window classes: registration, lookup by name or atom, and class longs.
#include <algorithm>

#include "platform/win/Classes.h"
#include "platform/base/TextCase.h"
#include "platform/win/InputApi.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemState.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

WindowClass* FindClass(const char16_t* nameOrAtom) {
  if (!nameOrAtom) return nullptr;
  State& s = S();
  EnsureSystemClasses();
  for (auto& c : s.classes) {
    if (IS_INTRESOURCE(nameOrAtom) ? c->atom == ATOMOF(nameOrAtom) : base::EqualsIgnoreAsciiCase(c->name, nameOrAtom))
      return c.get();
  }
  return nullptr;
}

void EnsureSystemClasses() {
  State& s = S();
  if (!s.classes.empty()) return;
  auto add = [&](const char16_t* name, ATOM atom, UINT style, HBRUSH bg, WNDPROC proc) {
    auto c = std::make_unique<WindowClass>();
    c->name = name;
    c->atom = atom;
    c->style = style;
    c->proc = proc;
    c->cursor = LoadCursor(nullptr, 32512);
    c->background = bg;
    c->wndExtra = 32;  // room for a dialog manager's longs
    s.classes.push_back(std::move(c));
  };
  add(u"#32770", DIALOG_CLASS_ATOM, CS_DBLCLKS | CS_SAVEBITS,
      reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_BTNFACE + 1)), &DefWindowProc);
  add(u"#32768", MENU_CLASS_ATOM, CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW,
      reinterpret_cast<HBRUSH>(std::uintptr_t(gfx::COLOR_MENU + 1)), &MenuWindowProc);
}

}  // namespace detail

using namespace detail;

ATOM RegisterClassEx(const WNDCLASSEX& wc) {
  if (!wc.lpszClassName || IS_INTRESOURCE(wc.lpszClassName) || !wc.lpfnWndProc || wc.cbWndExtra < 0 ||
      wc.cbClsExtra < 0)
    return 0;
  if (FindClass(wc.lpszClassName)) return 0;
  State& s = S();
  auto c = std::make_unique<WindowClass>();
  c->name = wc.lpszClassName;
  c->atom = s.nextAtom++;
  c->style = wc.style;
  c->proc = wc.lpfnWndProc;
  c->clsExtra = wc.cbClsExtra;
  c->wndExtra = wc.cbWndExtra;
  c->instance = wc.hInstance;
  c->cursor = wc.hCursor;
  c->background = wc.hbrBackground;
  c->extra.assign(static_cast<std::size_t>(wc.cbClsExtra), 0);
  ATOM atom = c->atom;
  s.classes.push_back(std::move(c));
  return atom;
}

BOOL UnregisterClass(const char16_t* className, HINSTANCE) {
  WindowClass* c = FindClass(className);
  if (!c || c->atom < 0xC000) return FALSE;  // system classes stay
  State& s = S();
  // A class with live windows cannot go.
  bool used = false;
  std::vector<Window*> stack(s.desktop->children.begin(), s.desktop->children.end());
  while (!stack.empty() && !used) {
    Window* w = stack.back();
    stack.pop_back();
    if (w->cls == c) used = true;
    stack.insert(stack.end(), w->children.begin(), w->children.end());
  }
  if (used) return FALSE;
  s.classes.erase(std::remove_if(s.classes.begin(), s.classes.end(), [c](auto& p) { return p.get() == c; }),
                  s.classes.end());
  return TRUE;
}

BOOL GetClassInfoEx(HINSTANCE, const char16_t* className, WNDCLASSEX* out) {
  WindowClass* c = FindClass(className);
  if (!c || !out) return FALSE;
  out->style = c->style;
  out->lpfnWndProc = c->proc;
  out->cbClsExtra = c->clsExtra;
  out->cbWndExtra = c->wndExtra;
  out->hInstance = c->instance;
  out->hCursor = c->cursor;
  out->hbrBackground = c->background;
  out->lpszClassName = c->name.c_str();
  return TRUE;
}

std::u16string GetClassName(HWND hwnd) {
  Window* w = W(hwnd);
  return w && w->cls ? w->cls->name : std::u16string();
}

int GetClassName(HWND hwnd, char16_t* buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  std::u16string n = GetClassName(hwnd);
  int len = std::min<int>(static_cast<int>(n.size()), maxCount - 1);
  std::copy(n.begin(), n.begin() + len, buffer);
  buffer[len] = 0;
  return len;
}

LONG_PTR GetClassLongPtr(HWND hwnd, int index) {
  Window* w = W(hwnd);
  if (!w || !w->cls) return 0;
  WindowClass* c = w->cls;
  switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<LONG_PTR>(c->background);
    case GCLP_HCURSOR: return reinterpret_cast<LONG_PTR>(c->cursor);
    case GCL_CBWNDEXTRA: return c->wndExtra;
    case GCL_CBCLSEXTRA: return c->clsExtra;
    case GCLP_WNDPROC: return reinterpret_cast<LONG_PTR>(c->proc);
    case GCL_STYLE: return static_cast<LONG_PTR>(c->style);
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= c->extra.size()) {
    LONG_PTR v;
    std::copy_n(c->extra.data() + index, sizeof v, reinterpret_cast<std::uint8_t*>(&v));
    return v;
  }
  return 0;
}

LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
  Window* w = W(hwnd);
  if (!w || !w->cls) return 0;
  WindowClass* c = w->cls;
  LONG_PTR old = GetClassLongPtr(hwnd, index);
  switch (index) {
    case GCLP_HBRBACKGROUND: c->background = reinterpret_cast<HBRUSH>(value); return old;
    case GCLP_HCURSOR: c->cursor = reinterpret_cast<HCURSOR>(value); return old;
    case GCLP_WNDPROC: c->proc = reinterpret_cast<WNDPROC>(value); return old;
    case GCL_STYLE: c->style = static_cast<UINT>(value); return old;
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= c->extra.size()) {
    std::copy_n(reinterpret_cast<const std::uint8_t*>(&value), sizeof value, c->extra.data() + index);
    return old;
  }
  return 0;
}

}  // namespace win
