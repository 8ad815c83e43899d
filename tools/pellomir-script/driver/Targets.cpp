#include "tools/pellomir-script/driver/Targets.h"

#include "platform/base/Unicode.h"
#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/win/WindowApi.h"

namespace script {

namespace {

std::string Utf8(const std::u16string& s) { return base::Utf16ToUtf8(s); }

forms::TCustomForm* FormNamed(const std::u16string& name) {
  for (int i = 0; i < forms::Screen->FormCount(); ++i)
    if (forms::Screen->Forms(i)->Name() == name) return forms::Screen->Forms(i);
  return nullptr;
}

// The component of that name that `f` owns, or `f` itself when it bears the name.
forms::TComponent* InForm(forms::TCustomForm* f, const std::u16string& name) {
  if (f->Name() == name) return f;
  return f->FindComponent(name);
}

bool IsShowing(forms::TComponent* c) {
  auto* control = dynamic_cast<forms::TControl*>(c);
  return control && control->Showing();
}

}  // namespace

forms::TComponent* FindTarget(const Target& t, int line) {
  if (!t.form.empty()) {
    forms::TCustomForm* f = FormNamed(t.form);
    if (!f) throw ScriptError(line, "no form \"" + Utf8(t.form) + "\"");
    forms::TComponent* c = f->FindComponent(t.name);
    if (!c) throw ScriptError(line, "form " + Utf8(t.form) + " has no component \"" + Utf8(t.name) + "\"");
    return c;
  }
  std::vector<forms::TCustomForm*> order;
  if (forms::TCustomForm* active = forms::Screen->ActiveForm()) order.push_back(active);
  for (int i = 0; i < forms::Screen->FormCount(); ++i)
    if (forms::Screen->Forms(i) != forms::Screen->ActiveForm()) order.push_back(forms::Screen->Forms(i));
  forms::TComponent* first = nullptr;
  for (forms::TCustomForm* f : order) {
    forms::TComponent* c = InForm(f, t.name);
    if (!c) continue;
    if (IsShowing(c)) return c;
    if (!first) first = c;
  }
  if (!first) throw ScriptError(line, "no component \"" + Utf8(t.name) + "\" in any form");
  return first;
}

gfx::TRect VisibleRect(const forms::TControl& c) {
  gfx::TRect r;
  if (auto* w = dynamic_cast<const forms::TWinControl*>(&c); w && w->HandleAllocated()) {
    win::GetWindowRect(const_cast<forms::TWinControl*>(w)->Handle(), &r);
  } else {
    gfx::TPoint o = c.Parent() ? c.Parent()->ClientToScreen({c.Left(), c.Top()}) : gfx::TPoint{c.Left(), c.Top()};
    r = gfx::Bounds(o.X, o.Y, c.Width(), c.Height());
  }
  for (const forms::TWinControl* p = c.Parent(); p; p = p->Parent()) {
    gfx::TPoint o = p->ClientToScreen({0, 0});
    gfx::TRect client = p->ClientRect();
    r = gfx::Intersect(r, gfx::Bounds(o.X, o.Y, client.Width(), client.Height()));
  }
  return gfx::Intersect(r, {0, 0, forms::Screen->Width(), forms::Screen->Height()});
}

gfx::TPoint TargetPoint(const Target& t, int line) {
  if (t.isPoint) return t.point;
  forms::TComponent* c = FindTarget(t, line);
  auto* control = dynamic_cast<forms::TControl*>(c);
  if (!control) throw ScriptError(line, t.written + " is not a control (it has no place on the screen)");
  if (!control->Showing()) throw ScriptError(line, t.written + " is not visible");
  gfx::TRect r = VisibleRect(*control);
  if (r.Width() <= 0 || r.Height() <= 0)
    throw ScriptError(line, t.written + " lies outside the visible part of its window");
  return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

NamedText TargetText(const Target& t, int line) {
  if (!t.isPoint) {
    auto* control = dynamic_cast<forms::TControl*>(FindTarget(t, line));
    if (!control) throw ScriptError(line, t.written + " is not a control (it has no text)");
    return {t.written, control->Caption()};
  }
  if (forms::TControl* c = forms::FindDragTarget(t.point, true)) {
    std::u16string name = c->Name();
    return {name.empty() ? "-" : Utf8(name), c->Caption()};
  }
  win::HWND h = win::WindowFromPoint(t.point);
  if (!h) throw ScriptError(line, "no window at " + t.written);
  return {"-", win::GetWindowText(h)};
}

}  // namespace script
