// The default non-client layout and hit testing: borders by style, the caption band with
// its icon and title buttons, client and static edges and the standard scroll bars.
#include <algorithm>

#include "platform/win/FrameLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/Internal.h"
#include "platform/win/Metrics.h"
#include "platform/win/Styles.h"

namespace win::detail {

gfx::TRect DefaultClientRect(DWORD style, DWORD exStyle, const gfx::TRect& r) {
  return DefaultClientRectForDpi(style, exStyle, r, GetDpiForSystem());
}

gfx::TRect DefaultClientRectForDpi(DWORD style, DWORD exStyle, const gfx::TRect& r, UINT dpi) {
  gfx::TRect c = r;
  if (style & WS_MINIMIZE) return {c.Left, c.Top, c.Left, c.Top};
  auto metric = [dpi](int index) { return GetSystemMetricsForDpi(index, dpi); };
  int b = BorderWidth(BorderOf(style, exStyle), dpi);
  c = {c.Left + b, c.Top + b, c.Right - b, c.Bottom - b};
  c.Top += CaptionHeightOf(style, exStyle, dpi);
  int edge = (exStyle & WS_EX_CLIENTEDGE) ? metric(SM_CXEDGE) : 0;
  if (exStyle & WS_EX_STATICEDGE) edge += metric(SM_CXBORDER);
  c = {c.Left + edge, c.Top + edge, c.Right - edge, c.Bottom - edge};
  if ((style & WS_VSCROLL) && c.Width() >= metric(SM_CXVSCROLL)) {
    if (exStyle & WS_EX_LEFTSCROLLBAR) c.Left += metric(SM_CXVSCROLL);
    else c.Right -= metric(SM_CXVSCROLL);
  }
  if ((style & WS_HSCROLL) && c.Height() >= metric(SM_CYHSCROLL)) c.Bottom -= metric(SM_CYHSCROLL);
  c.Right = std::max(c.Right, c.Left);
  c.Bottom = std::max(c.Bottom, c.Top);
  c.Top = std::min(c.Top, r.Bottom);
  c.Bottom = std::max(c.Bottom, c.Top);
  return c;
}

namespace {

// Sizing border codes: the corners reach along each edge as far as a caption is high.
int SizingCode(gfx::TPoint p, int width, int height, int b) {
  int corner = b + GetSystemMetrics(SM_CYCAPTION) - 7;
  bool left = p.X < b, right = p.X >= width - b, top = p.Y < b, bottom = p.Y >= height - b;
  if (!(left || right || top || bottom)) return HTNOWHERE;
  bool nearLeft = p.X < corner, nearRight = p.X >= width - corner;
  bool nearTop = p.Y < corner, nearBottom = p.Y >= height - corner;
  if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
  if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
  if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
  if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  return HTBOTTOM;
}

// Title buttons answer over the whole height of the caption band.
bool InColumn(const gfx::TRect& button, const gfx::TRect& caption, gfx::TPoint p) {
  return !button.IsEmpty() && p.X >= button.Left && p.X < button.Right && p.Y >= caption.Top && p.Y < caption.Bottom;
}

}  // namespace

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

  FrameLayout f = FrameOf(w);
  int width = wr.Width(), height = wr.Height(), b = f.borderWidth;
  if (f.border == BorderKind::Sizing && !(w->style & WS_MAXIMIZE)) {
    if (int code = SizingCode(p, width, height, b)) return code;
  } else if (b > 0 && (p.X < b || p.Y < b || p.X >= width - b || p.Y >= height - b)) {
    return HTBORDER;
  }

  if (f.caption.Contains(p)) {
    if (InColumn(f.close, f.caption, p)) return HTCLOSE;
    if (InColumn(f.maximize, f.caption, p)) return HTMAXBUTTON;
    if (InColumn(f.minimize, f.caption, p)) return HTMINBUTTON;
    if (InColumn(f.help, f.caption, p)) return HTHELP;
    if (f.sysMenu.Contains(p)) return HTSYSMENU;
    return HTCAPTION;
  }
  return HTBORDER;
}

}  // namespace win::detail
