// TControl: bounds, state, colours and fonts, text, mouse handling and the message chain;
// TGraphicControl; size constraints; caption helpers.
#include <algorithm>

#include "platform/base/TextCase.h"
#include "platform/forms/Application.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Forms.h"
#include "platform/forms/SysUtils.h"
#include "platform/forms/WinControls.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"

namespace forms {

namespace {

TControl* g_captureControl = nullptr;

void SetCaptureControl(TControl* c) {
  win::ReleaseCapture();
  g_captureControl = nullptr;
  if (!c) return;
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    if (w->HandleAllocated()) win::SetCapture(w->Handle());
    return;
  }
  if (c->Parent() && c->Parent()->HandleAllocated()) {
    win::SetCapture(c->Parent()->Handle());
    g_captureControl = c;
  }
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & win::MK_SHIFT) s.Include(TShiftStateItem::ssShift);
  if (keys & win::MK_CONTROL) s.Include(TShiftStateItem::ssCtrl);
  if (keys & win::MK_LBUTTON) s.Include(TShiftStateItem::ssLeft);
  if (keys & win::MK_RBUTTON) s.Include(TShiftStateItem::ssRight);
  if (keys & win::MK_MBUTTON) s.Include(TShiftStateItem::ssMiddle);
  if (win::GetKeyState(win::VK_MENU) < 0) s.Include(TShiftStateItem::ssAlt);
  return s;
}

}  // namespace

TControl* CaptureControl() { return g_captureControl; }

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s;
  if (win::GetKeyState(win::VK_SHIFT) < 0) s.Include(TShiftStateItem::ssShift);
  if (win::GetKeyState(win::VK_CONTROL) < 0) s.Include(TShiftStateItem::ssCtrl);
  if (keyData & (LPARAM(1) << 29)) s.Include(TShiftStateItem::ssAlt);
  return s;
}

TShiftState KeyboardStateToShiftState() {
  TShiftState s;
  if (win::GetKeyState(win::VK_SHIFT) < 0) s.Include(TShiftStateItem::ssShift);
  if (win::GetKeyState(win::VK_CONTROL) < 0) s.Include(TShiftStateItem::ssCtrl);
  if (win::GetKeyState(win::VK_MENU) < 0) s.Include(TShiftStateItem::ssAlt);
  if (win::GetKeyState(win::VK_LBUTTON) < 0) s.Include(TShiftStateItem::ssLeft);
  if (win::GetKeyState(win::VK_RBUTTON) < 0) s.Include(TShiftStateItem::ssRight);
  return s;
}

bool IsAccel(char16_t key, const std::u16string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return base::ToUpperUi(caption[i + 1]) == base::ToUpperUi(key);
  }
  return false;
}

std::u16string StripHotkey(const std::u16string& caption) {
  std::u16string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return c ? dynamic_cast<TCustomForm*>(const_cast<TControl*>(c)) : nullptr;
}

// --- TSizeConstraints ---------------------------------------------------------------------------

void TSizeConstraints::SetMinWidth(int v) {
  if (v == minW_) return;
  minW_ = std::max(v, 0);
  if (maxW_ > 0 && maxW_ < minW_) maxW_ = minW_;
  Changed();
}

void TSizeConstraints::SetMinHeight(int v) {
  if (v == minH_) return;
  minH_ = std::max(v, 0);
  if (maxH_ > 0 && maxH_ < minH_) maxH_ = minH_;
  Changed();
}

void TSizeConstraints::SetMaxWidth(int v) {
  if (v == maxW_) return;
  maxW_ = std::max(v, 0);
  if (maxW_ > 0 && minW_ > maxW_) minW_ = maxW_;
  Changed();
}

void TSizeConstraints::SetMaxHeight(int v) {
  if (v == maxH_) return;
  maxH_ = std::max(v, 0);
  if (maxH_ > 0 && minH_ > maxH_) minH_ = maxH_;
  Changed();
}

void TSizeConstraints::SetAllQuietly(int minWidth, int minHeight, int maxWidth, int maxHeight) {
  TNotifyEvent saved = OnChange;
  OnChange.Clear();
  SetMaxWidth(0);
  SetMaxHeight(0);
  SetMinWidth(minWidth);
  SetMinHeight(minHeight);
  SetMaxWidth(maxWidth);
  SetMaxHeight(maxHeight);
  OnChange = saved;
}

void TSizeConstraints::Changed() {
  if (OnChange) OnChange(this);
}

void TSizeConstraints::Assign(const TPersistent* source) {
  if (auto* c = dynamic_cast<const TSizeConstraints*>(source)) {
    minW_ = c->minW_;
    minH_ = c->minH_;
    maxW_ = c->maxW_;
    maxH_ = c->maxH_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

TPersistent* TSizeConstraints::GetOwner() const { return control_; }

// --- TControl -----------------------------------------------------------------------------------

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(std::make_unique<TSizeConstraints>(this)), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { CallWindowHooks(m); };
  controlStyle_ = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption,
                   TControlStyleItem::csDoubleClicks};
  font_->SetPixelsPerInch(Screen->PixelsPerInch());
  font_->SetOwner(this);
  font_->OnChange = [this](TObject* s) { FontChanged(s); };
  fontHeightAtLoad_ = font_->Height();
  constraints_->OnChange = [this](TObject*) {
    if (!IsLoading()) SetBounds(left_, top_, width_, height_);
  };
}

TControl::~TControl() = default;

void TControl::Destroy() {
  Destroying();
  Application->ControlDestroyed(this);
  if (g_captureControl == this) SetCaptureControl(nullptr);
  if (parent_) parent_->RemoveControl(this);
  TComponent::Destroy();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  if (WindowProc) WindowProc(m);
  else WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  using namespace win;
  if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK && m.Msg != WM_MOUSEMOVE) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
      if (controlStyle_.Contains(TControlStyleItem::csCaptureMouse) && !dynamic_cast<TWinControl*>(this))
        SetCaptureControl(this);
    } else if (m.Msg == WM_LBUTTONUP) {
      if (g_captureControl == this) SetCaptureControl(nullptr);
    }
  }
  Dispatch(m);
}

void TControl::SendCancelMode(TControl* sender) {
  if (TCustomForm* f = GetParentForm(this)) f->SendCancelMode(sender);
}

void TControl::DoMouseDown(TMessage& m, TMouseButton b, TShiftState s) {
  if (controlStyle_.Contains(TControlStyleItem::csNoStdEvents)) return;
  win::POINT p = win::LParamToPoint(m.LParam);
  MouseDown(b, KeysToShiftState(m.WParam) + s, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& m, TMouseButton b) {
  if (controlStyle_.Contains(TControlStyleItem::csNoStdEvents)) return;
  win::POINT p = win::LParamToPoint(m.LParam);
  MouseUp(b, KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::Dispatch(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SendCancelMode(this);
      DefaultHandler(m);
      if (auto* w = dynamic_cast<TWinControl*>(this);
          w && controlStyle_.Contains(TControlStyleItem::csCaptureMouse) && w->HandleAllocated() && !w->DefWndProc())
        win::SetCapture(w->Handle());
      if (controlStyle_.Contains(TControlStyleItem::csClickEvents)) controlState_.Include(TControlStateItem::csClicked);
      bool dbl = m.Msg == WM_LBUTTONDBLCLK;
      if (dbl && controlStyle_.Contains(TControlStyleItem::csDoubleClicks)) DblClick();
      DoMouseDown(m, TMouseButton::mbLeft, dbl ? TShiftState{TShiftStateItem::ssDouble} : TShiftState{});
      return;
    }
    case WM_LBUTTONUP: {
      DefaultHandler(m);
      if (auto* w = dynamic_cast<TWinControl*>(this);
          w && w->HandleAllocated() && win::GetCapture() == w->Handle() && !w->DefWndProc())
        win::ReleaseCapture();
      if (controlState_.Contains(TControlStateItem::csClicked)) {
        controlState_.Exclude(TControlStateItem::csClicked);
        if (ClientRect().Contains(win::LParamToPoint(m.LParam))) Click();
      }
      DoMouseUp(m, TMouseButton::mbLeft);
      return;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      DefaultHandler(m);
      DoMouseDown(m, TMouseButton::mbRight, {});
      return;
    case WM_RBUTTONUP:
      DefaultHandler(m);
      DoMouseUp(m, TMouseButton::mbRight);
      return;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      DefaultHandler(m);
      DoMouseDown(m, TMouseButton::mbMiddle, {});
      return;
    case WM_MBUTTONUP:
      DefaultHandler(m);
      DoMouseUp(m, TMouseButton::mbMiddle);
      return;
    case WM_MOUSEMOVE: {
      DefaultHandler(m);
      if (!controlStyle_.Contains(TControlStyleItem::csNoStdEvents)) {
        win::POINT p = win::LParamToPoint(m.LParam);
        MouseMove(KeysToShiftState(m.WParam), p.X, p.Y);
      }
      return;
    }
    case WM_CANCELMODE:
      if (g_captureControl == this) SetCaptureControl(nullptr);
      controlState_.Exclude(TControlStateItem::csClicked);
      DefaultHandler(m);
      return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: Invalidate(); return;
    case CM_VISIBLECHANGED:
      InvalidateControl(true, controlStyle_.Contains(TControlStyleItem::csOpaque) && visible_);
      return;
    case CM_PARENTFONTCHANGED: ParentFontChanged(m); return;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(m); return;
    case CM_PARENTSHOWHINTCHANGED:
      if (parentShowHint_ && parent_) {
        SetShowHint(parent_->ShowHint());
        parentShowHint_ = true;
      }
      return;
    case CM_HITTEST: m.Result = HTCLIENT; return;
    case CM_MOUSEENTER:
      if (m.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      if (m.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
      return;
    default: DefaultHandler(m); return;
  }
}

void TControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case win::WM_GETTEXT: {
      auto* buf = reinterpret_cast<char16_t*>(m.LParam);
      if (!buf || m.WParam == 0) {
        m.Result = 0;
        return;
      }
      std::size_t n = std::min<std::size_t>(text_.size(), m.WParam - 1);
      std::copy_n(text_.data(), n, buf);
      buf[n] = 0;
      m.Result = static_cast<LRESULT>(n);
      return;
    }
    case win::WM_GETTEXTLENGTH: m.Result = static_cast<LRESULT>(text_.size()); return;
    case win::WM_SETTEXT: {
      auto* t = reinterpret_cast<const char16_t*>(m.LParam);
      text_ = t ? t : u"";
      m.Result = 1;
      return;
    }
    default: return;
  }
}

std::u16string TControl::GetText() const {
  auto* self = const_cast<TControl*>(this);
  auto len = static_cast<std::size_t>(std::max<LRESULT>(0, self->Perform(win::WM_GETTEXTLENGTH)));
  if (len == 0) return {};
  std::u16string buf(len + 1, u'\0');
  auto n = static_cast<std::size_t>(
      std::max<LRESULT>(0, self->Perform(win::WM_GETTEXT, len + 1, reinterpret_cast<LPARAM>(buf.data()))));
  buf.resize(std::min(n, len));
  return buf;
}

void TControl::SetText(const std::u16string& s) {
  if (GetText() == s) return;
  Perform(win::WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()));
  Perform(CM_TEXTCHANGED);
}

// --- Tree ---------------------------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == this) throw EInvalidOperation(u"A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) {
    parent->InsertControl(this);
    UpdateAnchorRules();
  }
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* c) {
  if (auto* w = dynamic_cast<TWinControl*>(c)) SetParent(w);
}

void TControl::ReadState(TReader& reader) {
  controlState_.Include(TControlStateItem::csReadingState);
  if (auto* w = dynamic_cast<TWinControl*>(reader.Parent()); w && w != this) SetParent(w);
  try {
    TComponent::ReadState(reader);
  } catch (...) {
    controlState_.Exclude(TControlStateItem::csReadingState);
    throw;
  }
  controlState_.Exclude(TControlStateItem::csReadingState);
  if (parent_) {
    Perform(CM_PARENTCOLORCHANGED);
    Perform(CM_PARENTFONTCHANGED);
    Perform(CM_PARENTSHOWHINTCHANGED);
  }
}

void TControl::Loaded() {
  TComponent::Loaded();
  UpdateAnchorRules();
}

// --- Bounds -------------------------------------------------------------------------------------

void TControl::DoConstraints(int& w, int& h) {
  int minW = constraints_->MinWidth(), minH = constraints_->MinHeight();
  int maxW = constraints_->MaxWidth(), maxH = constraints_->MaxHeight();
  ConstrainedResize(minW, minH, maxW, maxH);
  if (maxW > 0 && w > maxW) w = maxW;
  if (minW > 0 && w < minW) w = minW;
  if (maxH > 0 && h > maxH) h = maxH;
  if (minH > 0 && h < minH) h = minH;
}

void TControl::ConstrainedResize(int&, int&, int&, int&) {}

bool TControl::CanResize(int&, int&) { return true; }

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::SetBounds(int left, int top, int width, int height) {
  DoConstraints(width, height);
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (!CanResize(width, height)) return;
  InvalidateControl(visible_, false);
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  UpdateAnchorRules();
  Invalidate();
  win::WINDOWPOS wp;
  wp.x = left;
  wp.y = top;
  wp.cx = width;
  wp.cy = height;
  Perform(win::WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  RequestAlign();
  if (!IsLoading()) Resize();
}

void TControl::UpdateBoundsRect(const TRect& r) {
  left_ = r.Left;
  top_ = r.Top;
  width_ = r.Width();
  height_ = r.Height();
  UpdateAnchorRules();
}

TRect TControl::ClientRect() const { return {0, 0, width_, height_}; }

void TControl::SetClientWidth(int v) { SetWidth(width_ - ClientWidth() + v); }

void TControl::SetClientHeight(int v) { SetHeight(height_ - ClientHeight() + v); }

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  TPoint p = parent_->ClientOrigin();
  return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign a) {
  if (a == align_) return;
  TAlign old = align_;
  align_ = a;
  static const TAnchors kAnchorAlign[] = {
      {TAnchorKind::akLeft, TAnchorKind::akTop},
      {TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight},
      {TAnchorKind::akLeft, TAnchorKind::akRight, TAnchorKind::akBottom},
      {TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akBottom},
      {TAnchorKind::akRight, TAnchorKind::akTop, TAnchorKind::akBottom},
      {TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight, TAnchorKind::akBottom},
      {TAnchorKind::akLeft, TAnchorKind::akTop}};
  anchors_ = kAnchorAlign[static_cast<int>(a)];
  bool oldVertical = old == TAlign::alTop || old == TAlign::alBottom;
  bool newHorizontal = a == TAlign::alLeft || a == TAlign::alRight;
  if (!IsLoading() && oldVertical == newHorizontal && old != TAlign::alNone && old != TAlign::alClient &&
      a != TAlign::alNone && a != TAlign::alClient)
    SetBounds(left_, top_, height_, width_);
  RequestAlign();
}

void TControl::SetAnchors(TAnchors a) {
  if (a == anchors_) return;
  anchors_ = a;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!parent_) return;
  TRect r = parent_->ClientRect();
  originalParentSize_ = {r.Width(), r.Height()};
  anchorRules_ = {left_ + width_, top_ + height_};
}

void TControl::SetAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  if (v) AdjustSize();
}

void TControl::AdjustSize() {
  int w = width_, h = height_;
  if (!IsLoading() && CanAutoSize(w, h)) SetBounds(left_, top_, w, h);
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignControl(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

// --- State --------------------------------------------------------------------------------------

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  VisibleChanging();
  visible_ = v;
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  RequestAlign();
}

void TControl::Show() {
  if (parent_) parent_->Show();
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetColor(TColor c) {
  if (c == color_) {
    parentColor_ = false;
    return;
  }
  color_ = c;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  if (v == parentColor_) return;
  parentColor_ = v;
  if (parent_ && v && !controlState_.Contains(TControlStateItem::csReadingState)) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::ParentColorChanged(TMessage& m) {
  if (!parentColor_) return;
  if (m.WParam) SetColor(static_cast<TColor>(m.LParam));
  else if (parent_) SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::SetParentFont(bool v) {
  if (v == parentFont_) return;
  parentFont_ = v;
  if (parent_ && v && !controlState_.Contains(TControlStateItem::csReadingState)) Perform(CM_PARENTFONTCHANGED);
}

void TControl::ParentFontChanged(TMessage& m) {
  if (!parentFont_) return;
  if (m.WParam) font_->Assign(reinterpret_cast<const TFont*>(m.LParam));
  else if (parent_) font_->Assign(parent_->Font());
  parentFont_ = true;
}

void TControl::FontChanged(TObject*) {
  parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor c) {
  if (c == cursor_) return;
  cursor_ = c;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool v) {
  parentShowHint_ = false;
  if (v == showHint_) return;
  showHint_ = v;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
  if (v == parentShowHint_) return;
  parentShowHint_ = v;
  if (v && parent_) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode m) {
  if (m == bidiMode_) return;
  bidiMode_ = m;
  Perform(CM_BIDIMODECHANGED);
}

bool TControl::HitTest(TPoint client) { return Perform(CM_HITTEST, 0, win::PointToLParam(client)) != 0; }

// --- Painting -----------------------------------------------------------------------------------

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
  if (!isVisible || !parent_ || !parent_->HandleAllocated() || dynamic_cast<TWinControl*>(this)) return;
  TRect r = BoundsRect();
  win::InvalidateRect(parent_->Handle(), &r, isOpaque ? win::FALSE : win::TRUE);
}

void TControl::Invalidate() { InvalidateControl(visible_, controlStyle_.Contains(TControlStyleItem::csOpaque)); }

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (parent_) parent_->SetZOrderPosition(this, parent_->ControlCount() - 1);
}

void TControl::SendToBack() {
  if (parent_) parent_->SetZOrderPosition(this, 0);
}

// --- Events -------------------------------------------------------------------------------------

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}

void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}

void TControl::MouseMove(TShiftState s, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, s, x, y);
}

// --- Scaling ------------------------------------------------------------------------------------

void TControl::ScaleBy(int m, int d) { ChangeScale(m, d); }

void TControl::ChangeScale(int m, int d) {
  if (m == d) return;
  int x = MulDiv(left_, m, d), y = MulDiv(top_, m, d);
  int w = MulDiv(left_ + width_, m, d) - x;
  int h = MulDiv(top_ + height_, m, d) - y;
  auto* c = constraints_.get();
  int minW = MulDiv(c->MinWidth(), m, d), maxW = MulDiv(c->MaxWidth(), m, d);
  int minH = MulDiv(c->MinHeight(), m, d), maxH = MulDiv(c->MaxHeight(), m, d);
  c->SetAllQuietly(minW, minH, maxW, maxH);
  SetBounds(x, y, w, h);
  if (!parentFont_) font_->SetHeight(MulDiv(font_->Height(), m, d));
}

// --- TGraphicControl ----------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& m) {
  if (m.Msg == win::WM_PAINT) {
    if (m.WParam) {
      TCanvasPaintScope scope(*canvas_, reinterpret_cast<win::HDC>(m.WParam));
      Paint();
    }
    return;
  }
  TControl::Dispatch(m);
}

}  // namespace forms
