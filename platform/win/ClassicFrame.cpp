#include "platform/win/ClassicFrame.h"

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/IconApi.h"
#include "platform/win/Internal.h"
#include "platform/win/Metrics.h"
#include "platform/win/Styles.h"

namespace win::detail {

namespace {

using gfx::TRect;

using gfx::classic::EmptyRect;
using gfx::classic::Sys;

void Dot(gfx::Surface& s, int x, int y, int w, int h, gfx::TColor c) { s.FillRect(gfx::Bounds(x, y, w, h), c); }

// A window outline with a 2-pixel top, as the maximize and restore glyphs draw it.
void WindowOutline(gfx::Surface& s, int x, int y, int w, int h, gfx::TColor c) {
  Dot(s, x, y, w, 2, c);
  Dot(s, x, y, 1, h, c);
  Dot(s, x + w - 1, y, 1, h, c);
  Dot(s, x, y + h - 1, w, 1, c);
}

// The glyph in a cell of `n` pixels (9 on a normal button) with its top-left at (x, y).
void DrawGlyph(gfx::Surface& s, ButtonGlyph g, int x, int y, int n, gfx::TColor c) {
  switch (g) {
    case ButtonGlyph::Close: {
      int k = n - 2;  // rows; strokes two pixels wide
      for (int i = 0; i < k; ++i) {
        Dot(s, x + 1 + i, y + 1 + i, 2, 1, c);
        Dot(s, x + k - i, y + 1 + i, 2, 1, c);
      }
      break;
    }
    case ButtonGlyph::Minimize: Dot(s, x + 1, y + n - 2, n - 3, 2, c); break;
    case ButtonGlyph::Maximize: WindowOutline(s, x, y, n, n, c); break;
    case ButtonGlyph::Restore: {
      int m = n * 2 / 3;
      WindowOutline(s, x + n - m, y, m, m, c);
      s.FillRect(gfx::Bounds(x, y + n - m, m, m), Sys(gfx::COLOR_BTNFACE));
      WindowOutline(s, x, y + n - m, m, m, c);
      break;
    }
    case ButtonGlyph::Help: {
      // A question mark: a hook and a dot.
      int w = n - 3;
      Dot(s, x + 2, y, w - 1, 2, c);
      Dot(s, x + 1, y + 1, 2, 2, c);
      Dot(s, x + w, y + 1, 2, 3, c);
      Dot(s, x + w / 2 + 1, y + 3, 2, 2, c);
      Dot(s, x + w / 2, y + 4, 2, n - 7, c);
      Dot(s, x + w / 2, y + n - 2, 2, 2, c);
      break;
    }
  }
}

HICON SmallIconOf(Window* w) {
  if (w->iconSmall) return w->iconSmall;
  if (w->iconBig) return w->iconBig;
  return LoadIcon(nullptr, IDI_APPLICATION);
}

void DrawCaption(Window* w, gfx::Surface& s, const FrameLayout& f) {
  bool active = w->paint.ncActive;
  const TRect& c = f.caption;
  TRect band{c.Left, c.Top, c.Right, c.Bottom - 1};
  // The band runs from the caption colour at the left to its gradient partner.
  gfx::TColor from = Sys(active ? gfx::COLOR_ACTIVECAPTION : gfx::COLOR_INACTIVECAPTION);
  gfx::TColor to = Sys(active ? gfx::COLOR_GRADIENTACTIVECAPTION : gfx::COLOR_GRADIENTINACTIVECAPTION);
  gfx::Surface::GradientVertex a{{band.Left, band.Top}, gfx::ColorToPixel(from)};
  gfx::Surface::GradientVertex b{{band.Right, band.Bottom}, gfx::ColorToPixel(to)};
  s.GradientFillRect(a, b, gfx::Surface::GradientDirection::Horizontal);
  s.FillRect({c.Left, c.Bottom - 1, c.Right, c.Bottom}, Sys(gfx::COLOR_BTNFACE));

  if (!f.icon.IsEmpty()) DrawIconEx(&s, f.icon.Left, f.icon.Top, SmallIconOf(w), f.icon.Width(), f.icon.Height());
  if (!w->text.empty() && !f.text.IsEmpty()) {
    int level = s.Save();
    s.SetFont(gfx::Font(GetCaptionFont(GetDpiForSystem())));
    s.SetBkMode(gfx::BkMode::Transparent);
    s.SetTextColor(Sys(active ? gfx::COLOR_CAPTIONTEXT : gfx::COLOR_INACTIVECAPTIONTEXT));
    TRect t = f.text;
    s.DrawText(w->text, t, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS);
    s.Restore(level);
  }

  auto look = [&](int hit) {
    if (!ButtonEnabled(w, hit)) return ButtonLook::Disabled;
    const CaptionPress& p = S().captionPress;
    return p.hwnd == w->handle && p.hit == hit ? ButtonLook::Pressed : ButtonLook::Normal;
  };
  if (!f.close.IsEmpty()) DrawTitleButton(s, f.close, ButtonGlyph::Close, look(HTCLOSE));
  if (!f.maximize.IsEmpty())
    DrawTitleButton(s, f.maximize, (w->style & WS_MAXIMIZE) ? ButtonGlyph::Restore : ButtonGlyph::Maximize,
                    look(HTMAXBUTTON));
  if (!f.minimize.IsEmpty())
    DrawTitleButton(s, f.minimize, (w->style & WS_MINIMIZE) ? ButtonGlyph::Restore : ButtonGlyph::Minimize,
                    look(HTMINBUTTON));
  if (!f.help.IsEmpty()) DrawTitleButton(s, f.help, ButtonGlyph::Help, look(HTHELP));
}

}  // namespace

void DrawTitleButton(gfx::Surface& s, const TRect& r, ButtonGlyph glyph, ButtonLook look) {
  if (r.IsEmpty()) return;
  TRect box = r;
  s.FillRect(box, Sys(gfx::COLOR_BTNFACE));
  bool pressed = look == ButtonLook::Pressed;
  gfx::classic::DrawEdge(s, box, pressed ? gfx::classic::Edge::Pressed : gfx::classic::Edge::Raised,
                         EmptyRect::AsPlaced);
  int n = std::max(5, r.Height() / 2);
  int x = r.Left + (r.Width() - n) / 2 + (pressed ? 1 : 0);
  int y = r.Top + (r.Height() - n) / 2 + (pressed ? 1 : 0);
  int level = s.Save();
  s.IntersectClip(box);
  if (look == ButtonLook::Disabled) {
    DrawGlyph(s, glyph, x + 1, y + 1, n, Sys(gfx::COLOR_BTNHIGHLIGHT));
    DrawGlyph(s, glyph, x, y, n, Sys(gfx::COLOR_GRAYTEXT));
  } else {
    DrawGlyph(s, glyph, x, y, n, Sys(gfx::COLOR_BTNTEXT));
  }
  s.Restore(level);
}

TRect DrawClassicFrame(Window* w, gfx::Surface& s) {
  TRect r{0, 0, w->rect.Width(), w->rect.Height()};
  FrameLayout f = FrameOf(w);
  switch (f.border) {
    case BorderKind::Sizing:
    case BorderKind::Dialog: {
      TRect outer = r;
      gfx::classic::DrawEdge(s, r, gfx::classic::Edge::RaisedWindow, EmptyRect::AsPlaced);
      int b = f.borderWidth;
      TRect inner{outer.Left + b, outer.Top + b, outer.Right - b, outer.Bottom - b};
      int color = f.border == BorderKind::Dialog ? gfx::COLOR_BTNFACE
                  : w->paint.ncActive            ? gfx::COLOR_ACTIVEBORDER
                                                 : gfx::COLOR_INACTIVEBORDER;
      if (!inner.IsEmpty()) {
        s.FillRect({r.Left, r.Top, r.Right, inner.Top}, Sys(color));
        s.FillRect({r.Left, inner.Bottom, r.Right, r.Bottom}, Sys(color));
        s.FillRect({r.Left, inner.Top, inner.Left, inner.Bottom}, Sys(color));
        s.FillRect({inner.Right, inner.Top, r.Right, inner.Bottom}, Sys(color));
      }
      r = inner;
      break;
    }
    case BorderKind::Thin:
      gfx::classic::Frame(s, r, Sys(gfx::COLOR_WINDOWFRAME), Sys(gfx::COLOR_WINDOWFRAME), EmptyRect::AsPlaced);
      break;
    case BorderKind::None: break;
  }
  if (!f.caption.IsEmpty()) {
    DrawCaption(w, s, f);
    r.Top = f.caption.Bottom;
  }
  return r;
}

}  // namespace win::detail
