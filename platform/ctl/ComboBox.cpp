// The "ComboBox" control: a drop-down list (CBS_DROPDOWNLIST) or a drop-down with an
// edit field (CBS_DROPDOWN), whose list drops down as a "ComboLBox" popup below it (above
// it when the screen ends). The items live in that list; CB_ messages go to it as LB_
// messages.
#include <algorithm>

#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ComboBoxApi.h"
#include "platform/ctl/ComboInternal.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/ControlProcs.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/EditApi.h"
#include "platform/ctl/ListBoxApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

namespace {

constexpr const char16_t* kComboOfEdit = u"CtlComboOfEdit";
constexpr const char16_t* kEditOldProc = u"CtlComboEditProc";

}  // namespace

class ComboBox final : public ControlObject {
 public:
  ComboBox(HWND h, const CREATESTRUCT& cs) : ControlObject(h), droppedHeight_(std::max(cs.cy, 0)) {}
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  // Keys the edit child of a CBS_DROPDOWN combo box passes on (its subclass).
  bool EditKey(UINT msg, WPARAM wParam);
  bool Dropped() const { return dropped_; }

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
  bool HasEdit() const { return (Style() & 3) == CBS_DROPDOWN || (Style() & 3) == CBS_SIMPLE; }
  int FieldHeight() const { return itemHeight_ + 8; }
  RECT ButtonRect() const;
  RECT FieldRect() const;
  LRESULT List(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const { return SendMessage(list_, msg, wParam, lParam); }
  int CurSel() const { return static_cast<int>(List(LB_GETCURSEL)); }
  std::u16string ItemText(int i) const;
  void Create(const CREATESTRUCT& cs);
  void Drop();
  void CloseUp(bool ok);
  // Selects an item as the user does (the edit field follows; CBN_SELCHANGE).
  void SelectByUser(int i);
  void SyncEdit();
  void Notify(WORD code) { NotifyParent(hwnd, code); }
  void Paint(HDC dc, const RECT& area) override;

  HWND list_ = nullptr;
  HWND edit_ = nullptr;
  int droppedHeight_;
  int itemHeight_ = 13;
  bool dropped_ = false;
  bool focused_ = false;  // the focus is on the combo box or its edit
  bool buttonDown_ = false;
  int selAtDrop_ = -1;
  bool consumedKey_ = false;
  bool settingEdit_ = false;  // the field's text changes by the combo box, not by the user  // the last key went to the
                              // combo box (its character is dropped too)
  const void* hfont_ = nullptr;
};

namespace {

ComboBox* ComboOf(HWND edit) {
  HWND combo = static_cast<HWND>(GetProp(edit, kComboOfEdit));
  return combo ? reinterpret_cast<ComboBox*>(GetWindowLongPtr(combo, 0)) : nullptr;
}

// The edit of a CBS_DROPDOWN combo box: arrows, F4 and, while the list is down, Enter
// and Escape belong to the combo box.
LRESULT EditSubclass(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetProp(h, kEditOldProc));
  ComboBox* combo = ComboOf(h);
  if (combo) {
    if (msg == WM_GETDLGCODE && combo->Dropped()) return CallWindowProc(old, h, msg, wParam, lParam) | DLGC_WANTALLKEYS;
    if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_CHAR) && combo->EditKey(msg, wParam)) return 0;
  }
  if (msg == WM_NCDESTROY) {
    RemoveProp(h, kComboOfEdit);
    RemoveProp(h, kEditOldProc);
    SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
  }
  return CallWindowProc(old, h, msg, wParam, lParam);
}

}  // namespace

RECT ComboBox::ButtonRect() const {
  RECT c;
  GetClientRect(hwnd, &c);
  int w = GetSystemMetrics(SM_CXVSCROLL);
  return {c.Right - 2 - w, c.Top + 2, c.Right - 2, c.Bottom - 2};
}

RECT ComboBox::FieldRect() const {
  RECT c;
  GetClientRect(hwnd, &c);
  RECT b = ButtonRect();
  return {c.Left + 2, c.Top + 2, b.Left, c.Bottom - 2};
}

std::u16string ComboBox::ItemText(int i) const {
  LRESULT n = List(LB_GETTEXTLEN, static_cast<WPARAM>(i));
  if (n < 0) return {};
  std::u16string s(static_cast<std::size_t>(n) + 1, u'\0');
  List(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<std::size_t>(n));
  return s;
}

void ComboBox::Create(const CREATESTRUCT& cs) {
  gfx::Surface probe;
  probe.SetFont(draw::FontOf(nullptr));
  itemHeight_ = std::max(1, probe.GetTextMetrics().tmHeight);
  // The window shows only its field; the height given at creation is the dropped height.
  HWND root = GetAncestor(hwnd, GA_ROOT);
  list_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, WC_COMBOLBOX, u"",
                         WS_POPUP | WS_BORDER | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY |
                             ((static_cast<DWORD>(cs.style) & CBS_SORT) ? LBS_SORT : 0),
                         0, 0, std::max(cs.cx, 1), 10, root, nullptr, nullptr, hwnd);
  if (HasEdit()) {
    RECT f = FieldRect();
    edit_ = CreateWindowEx(0, WC_EDIT, u"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, f.Left + 1, f.Top + 1,
                           f.Width() - 1, f.Height() - 1, hwnd,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(kComboEditId)), nullptr, nullptr);
    if (edit_) {
      SetProp(edit_, kComboOfEdit, hwnd);
      SetProp(edit_, kEditOldProc, reinterpret_cast<HANDLE>(GetWindowLongPtr(edit_, GWLP_WNDPROC)));
      SetWindowLongPtr(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditSubclass));
    }
  }
  // Scroll bar styles belong to the list; the combo box itself shows none.
  DWORD style = Style();
  if (style & (WS_VSCROLL | WS_HSCROLL))
    SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style & ~(WS_VSCROLL | WS_HSCROLL)));
  SetWindowPos(hwnd, nullptr, 0, 0, cs.cx, FieldHeight(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ComboBox::SyncEdit() {
  if (!edit_) return;
  int i = CurSel();
  settingEdit_ = true;
  SetWindowText(edit_, i >= 0 ? ItemText(i) : std::u16string());
  settingEdit_ = false;
  SendMessage(edit_, EM_SETSEL, 0, -1);
}

void ComboBox::SelectByUser(int i) {
  int count = static_cast<int>(List(LB_GETCOUNT));
  if (count == 0) return;
  i = std::clamp(i, 0, count - 1);
  if (i == CurSel()) return;
  List(LB_SETCURSEL, static_cast<WPARAM>(i));
  SyncEdit();
  InvalidateRect(hwnd, nullptr, FALSE);
  if (!dropped_) Notify(CBN_SELCHANGE);
}

void ComboBox::Drop() {
  if (dropped_ || !list_) return;
  Notify(CBN_DROPDOWN);
  if (!IsWindow(hwnd)) return;
  selAtDrop_ = CurSel();
  RECT wr;
  GetWindowRect(hwnd, &wr);
  int count = std::max(1, static_cast<int>(List(LB_GETCOUNT)));
  int itemH = static_cast<int>(List(LB_GETITEMHEIGHT));
  int room = std::max(itemH, droppedHeight_ - wr.Height() - 2);
  int h = std::min(count * itemH, std::max(itemH, room / itemH * itemH)) + 2;
  RECT work = GetWorkArea();
  int y = wr.Bottom;
  if (y + h > work.Bottom && wr.Top - h >= work.Top) y = wr.Top - h;
  SetWindowPos(list_, HWND_TOPMOST, wr.Left, y, wr.Width(), h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (int sel = CurSel(); sel >= 0) List(LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, sel - 2)));
  dropped_ = true;
  SetCapture(list_);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void ComboBox::CloseUp(bool ok) {
  if (!dropped_) return;
  dropped_ = false;
  buttonDown_ = false;
  ShowWindow(list_, SW_HIDE);
  if (GetCapture() == list_) ReleaseCapture();
  int sel = CurSel();
  if (!ok) List(LB_SETCURSEL, static_cast<WPARAM>(selAtDrop_));
  else SyncEdit();
  InvalidateRect(hwnd, nullptr, FALSE);
  Notify(ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (!IsWindow(hwnd)) return;
  Notify(CBN_CLOSEUP);
  if (IsWindow(hwnd) && ok && sel != selAtDrop_) Notify(CBN_SELCHANGE);
}

bool ComboBox::EditKey(UINT msg, WPARAM wParam) {
  int vk = static_cast<int>(wParam);
  bool alt = GetKeyState(VK_MENU) < 0;
  if (msg == WM_CHAR) {
    // The character of Enter or Escape that closed the list goes nowhere.
    return (wParam == u'\r' || wParam == 0x1B) && consumedKey_;
  }
  consumedKey_ = false;
  if (vk == VK_F4 || ((vk == VK_DOWN || vk == VK_UP) && alt)) {
    dropped_ ? CloseUp(true) : Drop();
    return consumedKey_ = true;
  }
  if (msg == WM_SYSKEYDOWN) return false;
  if (dropped_ && (vk == VK_RETURN || vk == VK_ESCAPE)) {
    CloseUp(vk == VK_RETURN);
    return consumedKey_ = true;
  }
  int sel = CurSel();
  int count = static_cast<int>(List(LB_GETCOUNT));
  int next;
  switch (vk) {
    case VK_UP: next = sel < 0 ? 0 : sel - 1; break;
    case VK_DOWN: next = sel < 0 ? 0 : sel + 1; break;
    case VK_PRIOR: next = sel - 8; break;
    case VK_NEXT: next = sel + 8; break;
    case VK_HOME:
    case VK_END:
      if (edit_) return false;  // the edit moves its caret
      next = vk == VK_HOME ? 0 : count - 1;
      break;
    default: return false;
  }
  SelectByUser(next);
  return true;
}

void ComboBox::Paint(HDC dc, const RECT&) {
  RECT c;
  GetClientRect(hwnd, &c);
  bool enabled = IsWindowEnabled(hwnd) != FALSE;
  PaintColors colors =
      ParentColors(hwnd, edit_ ? WM_CTLCOLOREDIT : WM_CTLCOLORLISTBOX, dc, gfx::GetSysColor(gfx::COLOR_WINDOWTEXT),
                   gfx::GetSysColor(enabled ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE));
  RECT frame = c;
  draw::DrawEdge(dc, frame, draw::Edge::Sunken);
  dc->FillRect(frame, colors.back);
  RECT b = ButtonRect();
  if (buttonDown_) {
    dc->FillRect(b, gfx::GetSysColor(gfx::COLOR_BTNFACE));
    RECT f = b;
    draw::Frame(dc, f, gfx::GetSysColor(gfx::COLOR_BTNSHADOW), gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  } else {
    draw::DrawButtonFace(dc, b, draw::ButtonLook::Normal);
  }
  RECT glyph = buttonDown_ ? b.Offset(1, 1) : b;
  gfx::TColor arrow = gfx::GetSysColor(enabled ? gfx::COLOR_BTNTEXT : gfx::COLOR_GRAYTEXT);
  draw::DrawArrow(dc, glyph, draw::Arrow::Down, std::max(2, (b.Width() - 1) / 4), arrow);
  if (edit_) return;
  // The selection field of a drop-down list: highlighted while focused and closed.
  RECT field = FieldRect();
  RECT item{field.Left + 1, field.Top + 1, field.Right - 1, field.Bottom - 1};
  bool hot = focused_ && !dropped_;
  if (hot) dc->FillRect(item, gfx::GetSysColor(gfx::COLOR_HIGHLIGHT));
  int sel = CurSel();
  if (sel >= 0) {
    int level = dc->Save();
    dc->SetFont(draw::FontOf(hfont_));
    dc->SetBkMode(gfx::BkMode::Transparent);
    dc->SetTextColor(!enabled ? gfx::GetSysColor(gfx::COLOR_GRAYTEXT)
                     : hot    ? gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT)
                              : colors.text);
    RECT t{item.Left + 2, item.Top, item.Right - 1, item.Bottom};
    dc->DrawText(ItemText(sel), t, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS);
    dc->Restore(level);
  }
  if (hot) draw::DrawFocusRect(dc, item);
}

LRESULT ComboBox::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: Create(*reinterpret_cast<const CREATESTRUCT*>(lParam)); return 0;
    case WM_DESTROY:
      if (list_) DestroyWindow(list_);
      list_ = nullptr;
      return 0;
    case kComboCloseUp: CloseUp(wParam != 0); return 0;
    case CB_ADDSTRING: return List(LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING: return List(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: {
      LRESULT r = List(LB_DELETESTRING, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case CB_RESETCONTENT:
      List(LB_RESETCONTENT);
      SyncEdit();
      InvalidateRect(hwnd, nullptr, FALSE);
      return CB_OKAY;
    case CB_GETCOUNT: return List(LB_GETCOUNT);
    case CB_GETCURSEL: return List(LB_GETCURSEL);
    case CB_SETCURSEL: {
      LRESULT r = List(LB_SETCURSEL, wParam);
      SyncEdit();
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case CB_GETLBTEXT: return List(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return List(LB_GETTEXTLEN, wParam);
    case CB_FINDSTRING: return List(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return List(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
      LRESULT r = List(LB_SELECTSTRING, wParam, lParam);
      SyncEdit();
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case CB_GETITEMDATA: return List(LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA: return List(LB_SETITEMDATA, wParam, lParam);
    case CB_GETITEMHEIGHT:
      return static_cast<int>(static_cast<LONG>(wParam)) == -1 ? FieldHeight() - 6 : List(LB_GETITEMHEIGHT);
    case CB_SETITEMHEIGHT: return List(LB_SETITEMHEIGHT, 0, lParam);
    case CB_SHOWDROPDOWN:
      if (wParam) Drop();
      else CloseUp(false);
      return TRUE;
    case CB_GETDROPPEDSTATE: return dropped_ ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
      if (!lParam) return CB_ERR;
      RECT wr;
      GetWindowRect(hwnd, &wr);
      *reinterpret_cast<RECT*>(lParam) = {wr.Left, wr.Top, wr.Right, wr.Top + std::max(droppedHeight_, wr.Height())};
      return TRUE;
    }
    case CB_GETEDITSEL: return edit_ ? SendMessage(edit_, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
      if (!edit_) return CB_ERR;
      SendMessage(edit_, EM_SETSEL,
                  static_cast<WPARAM>(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)))),
                  static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))));
      return TRUE;
    case CB_LIMITTEXT: return edit_ ? (SendMessage(edit_, EM_LIMITTEXT, wParam, 0), TRUE) : CB_ERR;
    case CB_GETCOMBOBOXINFO: {
      auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
      if (!info) return FALSE;
      info->rcItem = FieldRect();
      info->rcButton = ButtonRect();
      info->stateButton = buttonDown_ ? 0x8 : 0;
      info->hwndCombo = hwnd;
      info->hwndItem = edit_ ? edit_ : hwnd;
      info->hwndList = list_;
      return TRUE;
    }
    case WM_SETTEXT: {
      if (edit_) return SendMessage(edit_, msg, wParam, lParam);
      auto* s = reinterpret_cast<const char16_t*>(lParam);
      LRESULT i = List(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam);
      if (i < 0 && s && *s) return CB_ERR;
      List(LB_SETCURSEL, static_cast<WPARAM>(i));
      InvalidateRect(hwnd, nullptr, FALSE);
      return TRUE;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
      if (edit_) return SendMessage(edit_, msg, wParam, lParam);
      int sel = CurSel();
      std::u16string t = sel >= 0 ? ItemText(sel) : std::u16string();
      if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(t.size());
      auto* buf = reinterpret_cast<char16_t*>(lParam);
      if (!buf || wParam == 0) return 0;
      std::size_t n = std::min<std::size_t>(t.size(), wParam - 1);
      std::copy_n(t.data(), n, buf);
      buf[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_COMMAND:
      // Changes of the edit field are the combo box's own.
      if (edit_ && reinterpret_cast<HWND>(lParam) == edit_) {
        WORD code = HIWORD(wParam);
        if (settingEdit_ && (code == EN_UPDATE || code == EN_CHANGE)) return 0;
        if (code == EN_UPDATE) Notify(CBN_EDITUPDATE);
        if (code == EN_CHANGE) {
          if (dropped_) {
            std::u16string t = GetWindowText(edit_);
            LRESULT i = List(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(t.c_str()));
            if (i >= 0) List(LB_SETCURSEL, static_cast<WPARAM>(i));
          }
          Notify(CBN_EDITCHANGE);
        }
        if (code == EN_SETFOCUS && !focused_) {
          focused_ = true;
          Notify(CBN_SETFOCUS);
        }
        if (code == EN_KILLFOCUS) {
          HWND to = GetFocus();
          if (to != hwnd && to != edit_) {
            focused_ = false;
            CloseUp(false);
            if (IsWindow(hwnd)) Notify(CBN_KILLFOCUS);
          }
        }
      }
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
      if (edit_) {
        SetFocus(edit_);
        SendMessage(edit_, EM_SETSEL, 0, -1);
        return 0;
      }
      if (!focused_) {
        focused_ = true;
        Notify(CBN_SETFOCUS);
      }
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS: {
      HWND to = reinterpret_cast<HWND>(wParam);
      if (edit_ && to == edit_) return 0;
      if (focused_) {
        focused_ = false;
        CloseUp(false);
        if (IsWindow(hwnd)) Notify(CBN_KILLFOCUS);
      }
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (EditKey(msg, wParam)) return 0;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CHAR: {
      if (EditKey(msg, wParam)) return 0;
      char16_t ch = static_cast<char16_t>(wParam);
      if (!edit_ && ch >= 0x20) {
        LRESULT i =
            List(LB_FINDSTRING, static_cast<WPARAM>(CurSel()), reinterpret_cast<LPARAM>(std::u16string(1, ch).c_str()));
        if (i >= 0) SelectByUser(static_cast<int>(i));
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (!edit_ && GetFocus() != hwnd) SetFocus(hwnd);
      if (!IsWindow(hwnd)) return 0;
      POINT p = LParamToPoint(lParam);
      if (dropped_) {
        CloseUp(false);
        return 0;
      }
      if (!edit_ || ButtonRect().Contains(p)) {
        buttonDown_ = true;
        Drop();
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      if (!dropped_) SelectByUser(CurSel() + (GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1));
      return 0;
    case WM_SETFONT:
      hfont_ = reinterpret_cast<const void*>(wParam);
      if (list_) SendMessage(list_, WM_SETFONT, wParam, 0);
      if (edit_) SendMessage(edit_, WM_SETFONT, wParam, 0);
      if (lParam) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hfont_);
    case WM_SIZE:
      if (edit_) {
        RECT f = FieldRect();
        MoveWindow(edit_, f.Left + 1, f.Top + 1, f.Width() - 1, f.Height() - 1, TRUE);
      }
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_ENABLE:
      if (edit_) EnableWindow(edit_, wParam ? TRUE : FALSE);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<ComboBox>(hwnd, msg, wParam, lParam);
}

}  // namespace ctl::detail
