#include "platform/win/FrameLayout.h"

#include <algorithm>

#include "platform/win/HitCodes.h"
#include "platform/win/Internal.h"
#include "platform/win/MenuApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/Styles.h"

namespace win::detail {

BorderKind BorderOf(DWORD style, DWORD exStyle) {
  if (style & WS_THICKFRAME) return BorderKind::Sizing;
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return BorderKind::Dialog;
  if (style & WS_BORDER) return BorderKind::Thin;
  return BorderKind::None;
}

int BorderWidth(BorderKind kind, UINT dpi) {
  switch (kind) {
    case BorderKind::Sizing:
      return GetSystemMetricsForDpi(SM_CXFRAME, dpi) + GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi);
    case BorderKind::Dialog: return GetSystemMetricsForDpi(SM_CXFIXEDFRAME, dpi);
    case BorderKind::Thin: return GetSystemMetricsForDpi(SM_CXBORDER, dpi);
    case BorderKind::None: return 0;
  }
  return 0;
}

int CaptionHeightOf(DWORD style, DWORD exStyle, UINT dpi) {
  if ((style & WS_CAPTION) != WS_CAPTION) return 0;
  return GetSystemMetricsForDpi((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION, dpi);
}

FrameLayout ComputeFrame(DWORD style, DWORD exStyle, gfx::TSize size, bool hasIcon) {
  FrameLayout f;
  f.border = BorderOf(style, exStyle);
  const UINT dpi = GetDpiForSystem();
  f.borderWidth = BorderWidth(f.border, dpi);
  f.toolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0;
  int cap = CaptionHeightOf(style, exStyle, dpi);
  if (cap == 0) return f;
  int b = f.borderWidth;
  f.caption = {b, b, std::max(b, size.cx - b), b + cap};
  const gfx::TRect& c = f.caption;
  // Buttons: classic boxes 2 pixels in from the band's top and right, the close button
  // apart, minimize and maximize side by side.
  int bw = GetSystemMetrics(f.toolWindow ? SM_CXSMSIZE : SM_CXSIZE) - 2;
  int bh = GetSystemMetrics(f.toolWindow ? SM_CYSMSIZE : SM_CYSIZE) - 4;
  int top = c.Top + 2;
  int x = c.Right - 2;
  int leftmost = c.Right;
  if (style & WS_SYSMENU) {
    f.close = {x - bw, top, x, top + bh};
    x = f.close.Left - 2;
    leftmost = f.close.Left;
    if (!f.toolWindow && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
      f.maximize = {x - bw, top, x, top + bh};
      f.minimize = {f.maximize.Left - bw, top, f.maximize.Left, top + bh};
      leftmost = f.minimize.Left;
    } else if (!f.toolWindow && (exStyle & WS_EX_CONTEXTHELP)) {
      f.help = {x - bw, top, x, top + bh};
      leftmost = f.help.Left;
    }
    bool dialog = (exStyle & WS_EX_DLGMODALFRAME) && !(style & WS_THICKFRAME);
    if (!f.toolWindow && (!dialog || hasIcon)) {
      int sz = GetSystemMetrics(SM_CXSMICON);
      int iy = c.Top + (cap - 1 - sz) / 2;
      f.icon = gfx::Bounds(c.Left + 2, iy, sz, sz);
      f.sysMenu = {c.Left, c.Top, f.icon.Right + 1, c.Bottom};
    }
  }
  int textLeft = f.icon.IsEmpty() ? c.Left + 3 : f.icon.Right + 3;
  f.text = {textLeft, c.Top, std::max(textLeft, leftmost - 3), c.Bottom - 1};
  return f;
}

FrameLayout FrameOf(Window* w) { return ComputeFrame(w->style, w->exStyle, w->Size(), w->iconSmall || w->iconBig); }

bool ButtonEnabled(Window* w, int hit) {
  switch (hit) {
    case HTCLOSE: {
      if (w->cls && (w->cls->style & CS_NOCLOSE)) return false;
      // An application may grey the close entry of the window's system menu.
      if (w->systemMenu) {
        UINT st = GetMenuState(w->systemMenu, static_cast<UINT>(SC_CLOSE), MF_BYCOMMAND);
        if (st != 0xFFFFFFFFu && (st & (MF_GRAYED | MF_DISABLED))) return false;
      }
      return true;
    }
    case HTMAXBUTTON: return (w->style & WS_MAXIMIZEBOX) != 0;
    case HTMINBUTTON: return (w->style & WS_MINIMIZEBOX) != 0;
    case HTHELP: return true;
    default: return false;
  }
}

}  // namespace win::detail
