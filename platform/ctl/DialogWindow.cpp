// Dialog windows: the "#32770" window procedure of this layer's dialog manager, creation
// with a dialog procedure, modal running and ending.
#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/DialogInternal.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/InputApi.h"
#include "platform/win/Metrics.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"

namespace ctl {

using namespace win;
using namespace detail;

namespace detail {

DialogData* DataOf(HWND dialog) {
  if (!IsDialogWindow(dialog)) return nullptr;
  return reinterpret_cast<DialogData*>(GetWindowLongPtr(dialog, kDialogDataOffset));
}

}  // namespace detail

namespace {

DLGPROC g_pendingProc = nullptr;
HHOOK g_creationHook = nullptr;

bool ReturnsValue(UINT msg) {
  return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG || msg == 0x002E ||
         msg == 0x002F || msg == WM_GETDLGCODE;
}

void FocusFirst(HWND dialog) {
  DialogData* d = DataOf(dialog);
  HWND target = d && d->focus && IsWindow(d->focus) ? d->focus : GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (target && IsWindowVisible(target) && IsWindowEnabled(target)) GotoDlgCtrl(dialog, target);
  else SetFocus(dialog);
}

LRESULT DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) SetWindowLongPtr(hwnd, kDialogDataOffset, reinterpret_cast<LONG_PTR>(new DialogData));
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(hwnd, DWLP_DLGPROC));
  if (proc && msg != WM_NCCREATE && msg != WM_NCDESTROY) {
    SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 0);
    LRESULT r = proc(hwnd, msg, wParam, lParam);
    if (r) return ReturnsValue(msg) ? r : GetWindowLongPtr(hwnd, DWLP_MSGRESULT);
    if (!IsWindow(hwnd)) return 0;
  }
  DialogData* d = DataOf(hwnd);
  switch (msg) {
    case WM_NCDESTROY:
      if (proc) proc(hwnd, msg, wParam, lParam);
      SetWindowLongPtr(hwnd, kDialogDataOffset, 0);
      delete d;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CLOSE: {
      HWND cancel = GetDlgItem(hwnd, IDCANCEL);
      if (!cancel || IsWindowEnabled(cancel))
        SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      return 0;
    }
    case DM_GETDEFID: {
      int id = DefaultId(hwnd);
      return id ? MAKELRESULT(static_cast<unsigned>(id), DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
      if (d) {
        d->defId = static_cast<int>(wParam);
        HWND focus = GetFocus();
        bool onButton = focus && GetParent(focus) == hwnd &&
                        (SendMessage(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
        if (!onButton) ShowDefaultOn(hwnd, nullptr);
      }
      return TRUE;
    case WM_NEXTDLGCTL: {
      HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                           : GetNextDlgTabItem(hwnd, GetFocus() && IsChild(hwnd, GetFocus()) ? GetFocus() : nullptr,
                                               wParam ? TRUE : FALSE);
      GotoDlgCtrl(hwnd, target);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) FocusFirst(hwnd);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      // Activated while still hidden (its owner gave the activation away): the focus
      // goes in once it shows.
      auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (wp && (wp->flags & SWP_SHOWWINDOW) && GetActiveWindow() == hwnd) {
        HWND focus = GetFocus();
        if (!focus || !IsChild(hwnd, focus)) FocusFirst(hwnd);
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    case WM_SETFOCUS:
      if (d && d->focus && IsWindow(d->focus) && d->focus != hwnd) SetFocus(d->focus);
      return 0;
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SYSCHAR: {
      // Keys that reach the dialog itself (no control has the focus).
      MSG m{hwnd, msg, wParam, lParam, 0, {}};
      if (IsDialogMessage(hwnd, &m)) return 0;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    case WM_SETFONT: SetProp(hwnd, u"CtlDialogFont", reinterpret_cast<HANDLE>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(GetProp(hwnd, u"CtlDialogFont"));
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

// Installed around the creation of a dialog window only: it gives the new "#32770"
// window the dialog manager's procedure before any later hook (or any message) sees it.
LRESULT CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_pendingProc) {
    auto* cbt = reinterpret_cast<CBT_CREATEWND*>(lParam);
    const char16_t* cls = cbt && cbt->lpcs ? cbt->lpcs->lpszClass : nullptr;
    bool dialog = cls && (IS_INTRESOURCE(cls) ? ATOMOF(cls) == DIALOG_CLASS_ATOM : std::u16string(cls) == WC_DIALOG);
    if (dialog) {
      auto hwnd = reinterpret_cast<HWND>(wParam);
      SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogWindowProc));
      SetWindowLongPtr(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(g_pendingProc));
      g_pendingProc = nullptr;
    }
  }
  return CallNextHookEx(g_creationHook, code, wParam, lParam);
}

}  // namespace

gfx::FontObject* DialogFont() { return static_cast<gfx::FontObject*>(gfx::GetStockObject(gfx::DEFAULT_GUI_FONT)); }

HWND CreateDialogWindow(const DialogParams& params) {
  RegisterControlClasses();
  DWORD style = params.style ? params.style : (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
  DWORD exStyle = params.exStyle | ((style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0) | WS_EX_CONTROLPARENT;
  g_pendingProc = params.proc ? params.proc : [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; };
  g_creationHook = SetWindowsHookEx(WH_CBT, &CreationHook, nullptr, GetCurrentThreadId());
  // By atom, as the platform's dialog manager does: hooks see the dialog class that way.
  HWND hwnd = CreateWindowEx(exStyle, MAKEINTATOM(DIALOG_CLASS_ATOM), params.title.c_str(), style & ~WS_VISIBLE,
                             params.rect.Left, params.rect.Top, params.rect.Width(), params.rect.Height(), params.owner,
                             nullptr, nullptr, nullptr);
  UnhookWindowsHookEx(g_creationHook);
  g_creationHook = nullptr;
  g_pendingProc = nullptr;
  if (!hwnd) return nullptr;
  SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  LRESULT focusFirst = SendMessage(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), params.param);
  if (!IsWindow(hwnd)) return nullptr;
  if (DialogData* d = DataOf(hwnd)) {
    // The focus goes where the procedure put it, or to the first tab stop once the
    // dialog shows; the children were made while it was hidden.
    if (!focusFirst && !d->focus) d->focus = GetFocus() && IsChild(hwnd, GetFocus()) ? GetFocus() : nullptr;
    if (focusFirst && !d->focus) d->focus = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  }
  return hwnd;
}

HWND CreateDialogItem(HWND dialog, const char16_t* className, const std::u16string& text, DWORD style, const RECT& r,
                      int id, DWORD exStyle) {
  HWND h =
      CreateWindowEx(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.Left, r.Top, r.Width(),
                     r.Height(), dialog, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
  if (h) SendMessage(h, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  return h;
}

RECT CentredOn(HWND owner, SIZE size) {
  RECT work = GetWorkArea();
  RECT around = work;
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
  int x =
      std::clamp(around.Left + (around.Width() - size.cx) / 2, work.Left, std::max(work.Left, work.Right - size.cx));
  int y = std::clamp(around.Top + (around.Height() - size.cy) / 2, work.Top, std::max(work.Top, work.Bottom - size.cy));
  return gfx::Bounds(x, y, size.cx, size.cy);
}

LRESULT RunDialog(HWND dialog) {
  if (!IsWindow(dialog)) return -1;
  LRESULT r = RunModalLoop(dialog);
  DialogData* d = DataOf(dialog);
  if (d && d->ended) r = d->result;
  else r = IDCANCEL;
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return r;
}

LRESULT DialogBox(const DialogParams& params) {
  HWND dialog = CreateDialogWindow(params);
  return dialog ? RunDialog(dialog) : -1;
}

BOOL EndDialog(HWND dialog, LRESULT result) {
  DialogData* d = DataOf(dialog);
  if (!d) return FALSE;
  if (d->ended) return TRUE;  // the first answer stands
  d->ended = true;
  d->result = result;
  if (InModalLoop(dialog)) EndModalLoop(dialog, result);
  else DestroyWindow(dialog);
  return TRUE;
}

std::u16string GetDlgItemText(HWND dialog, int id) {
  HWND h = GetDlgItem(dialog, id);
  return h ? GetWindowText(h) : std::u16string();
}

BOOL SetDlgItemText(HWND dialog, int id, const std::u16string& text) {
  HWND h = GetDlgItem(dialog, id);
  return h ? SetWindowText(h, text) : FALSE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND h = GetDlgItem(dialog, id);
  return h ? SendMessage(h, msg, wParam, lParam) : 0;
}

}  // namespace ctl
