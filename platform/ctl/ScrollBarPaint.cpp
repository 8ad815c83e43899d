// Scroll bar painting: the classic look, and the painter a window may have instead.
#include "platform/ctl/ScrollBarParts.h"

#include <algorithm>

#include "platform/ctl/ClassicDraw.h"
#include "platform/gfx/Surface.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/WindowApi.h"

namespace ctl {

namespace {

// The window property that holds a window's painter.
constexpr const char16_t* kPainterProp = u"CtlScrollBarPainter";

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

void PaintClassicScrollBar(win::HDC dc, const ScrollLayout& layout, const ScrollModel& m, const ScrollPaintState& st) {
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

void ScrollBarPainter::PaintSizeBox(win::HDC dc, win::HWND, const win::RECT& box) {
  dc->FillRect(box, gfx::GetSysColor(gfx::COLOR_BTNFACE));
}

ScrollBarPainter* GetScrollBarPainter(win::HWND hwnd) {
  return static_cast<ScrollBarPainter*>(win::GetProp(hwnd, kPainterProp));
}

ScrollBarPainter* SetScrollBarPainter(win::HWND hwnd, ScrollBarPainter* painter) {
  if (!win::IsWindow(hwnd)) return nullptr;
  ScrollBarPainter* old = GetScrollBarPainter(hwnd);
  if (painter) win::SetProp(hwnd, kPainterProp, painter);
  else win::RemoveProp(hwnd, kPainterProp);
  return old;
}

void PaintScrollBarOf(win::HDC dc, win::HWND hwnd, int bar, const ScrollLayout& l, const ScrollModel& m,
                      const ScrollPaintState& st) {
  if (ScrollBarPainter* p = GetScrollBarPainter(hwnd)) p->PaintScrollBar(dc, hwnd, bar, l, m, st);
  else PaintClassicScrollBar(dc, l, m, st);
}

}  // namespace ctl
