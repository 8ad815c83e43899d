#include "platform/forms/Forms.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Filer.h"
#include "platform/forms/SysUtils.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace forms {

// --- TCustomForm: life -----------------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) { Init(); }

TCustomForm::TCustomForm(TComponent* owner, TCreateNew) : TWinControl(owner), createNew_(true) { Init(); }

void TCustomForm::Init() {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption,
                   TControlStyleItem::csDoubleClicks});
  canvas_ = std::make_unique<TControlCanvas>(this);
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);  // a form has no parent to take a font from
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  if (!createNew_) {
    formState_.Include(TFormStateItem::fsCreating);
    try {
      if (!InitInheritedComponent(this) && &ClassType() != &TForm::StaticClass() &&
          &ClassType() != &TCustomForm::StaticClass())
        throw EResNotFound(u"Resource " + ClassName() + u" not found");
    } catch (...) {
      formState_.Exclude(TFormStateItem::fsCreating);
      throw;
    }
    formState_.Exclude(TFormStateItem::fsCreating);
  }
  DoCreate();
  if (formState_.Contains(TFormStateItem::fsVisible)) SetVisible(true);
}

void TCustomForm::Destroy() {
  if (!IsDestroying()) DoDestroy();
  Destroying();
  Screen->RemoveForm(this);
  canvas_->FreeHandle();
  TWinControl::Destroy();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::Release() {
  if (HandleAllocated()) win::PostMessage(Handle(), CM_RELEASE, 0, 0);
  else Free();
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  TWinControl::GetChildren(proc, root);
  // Non-visual components owned by the root follow the controls.
  if (root == this)
    for (int i = 0; i < ComponentCount(); ++i) {
      TComponent* c = Components(i);
      if (!dynamic_cast<TControl*>(c)) proc(c);
    }
}

// --- Settings ---------------------------------------------------------------------------------

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (v == borderStyle_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  borderStyle_ = v;
  RecreateWnd();
  if (!IsLoading()) {
    TControl::SetClientWidth(cw);
    TControl::SetClientHeight(ch);
  }
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (v == borderIcons_) return;
  borderIcons_ = v;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState v) {
  if (v == windowState_) return;
  windowState_ = v;
  if (HandleAllocated() && Showing()) {
    int cmd = v == TWindowState::wsMaximized   ? win::SW_SHOWMAXIMIZED
              : v == TWindowState::wsMinimized ? win::SW_SHOWMINIMIZED
                                               : win::SW_SHOWNORMAL;
    win::ShowWindow(Handle(), cmd);
  }
}

void TCustomForm::SetPixelsPerInch(int v) {
  if (v > 0) pixelsPerInch_ = v;
}

void TCustomForm::SetClientWidth(int v) {
  if (IsLoading()) pendingClientWidth_ = v;
  TControl::SetClientWidth(v);
}

void TCustomForm::SetClientHeight(int v) {
  if (IsLoading()) pendingClientHeight_ = v;
  TControl::SetClientHeight(v);
}

void TCustomForm::CreateParams(TCreateParams& p) {
  using namespace win;
  TWinControl::CreateParams(p);
  p.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_CLIPSIBLINGS);
  p.Style |= WS_CLIPCHILDREN;
  p.ExStyle &= ~WS_EX_CONTROLPARENT;
  p.WndParent = nullptr;
  if (!Parent() && !ParamsForMetrics()) {
    // Forms are owned by the main form's window (or the application window), so that
    // they stay above it; the main form owns itself when it is the task-bar window.
    TCustomForm* mainForm = Application->MainForm();
    if (mainForm && mainForm != this) p.WndParent = mainForm->Handle();
    else if (!Application->MainFormOnTaskBar()) p.WndParent = Application->Handle();
    else p.ExStyle |= WS_EX_APPWINDOW;
  }
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone: p.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: p.Style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      p.Style |= WS_POPUP | WS_CAPTION;
      p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin)
    p.ExStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != TFormBorderStyle::bsNone && borderIcons_.Contains(TBorderIcon::biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    bool boxes = borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsSizeable;
    if (boxes && borderIcons_.Contains(TBorderIcon::biMinimize)) p.Style |= WS_MINIMIZEBOX;
    if (boxes && borderIcons_.Contains(TBorderIcon::biMaximize)) p.Style |= WS_MAXIMIZEBOX;
    if (borderStyle_ == TFormBorderStyle::bsDialog && borderIcons_.Contains(TBorderIcon::biHelp))
      p.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (formStyle_ == TFormStyle::fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
  p.WindowClass.style = CS_DBLCLKS;
}

void TCustomForm::ConstrainedResize(int&, int&, int&, int&) {}

// --- Loading and scaling -----------------------------------------------------------------------

void TCustomForm::ReadState(TReader& reader) {
  DisableAlign();
  try {
    TWinControl::ReadState(reader);
    // Laid out at the stored density: scale to the screen's.
    int screenPpi = Screen->PixelsPerInch();
    if (scaled_ && pixelsPerInch_ != screenPpi) {
      if (pendingClientWidth_ >= 0) TControl::SetClientWidth(pendingClientWidth_);
      if (pendingClientHeight_ >= 0) TControl::SetClientHeight(pendingClientHeight_);
      RebaseConstraintsOnScreenFrame(pixelsPerInch_);
      ChangeScale(screenPpi, pixelsPerInch_);
      pendingClientWidth_ = pendingClientHeight_ = -1;
      pixelsPerInch_ = screenPpi;
    }
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TCustomForm::Loaded() {
  // The client size is kept whatever order the frame settings were read in.
  if (pendingClientWidth_ >= 0) TControl::SetClientWidth(pendingClientWidth_);
  if (pendingClientHeight_ >= 0) TControl::SetClientHeight(pendingClientHeight_);
  pendingClientWidth_ = pendingClientHeight_ = -1;
  TWinControl::Loaded();
}

void TCustomForm::RebaseConstraintsOnScreenFrame(int storedPpi) {
  win::DWORD style = 0;
  const win::RECT stored = FrameForMetrics(style, storedPpi), now = FrameForMetrics(style);
  const int dw = now.Width() - stored.Width(), dh = now.Height() - stored.Height();
  if (dw == 0 && dh == 0) return;
  TSizeConstraints* c = Constraints();
  auto rebase = [](int v, int d) { return v > 0 ? std::max(v + d, 1) : 0; };
  c->SetAllQuietly(rebase(c->MinWidth(), dw), rebase(c->MinHeight(), dh), rebase(c->MaxWidth(), dw),
                   rebase(c->MaxHeight(), dh));
}

void TCustomForm::ChangeScale(int m, int d) {
  if (m == d) return;
  int cw = MulDiv(ClientWidth(), m, d), ch = MulDiv(ClientHeight(), m, d);
  DisableAlign();
  try {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(m, d);
    Font()->SetHeight(MulDiv(Font()->Height(), m, d));
    // The frame is the screen's already (a form read at another density has its limits
    // rebased on it first): size limits scale on their client part only.
    TSizeConstraints* c = Constraints();
    int fw = Width() - ClientWidth(), fh = Height() - ClientHeight();
    auto scale = [&](int v, int frame) { return v > 0 ? MulDiv(v - frame, m, d) + frame : 0; };
    int minW = scale(c->MinWidth(), fw), maxW = scale(c->MaxWidth(), fw);
    int minH = scale(c->MinHeight(), fh), maxH = scale(c->MaxHeight(), fh);
    c->SetAllQuietly(minW, minH, maxW, maxH);
    TControl::SetClientWidth(cw);
    TControl::SetClientHeight(ch);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

// --- Showing -----------------------------------------------------------------------------------

void TCustomForm::SetVisible(bool v) {
  if (formState_.Contains(TFormStateItem::fsCreating)) {
    formState_.Set(TFormStateItem::fsVisible, v);
    return;
  }
  TWinControl::SetVisible(v);
}

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) {
    win::BringWindowToTop(Handle());
    if (Enabled()) win::SetActiveWindow(Handle());
  }
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::PlaceForShow() {
  TPosition pos = position_;
  TCustomForm* center = nullptr;
  if (pos == TPosition::poMainFormCenter) {
    center = Application->MainForm();
  } else if (pos == TPosition::poOwnerFormCenter) {
    center = dynamic_cast<TCustomForm*>(Owner());
    if (!center) center = Application->MainForm();
  }
  if (center == this || (center && !center->Visible())) center = nullptr;
  int x = Left(), y = Top();
  TRect work = Screen->WorkAreaRect();
  if (pos == TPosition::poScreenCenter || pos == TPosition::poDesktopCenter ||
      ((pos == TPosition::poMainFormCenter || pos == TPosition::poOwnerFormCenter) && !center)) {
    x = work.Left + (work.Width() - Width()) / 2;
    y = work.Top + (work.Height() - Height()) / 2;
  } else if (center) {
    x = center->Left() + (center->Width() - Width()) / 2;
    y = center->Top() + (center->Height() - Height()) / 2;
  } else {
    return;
  }
  // Kept on the screen.
  x = std::max(work.Left, std::min(x, work.Right - Width()));
  y = std::max(work.Top, std::min(y, work.Bottom - Height()));
  SetBounds(x, y, Width(), Height());
}

void TCustomForm::CMShowingChangedForm() {
  using namespace win;
  if (Showing()) {
    formState_.Include(TFormStateItem::fsShowing);
    try {
      DoShow();
    } catch (...) {
      formState_.Exclude(TFormStateItem::fsShowing);
      throw;
    }
    formState_.Exclude(TFormStateItem::fsShowing);
    PlaceForShow();
    int cmd = windowState_ == TWindowState::wsMaximized   ? SW_SHOWMAXIMIZED
              : windowState_ == TWindowState::wsMinimized ? SW_SHOWMINIMIZED
                                                          : SW_SHOWNORMAL;
    ShowWindow(Handle(), cmd);
  } else {
    DoHide();
    if (Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
    ShowWindow(Handle(), SW_HIDE);
  }
}

// --- Closing -----------------------------------------------------------------------------------

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (formState_.Contains(TFormStateItem::fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  DoClose(action);
  if (action == TCloseAction::caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == TCloseAction::caHide) {
    Hide();
  } else if (action == TCloseAction::caMinimize) {
    SetWindowState(TWindowState::wsMinimized);
  } else {
    Release();
  }
}

void TCustomForm::CloseModal() {
  TCloseAction action = TCloseAction::caNone;
  if (CloseQuery()) {
    action = TCloseAction::caHide;
    DoClose(action);
  }
  if (action == TCloseAction::caNone) modalResult_ = mrNone;
  else if (action == TCloseAction::caFree) Release();
}

TModalResult TCustomForm::ShowModal() {
  using namespace win;
  if (Visible() || !Enabled() || formState_.Contains(TFormStateItem::fsModal) || formStyle_ == TFormStyle::fsMDIChild)
    throw EInvalidOperation(u"Cannot make a visible window modal");
  if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  formState_.Include(TFormStateItem::fsModal);
  TModalResult result = mrNone;
  try {
    TTaskModalScope scope(Handle());
    modalResult_ = mrNone;
    Show();
    Perform(CM_ACTIVATE);
    try {
      do {
        Application->HandleMessage();
        if (Application->Terminated()) modalResult_ = mrCancel;
        else if (modalResult_ != mrNone) CloseModal();
      } while (modalResult_ == mrNone);
      result = modalResult_;
      Perform(CM_DEACTIVATE);
      // Another window took the activation meanwhile: it keeps it.
      if (GetActiveWindow() != Handle()) scope.KeepActivation();
    } catch (...) {
      Hide();
      throw;
    }
    Hide();
  } catch (...) {
    formState_.Exclude(TFormStateItem::fsModal);
    throw;
  }
  formState_.Exclude(TFormStateItem::fsModal);
  return result;
}

std::vector<HWND> DisableTaskWindows(HWND except) {
  std::vector<HWND> tops;
  win::EnumWindows(
      [](HWND h, LPARAM lp) -> win::BOOL {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
        return win::TRUE;
      },
      reinterpret_cast<LPARAM>(&tops));
  std::vector<HWND> disabled;
  for (HWND h : tops)
    if (h != except && win::IsWindowVisible(h) && win::IsWindowEnabled(h)) {
      win::EnableWindow(h, win::FALSE);
      disabled.push_back(h);
    }
  return disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
  for (HWND h : windows)
    if (win::IsWindow(h)) win::EnableWindow(h, win::TRUE);
}

TTaskModalScope::TTaskModalScope(HWND except)
    : active_(win::GetActiveWindow()), disabled_(DisableTaskWindows(except)) {}

TTaskModalScope::~TTaskModalScope() {
  EnableTaskWindows(disabled_);
  if (active_ && win::IsWindow(active_) && win::IsWindowVisible(active_)) win::SetActiveWindow(active_);
}

// --- Focus -------------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* c) {
  if (c == activeControl_) return;
  if (c && (c == this || GetParentForm(c) != this || (!IsLoading() && !c->CanFocus())))
    throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
  activeControl_ = c;
  if (!IsLoading() && active_) SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  HWND h = nullptr;
  if (activeControl_ && activeControl_->CanFocus()) h = activeControl_->Handle();
  else if (HandleAllocated()) h = Handle();
  if (h && h != win::GetFocus()) win::SetFocus(h);
}

void TCustomForm::FocusControl(TWinControl* c) {
  bool wasActive = active_;
  SetActiveControl(c);
  if (!wasActive && HandleAllocated() && Visible() && Enabled()) win::SetActiveWindow(Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* c) {
  ++focusCount_;
  struct Leave {
    int& n;
    ~Leave() { --n; }
  } leave{focusCount_};
  activeControl_ = c != this ? c : nullptr;
  Screen->SetActiveControl(c);
  Screen->SetActiveForm(this);
  if (c->ControlState().Contains(TControlStateItem::csFocusing)) return false;
  TControlState st = c->ControlState();
  c->SetControlState(st.Include(TControlStateItem::csFocusing));
  struct Clear {
    TWinControl* c;
    ~Clear() {
      TControlState s = c->ControlState();
      c->SetControlState(s.Exclude(TControlStateItem::csFocusing));
    }
  } clear{c};
  int count = focusCount_;
  auto send = [&](TWinControl* target, UINT msg) {
    target->Perform(msg);
    return focusCount_ == count;
  };
  if (!focusedControl_) focusedControl_ = this;
  if (focusedControl_ != c) {
    while (focusedControl_ && !focusedControl_->ContainsControl(c)) {
      TWinControl* leaving = focusedControl_;
      focusedControl_ = focusedControl_->Parent();
      if (!send(leaving, CM_EXIT)) return false;
    }
    while (focusedControl_ != c) {
      TWinControl* t = c;
      while (t->Parent() != focusedControl_) t = t->Parent();
      focusedControl_ = t;
      if (!send(t, CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(c));
  }
  return true;
}

void TCustomForm::DefocusControl(TWinControl* c, bool removing) {
  if (removing && c->ContainsControl(focusedControl_)) focusedControl_ = c->Parent();
  if (c->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

void TCustomForm::SendCancelMode(TControl* sender) {
  if (active_ && activeControl_) activeControl_->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
}

void TCustomForm::SetActive(bool active) {
  active_ = active;
  if (!active) return;
  Screen->SetActiveForm(this);
  if (!activeControl_ || !activeControl_->CanFocus()) activeControl_ = FindNextControl(nullptr, true, true, false);
  SetWindowFocus();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

// --- Messages ------------------------------------------------------------------------------------

void TCustomForm::CMDialogKey(TMessage& m) {
  using namespace win;
  if (GetKeyState(VK_MENU) >= 0) {
    switch (m.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
          activeControl_->Parent()->SelectNext(activeControl_, m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
          m.Result = 1;
        }
        return;
      default: break;
    }
  }
  TWinControl::Dispatch(m);
}

void TCustomForm::Dispatch(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_ACTIVATE: SetActive(LOWORD(m.WParam) != WA_INACTIVE); return;
    case WM_CLOSE: Close(); return;
    case WM_GETMINMAXINFO: {
      DefaultHandler(m);
      auto* mm = reinterpret_cast<MINMAXINFO*>(m.LParam);
      TSizeConstraints* c = Constraints();
      if (mm) {
        if (c->MinWidth() > 0) mm->ptMinTrackSize.X = c->MinWidth();
        if (c->MinHeight() > 0) mm->ptMinTrackSize.Y = c->MinHeight();
        if (c->MaxWidth() > 0) mm->ptMaxTrackSize.X = c->MaxWidth();
        if (c->MaxHeight() > 0) mm->ptMaxTrackSize.Y = c->MaxHeight();
      }
      return;
    }
    case CM_ACTIVATE: Activate(); return;
    case CM_DEACTIVATE: Deactivate(); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case CM_SHOWINGCHANGED: CMShowingChangedForm(); return;
    case CM_RELEASE: Free(); return;
    case CM_TEXTCHANGED: return;
    default: TWinControl::Dispatch(m); return;
  }
}

void TCustomForm::PaintWindow(win::HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  Paint();
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// --- TScreen -------------------------------------------------------------------------------------

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

int TScreen::PixelsPerInch() const { return static_cast<int>(win::GetDpiForSystem()); }
int TScreen::Width() const { return win::GetSystemMetrics(win::SM_CXSCREEN); }
int TScreen::Height() const { return win::GetSystemMetrics(win::SM_CYSCREEN); }
TRect TScreen::WorkAreaRect() const { return win::GetWorkArea(); }

void TScreen::SetCursor(TCursor c) {
  if (c == cursor_) return;
  cursor_ = c;
  win::SetCursor(win::LoadCursor(nullptr, CursorShape(c)));
}

void TScreen::AddForm(TCustomForm* f) { forms_.push_back(f); }

void TScreen::RemoveForm(TCustomForm* f) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
  if (activeForm_ == f) activeForm_ = nullptr;
  if (activeControl_ && GetParentForm(activeControl_) == f) activeControl_ = nullptr;
}

void TScreen::MoveToFront(TCustomForm* f) {
  auto it = std::find(forms_.begin(), forms_.end(), f);
  if (it == forms_.end()) return;
  forms_.erase(it);
  forms_.insert(forms_.begin(), f);
}

void TScreen::SetActiveForm(TCustomForm* f) {
  if (f) MoveToFront(f);
  if (f == activeForm_) return;
  activeForm_ = f;
  if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* c) {
  if (c == activeControl_) return;
  activeControl_ = c;
  if (OnActiveControlChange) OnActiveControlChange(this);
}

}  // namespace forms
