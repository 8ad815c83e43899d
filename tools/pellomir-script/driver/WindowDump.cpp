#include "tools/pellomir-script/driver/WindowDump.h"

#include <string>

#include "platform/base/Unicode.h"
#include "platform/forms/WinControls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "tools/pellomir-script/driver/Escaping.h"

namespace script {

namespace {

struct Line {
  std::u16string cls, name, text;
  gfx::TRect rect;
  bool focused = false, active = false, disabled = false;
};

void Write(std::ostream& out, int depth, const Line& l) {
  const gfx::TRect& r = l.rect;
  out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << base::Utf16ToUtf8(l.cls) << ' '
      << (l.name.empty() ? std::string("-") : base::Utf16ToUtf8(l.name)) << " \""
      << EscapeText(l.text, EscapeQuotes::Yes) << "\" " << r.Left << ',' << r.Top << ',' << r.Right << ',' << r.Bottom;
  if (l.focused) out << " focused";
  if (l.active) out << " active";
  if (l.disabled) out << " disabled";
  out << '\n';
}

void DumpWindow(std::ostream& out, win::HWND h, int depth) {
  Line l;
  l.cls = win::GetClassName(h);
  forms::TWinControl* control = forms::TWinControl::FindControl(h);
  if (control) l.name = control->Name();
  l.text = win::GetWindowText(h);
  win::GetWindowRect(h, &l.rect);
  l.focused = h == win::GetFocus();
  l.active = h == win::GetActiveWindow();
  l.disabled = !win::IsWindowEnabled(h);
  Write(out, depth, l);
  for (win::HWND c = win::GetWindow(h, win::GW_CHILD); c; c = win::GetWindow(c, win::GW_HWNDNEXT))
    if (win::GetWindowLongPtr(c, win::GWL_STYLE) & win::WS_VISIBLE) DumpWindow(out, c, depth + 1);
  if (!control) return;
  for (int i = control->ControlCount() - 1; i >= 0; --i) {
    forms::TControl* g = control->Controls(i);
    if (dynamic_cast<forms::TWinControl*>(g) || !g->Visible()) continue;
    Line gl;
    gl.cls = g->ClassName();
    gl.name = g->Name();
    gl.text = g->Caption();
    gfx::TPoint o = control->ClientToScreen({g->Left(), g->Top()});
    gl.rect = gfx::Bounds(o.X, o.Y, g->Width(), g->Height());
    gl.disabled = !g->Enabled();
    Write(out, depth + 1, gl);
  }
}

}  // namespace

void DumpWindows(std::ostream& out) {
  out << "DUMP\n";
  for (win::HWND h = win::GetTopWindow(nullptr); h; h = win::GetWindow(h, win::GW_HWNDNEXT))
    if (win::IsWindowVisible(h)) DumpWindow(out, h, 0);
  out << "END\n";
}

}  // namespace script
