// TWinControl and its window: classes, creation and destruction, the window procedure
// every framework window shares, the message dispatch of windowed controls, painting of
// the control and its graphic children.
#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/base/TextCase.h"
#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/Surface.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace forms {

TControl* CaptureControl();  // Control.cpp

namespace {

std::unordered_map<HWND, TWinControl*>& Windows() {
  static std::unordered_map<HWND, TWinControl*> m;
  return m;
}

// The control whose window is being made: it takes the first message of a new window.
TWinControl* g_creating = nullptr;

// The procedure of the standard class each framework class stands on.
std::map<std::u16string, win::WNDPROC>& BaseProcs() {
  static std::map<std::u16string, win::WNDPROC> m;
  return m;
}

int g_nextChildId = 1000;

}  // namespace

TWinControl* TWinControl::FindControl(HWND h) {
  if (!h) return nullptr;
  auto it = Windows().find(h);
  return it == Windows().end() ? nullptr : it->second;
}

LRESULT FormsWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* c = TWinControl::FindControl(hwnd);
  if (!c) {
    if (!g_creating) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    c = g_creating;
    g_creating = nullptr;
    c->handle_ = hwnd;
    Windows()[hwnd] = c;
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    // A handler may free the control (a form's release): the chain runs from a copy.
    TWndMethod proc = c->WindowProc;
    proc(m);
  } catch (...) {
    Application->HandleException(c);
  }
  if (msg == win::WM_NCDESTROY) {
    auto it = Windows().find(hwnd);
    if (it != Windows().end()) {
      it->second->handle_ = nullptr;
      it->second->showing_ = false;
      Windows().erase(it);
    }
  }
  return m.Result;
}

// --- Creation -------------------------------------------------------------------------------

void TWinControl::CreateParams(TCreateParams& p) {
  using namespace win;
  p = TCreateParams{};
  p.Caption = text_;
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(TControlStyleItem::csAcceptsControls)) {
    p.Style |= WS_CLIPCHILDREN;
    p.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (tabStop_) p.Style |= WS_TABSTOP;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.WndParent = ParamsForMetrics() ? nullptr : Parent() ? Parent()->Handle() : parentWindow_;
  p.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  p.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  p.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& p, const char16_t* base) {
  ctl::RegisterControlClasses();
  win::WNDCLASSEX wc;
  if (!win::GetClassInfoEx(nullptr, base, &wc)) return;
  p.BaseClassName = base;
  p.WindowClass.cbWndExtra = wc.cbWndExtra;
  p.WindowClass.cbClsExtra = wc.cbClsExtra;
  p.WindowClass.style = wc.style & ~win::CS_GLOBALCLASS;
  p.WindowClass.hCursor = wc.hCursor;
  p.WindowClass.lpfnWndProc = wc.lpfnWndProc;  // taken as the base procedure by CreateWnd
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (!p.WndParent && (p.Style & win::WS_CHILD))
    throw EInvalidOperation(u"Control '" + Name() + u"' has no parent window");
  win::WNDCLASSEX existing;
  bool registered = win::GetClassInfoEx(nullptr, p.WinClassName.c_str(), &existing);
  if (!registered) {
    win::WNDCLASSEX wc = p.WindowClass;
    BaseProcs()[base::ToUpperUi(p.WinClassName)] = p.BaseClassName.empty() ? nullptr : p.WindowClass.lpfnWndProc;
    wc.lpfnWndProc = &FormsWndProc;
    wc.lpszClassName = p.WinClassName.c_str();
    if (!win::RegisterClassEx(wc)) throw EInvalidOperation(u"Cannot register window class " + p.WinClassName);
  }
  auto it = BaseProcs().find(base::ToUpperUi(p.WinClassName));
  defWndProc_ = it == BaseProcs().end() ? nullptr : it->second;
  CreateWindowHandle(p);
  if (!handle_) throw EInvalidOperation(u"Error creating window for " + Name());
  InitializeWindow();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
  g_creating = this;
  HWND h = win::CreateWindowEx(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                               p.Height, p.WndParent, nullptr, nullptr, p.Param);
  g_creating = nullptr;
  if (h && !handle_) {  // a window that got no message before returning
    handle_ = h;
    Windows()[h] = this;
  }
}

void TWinControl::InitializeWindow() {
  if (win::GetWindowLongPtr(handle_, win::GWL_STYLE) & win::WS_CHILD)
    win::SetWindowLongPtr(handle_, win::GWLP_ID, g_nextChildId++);
  UpdateBounds();
  Perform(win::WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  // A window made later than its siblings' takes its place in their z-order: below the
  // next sibling above it that has a window.
  if (Parent() && Parent()->HandleAllocated()) {
    auto& siblings = Parent()->controls_;
    auto me = std::find(siblings.begin(), siblings.end(), this);
    for (auto it = me == siblings.end() ? me : me + 1; it != siblings.end(); ++it)
      if (auto* w = dynamic_cast<TWinControl*>(*it); w && w->handle_) {
        win::SetWindowPos(handle_, w->handle_, 0, 0, 0, 0, win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
        break;
      }
  }
  for (TControl* c : controls_) c->UpdateAnchorRules();
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  TControlState s = ControlState();
  SetControlState(s.Include(TControlStateItem::csDestroyingHandle));
  HWND h = handle_;
  if (h) win::DestroyWindow(h);
  if (handle_ == h) {  // the window system did not tell us
    Windows().erase(h);
    handle_ = nullptr;
  }
  showing_ = false;
  s = ControlState();
  SetControlState(s.Exclude(TControlStateItem::csDestroyingHandle));
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TWinControl* c : tabList_) c->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  bool focused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (focused && handle_) win::SetFocus(handle_);
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (Parent()) Parent()->Handle();
    CreateHandle();
  }
  return handle_;
}

// --- Messages -------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this)) return;
      break;
    case WM_KILLFOCUS:
      if (ControlState().Contains(TControlStateItem::csFocusing)) return;
      break;
    case WM_NCHITTEST: TControl::WndProc(m); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      if (HandleKeyMessage(m)) return;
      break;
    default:
      if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MOUSEHWHEEL) {
        if (m.Msg == WM_MOUSEMOVE) {
          win::TRACKMOUSEEVENT t;
          t.dwFlags = TME_LEAVE;
          t.hwndTrack = handle_;
          win::TrackMouseEvent(&t);
        }
        if (m.Msg != WM_MOUSEWHEEL && m.Msg != WM_MOUSEHWHEEL && IsControlMouseMsg(m)) {
          if (m.Msg == WM_MOUSEMOVE) Application->MouseMoved();
          return;
        }
      }
      break;
  }
  TControl::WndProc(m);
  if (m.Msg == WM_MOUSEMOVE || m.Msg == WM_MOUSELEAVE) Application->MouseMoved();
}

bool TWinControl::IsControlMouseMsg(TMessage& m) {
  TControl* target = nullptr;
  if (handle_ && win::GetCapture() == handle_) {
    TControl* cap = CaptureControl();
    if (cap && cap->Parent() == this) target = cap;
  } else {
    target = ControlAtPos(win::LParamToPoint(m.LParam), false);
  }
  if (!target) return false;
  win::POINT p = win::LParamToPoint(m.LParam);
  m.Result = target->Perform(m.Msg, m.WParam, win::PointToLParam({p.X - target->Left(), p.Y - target->Top()}));
  return true;
}

void TWinControl::ReflectNotification(TMessage& m, HWND child, UINT reflected) {
  if (TWinControl* c = FindControl(child); c && c != this) {
    m.Result = c->Perform(reflected, m.WParam, m.LParam);
    return;
  }
  DefaultHandler(m);
}

void TWinControl::Dispatch(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return;
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_PRINTCLIENT:
      if (m.WParam) {
        TMessage erase{WM_ERASEBKGND, m.WParam, static_cast<LPARAM>(m.WParam), 0};
        WMEraseBkgnd(erase);
        TMessage paint{WM_PAINT, m.WParam, 0, 0};
        WMPaint(paint);
      }
      return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); return;
    case WM_SIZE:
      DefaultHandler(m);
      UpdateBounds();
      Realign();
      if (!IsLoading()) Resize();
      return;
    case WM_MOVE:
      DefaultHandler(m);
      UpdateBounds();
      return;
    case WM_SETCURSOR: WMSetCursor(m); return;
    case WM_COMMAND: ReflectNotification(m, reinterpret_cast<HWND>(m.LParam), CN_COMMAND); return;
    case WM_NOTIFY: DefaultHandler(m); return;
    case WM_HSCROLL: ReflectNotification(m, reinterpret_cast<HWND>(m.LParam), CN_HSCROLL); return;
    case WM_VSCROLL: ReflectNotification(m, reinterpret_cast<HWND>(m.LParam), CN_VSCROLL); return;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: ReflectNotification(m, reinterpret_cast<HWND>(m.LParam), CN_BASE + m.Msg); return;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      auto* dc = reinterpret_cast<win::HDC>(m.WParam);
      if (dc) {
        dc->SetTextColor(ColorToRGB(Font()->Color()));
        dc->SetBkColor(ColorToRGB(brush_->Color()));
      }
      m.Result = reinterpret_cast<LRESULT>(brush_->Handle());
      return;
    }
    case WM_DRAWITEM:
      if (m.LParam) {
        ReflectNotification(m, reinterpret_cast<const ctl::DRAWITEMSTRUCT*>(m.LParam)->hwndItem, CN_DRAWITEM);
        return;
      }
      DefaultHandler(m);
      return;
    case WM_MEASUREITEM: {
      // The item record names the control by id only.
      if (!m.LParam) {
        DefaultHandler(m);
        return;
      }
      UINT id = reinterpret_cast<const ctl::MEASUREITEMSTRUCT*>(m.LParam)->CtlID;
      for (TWinControl* c : tabList_)
        if (c->handle_ && static_cast<UINT>(win::GetDlgCtrlID(c->handle_)) == id) {
          m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
          return;
        }
      DefaultHandler(m);
      return;
    }
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(m); return;
    case CM_VISIBLECHANGED:
      if (!Visible() && Parent()) RemoveFocus(false);
      UpdateControlState();
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled() && Parent()) RemoveFocus(false);
      if (handle_) win::EnableWindow(handle_, Enabled() ? TRUE : FALSE);
      return;
    case CM_FONTCHANGED:
      TControl::Dispatch(m);
      if (handle_) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
      NotifyControls(CM_PARENTFONTCHANGED);
      return;
    case CM_COLORCHANGED:
      TControl::Dispatch(m);
      brush_->SetColor(Color());
      NotifyControls(CM_PARENTCOLORCHANGED);
      return;
    case CM_CTL3DCHANGED:
      if (handle_) RecreateWnd();
      NotifyControls(CM_PARENTCTL3DCHANGED);
      return;
    case CM_PARENTCTL3DCHANGED:
      if (parentCtl3D_ && Parent()) {
        SetCtl3D(Parent()->Ctl3D());
        parentCtl3D_ = true;
      }
      return;
    case CM_SHOWHINTCHANGED: NotifyControls(CM_PARENTSHOWHINTCHANGED); return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED: Broadcast(m); return;
    case CM_INVALIDATE:
      if (handle_) {
        if (Parent()) Parent()->Perform(CM_INVALIDATE, 1);
        if (m.WParam == 0)
          win::InvalidateRect(handle_, nullptr, ControlStyle().Contains(TControlStyleItem::csOpaque) ? FALSE : TRUE);
      }
      return;
    case CM_RECREATEWND: RecreateWnd(); return;
    case CM_CURSORCHANGED: return;
    case WM_MOUSEWHEEL: DefaultHandler(m); return;
    default: TControl::Dispatch(m); return;
  }
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (handle_) {
    if (defWndProc_) m.Result = win::CallWindowProc(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
    else m.Result = win::DefWindowProc(handle_, m.Msg, m.WParam, m.LParam);
    return;
  }
  TControl::DefaultHandler(m);
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
  auto* wp = reinterpret_cast<const win::WINDOWPOS*>(m.LParam);
  bool sized = wp && !(wp->flags & win::SWP_NOSIZE);
  DefaultHandler(m);
  UpdateBounds();
  if (sized && !handle_) Realign();
}

void TWinControl::WMSetCursor(TMessage& m) {
  using namespace win;
  if (reinterpret_cast<HWND>(m.WParam) == handle_ && static_cast<short>(LOWORD(m.LParam)) == HTCLIENT) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* c = ControlAtPos(ScreenToClient(p), false);
      if (c) cursor = c->Cursor();
      if (cursor == crDefault) cursor = Cursor();
    }
    if (cursor != crDefault) {
      win::SetCursor(LoadCursor(nullptr, CursorShape(cursor)));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

void TWinControl::CMShowingChanged(TMessage&) {
  using namespace win;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// --- Painting -------------------------------------------------------------------------------

void TWinControl::WMEraseBkgnd(TMessage& m) {
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (!dc) {
    DefaultHandler(m);
    return;
  }
  dc->FillRect(ClientRect(), ColorToRGB(Color()));
  m.Result = 1;
}

void TWinControl::WMPaint(TMessage& m) {
  using namespace win;
  bool custom = ControlState().Contains(TControlStateItem::csCustomPaint) || !controls_.empty() || !defWndProc_;
  if (doubleBuffered_ && m.WParam == 0 && handle_) {
    // Paint into a picture first and put it on the window in one copy.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    TRect r = ClientRect();
    gfx::PixelBuffer pixels(std::max(r.Width(), 1), std::max(r.Height(), 1));
    gfx::Surface mem(pixels.View());
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(&mem), reinterpret_cast<LPARAM>(&mem), 0};
    WMEraseBkgnd(erase);
    TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(&mem), 0, 0};
    if (custom) PaintHandler(paint);
    else DefaultHandler(paint);
    if (dc) dc->BitBlt(0, 0, r.Width(), r.Height(), mem, 0, 0, gfx::SRCCOPY);
    EndPaint(handle_, &ps);
    return;
  }
  if (!custom) {
    DefaultHandler(m);
    return;
  }
  PaintHandler(m);
}

void TWinControl::PaintHandler(TMessage& m) {
  using namespace win;
  auto* dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps;
  bool own = !dc;
  if (own) {
    if (!handle_) return;
    dc = BeginPaint(handle_, &ps);
    if (!dc) {
      EndPaint(handle_, &ps);
      return;
    }
  }
  try {
    int level = dc->Save();
    // Opaque graphic children cover their part: the control does not paint under them.
    for (TControl* c : controls_)
      if (!dynamic_cast<TWinControl*>(c) && c->Visible() && c->ControlStyle().Contains(TControlStyleItem::csOpaque))
        dc->ExcludeClip(c->BoundsRect());
    TRect clip;
    if (dc->ClipBox(clip) != gfx::RegionKind::Null) PaintWindow(dc);
    dc->Restore(level);
    PaintControls(dc, nullptr);
  } catch (...) {
    if (own) EndPaint(handle_, &ps);
    throw;
  }
  if (own) EndPaint(handle_, &ps);
}

void TWinControl::PaintWindow(win::HDC dc) {
  TMessage m{win::WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  if (defWndProc_) DefaultHandler(m);
}

void TWinControl::PaintControls(win::HDC dc, TControl* first) {
  auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
  for (; it != controls_.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    TRect b = c->BoundsRect();
    if (!dc->RectVisible(b)) continue;
    int level = dc->Save();
    dc->OffsetViewportOrg(c->Left(), c->Top());
    dc->IntersectClip({0, 0, c->Width(), c->Height()});
    try {
      c->Perform(win::WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
      dc->Restore(level);
      throw;
    }
    dc->Restore(level);
  }
}

void TWinControl::PaintTo(win::HDC dc, int x, int y) {
  if (!dc) return;
  int level = dc->Save();
  dc->OffsetViewportOrg(x, y);
  dc->IntersectClip({0, 0, Width(), Height()});
  TMessage print{win::WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 win::PRF_NONCLIENT | win::PRF_CLIENT | win::PRF_ERASEBKGND | win::PRF_CHILDREN, 0};
  if (handle_) {
    Perform(print.Msg, print.WParam, print.LParam);
  } else {
    TMessage erase{win::WM_ERASEBKGND, print.WParam, static_cast<LPARAM>(print.WParam), 0};
    WMEraseBkgnd(erase);
    TMessage paint{win::WM_PAINT, print.WParam, 0, 0};
    PaintHandler(paint);
  }
  dc->Restore(level);
}

// --- TCustomControl, TControlCanvas ----------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(win::HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  Paint();
}

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* c) {
  if (c == control_) return;
  FreeHandle();
  control_ = c;
}

void TControlCanvas::CreateHandle() {
  FreeHandle();
  if (!control_) return;
  auto* w = dynamic_cast<TWinControl*>(control_);
  TWinControl* host = w ? w : control_->Parent();
  if (!host) return;
  window_ = host->Handle();
  owned_ = win::GetDC(window_);
  if (!owned_) return;
  if (!w) {
    owned_->OffsetViewportOrg(control_->Left(), control_->Top());
    owned_->IntersectClip({0, 0, control_->Width(), control_->Height()});
  }
  SetHandle(owned_);
}

void TControlCanvas::FreeHandle() {
  if (owned_) {
    if (window_ && win::IsWindow(window_)) win::ReleaseDC(window_, owned_);
    SetHandle(nullptr);
  }
  owned_ = nullptr;
  window_ = nullptr;
}

// --- Finding controls on the screen ------------------------------------------------------------

TControl* FindVCLWindow(TPoint screenPos) {
  HWND h = win::WindowFromPoint(screenPos);
  while (h) {
    if (TWinControl* c = TWinControl::FindControl(h)) return c;
    h = win::GetParent(h);
  }
  return nullptr;
}

TControl* FindDragTarget(TPoint screenPos, bool allowDisabled) {
  TControl* c = FindVCLWindow(screenPos);
  auto* w = dynamic_cast<TWinControl*>(c);
  if (!w) return c;
  if (TControl* g = w->ControlAtPos(w->ScreenToClient(screenPos), allowDisabled)) return g;
  return w;
}

}  // namespace forms
