// TWinControl: children, z-order and tab order, bounds and client area, showing, focus.
#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace forms {

TWinControl::TWinControl(TComponent* owner) : TControl(owner), brush_(std::make_unique<TBrush>()) {
  brush_->SetColor(Color());
}

TWinControl::~TWinControl() = default;

void TWinControl::Destroy() {
  Destroying();
  if (Parent()) RemoveFocus(true);
  if (handle_) DestroyWindowHandle();
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    Remove(c);
    c->Free();
  }
  TControl::Destroy();
}

// --- Children -----------------------------------------------------------------------------------

void TWinControl::Insert(TControl* c) {
  controls_.push_back(c);
  if (auto* w = dynamic_cast<TWinControl*>(c)) tabList_.push_back(w);
  c->parent_ = this;
}

void TWinControl::Remove(TControl* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), c), tabList_.end());
  c->parent_ = nullptr;
}

void TWinControl::InsertControl(TControl* c) {
  if (!c || c->parent_ == this) return;
  if (auto* w = dynamic_cast<TWinControl*>(c); w && w->ContainsControl(this))
    throw EInvalidOperation(u"A control cannot be put inside one of its own children");
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 1);
  Insert(c);
  if (!c->controlState_.Contains(TControlStateItem::csReadingState)) {
    c->Perform(CM_PARENTCOLORCHANGED);
    c->Perform(CM_PARENTFONTCHANGED);
    c->Perform(CM_PARENTSHOWHINTCHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      w->UpdateControlState();
    } else if (HandleAllocated()) {
      c->Invalidate();
    }
    AlignControl(c);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(c), 1);
}

void TWinControl::RemoveControl(TControl* c) {
  if (!c || c->parent_ != this) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(c), 0);
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    w->RemoveFocus(true);
    if (!IsDestroying()) w->DestroyHandle();
  } else if (HandleAllocated()) {
    c->InvalidateControl(c->Visible(), false);
  }
  Remove(c);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 0);
  Realign();
}

bool TWinControl::ContainsControl(const TControl* c) const {
  while (c && c != this) c = c->Parent();
  return c == this;
}

void TWinControl::SetZOrderPosition(TControl* c, int pos) {
  auto it = std::find(controls_.begin(), controls_.end(), c);
  if (it == controls_.end()) return;
  controls_.erase(it);
  pos = std::clamp(pos, 0, ControlCount());
  controls_.insert(controls_.begin() + pos, c);
  if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated()) {
    bool top = pos == ControlCount() - 1;
    win::SetWindowPos(w->handle_, top ? win::HWND_TOP : win::HWND_BOTTOM, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
  } else {
    c->Invalidate();
  }
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls, bool allLevels) {
  for (int i = ControlCount() - 1; i >= 0; --i) {
    TControl* c = controls_[static_cast<std::size_t>(i)];
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w && !allowWinControls) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    if (!c->BoundsRect().Contains(p)) continue;
    TPoint local{p.X - c->Left(), p.Y - c->Top()};
    if (w) {
      TPoint o = w->ClientOrigin(), po = ClientOrigin();
      local = {p.X + po.X - o.X, p.Y + po.Y - o.Y};
    }
    if (!c->HitTest(local)) continue;
    if (allLevels && w) {
      if (TControl* inner = w->ControlAtPos(local, allowDisabled, true, true)) return inner;
    }
    return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->WindowProc(m);
    if (m.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage m{msg, 0, 0, 0};
  Broadcast(m);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (TControl* c : controls_)
    if (c->Owner() == root) proc(c);
}

// --- Tab order ----------------------------------------------------------------------------------

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  auto& l = Parent()->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

void TWinControl::SetTabOrder(int v) {
  if (ControlState().Contains(TControlStateItem::csReadingState)) {
    readTabOrder_ = v;
    return;
  }
  if (!Parent()) return;
  auto& l = Parent()->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  if (it == l.end()) return;
  l.erase(it);
  v = std::clamp(v, 0, static_cast<int>(l.size()));
  l.insert(l.begin() + v, this);
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::SetTabStop(bool v) {
  if (v == tabStop_) return;
  tabStop_ = v;
  if (handle_) {
    win::LONG_PTR s = win::GetWindowLongPtr(handle_, win::GWL_STYLE);
    win::SetWindowLongPtr(handle_, win::GWL_STYLE, v ? (s | win::WS_TABSTOP) : (s & ~win::WS_TABSTOP));
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::FixupTabList() {
  std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
    auto key = [](const TWinControl* c) { return c->readTabOrder_ < 0 ? 0x7FFFFFFF : c->readTabOrder_; };
    return key(a) < key(b);
  });
  for (TWinControl* c : tabList_) c->readTabOrder_ = -1;
}

void TWinControl::ReadState(TReader& reader) {
  DisableAlign();
  try {
    TControl::ReadState(reader);
    FixupTabList();
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* cur, bool goForward, bool checkTabStop, bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int n = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), cur);
  int start = it == list.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - list.begin());
  int i = start;
  do {
    if (goForward) {
      if (++i == n) i = 0;
    } else {
      if (i == 0) i = n;
      --i;
    }
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* cur, bool goForward, bool checkTabStop) {
  if (TWinControl* c = FindNextControl(cur, goForward, checkTabStop, !checkTabStop)) c->SetFocus();
}

// --- Focus --------------------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TWinControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && win::GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (parentWindow_) {
    win::SetFocus(Handle());
  } else {
    throw EInvalidOperation(u"Control '" + Name() + u"' has no parent window");
  }
}

void TWinControl::RemoveFocus(bool removing) {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, removing);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// --- Bounds -------------------------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
  DoConstraints(width, height);
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (!CanResize(width, height)) return;
  if (handle_ && !win::IsIconic(handle_)) {
    win::SetWindowPos(handle_, nullptr, left, top, width, height, win::SWP_NOZORDER | win::SWP_NOACTIVATE);
  } else {
    bool resized = width != Width() || height != Height();
    UpdateBoundsRect({left, top, left + width, top + height});
    if (resized) Realign();
  }
  UpdateAnchorRules();
  RequestAlign();
  if (!handle_ && !IsLoading()) Resize();
}

void TWinControl::UpdateBounds() {
  if (!handle_) return;
  win::RECT r;
  win::GetWindowRect(handle_, &r);
  if (win::GetWindowLongPtr(handle_, win::GWL_STYLE) & win::WS_CHILD) {
    HWND parent = win::GetParent(handle_);
    if (parent) win::MapWindowRect(nullptr, parent, &r);
  }
  UpdateBoundsRect(r);
}

win::RECT TWinControl::FrameForMetrics(win::DWORD& style, int dpi) const {
  TCreateParams p;
  paramsForMetrics_ = true;
  try {
    const_cast<TWinControl*>(this)->CreateParams(p);
  } catch (...) {
    paramsForMetrics_ = false;
    throw;
  }
  paramsForMetrics_ = false;
  style = p.Style;
  win::RECT frame{0, 0, 0, 0};
  const win::DWORD frameStyle = style & ~(win::WS_VSCROLL | win::WS_HSCROLL);
  if (dpi > 0) win::AdjustWindowRectExForDpi(&frame, frameStyle, win::FALSE, p.ExStyle, static_cast<win::UINT>(dpi));
  else win::AdjustWindowRectEx(&frame, frameStyle, win::FALSE, p.ExStyle);
  return frame;
}

TRect TWinControl::ClientRect() const {
  if (handle_) {
    win::RECT r;
    win::GetClientRect(handle_, &r);
    return r;
  }
  win::DWORD style;
  win::RECT frame = FrameForMetrics(style);
  int w = Width() - frame.Width(), h = Height() - frame.Height();
  if (style & win::WS_VSCROLL) w -= win::GetSystemMetrics(win::SM_CXVSCROLL);
  if (style & win::WS_HSCROLL) h -= win::GetSystemMetrics(win::SM_CYHSCROLL);
  return {0, 0, std::max(w, 0), std::max(h, 0)};
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_) {
    win::POINT p{0, 0};
    win::ClientToScreen(handle_, &p);
    return p;
  }
  win::DWORD style;
  win::RECT frame = FrameForMetrics(style);
  TPoint base = Parent() ? Parent()->ClientOrigin() : TPoint{0, 0};
  return {base.X + Left() - frame.Left, base.Y + Top() - frame.Top};
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::ChangeScale(int m, int d) {
  if (m == d) return;
  DisableAlign();
  try {
    for (TControl* c : std::vector<TControl*>(controls_)) c->ChangeScale(m, d);
    TControl::ChangeScale(m, d);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

// --- Showing ------------------------------------------------------------------------------------

void TWinControl::UpdateShowing() {
  bool show = Visible() && !ControlState().Contains(TControlStateItem::csReadingState);
  if (show) {
    if (!handle_) CreateHandle();
    for (TControl* c : std::vector<TControl*>(controls_))
      if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
  }
  if (handle_ && showing_ != show) {
    showing_ = show;
    try {
      Perform(CM_SHOWINGCHANGED);
    } catch (...) {
      showing_ = !show;
      throw;
    }
  }
}

void TWinControl::UpdateControlState() {
  TWinControl* top = this;
  while (top->Parent()) {
    top = top->Parent();
    if (!top->Showing()) return;
  }
  if (dynamic_cast<TCustomForm*>(top) || top->parentWindow_) UpdateShowing();
}

void TWinControl::SetParentWindow(HWND h) {
  if (h == parentWindow_ || Parent()) return;
  if (handle_ && h) win::SetParent(handle_, h);
  parentWindow_ = h;
  UpdateControlState();
}

// --- Looks --------------------------------------------------------------------------------------

void TWinControl::SetDoubleBuffered(bool v) {
  if (v == doubleBuffered_) return;
  doubleBuffered_ = v;
  Perform(CM_DOUBLEBUFFEREDCHANGED);
}

void TWinControl::SetCtl3D(bool v) {
  parentCtl3D_ = false;
  if (v == ctl3D_) return;
  ctl3D_ = v;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool v) {
  if (v == parentCtl3D_) return;
  parentCtl3D_ = v;
  if (v && Parent()) {
    ctl3D_ = Parent()->Ctl3D();
    Perform(CM_CTL3DCHANGED);
  }
}

void TWinControl::SetBevelKind(TBevelKind v) {
  if (v == bevelKind_) return;
  bevelKind_ = v;
  RecreateWnd();
}

void TWinControl::SetBevelInner(TBevelCut v) {
  if (v == bevelInner_) return;
  bevelInner_ = v;
  if (bevelKind_ != TBevelKind::bkNone) RecreateWnd();
}

void TWinControl::SetBevelOuter(TBevelCut v) {
  if (v == bevelOuter_) return;
  bevelOuter_ = v;
  if (bevelKind_ != TBevelKind::bkNone) RecreateWnd();
}

void TWinControl::SetBevelWidth(int v) {
  if (v < 1 || v == bevelWidth_) return;
  bevelWidth_ = v;
  if (bevelKind_ != TBevelKind::bkNone) RecreateWnd();
  Realign();
}

void TWinControl::SetBorderWidth(int v) {
  if (v < 0 || v == borderWidth_) return;
  borderWidth_ = v;
  Realign();
  Invalidate();
}

void TWinControl::Invalidate() { Perform(CM_INVALIDATE); }

void TWinControl::Update() {
  if (handle_) win::UpdateWindow(handle_);
}

}  // namespace forms
