#include "skin/windows/acMainWnd.h"

#include "platform/forms/Controls.h"
#include "platform/forms/WinControls.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

// The adapter of a window, and the raw procedure it replaced (kept while the adapter's
// procedure stays in a chain it could not leave, so that it still forwards).
constexpr char16_t kAdapterProp[] = u"ACMAINWND";
constexpr char16_t kOldProcProp[] = u"ACOLDPROC";

}  // namespace

TacMainWnd::TacMainWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData,
                       bool subclassNow)
    : CtrlHandle(wnd), SkinManager(manager ? manager : DefaultManager()), Params(params) {
  if (skinData != nullptr) {
    SkinData = skinData;
  } else {
    // A skin state of the adapter's own, bound to the window rather than to a control.
    auto* sd = new TsCommonData(nullptr, false);
    sd->FSWHandle = wnd;
    sd->FSkinManager = manager;
    sd->FOwnerControl = params.Control;
    sd->FSkinSection = params.SkinSection;
    sd->FCustomColor = !params.UseSkinColor;
    sd->FCustomFont = !params.UseSkinFontColor;
    sd->Loading = false;
    sd->UpdateIndexes(true);
    sd->InitCommonProp();
    SkinData = sd;
    OwnSkinData = true;
  }
  if (win::IsWindow(wnd)) {
    Caption = win::GetWindowText(wnd);
    ParentWnd = win::GetParent(wnd);
    win::GetWindowRect(wnd, &WndRect);
    if (ParentWnd != nullptr) win::GetWindowRect(ParentWnd, &ParentRect);
    WndPos = {WndRect.Left - ParentRect.Left, WndRect.Top - ParentRect.Top};
    WndSize = {WndRect.Width(), WndRect.Height()};
  }
  if (subclassNow) Subclass();
}

TacMainWnd::~TacMainWnd() {
  InDestroying = true;
  UnhookWindow();
  if (OwnSkinData) delete SkinData;
  SkinData = nullptr;
}

void TacMainWnd::Release(TacMainWnd* adapter) {
  if (adapter == nullptr) return;
  if (adapter->running_ == 0) {
    delete adapter;
    return;
  }
  adapter->LetGo();
  adapter->deleteWhenIdle_ = true;
}

void TacMainWnd::LetGo() {
  UnhookWindow();
  released_ = true;
  if (!OwnSkinData) SkinData = nullptr;
}

void TacMainWnd::HandleCounted(forms::TMessage& m, const forms::TWndNext* next) {
  const forms::TWndNext* saved = next_;
  next_ = next;
  ++running_;
  try {
    Handle(m);
  } catch (...) {
    next_ = saved;
    MessageDone();
    throw;
  }
  next_ = saved;
  MessageDone();
}

void TacMainWnd::MessageDone() {
  // The last message out deletes an adapter released while they ran.
  if (--running_ == 0 && deleteWhenIdle_) delete this;
}

TacMainWnd* TacMainWnd::AdapterOf(win::HWND wnd) {
  return wnd != nullptr ? static_cast<TacMainWnd*>(win::GetProp(wnd, kAdapterProp)) : nullptr;
}

void TacMainWnd::SetSkinParams(const TacSkinParams& params) {
  Params = params;
  ParamsChanged = true;
  if (OwnSkinData && SkinData != nullptr) {
    SkinData->FSkinSection = params.SkinSection;
    SkinData->FCustomColor = !params.UseSkinColor;
    SkinData->FCustomFont = !params.UseSkinFontColor;
    SkinData->UpdateIndexes(true);
  }
}

void TacMainWnd::Repaint() {
  if (DontRepaint || !WindowAlive()) return;
  win::RedrawWindow(CtrlHandle, nullptr, nullptr,
                    win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_UPDATENOW);
}

win::LRESULT TacMainWnd::ProcessMessage(win::UINT msg, win::WPARAM WPar, win::LPARAM LPar) {
  if (!WindowAlive()) return 0;
  return win::SendMessage(CtrlHandle, msg, WPar, LPar);
}

bool TacMainWnd::WindowAlive() const {
  return !Destroyed && !released_ && CtrlHandle != nullptr && win::IsWindow(CtrlHandle);
}

void TacMainWnd::Subclass() {
  if (hooked_ || !WindowAlive()) return;
  hooked_ = true;
  win::SetProp(CtrlHandle, kAdapterProp, this);
  // A window of a control of the program: join its procedure chain, where parties leave in
  // any order.
  auto* control = SkinData != nullptr ? dynamic_cast<forms::TWinControl*>(SkinData->FOwnerControl) : nullptr;
  if (control != nullptr && control->HandleAllocated() && control->Handle() == CtrlHandle) {
    OldProcOwner = control;
    // Opaque, so that the framework does not erase what the skin paints.
    OldCtrlStyle = control->ControlStyle().Bits();
    control->SetControlStyle(control->ControlStyle() + forms::TControlStyle{forms::TControlStyleItem::csOpaque});
    control->JoinWindowProc(this, [this](forms::TMessage& m, const forms::TWndNext& next) { HandleCounted(m, &next); });
    return;
  }
  OldWndProc = reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtr(CtrlHandle, win::GWLP_WNDPROC));
  win::SetProp(CtrlHandle, kOldProcProp, reinterpret_cast<win::HANDLE>(OldWndProc));
  win::SetWindowLongPtr(CtrlHandle, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&RawProc));
}

void TacMainWnd::UnhookWindow() {
  if (!hooked_) return;
  hooked_ = false;
  // A control's chain is left whether its window still exists or not (the control may
  // make a new one); the control outlives its adapter.
  if (OldProcOwner != nullptr) {
    OldProcOwner->LeaveWindowProc(this);
    if (!OldProcOwner->IsDestroying()) OldProcOwner->SetControlStyle(forms::TControlStyle::FromBits(OldCtrlStyle));
    OldProcOwner = nullptr;
  }
  if (!WindowAlive()) return;
  if (win::GetProp(CtrlHandle, kAdapterProp) == this) win::RemoveProp(CtrlHandle, kAdapterProp);
  if (OldWndProc == nullptr) return;
  if (win::GetWindowLongPtr(CtrlHandle, win::GWLP_WNDPROC) == reinterpret_cast<win::LONG_PTR>(&RawProc)) {
    win::SetWindowLongPtr(CtrlHandle, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(OldWndProc));
    win::RemoveProp(CtrlHandle, kOldProcProp);
  }
  // Otherwise someone subclassed after this adapter: RawProc stays in their chain and
  // forwards to the procedure kept in kOldProcProp.
}

win::LRESULT TacMainWnd::RawProc(win::HWND wnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (TacMainWnd* a = AdapterOf(wnd); a != nullptr && a->hooked_) {
    forms::TMessage m{msg, wParam, lParam, 0};
    a->HandleCounted(m, nullptr);
    return m.Result;
  }
  if (auto old = reinterpret_cast<win::WNDPROC>(win::GetProp(wnd, kOldProcProp)))
    return win::CallWindowProc(old, wnd, msg, wParam, lParam);
  return win::DefWindowProc(wnd, msg, wParam, lParam);
}

void TacMainWnd::Handle(forms::TMessage& m) {
  if (m.Msg == win::WM_NCDESTROY) {
    WMNCDestroy(m);
    return;
  }
  acWndProc(m);
}

void TacMainWnd::WMNCDestroy(forms::TMessage& m) {
  // The window goes: give its procedure back while it still exists, then forget it.
  WindowGone();
  UnhookWindow();
  CallPrevious(m);
  Destroyed = true;
}

void TacMainWnd::acWndProc(forms::TMessage& m) { CallPrevious(m); }

void TacMainWnd::CallPrevious(forms::TMessage& m) {
  if (next_ != nullptr) {
    (*next_)(m);
    return;
  }
  if (OldWndProc != nullptr && WindowAlive()) {
    m.Result = win::CallWindowProc(OldWndProc, CtrlHandle, m.Msg, m.WParam, m.LParam);
    return;
  }
  if (win::IsWindow(CtrlHandle)) m.Result = win::DefWindowProc(CtrlHandle, m.Msg, m.WParam, m.LParam);
}

}  // namespace skin
