// The keyboard interface of windowed controls, run in their window procedure so that it
// works under any message loop: key events (and the form's key preview), dialog keys
// that the control does not want (Tab, arrows, Enter, Escape) sent to the form as
// CM_DIALOGKEY, and characters the control does not take (with Alt: always) sent to the
// form as CM_DIALOGCHAR for accelerators. A key used up this way produces no character.
#include "platform/ctl/DialogApi.h"
#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"

namespace forms {

namespace {

// The form (or outermost control) that handles dialog keys for a control.
TWinControl* KeyHost(TWinControl* c) {
  TWinControl* top = c;
  while (top->Parent()) top = top->Parent();
  return top;
}

// The character a used-up key would have produced is dropped.
void DropCharacter(HWND h, UINT charMsg) {
  win::MSG m;
  win::PeekMessage(&m, h, charMsg, charMsg, win::PM_REMOVE);
}

}  // namespace

void TWinControl::KeyDown(win::WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(win::WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::DoKeyDown(win::WORD& key, LPARAM keyData) {
  TShiftState shift = KeyDataToShiftState(keyData);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(key, keyData)) return true;
  if (!ControlStyle().Contains(TControlStyleItem::csNoStdEvents)) {
    KeyDown(key, shift);
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(win::WORD& key, LPARAM keyData) {
  TShiftState shift = KeyDataToShiftState(keyData);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyUp(key, keyData)) return true;
  if (!ControlStyle().Contains(TControlStyleItem::csNoStdEvents)) {
    KeyUp(key, shift);
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(char16_t& key) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(key)) return true;
  if (!ControlStyle().Contains(TControlStyleItem::csNoStdEvents)) {
    KeyPress(key);
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::HandleKeyMessage(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      auto key = static_cast<WORD>(m.WParam);
      bool used = DoKeyDown(key, m.LParam);
      if (!used && m.Msg == WM_KEYDOWN) {
        LRESULT mask = 0;
        switch (key) {
          case VK_TAB: mask = ctl::DLGC_WANTTAB; break;
          case VK_LEFT:
          case VK_RIGHT:
          case VK_UP:
          case VK_DOWN: mask = ctl::DLGC_WANTARROWS; break;
          case VK_RETURN:
          case VK_ESCAPE:
          case VK_CANCEL: mask = ctl::DLGC_WANTALLKEYS; break;
          default: break;
        }
        // The control is asked with the message, as a dialog asks its controls.
        win::MSG msg{handle_, m.Msg, m.WParam, m.LParam, 0, {}};
        if (mask && Perform(CM_WANTSPECIALKEY, key, m.LParam) == 0 &&
            (Perform(WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg)) & mask) == 0) {
          TWinControl* host = KeyHost(this);
          for (TWinControl* p = Parent(); p && !used; p = p->Parent())
            used = p->Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0;
          if (!used) used = host->Perform(CM_DIALOGKEY, key, m.LParam) != 0;
        }
      }
      if (used) {
        if (handle_) DropCharacter(handle_, m.Msg == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR);
        m.Result = 0;
        return true;
      }
      return false;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      auto key = static_cast<WORD>(m.WParam);
      if (DoKeyUp(key, m.LParam)) {
        m.Result = 0;
        return true;
      }
      return false;
    }
    case WM_CHAR: {
      auto ch = static_cast<char16_t>(m.WParam);
      if (DoKeyPress(ch)) {
        m.Result = 0;
        return true;
      }
      m.WParam = ch;
      win::MSG msg{handle_, m.Msg, m.WParam, m.LParam, 0, {}};
      if ((Perform(WM_GETDLGCODE, ch, reinterpret_cast<LPARAM>(&msg)) & ctl::DLGC_WANTCHARS) == 0 &&
          KeyHost(this)->Perform(CM_DIALOGCHAR, ch, m.LParam) != 0) {
        m.Result = 0;
        return true;
      }
      return false;
    }
    case WM_SYSCHAR: {
      auto ch = static_cast<char16_t>(m.WParam);
      if (ch != u' ' && KeyHost(this)->Perform(CM_DIALOGCHAR, ch, m.LParam) != 0) {
        m.Result = 0;
        return true;
      }
      return false;
    }
    default: return false;
  }
}

}  // namespace forms
