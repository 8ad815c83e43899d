// The provider's window procedure: the dispatch of platform messages and skin commands,
// and the handlers of the frame's mouse and keyboard (title buttons, system menu).
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/gfx/Surface.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/MenuApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/acCtrlAdapter.h"
#include "skin/windows/acSystemMenu.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

namespace {

gfx::TPoint LParamPoint(win::LPARAM lp) { return {win::GET_X_LPARAM(lp), win::GET_Y_LPARAM(lp)}; }

bool CaptionOrIcon(int code) { return code == win::HTCAPTION || code == win::HTSYSMENU; }

}  // namespace

void TsSkinProvider::NewWndProc(forms::TMessage& m, const forms::TWndNext& next) {
  if (m.Msg == SkinCmdMessage) {
    if (!HandleSkinCommand(m, next)) next(m);
    return;
  }
  if (RTInit && (m.Msg == win::WM_NCHITTEST || m.Msg == win::WM_NCPAINT) && Manager() != nullptr &&
      Manager()->IsActive())
    RTInitialize();
  if (!Skinned()) {
    if (m.Msg == win::WM_PRINT && m.WParam != 0 && Form != nullptr) {
      // The platform paints over the form's colour.
      auto* dc = reinterpret_cast<win::HDC>(m.WParam);
      dc->FillRect({0, 0, Form->Width(), Form->Height()}, forms::ColorToRGB(Form->Color()));
    }
    next(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_NCHITTEST: WMNCHitTest(m, next); return;
    case win::WM_NCPAINT: WMNCPaint(m, next); return;
    case win::WM_NCACTIVATE: WMNCActivate(m, next); return;
    case win::WM_ERASEBKGND: WMEraseBkgnd(m, next); return;
    case win::WM_PAINT: WMPaint(m, next); return;
    case win::WM_PRINT: WMPrint(m, next); return;
    case win::WM_PRINTCLIENT: return;
    case win::WM_SIZE: WMSize(m, next); return;
    case win::WM_WINDOWPOSCHANGED: WMWindowPosChanged(m, next); return;
    case win::WM_DESTROY:
      BorderForm.reset();
      next(m);
      return;
    case win::WM_GETMINMAXINFO: WMGetMinMaxInfo(m, next); return;
    case win::WM_SETTEXT: WMSetText(m, next); return;
    case win::WM_SETREDRAW: WMSetRedraw(m, next); return;
    case win::WM_SETICON:
    case win::WM_STYLECHANGED:
    case win::WM_SETTINGCHANGE: WMRedrawFrameAfter(m, next); return;
    case win::WM_NCMOUSEMOVE: WMNCMouseMove(m, next); return;
    case win::WM_MOUSEMOVE: WMMouseMove(m, next); return;
    case win::WM_NCLBUTTONDOWN: WMNCLButtonDown(m, next); return;
    case win::WM_NCLBUTTONUP:
    case win::WM_LBUTTONUP: WMLButtonUp(m, next); return;
    case win::WM_NCLBUTTONDBLCLK: WMNCLButtonDblClk(m, next); return;
    case win::WM_NCRBUTTONDOWN: WMNCRButtonDown(m, next); return;
    case win::WM_NCRBUTTONUP: WMNCRButtonUp(m, next); return;
    case win::WM_MOUSELEAVE:
    case win::WM_NCMOUSELEAVE: WMMouseLeave(m, next); return;
    case win::WM_CAPTURECHANGED: WMCaptureChanged(m, next); return;
    case win::WM_SYSCOMMAND: WMSysCommand(m, next); return;
    case win::WM_POPUPSYSTEMMENU: WMPopupSystemMenu(m, next); return;
    case win::WM_CONTEXTMENU: WMContextMenu(m, next); return;
    default: next(m); return;
  }
}

// ---- Skin commands ----

bool TsSkinProvider::HandleSkinCommand(forms::TMessage& m, const forms::TWndNext& next) {
  const unsigned command = SkinCmdOf(m.WParam);
  if (command == scGetSkinProvider) {
    m.Result = inert_ ? 0 : reinterpret_cast<win::LRESULT>(this);
    return true;
  }
  if (inert_ || destroyed_ || !FCommonData) return false;
  switch (command) {
    case scNewSkin: SCNewSkin(m); return true;
    case scRemoveSkin: SCRemoveSkin(m, next); return true;
    case scRefresh: SCRefresh(m); return true;
    case scIsSkinned: m.Result = 1; return true;
    case scSetUpdating: FCommonData->FUpdating = win::LOWORD(m.WParam) == 1; return true;
    case scGetDefaultIndex: m.Result = Manager() != nullptr ? Manager()->GetSkinIndex(u"FORM") + 1 : 0; return true;
    case scGetDefaultKind: m.Result = 13; return true;
    case scParentBgChanged: FCommonData->BGChanged = true; return true;
    case scPrepareCache:
      if (!FCommonData->FUpdating) PaintAll();
      return true;
    case scMouseLeave: SCMouseLeave(m); return true;
    case scGetBgInfo: SCGetBgInfo(m); return true;
    case scGetClientOrigin:
      m.Result = win::MAKELRESULT(static_cast<unsigned>(OffsetX()), static_cast<unsigned>(OffsetY()));
      return true;
    case scGetFrameWidth: m.Result = FrameWidth(); return true;
    case scGetPPI: m.Result = FCommonData->CurrentPPI; return true;
    case scEndUpdate:
      if (FCommonData->FUpdating && !FCommonData->GetUpdating()) FCommonData->FUpdating = false;
      if (!FCommonData->FUpdating && Form->HandleAllocated())
        win::RedrawWindow(Form->Handle(), nullptr, nullptr,
                          win::RDW_ERASE | win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ALLCHILDREN);
      return true;
    default: return DispatchSkinCommand(m, *FCommonData);
  }
}

void TsSkinProvider::SCNewSkin(forms::TMessage& m) {
  if (!IsOwnManager(m, *FCommonData) && m.LParam != 0) return;
  FCommonData->UpdateIndexes(true);
  ResolveIndexes();
  TempBmp = std::make_unique<Bitmap32>();
  UpdateGlyphTypes();
  FCommonData->BGChanged = true;
  RgnChanged = true;
  if (!SystemMenu) PrepareForm();
  UpdateExBorders();
}

void TsSkinProvider::SCRemoveSkin(forms::TMessage& m, const forms::TWndNext& next) {
  if (!IsOwnManager(m, *FCommonData) && m.LParam != 0) return;
  KillAnimations();
  if (Adapter != nullptr) Adapter->RemoveAll();
  BorderForm.reset();
  next(m);
  if (Form->HandleAllocated()) {
    BroadcastToChildren(Form, m.Msg, m.WParam, m.LParam);
    win::SetWindowRgn(Form->Handle(), nullptr, win::TRUE);
  }
  FCommonData->SkinIndex = -1;
  FTitleSkinIndex = FCaptionSkinIndex = FHeaderIndex = -1;
  Rects.clear();
  RgnChanged = true;
  if (UseGlobalColor && !FCommonData->FCustomColor) Form->SetColor(forms::clBtnFace);
}

void TsSkinProvider::SCRefresh(forms::TMessage& m) {
  if (!IsOwnManager(m, *FCommonData) && m.LParam != 0) return;
  FCommonData->UpdateIndexes(true);
  ResolveIndexes();
  UpdateGlyphTypes();
  RgnChanged = true;
  FCommonData->BGChanged = true;
  if (UseGlobalColor && !FCommonData->FCustomColor && Manager() != nullptr) Form->SetColor(Manager()->GetGlobalColor());
  if (Adapter != nullptr) Adapter->AddAllItems();
  UpdateExBorders();
  if (Form->HandleAllocated() && win::IsWindowVisible(Form->Handle()))
    win::RedrawWindow(Form->Handle(), nullptr, nullptr,
                      win::RDW_ERASE | win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ALLCHILDREN);
}

void TsSkinProvider::SCMouseLeave(forms::TMessage&) {
  if (biClicked && win::GetCapture() == Form->Handle()) return;  // a press keeps its button
  SetHotHT(-1);
  biClicked = false;
}

void TsSkinProvider::SCGetBgInfo(forms::TMessage& m) {
  auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
  if (q == nullptr) return;
  if (FCommonData->BGChanged) PaintAll();
  const int ox = OffsetX(), oy = OffsetY();
  if (Form->OnPaint && !q->DrawNow && PictureValid()) {
    // The program paints on its form: only the finished picture shows what lies behind.
    q->Kind = bqBitmap;
    q->Bitmap = FCommonData->FCacheBmp.get();
    q->Offset = {q->Offset.X + ox, q->Offset.Y + oy};
    m.Result = 1;
    return;
  }
  const bool drawNow = q->DrawNow;
  if (drawNow) q->Offset = {q->Offset.X + ox, q->Offset.Y + oy};
  FillBackgroundQuery(*q, *FCommonData, FormActive);
  if (drawNow) return;
  if (q->Kind == bqBitmap && q->Bitmap == nullptr) q->Bitmap = FCommonData->FCacheBmp.get();
  q->Offset = {q->Offset.X + ox, q->Offset.Y + oy};
  q->BorderFrame = {std::max(0, q->BorderFrame.Left - ox), std::max(0, q->BorderFrame.Top - oy),
                    std::max(0, q->BorderFrame.Right - ox), std::max(0, q->BorderFrame.Bottom - oy)};
  m.Result = 1;
}

// ---- Hit testing and the title buttons ----

void TsSkinProvider::WMNCHitTest(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  if (RTInit) RTInitialize();
  // In the extended mode the form keeps only its client area; its frame is answered by
  // the border window.
  if (CaptionHeight() == 0 || BorderForm) {
    next(m);
    return;
  }
  const int code = HitTest(LParamPoint(m.LParam));
  // Borders, client and nowhere keep the platform's own answer (and with it its sizing);
  // caption, icon, menu line and buttons are answered here, so that the classic frame's
  // own elements never answer through the skinned title band.
  if (code == win::HTNOWHERE || code == win::HTCLIENT || (code >= win::HTLEFT && code <= win::HTBOTTOMRIGHT)) {
    next(m);
    return;
  }
  m.Result = code;
}

void TsSkinProvider::WMNCMouseMove(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned() || !Form->Enabled()) {
    next(m);
    return;
  }
  // The hot-control check follows the window under the pointer: the border window for a
  // frame it draws.
  if (TsSkinManager* mgr = Manager()) mgr->SetActiveControl(BorderForm ? BorderForm->AForm : Form->Handle());
  const int code = static_cast<int>(m.WParam);
  if (HotTitleCode(code)) {
    win::TRACKMOUSEEVENT t;
    t.dwFlags = win::TME_LEAVE | win::TME_NONCLIENT;
    t.hwndTrack = BorderForm ? BorderForm->AForm : Form->Handle();
    win::TrackMouseEvent(&t);
    SetHotHT(code);
    return;
  }
  SetHotHT(0);
  next(m);
}

void TsSkinProvider::WMMouseMove(forms::TMessage& m, const forms::TWndNext& next) {
  if (FrameSkinned() && biClicked && win::GetCapture() == Form->Handle()) {
    // A held title button is drawn pressed while the pointer is over it, normal elsewhere.
    gfx::TPoint p = LParamPoint(m.LParam);
    win::ClientToScreen(Form->Handle(), &p);
    if (TsCaptionButton* b = ButtonOf(pressedHT_)) {
      const int state = HitTest(p) == pressedHT_ ? 2 : 0;
      if (b->cpState != state) {
        b->cpState = state;
        RepaintButton(pressedHT_);
      }
    }
    return;
  }
  if (CurrentHT > 0 && !biClicked) SetHotHT(0);
  next(m);
}

void TsSkinProvider::WMNCLButtonDown(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  const int code = static_cast<int>(m.WParam);
  switch (code) {
    case win::HTSYSMENU: {
      // The platform's default would open its own menu (SC_MOUSEMENU): the skinned one opens.
      SetHotHT(0);
      biClicked = false;
      if (BorderForm) {
        // Right below the icon of the border window.
        const gfx::TPoint o = PictureOrigin();
        DropSysMenu(o.X + FIconRect.Left, o.Y + FIconRect.Bottom);
        return;
      }
      const win::RECT wr = FrameRectOnScreen();
      const int f = FrameWidth();
      DropSysMenu(wr.Left + f, wr.Top + f + Form->BorderWidth() + FIconRect.Height() + f);
      return;
    }
    case win::HTMINBUTTON:
    case win::HTMAXBUTTON:
    case win::HTCLOSE:
    case win::HTHELP:
      PressHT(code);
      if (biClicked) win::SetCapture(Form->Handle());
      return;
    case win::HTMENU: next(m); return;
    default:
      SetHotHT(0);
      if (Form->HandleAllocated() && win::IsIconic(Form->Handle())) {
        win::SendMessage(Form->Handle(), win::WM_SYSCOMMAND, win::SC_MOVE + win::HTCAPTION, m.LParam);
        return;
      }
      next(m);
      return;
  }
}

void TsSkinProvider::WMLButtonUp(forms::TMessage& m, const forms::TWndNext& next) {
  const bool ours = biClicked && pressedHT_ != 0;
  if (!FrameSkinned() || !Form->Enabled() || (m.Msg == win::WM_LBUTTONUP && !ours)) {
    next(m);
    return;
  }
  const win::HWND h = Form->Handle();
  gfx::TPoint p = LParamPoint(m.LParam);
  if (m.Msg == win::WM_LBUTTONUP) win::ClientToScreen(h, &p);
  const int pressed = pressedHT_;
  pressedHT_ = 0;
  if (win::GetCapture() == h) win::ReleaseCapture();
  const int code = HitTest(p);
  const TacMenuFacts f = MenuFacts();
  const std::shared_ptr<bool> alive = alive_;
  if (code == pressed && biClicked) {
    switch (code) {
      case win::HTCLOSE:
        if (EnabledClose(f)) {
          ButtonClose.cpState = 0;
          biClicked = false;
          win::SendMessage(h, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
          if (!*alive) return;
          KillAnimations();
          SetHotHT(0);
        }
        return;
      case win::HTMINBUTTON:
        SetHotHT(0);
        biClicked = false;
        win::SendMessage(h, win::WM_SYSCOMMAND, f.Minimized && !f.TaskbarMainForm ? win::SC_RESTORE : win::SC_MINIMIZE,
                         0);
        if (*alive) FCommonData->BGChanged = true;
        return;
      case win::HTMAXBUTTON:
        SetHotHT(0);
        RgnChanged = true;
        biClicked = false;
        win::SendMessage(h, win::WM_SYSCOMMAND, f.Maximized ? win::SC_RESTORE : win::SC_MAXIMIZE, 0);
        if (*alive && SystemMenu) SystemMenu->UpdateItems(MenuFacts());
        return;
      case win::HTHELP:
        biClicked = false;
        win::SendMessage(h, win::WM_SYSCOMMAND, win::SC_CONTEXTHELP, 0);
        if (!*alive) return;
        SetHotHT(0);
        RepaintFrame();
        return;
      default: break;
    }
  }
  // Released elsewhere: nothing happens, the button returns to normal.
  const bool wasOurs = ours;
  biClicked = false;
  if (TsCaptionButton* b = ButtonOf(pressed); b != nullptr && b->cpState != 0) {
    b->cpState = 0;
    RepaintButton(pressed);
  }
  CurrentHT = 0;
  if (!wasOurs || m.Msg == win::WM_NCLBUTTONUP) next(m);
}

void TsSkinProvider::WMNCLButtonDblClk(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  const int code = static_cast<int>(m.WParam);
  const TacMenuFacts f = MenuFacts();
  const win::HWND h = Form->Handle();
  if (code == win::HTCAPTION) {
    if (f.SystemMenu && (EnabledMax(f) || EnabledRestore(f))) {
      win::SendMessage(h, win::WM_SYSCOMMAND, f.Maximized || f.Minimized ? win::SC_RESTORE : win::SC_MAXIMIZE, 0);
      if (alive_ && *alive_ && SystemMenu) SystemMenu->UpdateItems(MenuFacts());
    } else if (f.Minimized) {
      win::SendMessage(h, win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
    }
    // Otherwise nothing: the fixed-size main window has no maximize.
    return;
  }
  if (code == win::HTSYSMENU) {
    win::SendMessage(h, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
    return;
  }
  next(m);
}

void TsSkinProvider::WMNCRButtonDown(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned() || !CaptionOrIcon(static_cast<int>(m.WParam))) {
    next(m);
    return;
  }
  RightPressed = true;
}

void TsSkinProvider::WMNCRButtonUp(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned() || !CaptionOrIcon(static_cast<int>(m.WParam))) {
    RightPressed = false;
    next(m);
    return;
  }
  // Over the title the platform's default would open its own menu: a release after a press
  // there opens the skinned one, any other release nothing.
  if (!RightPressed) return;
  RightPressed = false;
  SetHotHT(0);
  biClicked = false;
  const gfx::TPoint p = LParamPoint(m.LParam);
  DropSysMenu(p.X, p.Y);
}

void TsSkinProvider::WMContextMenu(forms::TMessage& m, const forms::TWndNext& next) {
  if (FrameSkinned() && m.LParam != -1 && CaptionOrIcon(HitTest(LParamPoint(m.LParam)))) return;
  next(m);
}

void TsSkinProvider::WMMouseLeave(forms::TMessage& m, const forms::TWndNext& next) {
  // With the border window the title lies outside the form: leaving the client area is
  // not leaving the title buttons (the border window's own leave is).
  if (BorderForm && m.Msg == win::WM_MOUSELEAVE) {
    next(m);
    return;
  }
  if (!(biClicked && win::GetCapture() == Form->Handle())) {
    SetHotHT(-1);
    biClicked = false;
  }
  next(m);
}

void TsSkinProvider::WMCaptureChanged(forms::TMessage& m, const forms::TWndNext& next) {
  // Capture taken away while a title button is held (another window, a menu): the press
  // ends without its action.
  if (pressedHT_ != 0 && reinterpret_cast<win::HWND>(m.LParam) != Form->Handle()) {
    const int pressed = pressedHT_;
    pressedHT_ = 0;
    biClicked = false;
    if (TsCaptionButton* b = ButtonOf(pressed); b != nullptr && b->cpState != 0) {
      b->cpState = 0;
      RepaintButton(pressed);
    }
    CurrentHT = 0;
  }
  next(m);
}

void TsSkinProvider::WMSysCommand(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  const win::WPARAM command = m.WParam & 0xFFF0;
  const win::HWND h = Form->Handle();
  const TacMenuFacts f = MenuFacts();
  if (command == win::SC_KEYMENU && m.LParam == u' ') {
    const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
    if (f.SystemMenu && (style & (win::WS_BORDER | win::WS_DLGFRAME | win::WS_THICKFRAME)) != 0) {
      const win::RECT wr = FrameRectOnScreen();
      const int fw = FrameWidth();
      DropSysMenu(wr.Left + fw, wr.Top + fw + Form->BorderWidth() + FIconRect.Height() - (f.Minimized ? 16 : 0));
    }
    return;
  }
  if (command == win::SC_MOUSEMENU) {
    const win::RECT wr = FrameRectOnScreen();
    const int fw = FrameWidth();
    DropSysMenu(wr.Left + fw, wr.Top + fw + Form->BorderWidth() + FIconRect.Height() + fw);
    return;
  }
  const std::shared_ptr<bool> alive = alive_;
  next(m);
  if (!*alive) return;
  if (command == win::SC_MAXIMIZE || command == win::SC_MINIMIZE || command == win::SC_RESTORE) {
    UpdateGlyphTypes();
    FCommonData->BGChanged = true;
    RgnChanged = true;
    if (SystemMenu) SystemMenu->UpdateItems(MenuFacts());
  }
}

void TsSkinProvider::WMPopupSystemMenu(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  gfx::TPoint p;
  win::GetCursorPos(&p);
  DropSysMenu(p.X, p.Y);
}

// ---- Hot, pressed and the system menu ----

void TsSkinProvider::SetHotHT(int code, bool repaint) {
  if (code == CurrentHT || !FrameSkinned()) return;
  if (CurrentHT > 0 && CurrentHT != code) {
    if (TsCaptionButton* b = ButtonOf(CurrentHT); b != nullptr && b->cpState != 0) {
      b->cpState = 0;
      if (repaint) RepaintButton(CurrentHT);
    }
  }
  CurrentHT = code;
  if (biClicked || code <= 0) return;
  if (TsCaptionButton* b = ButtonOf(code)) {
    b->cpState = 1;
    if (repaint) RepaintButton(code);
  }
}

void TsSkinProvider::PressHT(int code) {
  if (CurrentHT > 0 && CurrentHT != code) {
    if (TsCaptionButton* b = ButtonOf(CurrentHT); b != nullptr && b->cpState != 0) {
      b->cpState = 0;
      RepaintButton(CurrentHT);
    }
  }
  CurrentHT = code;
  const TacMenuFacts f = MenuFacts();
  if ((code == win::HTMAXBUTTON && !(EnabledMax(f) || (f.Maximized && EnabledRestore(f)))) ||
      (code == win::HTCLOSE && !EnabledClose(f))) {
    CurrentHT = 0;
    return;
  }
  TsCaptionButton* b = ButtonOf(code);
  if (b == nullptr) return;
  b->cpState = 2;
  biClicked = true;
  pressedHT_ = code;
  RepaintButton(code);
}

void TsSkinProvider::DropSysMenu(int x, int y) {
  if (!FrameSkinned()) return;
  const win::HWND h = Form->Handle();
  if (win::GetActiveWindow() != h) return;
  if (!SystemMenu) PrepareForm();
  if (!SystemMenu) return;
  const TacMenuFacts facts = MenuFacts();
  TsSkinManager* mgr = Manager();
  if (mgr != nullptr && !mgr->SkinnedPopups) {
    PlatformSysMenu(x, y, facts);
    return;
  }
  SystemMenu->UpdateItems(facts);
  const std::shared_ptr<bool> alive = alive_;
  InMenu = true;
  const win::UINT command = SystemMenu->Popup(x, y);
  if (!*alive) return;
  InMenu = false;
  if (command == 0) return;
  win::SendMessage(h, win::WM_SYSCOMMAND, command, 0);
  if (*alive && SystemMenu) SystemMenu->UpdateItems(MenuFacts());
}

}  // namespace skin

namespace skin {

void TsSkinProvider::PlatformSysMenu(int x, int y, const TacMenuFacts& f) {
  // The platform's own system menu, its items greyed by the same rules; the chosen command
  // is posted.
  const win::HWND h = Form->Handle();
  const win::HMENU menu = win::GetSystemMenu(h, win::FALSE);
  if (menu == nullptr) return;
  auto enable = [&](win::UINT command, bool on) {
    win::EnableMenuItem(menu, command, win::MF_BYCOMMAND | (on ? win::MF_ENABLED : win::MF_GRAYED));
  };
  const bool normal = !f.Minimized && !f.Maximized;
  enable(win::SC_RESTORE, VisibleRestore(f) && EnabledRestore(f));
  enable(win::SC_MOVE, EnabledMove(f) && !f.Minimized);
  enable(win::SC_SIZE, VisibleSize(f) && EnabledSize(f) && normal);
  enable(win::SC_MINIMIZE, VisibleMin(f) && EnabledMin(f));
  enable(win::SC_MAXIMIZE, VisibleMax(f) && EnabledMax(f));
  enable(win::SC_CLOSE, VisibleClose(f) && EnabledClose(f));
  const auto command = static_cast<win::UINT>(
      win::TrackPopupMenu(menu, win::TPM_LEFTALIGN | win::TPM_TOPALIGN | win::TPM_RETURNCMD, x, y, 0, h, nullptr));
  if (command != 0) win::PostMessage(h, win::WM_SYSCOMMAND, command, 0);
}

}  // namespace skin
