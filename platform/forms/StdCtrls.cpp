// Push buttons and edits over the standard controls.
#include "platform/forms/StdCtrls.h"

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/EditApi.h"
#include "platform/forms/Forms.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/Surface.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace forms {

const TEnumInfo& EditCharCaseInfo() {
  static const TEnumInfo i{u"TEditCharCase", {u"ecNormal", u"ecUpperCase", u"ecLowerCase"}};
  return i;
}

gfx::TextMetric FontMetrics(const TFont& font) {
  gfx::Surface s;
  s.SetFont(font.GfxFont());
  return s.GetTextMetrics();
}

TSize MeasureText(const TFont& font, std::u16string_view text) {
  gfx::Surface s;
  s.SetFont(font.GfxFont());
  return s.TextExtent(text);
}

// --- TButtonControl, TButton ---------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {}

void TButtonControl::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  if (wordWrap_) p.Style |= ctl::BS_MULTILINE;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetControlStyle({TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks});
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  CreateSubClass(p, u"Button");
  p.Style |= default_ ? ctl::BS_DEFPUSHBUTTON : ctl::BS_PUSHBUTTON;
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::SetDefault(bool v) {
  if (v == default_) return;
  default_ = v;
  if (HandleAllocated())
    if (TCustomForm* form = GetParentForm(this))
      form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TButton::SetButtonStyle(bool isDefault) {
  if (!HandleAllocated()) return;
  win::DWORD style = static_cast<win::DWORD>(win::GetWindowLongPtr(Handle(), win::GWL_STYLE)) & 0xF;
  win::DWORD want = isDefault ? ctl::BS_DEFPUSHBUTTON : ctl::BS_PUSHBUTTON;
  if ((style == ctl::BS_PUSHBUTTON || style == ctl::BS_DEFPUSHBUTTON) && style != want)
    win::SendMessage(Handle(), ctl::BM_SETSTYLE, want, 1);
}

void TButton::Dispatch(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == ctl::BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_)) &&
          KeyDataToShiftState(m.LParam).Empty() && CanFocus()) {
        Click();
        m.Result = 1;
        return;
      }
      TButtonControl::Dispatch(m);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char16_t>(m.WParam), GetText()) && CanFocus()) {
        Click();
        m.Result = 1;
        return;
      }
      TButtonControl::Dispatch(m);
      return;
    case CM_FOCUSCHANGED: {
      auto* sender = reinterpret_cast<TControl*>(m.LParam);
      active_ = dynamic_cast<TButton*>(sender) ? sender == this : default_;
      SetButtonStyle(active_);
      TButtonControl::Dispatch(m);
      return;
    }
    default: TButtonControl::Dispatch(m); return;
  }
}

// --- TCustomEdit ---------------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csFixedHeight});
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetColor(clWindow);
  TControl::SetAutoSize(true);
  AdjustHeight();
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  using namespace ctl;
  TWinControl::CreateParams(p);
  CreateSubClass(p, u"Edit");
  p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  switch (alignment_) {
    case TAlignment::taRightJustify: p.Style |= ES_RIGHT; break;
    case TAlignment::taCenter: p.Style |= ES_CENTER; break;
    default: break;
  }
  if (borderStyle_ == TBorderStyle::bsSingle) {
    if (Ctl3D()) p.ExStyle |= win::WS_EX_CLIENTEDGE;
    else p.Style |= win::WS_BORDER;
  }
  if (passwordChar_) p.Style |= ES_PASSWORD;
  if (readOnly_) p.Style |= ES_READONLY;
  if (!hideSelection_) p.Style |= ES_NOHIDESEL;
  if (charCase_ == TEditCharCase::ecUpperCase) p.Style |= ES_UPPERCASE;
  if (charCase_ == TEditCharCase::ecLowerCase) p.Style |= ES_LOWERCASE;
}

void TCustomEdit::CreateWnd() {
  // The text the new window starts with is no change.
  creating_ = true;
  try {
    TWinControl::CreateWnd();
  } catch (...) {
    creating_ = false;
    throw;
  }
  creating_ = false;
}

void TCustomEdit::InitializeWindow() {
  TWinControl::InitializeWindow();
  using namespace win;
  HWND h = Handle();
  if (maxLength_ > 0) SendMessage(h, ctl::EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) SendMessage(h, ctl::EM_SETPASSWORDCHAR, passwordChar_, 0);
  if (!textHint_.empty()) SendMessage(h, ctl::EM_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(textHint_.c_str()));
  SendMessage(h, ctl::EM_SETMODIFY, 0, 0);
}

void TCustomEdit::Loaded() {
  TWinControl::Loaded();
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!AutoSize() || IsLoading()) return;
  int frame = borderStyle_ == TBorderStyle::bsSingle ? (Ctl3D() ? 8 : 6) : 0;
  int h = FontMetrics(*Font()).tmHeight + frame;
  if (h != Height()) SetHeight(h);
}

void TCustomEdit::SetAutoSize(bool v) {
  TControl::SetAutoSize(v);
  if (v) AdjustHeight();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::Dispatch(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == ctl::EN_CHANGE && !creating_) Change();
      return;
    case CM_ENTER:
      if (autoSelect_ && !ControlState().Contains(TControlStateItem::csLButtonDown) && HandleAllocated() &&
          !(GetWindowLongPtr(Handle(), GWL_STYLE) & ctl::ES_MULTILINE) && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
      TWinControl::Dispatch(m);
      return;
    case CM_FONTCHANGED:
      TWinControl::Dispatch(m);
      AdjustHeight();
      return;
    case WM_ERASEBKGND:
      // The edit fills all it paints with its background colour: erasing first would only
      // fill the same pixels twice.
      if (m.WParam != 0) {
        m.Result = 1;
        return;
      }
      TWinControl::Dispatch(m);
      return;
    case CM_TEXTCHANGED:
      // Text set by the program: a multi-line edit does not tell of it itself.
      TWinControl::Dispatch(m);
      if (!IsLoading() && (!HandleAllocated() || (GetWindowLongPtr(Handle(), GWL_STYLE) & ctl::ES_MULTILINE))) Change();
      return;
    default: TWinControl::Dispatch(m); return;
  }
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  AdjustHeight();
  RecreateWnd();
}

void TCustomEdit::SetTextHint(const std::u16string& v) {
  if (v == textHint_) return;
  textHint_ = v;
  if (HandleAllocated())
    win::SendMessage(Handle(), ctl::EM_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(textHint_.c_str()));
}

void TCustomEdit::SetMaxLength(int v) {
  if (v < 0 || v == maxLength_) return;
  maxLength_ = v;
  if (HandleAllocated()) win::SendMessage(Handle(), ctl::EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  if (v == readOnly_) return;
  readOnly_ = v;
  if (HandleAllocated()) win::SendMessage(Handle(), ctl::EM_SETREADONLY, v ? 1 : 0, 0);
}

void TCustomEdit::SetPasswordChar(char16_t c) {
  if (c == passwordChar_) return;
  passwordChar_ = c;
  RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase c) {
  if (c == charCase_) return;
  charCase_ = c;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool v) {
  if (v == hideSelection_) return;
  hideSelection_ = v;
  RecreateWnd();
}

int TCustomEdit::SelStart() const {
  if (!HandleAllocated()) return 0;
  win::DWORD start = 0;
  win::SendMessage(const_cast<TCustomEdit*>(this)->Handle(), ctl::EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  if (!HandleAllocated()) return 0;
  win::DWORD start = 0, end = 0;
  win::SendMessage(const_cast<TCustomEdit*>(this)->Handle(), ctl::EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int v) { win::SendMessage(Handle(), ctl::EM_SETSEL, static_cast<WPARAM>(v), v); }

void TCustomEdit::SetSelLength(int v) {
  int s = SelStart();
  win::SendMessage(Handle(), ctl::EM_SETSEL, static_cast<WPARAM>(s), s + v);
}

std::u16string TCustomEdit::SelText() const {
  std::u16string t = GetText();
  auto s = static_cast<std::size_t>(SelStart()), n = static_cast<std::size_t>(SelLength());
  return s <= t.size() ? t.substr(s, n) : std::u16string();
}

void TCustomEdit::SetSelText(const std::u16string& s) {
  win::SendMessage(Handle(), ctl::EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) win::SendMessage(Handle(), ctl::EM_SETSEL, 0, -1);
}

void TCustomEdit::Clear() { SetText(u""); }

bool TCustomEdit::Modified() const {
  return HandleAllocated() && win::SendMessage(const_cast<TCustomEdit*>(this)->Handle(), ctl::EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool v) {
  if (HandleAllocated()) win::SendMessage(Handle(), ctl::EM_SETMODIFY, v ? 1 : 0, 0);
}

}  // namespace forms
