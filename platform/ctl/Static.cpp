// The "Static" control: text with alignment and word wrap, icons, rectangles, frames and
// etched lines. Without SS_NOTIFY it lets the mouse through to what lies under it.
#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ControlBase.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/ControlProcs.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/Icons.h"
#include "platform/ctl/StaticApi.h"
#include "platform/win/HitCodes.h"
#include "platform/win/IconApi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

class Static final : public ControlObject {
 public:
  Static(HWND h, const CREATESTRUCT&) : ControlObject(h) {}
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }
  void Paint(HDC dc, const RECT& area) override;
  void PaintText(HDC dc, const RECT& c, const PaintColors& colors);

  const void* hfont_ = nullptr;
  HICON icon_ = nullptr;
};

void Static::PaintText(HDC dc, const RECT& c, const PaintColors& colors) {
  DWORD st = Style();
  DWORD type = st & SS_TYPEMASK;
  unsigned f = gfx::DT_EXPANDTABS;
  switch (type) {
    case SS_CENTER: f |= gfx::DT_CENTER | gfx::DT_WORDBREAK; break;
    case SS_RIGHT: f |= gfx::DT_RIGHT | gfx::DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE: f |= gfx::DT_SINGLELINE; break;
    default: f |= gfx::DT_WORDBREAK; break;
  }
  if (st & SS_NOPREFIX) f |= gfx::DT_NOPREFIX;
  if (st & SS_EDITCONTROL) f |= gfx::DT_EDITCONTROL;
  if (st & SS_CENTERIMAGE) f = (f & ~gfx::DT_WORDBREAK) | gfx::DT_SINGLELINE | gfx::DT_VCENTER;
  if ((st & SS_PATHELLIPSIS) == SS_PATHELLIPSIS) f |= gfx::DT_PATH_ELLIPSIS;
  else if (st & SS_ENDELLIPSIS) f |= gfx::DT_END_ELLIPSIS;
  std::u16string text = GetWindowText(hwnd);
  if (text.empty()) return;
  int level = dc->Save();
  dc->SetFont(draw::FontOf(hfont_));
  dc->SetBkMode(gfx::BkMode::Transparent);
  RECT r = c;
  if (IsWindowEnabled(hwnd)) {
    dc->SetTextColor(colors.text);
    dc->DrawText(text, r, f);
  } else {
    draw::DrawDisabledText(dc, text, r, f);
  }
  dc->Restore(level);
}

void Static::Paint(HDC dc, const RECT&) {
  RECT c;
  GetClientRect(hwnd, &c);
  DWORD st = Style();
  DWORD type = st & SS_TYPEMASK;
  auto sys = [](int i) { return gfx::GetSysColor(i); };
  switch (type) {
    case SS_BLACKRECT: dc->FillRect(c, sys(gfx::COLOR_WINDOWFRAME)); return;
    case SS_GRAYRECT: dc->FillRect(c, sys(gfx::COLOR_BTNSHADOW)); return;
    case SS_WHITERECT: dc->FillRect(c, sys(gfx::COLOR_BTNHIGHLIGHT)); return;
    case SS_BLACKFRAME: dc->FrameRect(c, sys(gfx::COLOR_WINDOWFRAME)); return;
    case SS_GRAYFRAME: dc->FrameRect(c, sys(gfx::COLOR_BTNSHADOW)); return;
    case SS_WHITEFRAME: dc->FrameRect(c, sys(gfx::COLOR_BTNHIGHLIGHT)); return;
    case SS_OWNERDRAW: {
      DRAWITEMSTRUCT dis;
      dis.CtlType = 5;  // ODT_STATIC
      dis.CtlID = ControlId(hwnd);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.hwndItem = hwnd;
      dis.hDC = dc;
      dis.rcItem = c;
      if (HWND parent = GetParent(hwnd)) SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
      return;
    }
    default: break;
  }
  PaintColors colors = ParentColors(hwnd, WM_CTLCOLORSTATIC, dc, sys(gfx::COLOR_WINDOWTEXT), sys(gfx::COLOR_BTNFACE));
  dc->FillRect(c, colors.back);
  RECT inner = c;
  if (st & SS_SUNKEN) draw::Frame(dc, inner, sys(gfx::COLOR_BTNSHADOW), sys(gfx::COLOR_BTNHIGHLIGHT));
  switch (type) {
    case SS_ETCHEDHORZ: {
      RECT line{c.Left, c.Top, c.Right, c.Top + 2};
      draw::DrawEdge(dc, line, draw::Edge::Etched);
      return;
    }
    case SS_ETCHEDVERT: {
      RECT line{c.Left, c.Top, c.Left + 2, c.Bottom};
      draw::DrawEdge(dc, line, draw::Edge::Etched);
      return;
    }
    case SS_ETCHEDFRAME: draw::DrawEdge(dc, inner, draw::Edge::Etched); return;
    case SS_ICON: {
      SIZE s = GetIconSize(icon_);
      int x = (st & SS_CENTERIMAGE) ? inner.Left + (inner.Width() - s.cx) / 2 : inner.Left;
      int y = (st & SS_CENTERIMAGE) ? inner.Top + (inner.Height() - s.cy) / 2 : inner.Top;
      DrawIconEx(dc, x, y, icon_, 0, 0);
      return;
    }
    case SS_BITMAP: return;
    default: PaintText(dc, inner, colors); return;
  }
}

LRESULT Static::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCHITTEST:
      if (!(Style() & SS_NOTIFY)) return HTTRANSPARENT;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
      if (Style() & SS_NOTIFY) NotifyParent(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (Style() & SS_NOTIFY) NotifyParent(hwnd, STN_DBLCLK);
      return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETICON: {
      HICON old = icon_;
      icon_ = reinterpret_cast<HICON>(wParam);
      SIZE s = GetIconSize(icon_);
      // An icon static takes the icon's size (its frame included).
      if ((Style() & SS_TYPEMASK) == SS_ICON && s.cx > 0) {
        RECT wr, c;
        GetWindowRect(hwnd, &wr);
        GetClientRect(hwnd, &c);
        if (!(Style() & SS_CENTERIMAGE))
          SetWindowPos(hwnd, nullptr, 0, 0, s.cx + wr.Width() - c.Width(), s.cy + wr.Height() - c.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      InvalidateRect(hwnd, nullptr, FALSE);
      return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON: return reinterpret_cast<LRESULT>(icon_);
    case WM_SETTEXT: {
      LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case WM_SETFONT:
      hfont_ = reinterpret_cast<const void*>(wParam);
      if (lParam) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hfont_);
    case WM_ENABLE:
    case WM_STYLECHANGED:
    case WM_SIZE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<Static>(hwnd, msg, wParam, lParam);
}

}  // namespace ctl::detail
