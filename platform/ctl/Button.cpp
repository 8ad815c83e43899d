// The "Button" control: push buttons, check boxes, radio buttons, group boxes and
// owner-drawn buttons; clicks by mouse (press, capture, release inside) and by Space.
#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/ControlProcs.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/Icons.h"
#include "platform/win/HitCodes.h"
#include "platform/win/IconApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

namespace {

enum class Kind { Push, Check, Radio, Group, OwnerDraw };

Kind KindOf(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return Kind::Check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return Kind::Radio;
    case BS_GROUPBOX: return Kind::Group;
    case BS_OWNERDRAW: return Kind::OwnerDraw;
    default: return Kind::Push;
  }
}

constexpr int kBoxSize = 13;
constexpr int kBoxGap = 4;

}  // namespace

class Button final : public ControlObject {
 public:
  Button(HWND h, const CREATESTRUCT&) : ControlObject(h) {}
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
  Kind TypeKind() const { return KindOf(Style()); }
  bool IsDefault() const { return (Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }
  bool PushLike() const { return TypeKind() == Kind::Push || (Style() & BS_PUSHLIKE); }
  void SetPushed(bool pushed);
  void Click();
  void UncheckGroupSiblings();
  void Paint(HDC dc, const RECT& area) override;
  void PaintPush(HDC dc, const RECT& c);
  void PaintCheck(HDC dc, const RECT& c, Kind kind);
  void PaintGroup(HDC dc, const RECT& c);
  void DrawOwner(HDC dc, const RECT& c, UINT action);
  // The caption in the button's font; `rect` comes back as the text's bounds.
  void DrawCaption(HDC dc, RECT& rect, unsigned format, gfx::TColor color, bool calcOnly = false);
  void Invalidate() { InvalidateRect(hwnd, nullptr, FALSE); }

  int check_ = BST_UNCHECKED;
  bool pushed_ = false;
  bool focused_ = false;
  bool tracking_ = false;  // the left button went down on it and is held
  bool spaceDown_ = false;
  const void* hfont_ = nullptr;
  HICON image_ = nullptr;
};

void Button::SetPushed(bool pushed) {
  if (pushed == pushed_) return;
  pushed_ = pushed;
  Invalidate();
  if (Style() & BS_NOTIFY) NotifyParent(hwnd, pushed ? BN_HILITE : BN_UNHILITE);
}

void Button::UncheckGroupSiblings() {
  // The radio buttons of one group: from the WS_GROUP control before this one up to the
  // next WS_GROUP control.
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  HWND first = hwnd;
  while (!(GetWindowLongPtr(first, GWL_STYLE) & WS_GROUP)) {
    HWND prev = GetWindow(first, GW_HWNDPREV);
    if (!prev) break;
    first = prev;
  }
  for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
    if (h != first && (GetWindowLongPtr(h, GWL_STYLE) & WS_GROUP)) break;
    if (h != hwnd && GetClassName(h) == WC_BUTTON &&
        (static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
      SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void Button::Click() {
  switch (Style() & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: SendMessage(hwnd, BM_SETCHECK, check_ ? BST_UNCHECKED : BST_CHECKED, 0); break;
    case BS_AUTO3STATE: SendMessage(hwnd, BM_SETCHECK, static_cast<WPARAM>((check_ + 1) % 3), 0); break;
    case BS_AUTORADIOBUTTON:
      SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
      UncheckGroupSiblings();
      break;
    default: break;
  }
  if (IsWindow(hwnd)) NotifyParent(hwnd, BN_CLICKED);
}

void Button::DrawCaption(HDC dc, RECT& rect, unsigned format, gfx::TColor color, bool calcOnly) {
  std::u16string text = GetWindowText(hwnd);
  int level = dc->Save();
  dc->SetFont(draw::FontOf(hfont_));
  dc->SetBkMode(gfx::BkMode::Transparent);
  unsigned f = format | (Style() & BS_MULTILINE ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE);
  RECT box = rect;
  dc->DrawText(text, box, f | gfx::DT_CALCRECT);
  // Place the measured block inside rect by the alignment asked for.
  int w = box.Width(), h = box.Height();
  int x = (format & gfx::DT_CENTER)  ? rect.Left + (rect.Width() - w) / 2
          : (format & gfx::DT_RIGHT) ? rect.Right - w
                                     : rect.Left;
  int y = (format & gfx::DT_VCENTER)  ? rect.Top + (rect.Height() - h) / 2
          : (format & gfx::DT_BOTTOM) ? rect.Bottom - h
                                      : rect.Top;
  RECT place = gfx::Bounds(x, y, w, h);
  if (!calcOnly && !text.empty()) {
    unsigned drawFormat = (f & ~(gfx::DT_VCENTER | gfx::DT_BOTTOM)) | gfx::DT_NOCLIP;
    if (IsWindowEnabled(hwnd)) {
      dc->SetTextColor(color);
      RECT r = place;
      dc->DrawText(text, r, drawFormat);
    } else {
      draw::DrawDisabledText(dc, text, place, drawFormat);
    }
  }
  dc->Restore(level);
  rect = place;
}

void Button::PaintPush(HDC dc, const RECT& c) {
  bool def = IsDefault() || (focused_ && TypeKind() == Kind::Push);
  bool down = pushed_ || (TypeKind() != Kind::Push && check_ == BST_CHECKED);
  draw::ButtonLook look = down ? (def ? draw::ButtonLook::DefaultPressed : draw::ButtonLook::Pressed)
                               : (def ? draw::ButtonLook::Default : draw::ButtonLook::Normal);
  draw::DrawButtonFace(dc, c, look);
  RECT inner{c.Left + 4, c.Top + 4, c.Right - 4, c.Bottom - 4};
  RECT content = down ? inner.Offset(1, 1) : inner;
  if ((Style() & BS_ICON) && image_) {
    SIZE s = GetIconSize(image_);
    DrawIconEx(dc, content.Left + (content.Width() - s.cx) / 2, content.Top + (content.Height() - s.cy) / 2, image_, 0,
               0);
  } else {
    DWORD st = Style();
    unsigned h = (st & BS_CENTER) == BS_LEFT    ? gfx::DT_LEFT
                 : (st & BS_CENTER) == BS_RIGHT ? gfx::DT_RIGHT
                                                : gfx::DT_CENTER;
    unsigned v = (st & BS_VCENTER) == BS_TOP      ? gfx::DT_TOP
                 : (st & BS_VCENTER) == BS_BOTTOM ? gfx::DT_BOTTOM
                                                  : gfx::DT_VCENTER;
    RECT text = content;
    DrawCaption(dc, text, h | v, gfx::GetSysColor(gfx::COLOR_BTNTEXT));
  }
  if (focused_) draw::DrawFocusRect(dc, {c.Left + 4, c.Top + 4, c.Right - 4, c.Bottom - 4});
}

void Button::PaintCheck(HDC dc, const RECT& c, Kind kind) {
  PaintColors colors = ParentColors(hwnd, WM_CTLCOLORSTATIC, dc, gfx::GetSysColor(gfx::COLOR_BTNTEXT),
                                    gfx::GetSysColor(gfx::COLOR_BTNFACE));
  dc->FillRect(c, colors.back);
  bool leftText = (Style() & BS_LEFTTEXT) != 0;
  int boxY = c.Top + (c.Height() - kBoxSize) / 2;
  int boxX = leftText ? c.Right - kBoxSize : c.Left;
  bool enabled = IsWindowEnabled(hwnd) != FALSE;
  if (kind == Kind::Radio) draw::DrawRadio(dc, boxX, boxY, check_ == BST_CHECKED, enabled, pushed_);
  else draw::DrawCheckBox(dc, boxX, boxY, static_cast<int>(check_), enabled, pushed_);
  RECT text = leftText ? RECT{c.Left, c.Top, c.Right - kBoxSize - kBoxGap, c.Bottom}
                       : RECT{c.Left + kBoxSize + kBoxGap, c.Top, c.Right, c.Bottom};
  DWORD st = Style();
  unsigned h = (st & BS_CENTER) == BS_CENTER  ? gfx::DT_CENTER
               : (st & BS_CENTER) == BS_RIGHT ? gfx::DT_RIGHT
                                              : gfx::DT_LEFT;
  DrawCaption(dc, text, h | gfx::DT_VCENTER, colors.text);
  if (focused_ && !GetWindowText(hwnd).empty())
    draw::DrawFocusRect(
        dc, {text.Left - 1, text.Top - 1, std::min(text.Right + 1, c.Right), std::min(text.Bottom + 1, c.Bottom)});
}

void Button::PaintGroup(HDC dc, const RECT& c) {
  PaintColors colors = ParentColors(hwnd, WM_CTLCOLORSTATIC, dc, gfx::GetSysColor(gfx::COLOR_BTNTEXT),
                                    gfx::GetSysColor(gfx::COLOR_BTNFACE));
  dc->FillRect(c, colors.back);
  int level = dc->Save();
  dc->SetFont(draw::FontOf(hfont_));
  int textHeight = dc->GetTextMetrics().tmHeight;
  dc->Restore(level);
  RECT frame{c.Left, c.Top + textHeight / 2, c.Right, c.Bottom};
  draw::DrawEdge(dc, frame, draw::Edge::Etched);
  if (GetWindowText(hwnd).empty()) return;
  RECT text{c.Left + 8, c.Top, c.Right - 8, c.Top + textHeight};
  DWORD st = Style();
  unsigned h = (st & BS_CENTER) == BS_CENTER  ? gfx::DT_CENTER
               : (st & BS_CENTER) == BS_RIGHT ? gfx::DT_RIGHT
                                              : gfx::DT_LEFT;
  RECT measured = text;
  DrawCaption(dc, measured, h | gfx::DT_TOP, colors.text, true);
  // The caption interrupts the frame line, with a little room on each side.
  dc->FillRect({measured.Left - 2, c.Top, measured.Right + 2, c.Top + textHeight}, colors.back);
  DrawCaption(dc, text, h | gfx::DT_TOP, colors.text);
}

void Button::DrawOwner(HDC dc, const RECT& c, UINT action) {
  DRAWITEMSTRUCT dis;
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = ControlId(hwnd);
  dis.itemAction = action;
  dis.itemState =
      (pushed_ ? ODS_SELECTED : 0) | (focused_ ? ODS_FOCUS : 0) | (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
  dis.hwndItem = hwnd;
  dis.hDC = dc;
  dis.rcItem = c;
  if (HWND parent = GetParent(hwnd)) SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Button::Paint(HDC dc, const RECT&) {
  RECT c;
  GetClientRect(hwnd, &c);
  switch (TypeKind()) {
    case Kind::Group: PaintGroup(dc, c); break;
    case Kind::OwnerDraw: DrawOwner(dc, c, ODA_DRAWENTIRE); break;
    case Kind::Check:
    case Kind::Radio:
      if (Style() & BS_PUSHLIKE) PaintPush(dc, c);
      else PaintCheck(dc, c, TypeKind());
      break;
    default: PaintPush(dc, c); break;
  }
}

LRESULT Button::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  Kind kind = TypeKind();
  switch (msg) {
    case WM_GETDLGCODE:
      switch (kind) {
        case Kind::Group: return DLGC_STATIC;
        case Kind::Radio: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case Kind::Check: return DLGC_BUTTON;
        default: return DLGC_BUTTON | (IsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
      }
    case WM_NCHITTEST:
      // A group box lets the mouse through to what lies under it.
      if (kind == Kind::Group) return HTTRANSPARENT;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (kind == Kind::Group) return 0;
      if (msg == WM_LBUTTONDBLCLK && (kind == Kind::Radio || kind == Kind::OwnerDraw || (Style() & BS_NOTIFY))) {
        NotifyParent(hwnd, BN_DOUBLECLICKED);
        if (!IsWindow(hwnd)) return 0;
      }
      if (GetFocus() != hwnd) SetFocus(hwnd);
      if (!IsWindow(hwnd)) return 0;
      SetCapture(hwnd);
      tracking_ = true;
      SetPushed(true);
      return 0;
    case WM_MOUSEMOVE:
      if (tracking_) {
        RECT c;
        GetClientRect(hwnd, &c);
        SetPushed(c.Contains(LParamToPoint(lParam)));
      }
      return 0;
    case WM_LBUTTONUP:
      if (tracking_) {
        tracking_ = false;
        bool wasPushed = pushed_;
        SetPushed(false);
        if (GetCapture() == hwnd) ReleaseCapture();
        RECT c;
        GetClientRect(hwnd, &c);
        if (wasPushed && c.Contains(LParamToPoint(lParam)) && IsWindow(hwnd)) Click();
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (tracking_ && reinterpret_cast<HWND>(lParam) != hwnd) {
        tracking_ = false;
        SetPushed(false);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && kind != Kind::Group && !spaceDown_ && !tracking_) {
        spaceDown_ = true;
        SetPushed(true);
        return 0;
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_KEYUP:
      if (wParam == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        SetPushed(false);
        Click();
        return 0;
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CHAR:
      if (wParam == u' ') return 0;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SETFOCUS:
      focused_ = true;
      Invalidate();
      if (Style() & BS_NOTIFY) NotifyParent(hwnd, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      spaceDown_ = false;
      if (tracking_) {
        tracking_ = false;
        if (GetCapture() == hwnd) ReleaseCapture();
      }
      SetPushed(false);
      Invalidate();
      if (Style() & BS_NOTIFY) NotifyParent(hwnd, BN_KILLFOCUS);
      return 0;
    case BM_GETCHECK: return kind == Kind::Check || kind == Kind::Radio ? check_ : BST_UNCHECKED;
    case BM_SETCHECK: {
      if (kind != Kind::Check && kind != Kind::Radio) return 0;
      int value = static_cast<int>(wParam);
      bool three = (Style() & BS_TYPEMASK) == BS_3STATE || (Style() & BS_TYPEMASK) == BS_AUTO3STATE;
      if (value == BST_INDETERMINATE && !three) value = BST_CHECKED;
      value = std::clamp(value, 0, 2);
      if (value != check_) {
        check_ = value;
        Invalidate();
      }
      // A checked radio button becomes the group's tab stop, as the dialog manager expects.
      if (kind == Kind::Radio) {
        LONG_PTR st = GetWindowLongPtr(hwnd, GWL_STYLE);
        LONG_PTR want = check_ ? (st | WS_TABSTOP) : (st & ~static_cast<LONG_PTR>(WS_TABSTOP));
        if (want != st) SetWindowLongPtr(hwnd, GWL_STYLE, want);
      }
      return 0;
    }
    case BM_GETSTATE:
      return (kind == Kind::Check || kind == Kind::Radio ? check_ : 0) | (pushed_ ? BST_PUSHED : 0) |
             (focused_ ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(wParam != 0); return 0;
    case BM_SETSTYLE: {
      DWORD st = Style();
      DWORD next = (st & 0xFFFF0000u) | (static_cast<DWORD>(wParam) & 0xFFFF);
      if (next != st) SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(next));
      if (lParam) Invalidate();
      return 0;
    }
    case BM_CLICK:
      if (!IsWindowEnabled(hwnd)) return 0;
      SetPushed(true);
      SetPushed(false);
      Click();
      return 0;
    case BM_GETIMAGE: return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(image_) : 0;
    case BM_SETIMAGE: {
      if (wParam != IMAGE_ICON) return 0;
      HICON old = image_;
      image_ = reinterpret_cast<HICON>(lParam);
      Invalidate();
      return reinterpret_cast<LRESULT>(old);
    }
    case WM_SETTEXT: {
      LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
      Invalidate();
      return r;
    }
    case WM_SETFONT:
      hfont_ = reinterpret_cast<const void*>(wParam);
      if (lParam) Invalidate();
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hfont_);
    case WM_ENABLE:
    case WM_STYLECHANGED: Invalidate(); return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<Button>(hwnd, msg, wParam, lParam);
}

}  // namespace ctl::detail
