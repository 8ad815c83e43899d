// Classic scroll bar painting.
#include "platform/ctl/ScrollBarPaint.h"

#include <algorithm>

#include "platform/ctl/ClassicDraw.h"
#include "platform/gfx/Surface.h"
#include "platform/win/ScrollApi.h"

namespace ctl::detail {

namespace {

using draw::Arrow;

void PaintButton(win::HDC dc, const win::RECT& r, Arrow dir, bool pressed, bool enabled) {
  if (r.IsEmpty()) return;
  if (pressed) {
    dc->FillRect(r, gfx::GetSysColor(gfx::COLOR_BTNFACE));
    win::RECT f = r;
    draw::Frame(dc, f, gfx::GetSysColor(gfx::COLOR_BTNSHADOW), gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  } else {
    draw::DrawButtonFace(dc, r, draw::ButtonLook::Normal);
  }
  int thickness = std::min(r.Width(), r.Height());
  int size = std::max(2, (thickness - 1) / 4);
  win::RECT glyph = pressed ? r.Offset(1, 1) : r;
  if (enabled) {
    draw::DrawArrow(dc, glyph, dir, size, gfx::GetSysColor(gfx::COLOR_BTNTEXT));
  } else {
    draw::DrawArrow(dc, glyph.Offset(1, 1), dir, size, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));
    draw::DrawArrow(dc, glyph, dir, size, gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  }
}

}  // namespace

void PaintScrollBar(win::HDC dc, const ScrollLayout& layout, const ScrollModel& m, const ScrollPaintState& st) {
  if (layout.bar.IsEmpty()) return;
  ScrollLayout l = layout;
  if (l.thumb && st.thumbStart >= 0) l.thumbStart = ClampThumb(l, st.thumbStart);
  bool enabled = CanScroll(m);
  bool beforeOn = enabled && !(m.disabledArrows & win::ESB_DISABLE_LTUP);
  bool afterOn = enabled && !(m.disabledArrows & win::ESB_DISABLE_RTDN);

  win::RECT track = l.vertical ? win::RECT{l.bar.Left, l.bar.Top + l.button, l.bar.Right, l.bar.Bottom - l.button}
                               : win::RECT{l.bar.Left + l.button, l.bar.Top, l.bar.Right - l.button, l.bar.Bottom};
  draw::FillChecker(dc, track, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT), gfx::GetSysColor(gfx::COLOR_SCROLLBAR));
  if (st.pressed == ScrollPart::PageBefore || st.pressed == ScrollPart::PageAfter)
    draw::FillChecker(dc, PartRect(l, st.pressed), gfx::GetSysColor(gfx::COLOR_3DDKSHADOW),
                      gfx::GetSysColor(gfx::COLOR_BTNSHADOW));

  PaintButton(dc, PartRect(l, ScrollPart::LineBefore), l.vertical ? Arrow::Up : Arrow::Left,
              st.pressed == ScrollPart::LineBefore, beforeOn);
  PaintButton(dc, PartRect(l, ScrollPart::LineAfter), l.vertical ? Arrow::Down : Arrow::Right,
              st.pressed == ScrollPart::LineAfter, afterOn);
  if (l.thumb) draw::DrawButtonFace(dc, PartRect(l, ScrollPart::Thumb), draw::ButtonLook::Normal);
}

}  // namespace ctl::detail
