// The default non-client layout and hit testing for a plain frame: borders by style, the
// caption band, client and static edges and the standard scroll bars.
#include <algorithm>

#include "platform/win/HitCodes.h"
#include "platform/win/Internal.h"
#include "platform/win/Metrics.h"
#include "platform/win/Styles.h"

namespace win::detail {

namespace {

int FrameWidth(DWORD style, DWORD exStyle) {
  if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXFIXEDFRAME);
  if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

int CaptionHeight(DWORD style, DWORD exStyle) {
  if ((style & WS_CAPTION) != WS_CAPTION) return 0;
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

}  // namespace

gfx::TRect DefaultClientRect(DWORD style, DWORD exStyle, const gfx::TRect& r) {
  gfx::TRect c = r;
  if (style & WS_MINIMIZE) return {c.Left, c.Top, c.Left, c.Top};
  int b = FrameWidth(style, exStyle);
  c = {c.Left + b, c.Top + b, c.Right - b, c.Bottom - b};
  c.Top += CaptionHeight(style, exStyle);
  int edge = (exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0;
  if (exStyle & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
  c = {c.Left + edge, c.Top + edge, c.Right - edge, c.Bottom - edge};
  if ((style & WS_VSCROLL) && c.Width() >= GetSystemMetrics(SM_CXVSCROLL)) {
    if (exStyle & WS_EX_LEFTSCROLLBAR)
      c.Left += GetSystemMetrics(SM_CXVSCROLL);
    else
      c.Right -= GetSystemMetrics(SM_CXVSCROLL);
  }
  if ((style & WS_HSCROLL) && c.Height() >= GetSystemMetrics(SM_CYHSCROLL)) c.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
  c.Right = std::max(c.Right, c.Left);
  c.Bottom = std::max(c.Bottom, c.Top);
  c.Top = std::min(c.Top, r.Bottom);
  c.Bottom = std::max(c.Bottom, c.Top);
  return c;
}

int DefaultHitTest(Window* w, gfx::TPoint pt) {
  gfx::TRect wr = ScreenRect(w);
  if (!wr.Contains(pt)) return HTNOWHERE;
  gfx::TPoint p{pt.X - wr.Left, pt.Y - wr.Top};
  if (!InsideWindowRegion(w, p)) return HTNOWHERE;
  if (w->client.Contains(p)) return HTCLIENT;
  if (w->style & WS_MINIMIZE) return HTCAPTION;

  const gfx::TRect& c = w->client;
  if (w->style & WS_VSCROLL) {
    int sw = GetSystemMetrics(SM_CXVSCROLL);
    gfx::TRect bar = (w->exStyle & WS_EX_LEFTSCROLLBAR) ? gfx::TRect{c.Left - sw, c.Top, c.Left, c.Bottom}
                                                         : gfx::TRect{c.Right, c.Top, c.Right + sw, c.Bottom};
    if (bar.Contains(p)) return HTVSCROLL;
  }
  if (w->style & WS_HSCROLL) {
    gfx::TRect bar{c.Left, c.Bottom, c.Right, c.Bottom + GetSystemMetrics(SM_CYHSCROLL)};
    if (bar.Contains(p)) return HTHSCROLL;
  }

  int width = wr.Width(), height = wr.Height();
  int b = FrameWidth(w->style, w->exStyle);
  if ((w->style & WS_THICKFRAME) && !(w->style & WS_MAXIMIZE)) {
    int corner = b + GetSystemMetrics(SM_CYCAPTION) - 7;
    bool left = p.X < b, right = p.X >= width - b, top = p.Y < b, bottom = p.Y >= height - b;
    bool nearLeft = p.X < corner, nearRight = p.X >= width - corner;
    bool nearTop = p.Y < corner, nearBottom = p.Y >= height - corner;
    if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
  } else if (b > 0 && (p.X < b || p.Y < b || p.X >= width - b || p.Y >= height - b)) {
    return HTBORDER;
  }

  int cap = CaptionHeight(w->style, w->exStyle);
  if (cap > 0 && p.Y >= b && p.Y < b + cap) {
    if ((w->style & WS_SYSMENU) && !(w->exStyle & WS_EX_TOOLWINDOW) && p.X < b + cap) return HTSYSMENU;
    if (w->style & WS_SYSMENU) {
      int bw = GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CXSMSIZE : SM_CXSIZE);
      int x = width - b;
      if (p.X >= x - bw) return HTCLOSE;
      x -= bw;
      if ((w->style & WS_MAXIMIZEBOX) && !(w->exStyle & WS_EX_TOOLWINDOW)) {
        if (p.X >= x - bw) return HTMAXBUTTON;
        x -= bw;
      }
      if ((w->style & WS_MINIMIZEBOX) && !(w->exStyle & WS_EX_TOOLWINDOW) && p.X >= x - bw) return HTMINBUTTON;
    }
    return HTCAPTION;
  }
  return HTBORDER;
}

}  // namespace win::detail
