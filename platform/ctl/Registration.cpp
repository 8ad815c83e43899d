// Registration of the control classes and the helpers every control shares.
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/ControlProcs.h"
#include "platform/win/InputApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"

namespace ctl {

using namespace win;

namespace detail {

void RegisterControlClass(const char16_t* name, WNDPROC proc, UINT classStyle, int cursorId, int backgroundColor) {
  WNDCLASSEX wc;
  if (GetClassInfoEx(nullptr, name, &wc)) return;
  wc = WNDCLASSEX{};
  wc.style = classStyle | CS_GLOBALCLASS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = static_cast<int>(sizeof(void*));
  wc.hCursor = LoadCursor(nullptr, cursorId);
  if (backgroundColor >= 0)
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(backgroundColor + 1));
  wc.lpszClassName = name;
  RegisterClassEx(wc);
}

LRESULT PaintMessage(ControlObject& control, UINT msg, WPARAM wParam) {
  HWND hwnd = control.hwnd;
  if (msg == WM_ERASEBKGND) return 1;
  if (msg == WM_PRINTCLIENT) {
    RECT c;
    GetClientRect(hwnd, &c);
    if (wParam) control.Paint(reinterpret_cast<HDC>(wParam), c);
    return 0;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (dc) control.Paint(dc, ps.rcPaint);
  EndPaint(hwnd, &ps);
  return 0;
}

PaintColors ParentColors(HWND control, UINT ctlColorMsg, HDC dc, gfx::TColor text, gfx::TColor back) {
  PaintColors c{text, back};
  HWND parent = GetParent(control);
  if (!parent || !dc) return c;
  int level = dc->Save();
  dc->SetTextColor(text);
  dc->SetBkColor(back);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessage(parent, ctlColorMsg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  gfx::TColor chosen;
  if (brush && BrushColor(brush, &chosen)) {
    c.back = chosen;
    c.text = dc->TextColor();
  }
  dc->Restore(level);
  return c;
}

bool IsDialogWindow(HWND hwnd) { return hwnd && GetClassName(hwnd) == WC_DIALOG; }

HWND DialogOf(HWND control) {
  for (HWND h = control; h && (GetWindowLongPtr(h, GWL_STYLE) & WS_CHILD); h = GetParent(h)) {
    HWND parent = GetParent(h);
    if (IsDialogWindow(parent)) return parent;
  }
  return nullptr;
}

}  // namespace detail

using namespace detail;

void RegisterControlClasses() {
  constexpr int kArrow = 32512, kIBeam = 32513;
  RegisterControlClass(WC_BUTTON, &ButtonProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, kArrow, -1);
  RegisterControlClass(WC_EDIT, &EditProc, CS_DBLCLKS, kIBeam, -1);
  RegisterControlClass(WC_STATIC, &StaticProc, CS_DBLCLKS, kArrow, -1);
  RegisterControlClass(WC_LISTBOX, &ListBoxProc, CS_DBLCLKS, kArrow, -1);
  RegisterControlClass(WC_COMBOBOX, &ComboBoxProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, kArrow, -1);
  RegisterControlClass(WC_COMBOLBOX, &ComboListProc, CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW, kArrow, -1);
  RegisterControlClass(WC_SCROLLBAR, &ScrollBarProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, kArrow, -1);
}

void NotifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (!parent) return;
  SendMessage(parent, WM_COMMAND, MAKEWPARAM(ControlId(control), code), reinterpret_cast<LPARAM>(control));
}

}  // namespace ctl
