// The "ListBox" control and the combo box's drop-down list "ComboLBox": strings with a
// single selection, scrolling, the keyboard, double-click and the LBN_ notifications.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/base/TextCase.h"
#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ComboInternal.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/ControlProcs.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/ListBoxApi.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/ctl/ScrollBarParts.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

class ListBox final : public ControlObject {
 public:
  ListBox(HWND h, const CREATESTRUCT& cs);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  struct Item {
    std::u16string text;
    UINT_PTR data = 0;
  };

  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
  bool OwnerDraw() const { return (Style() & LBS_OWNERDRAWFIXED) != 0; }
  bool HasStrings() const { return !OwnerDraw() || (Style() & LBS_HASSTRINGS); }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Valid(int i) const { return i >= 0 && i < Count(); }
  int Visible() const;
  int MaxTop() const { return std::max(0, Count() - Visible()); }
  int ItemAt(POINT client) const;
  RECT ItemRect(int i) const;
  void Notify(WORD code);
  // Selects item i (-1: none) and shows it; `user` changes notify LBN_SELCHANGE.
  void Select(int i, bool user);
  void ShowItem(int i);
  void SetTop(int top);
  void UpdateScrollBar();
  void Changed();
  int Insert(int index, const char16_t* text, LPARAM raw);
  int Find(int after, std::u16string_view text, bool exact) const;
  void OnKey(int vk);
  void OnChar(char16_t c);
  void OnMouse(UINT msg, POINT p);
  void Paint(HDC dc, const RECT& area) override;
  void Invalidate() {
    if (redraw_) InvalidateRect(hwnd, nullptr, FALSE);
  }
  // Without LBS_NOINTEGRALHEIGHT the list shows whole items only: its height is cut to fit.
  bool IntegralHeight() const { return !combo_ && !(Style() & LBS_NOINTEGRALHEIGHT); }
  void FitHeight();

  std::vector<Item> items_;
  int sel_ = -1;
  int caret_ = 0;
  int top_ = 0;
  int itemHeight_ = 13;
  bool measured_ = false;
  bool focused_ = false;
  bool tracking_ = false;
  bool redraw_ = true;
  const void* hfont_ = nullptr;
  // Drop-down list of a combo box.
  HWND combo_ = nullptr;
  bool wantsScrollBar_ = false;  // made with WS_VSCROLL: the bar shows whenever the items need it
  bool armed_ = false;           // a press or a drag reached the list since it opened
  bool scrolling_ = false;       // its scroll bar holds the mouse for a moment
};

ListBox::ListBox(HWND h, const CREATESTRUCT& cs) : ControlObject(h) {
  if (GetClassName(h) == WC_COMBOLBOX) combo_ = static_cast<HWND>(cs.lpCreateParams);
  wantsScrollBar_ = (static_cast<DWORD>(cs.style) & WS_VSCROLL) != 0;
  gfx::Surface probe;
  probe.SetFont(draw::FontOf(nullptr));
  itemHeight_ = std::max(1, probe.GetTextMetrics().tmHeight);
}

int ListBox::Visible() const {
  RECT c;
  GetClientRect(hwnd, &c);
  return std::max(1, c.Height() / itemHeight_);
}

int ListBox::ItemAt(POINT p) const {
  RECT c;
  GetClientRect(hwnd, &c);
  if (!c.Contains(p)) return -1;
  int i = top_ + p.Y / itemHeight_;
  return Valid(i) ? i : -1;
}

RECT ListBox::ItemRect(int i) const {
  RECT c;
  GetClientRect(hwnd, &c);
  return {c.Left, (i - top_) * itemHeight_, c.Right, (i - top_ + 1) * itemHeight_};
}

void ListBox::Notify(WORD code) {
  if (combo_ || !(Style() & LBS_NOTIFY)) return;
  NotifyParent(hwnd, code);
}

void ListBox::Select(int i, bool user) {
  if (!Valid(i)) i = -1;
  if (Style() & LBS_NOSEL) i = -1;
  if (i >= 0) caret_ = i;
  bool changed = i != sel_;
  sel_ = i;
  if (i >= 0) ShowItem(i);
  if (changed) Invalidate();
  if (changed && user) Notify(LBN_SELCHANGE);
}

void ListBox::ShowItem(int i) {
  if (i < top_) SetTop(i);
  else if (i >= top_ + Visible()) SetTop(i - Visible() + 1);
}

void ListBox::SetTop(int top) {
  top = std::clamp(top, 0, MaxTop());
  if (top == top_) return;
  top_ = top;
  Invalidate();
  UpdateScrollBar();
}

void ListBox::UpdateScrollBar() {
  if (!redraw_ || !wantsScrollBar_) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((Style() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
  si.nMin = 0;
  si.nMax = std::max(0, Count() - 1);
  si.nPage = static_cast<UINT>(Visible());
  si.nPos = top_;
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void ListBox::Changed() {
  top_ = std::clamp(top_, 0, MaxTop());
  caret_ = std::clamp(caret_, 0, std::max(0, Count() - 1));
  UpdateScrollBar();
  Invalidate();
}

int ListBox::Insert(int index, const char16_t* text, LPARAM raw) {
  Item item;
  if (HasStrings()) item.text = text ? text : u"";
  else item.data = static_cast<UINT_PTR>(raw);
  if (index < 0 || index > Count()) index = Count();
  items_.insert(items_.begin() + index, std::move(item));
  if (sel_ >= index) ++sel_;
  Changed();
  return index;
}

int ListBox::Find(int after, std::u16string_view text, bool exact) const {
  int n = Count();
  if (n == 0) return LB_ERR;
  int start = after < 0 || after >= n ? 0 : after + 1;
  for (int k = 0; k < n; ++k) {
    int i = (start + k) % n;
    const std::u16string& s = items_[static_cast<std::size_t>(i)].text;
    if (exact ? (s.size() == text.size() && base::StartsWithIgnoreUiCase(s, text))
              : base::StartsWithIgnoreUiCase(s, text))
      return i;
  }
  return LB_ERR;
}

void ListBox::OnKey(int vk) {
  if (Count() == 0) return;
  if ((Style() & LBS_WANTKEYBOARDINPUT) && !combo_) {
    LRESULT r = SendMessage(GetParent(hwnd), WM_VKEYTOITEM,
                            MAKEWPARAM(static_cast<unsigned>(vk), static_cast<unsigned>(caret_)),
                            reinterpret_cast<LPARAM>(hwnd));
    if (r == -2) return;
    if (r >= 0) {
      Select(static_cast<int>(r), true);
      return;
    }
  }
  int cur = sel_ >= 0 ? sel_ : caret_;
  int next = cur;
  switch (vk) {
    case VK_UP: next = sel_ < 0 ? 0 : cur - 1; break;
    case VK_DOWN: next = sel_ < 0 ? 0 : cur + 1; break;
    case VK_PRIOR: next = cur - std::max(1, Visible() - 1); break;
    case VK_NEXT: next = cur + std::max(1, Visible() - 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = Count() - 1; break;
    default: return;
  }
  Select(std::clamp(next, 0, Count() - 1), true);
}

void ListBox::OnChar(char16_t c) {
  if (c < 0x20) return;
  int i = Find(sel_ >= 0 ? sel_ : caret_ - 1, std::u16string_view(&c, 1), false);
  if (i >= 0) Select(i, true);
}

void ListBox::OnMouse(UINT msg, POINT p) {
  int i = ItemAt(p);
  RECT c;
  GetClientRect(hwnd, &c);
  if (combo_) {
    switch (msg) {
      case WM_MOUSEMOVE:
        if (i >= 0) {
          if (GetKeyState(VK_LBUTTON) < 0) armed_ = true;
          Select(i, false);
        }
        return;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        if (i >= 0 || c.Contains(p)) {
          armed_ = true;
          if (i >= 0) Select(i, false);
          return;
        }
        // On the list's own scroll bar: let the bar have the mouse for a while.
        POINT s = p;
        ClientToScreen(hwnd, &s);
        RECT wr;
        GetWindowRect(hwnd, &wr);
        if (wr.Contains(s) && (Style() & WS_VSCROLL) && p.X >= c.Right) {
          scrolling_ = true;
          HandleFrameScrollBars(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(s), nullptr);
          return;
        }
        SendMessage(combo_, kComboCloseUp, 0, 0);
        return;
      }
      case WM_LBUTTONUP:
        if (i >= 0 && armed_) SendMessage(combo_, kComboCloseUp, 1, 0);
        return;
      default: return;
    }
  }
  switch (msg) {
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      if (!IsWindow(hwnd)) return;
      SetCapture(hwnd);
      tracking_ = true;
      if (i >= 0) Select(i, true);
      return;
    case WM_LBUTTONDBLCLK:
      if (i >= 0) {
        Select(i, true);
        if (IsWindow(hwnd)) Notify(LBN_DBLCLK);
      }
      return;
    case WM_MOUSEMOVE:
      if (!tracking_) return;
      // Dragging past the ends scrolls the list along.
      if (p.Y < 0) i = std::max(0, top_ - 1);
      else if (p.Y >= c.Bottom) i = std::min(Count() - 1, top_ + Visible());
      else if (i < 0) return;
      Select(i, true);
      return;
    case WM_LBUTTONUP:
      if (tracking_) {
        tracking_ = false;
        if (GetCapture() == hwnd) ReleaseCapture();
      }
      return;
    default: return;
  }
}

void ListBox::Paint(HDC dc, const RECT& area) {
  RECT c;
  GetClientRect(hwnd, &c);
  bool enabled = IsWindowEnabled(hwnd) != FALSE;
  PaintColors colors = ParentColors(hwnd, WM_CTLCOLORLISTBOX, dc,
                                    gfx::GetSysColor(enabled ? gfx::COLOR_WINDOWTEXT : gfx::COLOR_GRAYTEXT),
                                    gfx::GetSysColor(gfx::COLOR_WINDOW));
  dc->FillRect(gfx::Intersect(area, c), colors.back);
  int level = dc->Save();
  dc->SetFont(draw::FontOf(hfont_));
  dc->SetBkMode(gfx::BkMode::Transparent);
  unsigned format =
      gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | ((Style() & LBS_USETABSTOPS) ? gfx::DT_EXPANDTABS : 0);
  for (int i = top_; i < Count() && (i - top_) * itemHeight_ < c.Bottom; ++i) {
    RECT r = ItemRect(i);
    if (gfx::Intersect(r, area).IsEmpty()) continue;
    bool selected = i == sel_;
    bool focus = focused_ && i == caret_ && !combo_;
    if (OwnerDraw()) {
      DRAWITEMSTRUCT dis;
      dis.CtlType = ODT_LISTBOX;
      dis.CtlID = ControlId(hwnd);
      dis.itemID = static_cast<UINT>(i);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.itemState = (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
      dis.hwndItem = hwnd;
      dis.hDC = dc;
      dis.rcItem = r;
      dis.itemData = items_[static_cast<std::size_t>(i)].data;
      int inner = dc->Save();
      dc->IntersectClip(r);
      SendMessage(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
      dc->Restore(inner);
      continue;
    }
    if (selected) dc->FillRect(r, gfx::GetSysColor(gfx::COLOR_HIGHLIGHT));
    dc->SetTextColor(selected ? gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT) : colors.text);
    RECT t{r.Left + 2, r.Top, r.Right - 2, r.Bottom};
    dc->DrawText(items_[static_cast<std::size_t>(i)].text, t, format);
    if (focus) draw::DrawFocusRect(dc, r);
  }
  if (focused_ && Count() == 0 && !combo_) draw::DrawFocusRect(dc, {c.Left, c.Top, c.Right, c.Top + itemHeight_});
  dc->Restore(level);
}

void ListBox::FitHeight() {
  if (!IntegralHeight()) return;
  RECT wr;
  GetWindowRect(hwnd, &wr);
  SetWindowPos(hwnd, nullptr, 0, 0, wr.Width(), wr.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ListBox::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFrameScrollBars(hwnd, msg, wParam, lParam, &result)) {
    if (msg == WM_LBUTTONUP && scrolling_ && combo_ && !IsTrackingWindow(hwnd)) {
      scrolling_ = false;
      SetCapture(hwnd);
    }
    return result;
  }
  auto text = reinterpret_cast<const char16_t*>(lParam);
  int index = static_cast<int>(static_cast<LONG>(wParam));
  switch (msg) {
    case WM_CREATE:
      if (OwnerDraw()) {
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_LISTBOX;
        mis.CtlID = ControlId(hwnd);
        mis.itemHeight = static_cast<UINT>(itemHeight_);
        SendMessage(GetParent(hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        itemHeight_ = std::max<int>(1, static_cast<int>(mis.itemHeight));
        measured_ = true;
      }
      UpdateScrollBar();
      FitHeight();
      return 0;
    case WM_WINDOWPOSCHANGING: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      if (IntegralHeight() && wp && !(wp->flags & SWP_NOSIZE)) {
        RECT wr, c;
        GetWindowRect(hwnd, &wr);
        GetClientRect(hwnd, &c);
        int frame = wr.Height() - c.Height();
        int rows = std::max(1, (wp->cy - frame) / itemHeight_);
        wp->cy = std::min(wp->cy, frame + rows * itemHeight_);
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    case LB_ADDSTRING: {
      int at = Count();
      if ((Style() & LBS_SORT) && HasStrings()) {
        std::u16string s = text ? text : u"";
        at = static_cast<int>(std::upper_bound(items_.begin(), items_.end(), s,
                                               [](const std::u16string& v, const Item& it) {
                                                 return base::CompareIgnoreUiCase(v, it.text) < 0;
                                               }) -
                              items_.begin());
      }
      return Insert(at, text, lParam);
    }
    case LB_INSERTSTRING:
      if (index > Count()) return LB_ERR;
      return Insert(index, text, lParam);
    case LB_DELETESTRING:
      if (!Valid(index)) return LB_ERR;
      items_.erase(items_.begin() + index);
      if (sel_ == index) sel_ = -1;
      else if (sel_ > index) --sel_;
      Changed();
      return Count();
    case LB_RESETCONTENT:
      items_.clear();
      sel_ = -1;
      top_ = 0;
      caret_ = 0;
      Changed();
      return LB_OKAY;
    case LB_GETCOUNT: return Count();
    case LB_GETCURSEL: return sel_;
    case LB_SETCURSEL: Select(index, false); return Valid(index) ? index : LB_ERR;
    case LB_GETSEL: return Valid(index) ? (index == sel_ ? 1 : 0) : LB_ERR;
    case LB_GETTEXT: {
      if (!Valid(index) || !lParam) return LB_ERR;
      const Item& it = items_[static_cast<std::size_t>(index)];
      if (!HasStrings()) {
        *reinterpret_cast<UINT_PTR*>(lParam) = it.data;
        return sizeof(UINT_PTR);
      }
      auto* buf = reinterpret_cast<char16_t*>(lParam);
      std::copy(it.text.begin(), it.text.end(), buf);
      buf[it.text.size()] = 0;
      return static_cast<LRESULT>(it.text.size());
    }
    case LB_GETTEXTLEN:
      if (!Valid(index)) return LB_ERR;
      return HasStrings() ? static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].text.size())
                          : sizeof(UINT_PTR);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
      int found = Find(index, text ? std::u16string_view(text) : std::u16string_view(), msg == LB_FINDSTRINGEXACT);
      if (msg == LB_SELECTSTRING && found >= 0) Select(found, false);
      return found;
    }
    case LB_GETTOPINDEX: return top_;
    case LB_SETTOPINDEX:
      if (!Valid(index) && index != 0) return LB_ERR;
      SetTop(index);
      return LB_OKAY;
    case LB_GETITEMHEIGHT: return itemHeight_;
    case LB_SETITEMHEIGHT:
      if (lParam <= 0 || lParam > 255) return LB_ERR;
      itemHeight_ = static_cast<int>(lParam);
      Changed();
      FitHeight();
      return LB_OKAY;
    case LB_GETITEMDATA:
      return Valid(index) ? static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].data) : LB_ERR;
    case LB_SETITEMDATA:
      if (!Valid(index)) return LB_ERR;
      items_[static_cast<std::size_t>(index)].data = static_cast<UINT_PTR>(lParam);
      return LB_OKAY;
    case LB_GETITEMRECT:
      if (!Valid(index) || !lParam) return LB_ERR;
      *reinterpret_cast<RECT*>(lParam) = ItemRect(index);
      return LB_OKAY;
    case LB_ITEMFROMPOINT: {
      POINT p = LParamToPoint(lParam);
      int i = top_ + std::max(0, p.Y) / itemHeight_;
      RECT c;
      GetClientRect(hwnd, &c);
      bool outside = !c.Contains(p) || !Valid(i);
      i = std::clamp(i, 0, std::max(0, Count() - 1));
      return MAKELRESULT(static_cast<unsigned>(i), outside ? 1u : 0u);
    }
    case LB_GETCARETINDEX: return caret_;
    case LB_SETCARETINDEX:
      if (!Valid(index)) return LB_ERR;
      caret_ = index;
      ShowItem(index);
      Invalidate();
      return LB_OKAY;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT: {
      hfont_ = reinterpret_cast<const void*>(wParam);
      if (!measured_) {
        gfx::Surface probe;
        probe.SetFont(draw::FontOf(hfont_));
        itemHeight_ = std::max(1, probe.GetTextMetrics().tmHeight);
      }
      Changed();
      FitHeight();
      return 0;
    }
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hfont_);
    case WM_SETFOCUS:
      focused_ = true;
      Invalidate();
      Notify(LBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      Invalidate();
      Notify(LBN_KILLFOCUS);
      return 0;
    case WM_KEYDOWN: OnKey(static_cast<int>(wParam)); return 0;
    case WM_CHAR: OnChar(static_cast<char16_t>(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: OnMouse(msg, LParamToPoint(lParam)); return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) {
        tracking_ = false;
        if (combo_ && !scrolling_ && IsWindowVisible(hwnd)) SendMessage(combo_, kComboCloseUp, 0, 0);
      }
      return 0;
    case WM_MOUSEWHEEL: SetTop(top_ - GET_WHEEL_DELTA_WPARAM(wParam) * 3 / WHEEL_DELTA); return 0;
    case WM_VSCROLL: {
      int top = top_;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= std::max(1, Visible() - 1); break;
        case SB_PAGEDOWN: top += std::max(1, Visible() - 1); break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = MaxTop(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          if (!GetScrollTrackPos(hwnd, SB_VERT, &top)) top = HIWORD(wParam);
          break;
        default: return 0;
      }
      SetTop(top);
      return 0;
    }
    case WM_SHOWWINDOW:
      if (combo_ && wParam) {
        armed_ = false;
        scrolling_ = false;
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SIZE: Changed(); return 0;
    case WM_ENABLE: Invalidate(); return 0;
    case WM_SETREDRAW:
      DefWindowProc(hwnd, msg, wParam, lParam);
      redraw_ = wParam != 0;
      if (redraw_) {
        UpdateScrollBar();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
      }
      return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<ListBox>(hwnd, msg, wParam, lParam);
}

LRESULT ComboListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<ListBox>(hwnd, msg, wParam, lParam);
}

}  // namespace ctl::detail
