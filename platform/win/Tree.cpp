// The window tree: parents, owners, z-order among siblings, enumeration.
#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win {
namespace detail {

Window* TopLevelOf(Window* w) {
  while (w && w->parent && w->parent->parent) w = w->parent;
  return w;
}

void Link(Window* parent, Window* w, HWND insertAfter) {
  w->parent = parent;
  auto& list = parent->children;
  bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
  // Topmost windows stay in front of the others.
  auto firstNonTopmost =
      std::find_if(list.begin(), list.end(), [](Window* c) { return !(c->exStyle & WS_EX_TOPMOST); });
  if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
    list.insert(topmost ? list.begin() : firstNonTopmost, w);
    return;
  }
  if (insertAfter == HWND_BOTTOM) {
    if (topmost) list.insert(firstNonTopmost, w);
    else list.push_back(w);
    return;
  }
  auto it = std::find_if(list.begin(), list.end(), [insertAfter](Window* c) { return c->handle == insertAfter; });
  if (it == list.end()) {
    list.insert(topmost ? list.begin() : firstNonTopmost, w);
    return;
  }
  ++it;
  // Keep the topmost band intact.
  auto band = std::find_if(list.begin(), list.end(), [](Window* c) { return !(c->exStyle & WS_EX_TOPMOST); });
  if (topmost && it > band) it = band;
  if (!topmost && it < band) it = band;
  list.insert(it, w);
}

void Unlink(Window* w) {
  if (!w->parent) return;
  auto& list = w->parent->children;
  list.erase(std::remove(list.begin(), list.end(), w), list.end());
  w->parent = nullptr;
}

bool IsDescendant(Window* ancestor, Window* w) {
  for (; w; w = w->parent)
    if (w == ancestor) return true;
  return false;
}

bool VisibleOnScreen(Window* w) {
  for (; w && w->parent; w = w->parent)
    if (!w->Visible()) return false;
  return w != nullptr;
}

void CollectTree(Window* w, std::vector<HWND>& out) {
  for (Window* c : w->children) {
    out.push_back(c->handle);
    CollectTree(c, out);
  }
}

}  // namespace detail

using namespace detail;

HWND GetDesktopWindow() {
  // The desktop has no entry in the table; it answers through this fixed handle only.
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10010));
}

namespace {
Window* WOrDesktop(HWND h) {
  if (h == GetDesktopWindow() || h == nullptr) return S().desktop.get();
  return W(h);
}
HWND HandleOf(Window* w) {
  if (!w) return nullptr;
  return w == S().desktop.get() ? GetDesktopWindow() : w->handle;
}
}  // namespace

HWND GetParent(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w) return nullptr;
  if (w->IsChild()) return HandleOf(w->parent);
  if (w->style & WS_POPUP) return w->owner ? w->owner->handle : nullptr;
  return nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
  Window* w = W(child);
  Window* p = WOrDesktop(newParent);
  if (!w || !p || IsDescendant(w, p)) return nullptr;
  HWND old = HandleOf(w->parent);
  bool visible = w->Visible();
  if (visible) ShowWindow(child, SW_HIDE);
  if (!(w = W(child)) || !(p = WOrDesktop(newParent))) return nullptr;
  bool wasTop = w->IsTopLevel();
  Unlink(w);
  Link(p, w, HWND_TOP);
  if (w->IsTopLevel() && !wasTop) ResizeBacking(w);
  if (!w->IsTopLevel() && wasTop) {
    w->paint.backing = {};
    S().backend->TopLevelDestroyed(child);
  }
  if (visible) ShowWindow(child, w->IsChild() ? SW_SHOWNA : SW_SHOW);
  return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = W(hwnd);
  if (!w) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->messageOnly ? HWND_MESSAGE : HandleOf(w->parent);
    case GA_ROOT: return TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
      Window* r = TopLevelOf(w);
      while (r->owner) r = r->owner;
      return r->handle;
    }
    default: return nullptr;
  }
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  Window* w = WOrDesktop(hwnd);
  if (!w) return nullptr;
  switch (cmd) {
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front()->handle;
    case GW_OWNER: return w->owner ? w->owner->handle : nullptr;
    default: break;
  }
  if (!w->parent) return nullptr;
  auto& list = w->parent->children;
  auto it = std::find(list.begin(), list.end(), w);
  switch (cmd) {
    case GW_HWNDFIRST: return list.front()->handle;
    case GW_HWNDLAST: return list.back()->handle;
    case GW_HWNDNEXT: return (it + 1) != list.end() ? (*(it + 1))->handle : nullptr;
    case GW_HWNDPREV: return it != list.begin() ? (*(it - 1))->handle : nullptr;
    case GW_ENABLEDPOPUP:
      for (Window* t : S().desktop->children)
        if (t->owner == w && t->Visible() && t->Enabled()) return t->handle;
      return nullptr;
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) { return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD); }

BOOL IsChild(HWND parent, HWND hwnd) {
  Window* p = W(parent);
  Window* w = W(hwnd);
  if (!p || !w || p == w) return FALSE;
  for (Window* x = w; x && x->IsChild(); x = x->parent)
    if (x->parent == p) return TRUE;
  return FALSE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* p = WOrDesktop(parent);
  if (!p || !proc) return FALSE;
  std::vector<HWND> all;
  CollectTree(p, all);
  for (HWND h : all)
    if (W(h) && !proc(h, lParam)) return FALSE;
  return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return FALSE;
  std::vector<HWND> tops;
  for (Window* t : S().desktop->children) tops.push_back(t->handle);
  for (HWND h : tops)
    if (W(h) && !proc(h, lParam)) return FALSE;
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* d = W(dialog);
  if (!d) return nullptr;
  for (Window* c : d->children)
    if (c->id == id) return c->handle;
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = W(hwnd);
  return w && w->IsChild() ? static_cast<int>(w->id) : 0;
}

}  // namespace win
