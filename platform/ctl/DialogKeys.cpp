// The dialog manager's keyboard interface: Tab order, arrow keys within a group, Enter
// for the default button, Escape for IDCANCEL, mnemonics, and the default button look
// following the focus.
#include <algorithm>
#include <vector>

#include "platform/base/TextCase.h"
#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/DialogInternal.h"
#include "platform/ctl/EditApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"

namespace ctl {

using namespace win;
using namespace detail;

namespace {

std::vector<HWND> Children(HWND dialog) {
  std::vector<HWND> out;
  for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
  return out;
}

DWORD StyleOf(HWND h) { return static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE)); }

bool Usable(HWND h) { return IsWindowVisible(h) && IsWindowEnabled(h); }

// The dialog's direct child that holds (or is) `control`.
HWND TopChild(HWND dialog, HWND control) {
  while (control && GetParent(control) != dialog && (StyleOf(control) & WS_CHILD)) control = GetParent(control);
  return control && GetParent(control) == dialog ? control : nullptr;
}

LRESULT DlgCode(HWND h, UINT msg = 0, WPARAM wParam = 0) {
  MSG m{h, msg, wParam, 0, 0, {}};
  return SendMessage(h, WM_GETDLGCODE, wParam, msg ? reinterpret_cast<LPARAM>(&m) : 0);
}

// The letter a "&" marks in a control's text (0 for none; "&&" is a plain "&").
char16_t Mnemonic(const std::u16string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return base::ToLowerUi(text[i + 1]);
  }
  return 0;
}

void PressButton(HWND dialog, HWND button) {
  LRESULT code = DlgCode(button);
  if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
    SendMessage(button, BM_CLICK, 0, 0);
  } else {
    GotoDlgCtrl(dialog, button);
    SendMessage(button, BM_CLICK, 0, 0);
  }
}

bool DoMnemonic(HWND dialog, HWND focus, char16_t ch) {
  ch = base::ToLowerUi(ch);
  std::vector<HWND> kids = Children(dialog);
  if (kids.empty()) return false;
  HWND from = TopChild(dialog, focus);
  auto start = std::find(kids.begin(), kids.end(), from);
  std::size_t first = start == kids.end() ? 0 : static_cast<std::size_t>(start - kids.begin()) + 1;
  for (std::size_t k = 0; k < kids.size(); ++k) {
    HWND h = kids[(first + k) % kids.size()];
    if (!IsWindowVisible(h) || Mnemonic(GetWindowText(h)) != ch) continue;
    LRESULT code = DlgCode(h);
    if (code & DLGC_STATIC) {
      // A label hands the focus to the control that follows it.
      std::size_t at = (first + k) % kids.size();
      for (std::size_t j = 1; j < kids.size(); ++j) {
        HWND next = kids[(at + j) % kids.size()];
        if (Usable(next) && (StyleOf(next) & WS_TABSTOP)) {
          GotoDlgCtrl(dialog, next);
          return true;
        }
      }
      return true;
    }
    if (!IsWindowEnabled(h)) continue;
    if (code & DLGC_BUTTON) PressButton(dialog, h);
    else GotoDlgCtrl(dialog, h);
    return true;
  }
  return false;
}

bool DialogKey(HWND dialog, HWND focus, UINT msg, WPARAM wParam) {
  LRESULT code = focus && focus != dialog ? DlgCode(focus, msg, wParam) : 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  if (msg == WM_SYSCHAR) return wParam >= 0x20 && DoMnemonic(dialog, focus, static_cast<char16_t>(wParam));
  if (code & DLGC_WANTALLKEYS) return false;
  if (msg == WM_CHAR) {
    if (wParam == u'\t') return !(code & DLGC_WANTTAB);
    if (wParam == u'\r' || wParam == 0x1B) return true;
    if (!(code & DLGC_WANTCHARS) && wParam > 0x20) return DoMnemonic(dialog, focus, static_cast<char16_t>(wParam));
    return false;
  }
  if (msg != WM_KEYDOWN) return false;
  switch (wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      HWND next = GetNextDlgTabItem(dialog, TopChild(dialog, focus), shift ? TRUE : FALSE);
      if (next) GotoDlgCtrl(dialog, next);
      return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (code & DLGC_WANTARROWS) return false;
      HWND from = TopChild(dialog, focus);
      HWND next = GetNextDlgGroupItem(dialog, from, wParam == VK_LEFT || wParam == VK_UP ? TRUE : FALSE);
      if (next && next != from) {
        GotoDlgCtrl(dialog, next);
        if (DlgCode(next) & DLGC_RADIOBUTTON) SendMessage(next, BM_CLICK, 0, 0);
      }
      return true;
    }
    case VK_RETURN: {
      int id = (code & DLGC_DEFPUSHBUTTON) ? GetDlgCtrlID(focus) : DefaultId(dialog);
      if (id == 0) id = IDOK;
      HWND button = GetDlgItem(dialog, id);
      if (button && !IsWindowEnabled(button)) return true;
      SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                  reinterpret_cast<LPARAM>(button));
      return true;
    }
    case VK_ESCAPE: {
      HWND cancel = GetDlgItem(dialog, IDCANCEL);
      if (cancel && !IsWindowEnabled(cancel)) return true;
      SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      return true;
    }
    default: return false;
  }
}

}  // namespace

namespace detail {

bool DialogKeyFilter(HWND control, UINT msg, WPARAM wParam, LPARAM) {
  if (msg != WM_KEYDOWN && msg != WM_CHAR && msg != WM_SYSCHAR) return false;
  HWND dialog = DialogOf(control);
  return dialog && DialogKey(dialog, control, msg, wParam);
}

void DialogFocusChanged(HWND control) {
  HWND dialog = DialogOf(control);
  if (!dialog || GetParent(control) != dialog) return;
  if (DataOf(dialog)) DataOf(dialog)->focus = control;
  LRESULT code = DlgCode(control);
  ShowDefaultOn(dialog, (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) ? control : nullptr);
}

int DefaultId(HWND dialog) {
  if (DialogData* d = DataOf(dialog); d && d->defId) return d->defId;
  for (HWND h : Children(dialog))
    if (GetClassName(h) == WC_BUTTON && (StyleOf(h) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return GetDlgCtrlID(h);
  return 0;
}

void ShowDefaultOn(HWND dialog, HWND button) {
  DialogData* d = DataOf(dialog);
  if (!d) return;  // a dialog of another manager keeps its own looks
  // The default made at creation is remembered before the look first moves away from it.
  if (!d->defId) d->defId = DefaultId(dialog);
  if (!button && d->defId) button = GetDlgItem(dialog, d->defId);
  if (!button) return;
  for (HWND h : Children(dialog)) {
    if (GetClassName(h) != WC_BUTTON) continue;
    DWORD type = StyleOf(h) & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) continue;
    DWORD want = h == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (type != want) SendMessage(h, BM_SETSTYLE, want, TRUE);
  }
}

}  // namespace detail

BOOL IsDialogMessage(HWND dialog, MSG* msg) {
  if (!dialog || !msg || !msg->hwnd) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  if (msg->message != WM_KEYDOWN && msg->message != WM_CHAR && msg->message != WM_SYSCHAR) return FALSE;
  return DialogKey(dialog, msg->hwnd, msg->message, msg->wParam) ? TRUE : FALSE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  std::vector<HWND> kids = Children(dialog);
  if (kids.empty()) return nullptr;
  auto at = std::find(kids.begin(), kids.end(), control);
  int n = static_cast<int>(kids.size());
  int start = at == kids.end() ? (previous ? 0 : n - 1) : static_cast<int>(at - kids.begin());
  for (int k = 1; k <= n; ++k) {
    int i = ((start + (previous ? -k : k)) % n + n) % n;
    HWND h = kids[static_cast<std::size_t>(i)];
    if (Usable(h) && (StyleOf(h) & WS_TABSTOP)) return h;
  }
  return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  std::vector<HWND> kids = Children(dialog);
  auto at = std::find(kids.begin(), kids.end(), control);
  if (at == kids.end()) return nullptr;
  // The group: from the WS_GROUP control at or before `control` to the next one.
  auto first = at;
  while (first != kids.begin() && !(StyleOf(*first) & WS_GROUP)) --first;
  auto last = at + 1;
  while (last != kids.end() && !(StyleOf(*last) & WS_GROUP)) ++last;
  std::vector<HWND> group(first, last);
  int n = static_cast<int>(group.size());
  int pos = static_cast<int>(at - first);
  for (int k = 1; k < n; ++k) {
    int i = ((pos + (previous ? -k : k)) % n + n) % n;
    if (Usable(group[static_cast<std::size_t>(i)])) return group[static_cast<std::size_t>(i)];
  }
  return control;
}

void GotoDlgCtrl(HWND dialog, HWND control) {
  if (!control) return;
  if (dialog && !IsWindowVisible(dialog)) {
    // A dialog that does not show yet takes the focus there once it is activated.
    if (DialogData* d = DataOf(dialog)) d->focus = control;
    return;
  }
  SetFocus(control);
  if (GetFocus() == control || IsChild(control, GetFocus())) {
    HWND target = GetFocus();
    if (DlgCode(target) & DLGC_HASSETSEL) SendMessage(target, EM_SETSEL, 0, -1);
  }
}

}  // namespace ctl
