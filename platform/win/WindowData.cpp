// Per-window data: longs and procedure replacement, text, properties, state queries.
#include <algorithm>
#include <cstring>

#include "platform/base/TextCase.h"
#include "platform/win/Classes.h"
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/Messages.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
using namespace detail;

namespace {

void SetStyle(HWND hwnd, int which, DWORD value) {
  Window* w = W(hwnd);
  if (!w) return;
  STYLESTRUCT ss{which == GWL_STYLE ? w->style : w->exStyle, value};
  Send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(which), HandleToLParam(&ss));
  if (!(w = W(hwnd))) return;
  ss.styleOld = which == GWL_STYLE ? w->style : w->exStyle;
  if (which == GWL_STYLE) {
    // Visibility changes through ShowWindow only; the bit set here is taken as it is.
    w->style = ss.styleNew;
  } else {
    bool wasLayered = (w->exStyle & WS_EX_LAYERED) != 0;
    w->exStyle = ss.styleNew;
    if (wasLayered && !(w->exStyle & WS_EX_LAYERED)) {
      w->paint.layered = {};
      DamageWindow(w);
    }
  }
  Send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(which), HandleToLParam(&ss));
}

}  // namespace

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  return proc(hwnd, msg, wParam, lParam);
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  Window* w = W(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      return w->IsChild() ? reinterpret_cast<LONG_PTR>(w->parent->handle)
                          : reinterpret_cast<LONG_PTR>(w->owner ? w->owner->handle : nullptr);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_USERDATA: return w->userData;
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
    LONG_PTR v;
    std::memcpy(&v, w->extra.data() + index, sizeof v);
    return v;
  }
  return 0;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  Window* w = W(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtr(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC:
      if (!value) return 0;  // a window always has a procedure
      w->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWLP_HWNDPARENT:
      if (!w->IsChild()) {
        Window* o = W(reinterpret_cast<HWND>(value));
        w->owner = o ? TopLevelOf(o) : nullptr;
        if (w->owner == w) w->owner = nullptr;
      }
      return old;
    case GWLP_ID: w->id = value; return old;
    case GWL_STYLE: SetStyle(hwnd, GWL_STYLE, static_cast<DWORD>(value)); return old;
    case GWL_EXSTYLE: SetStyle(hwnd, GWL_EXSTYLE, static_cast<DWORD>(value)); return old;
    case GWLP_USERDATA: w->userData = value; return old;
    default: break;
  }
  if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
  }
  return 0;
}

BOOL SetWindowText(HWND hwnd, const std::u16string& text) {
  if (!W(hwnd)) return FALSE;
  return Send(hwnd, WM_SETTEXT, 0, HandleToLParam(text.c_str())) != 0;
}

std::u16string GetWindowText(HWND hwnd) {
  if (!W(hwnd)) return {};
  auto len = static_cast<int>(Send(hwnd, WM_GETTEXTLENGTH));
  if (len <= 0) return {};
  std::u16string buf(static_cast<std::size_t>(len) + 1, u'\0');
  auto got = static_cast<int>(Send(hwnd, WM_GETTEXT, buf.size(), HandleToLParam(buf.data())));
  buf.resize(static_cast<std::size_t>(std::clamp(got, 0, len)));
  return buf;
}

int GetWindowTextLength(HWND hwnd) { return W(hwnd) ? static_cast<int>(Send(hwnd, WM_GETTEXTLENGTH)) : 0; }

BOOL SetProp(HWND hwnd, const char16_t* name, HANDLE value) {
  Window* w = W(hwnd);
  if (!w || !name) return FALSE;
  for (auto& p : w->props)
    if (base::EqualsIgnoreAsciiCase(p.name, name)) {
      p.value = value;
      return TRUE;
    }
  w->props.push_back({name, value});
  return TRUE;
}

HANDLE GetProp(HWND hwnd, const char16_t* name) {
  Window* w = W(hwnd);
  if (!w || !name) return nullptr;
  for (auto& p : w->props)
    if (base::EqualsIgnoreAsciiCase(p.name, name)) return p.value;
  return nullptr;
}

HANDLE RemoveProp(HWND hwnd, const char16_t* name) {
  Window* w = W(hwnd);
  if (!w || !name) return nullptr;
  for (auto it = w->props.begin(); it != w->props.end(); ++it)
    if (base::EqualsIgnoreAsciiCase(it->name, name)) {
      HANDLE v = it->value;
      w->props.erase(it);
      return v;
    }
  return nullptr;
}

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = W(hwnd);
  return w && VisibleOnScreen(w) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
  Window* w = W(hwnd);
  return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  Window* w = W(hwnd);
  return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = W(hwnd);
  return w && w->Enabled() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = W(hwnd);
  if (!w) return FALSE;
  BOOL wasDisabled = w->Enabled() ? FALSE : TRUE;
  if ((enable != 0) == !wasDisabled) return wasDisabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    Send(hwnd, WM_CANCELMODE);
    if (!(w = W(hwnd))) return wasDisabled;
    Window* f = W(S().focus);
    if (f && IsDescendant(w, f)) SetFocus(nullptr);
  }
  Send(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

}  // namespace win
