// Classic scroll bar geometry: arrow buttons as long as the bar is thick (or half its
// length when it is short), a thumb as long as the page's share of the track (at least
// 8 pixels), placed by the position's share of the range that can scroll.
#include "platform/ctl/ScrollBarParts.h"

#include <algorithm>

namespace ctl {

namespace {

constexpr int kMinThumb = 8;

long long Range(const ScrollModel& m) { return static_cast<long long>(m.max) - m.min + 1; }
// Positions the thumb can stand for, minus one: the range less the page.
long long Free(const ScrollModel& m) { return Range(m) - std::max<long long>(m.page, 1); }

}  // namespace

bool CanScroll(const ScrollModel& m) {
  return m.enabled && m.disabledArrows != 3 && Range(m) > 1 && static_cast<long long>(m.page) < Range(m);
}

ScrollLayout LayoutScrollBar(const win::RECT& bar, bool vertical, const ScrollModel& m) {
  ScrollLayout l;
  l.bar = bar;
  l.vertical = vertical;
  l.length = vertical ? bar.Height() : bar.Width();
  int thickness = vertical ? bar.Width() : bar.Height();
  l.button = std::max(0, std::min(thickness, l.length / 2));
  l.track = std::max(0, l.length - 2 * l.button);
  if (!CanScroll(m) || l.track < kMinThumb) return l;
  int len = m.page ? static_cast<int>(l.track * static_cast<long long>(m.page) / Range(m)) : l.button;
  len = std::clamp(len, std::min(kMinThumb, l.track), l.track);
  long long free = Free(m);
  int room = l.track - len;
  int offset = free > 0 ? static_cast<int>((static_cast<long long>(m.pos) - m.min) * room / free) : 0;
  l.thumb = true;
  l.thumbLength = len;
  l.thumbStart = l.button + std::clamp(offset, 0, room);
  return l;
}

ScrollPart PartAt(const ScrollLayout& l, win::POINT p) {
  if (!l.bar.Contains(p)) return ScrollPart::None;
  int a = l.vertical ? p.Y - l.bar.Top : p.X - l.bar.Left;
  if (a < l.button) return ScrollPart::LineBefore;
  if (a >= l.length - l.button) return ScrollPart::LineAfter;
  if (!l.thumb) return ScrollPart::None;
  if (a < l.thumbStart) return ScrollPart::PageBefore;
  if (a >= l.thumbStart + l.thumbLength) return ScrollPart::PageAfter;
  return ScrollPart::Thumb;
}

win::RECT PartRect(const ScrollLayout& l, ScrollPart part) {
  int a0 = 0, a1 = 0;
  switch (part) {
    case ScrollPart::LineBefore: a1 = l.button; break;
    case ScrollPart::LineAfter:
      a0 = l.length - l.button;
      a1 = l.length;
      break;
    case ScrollPart::PageBefore:
      a0 = l.button;
      a1 = l.thumb ? l.thumbStart : l.button;
      break;
    case ScrollPart::PageAfter:
      a0 = l.thumb ? l.thumbStart + l.thumbLength : l.length - l.button;
      a1 = l.length - l.button;
      break;
    case ScrollPart::Thumb:
      if (l.thumb) {
        a0 = l.thumbStart;
        a1 = l.thumbStart + l.thumbLength;
      }
      break;
    default: break;
  }
  const win::RECT& b = l.bar;
  return l.vertical ? win::RECT{b.Left, b.Top + a0, b.Right, b.Top + a1}
                    : win::RECT{b.Left + a0, b.Top, b.Left + a1, b.Bottom};
}

int ClampThumb(const ScrollLayout& l, int thumbStart) {
  return std::clamp(thumbStart, l.button, std::max(l.button, l.button + l.track - l.thumbLength));
}

int PositionForThumb(const ScrollLayout& l, const ScrollModel& m, int thumbStart) {
  int room = l.track - l.thumbLength;
  if (!l.thumb || room <= 0) return m.min;
  long long offset = ClampThumb(l, thumbStart) - l.button;
  // Rounded to the nearest position, so that every thumb place maps back to itself.
  long long pos = (offset * Free(m) * 2 + room) / (2LL * room);
  return static_cast<int>(m.min + pos);
}

}  // namespace ctl
