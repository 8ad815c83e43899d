#pragma once
// The geometry of a skinned scroll bar as pure functions of its scroll information and
// its extent along the bar: the thumb, whether a thumb is drawn at all, the part under a
// point and the position a dragged thumb stands for. Nothing here reads a window or a
// skin. "s" and "e" are the bar's start and end along it, "b" the length of each arrow
// button. Products are computed in 64 bits; no division by zero is possible.
#include <cstdint>

#include "platform/win/ScrollApi.h"

namespace skin {

// Part codes, equal to the SB_ request codes where they overlap.
enum TacScrollPart : int {
  spNone = -1,
  spArrowBefore = 0,  // SB_LINEUP / SB_LINELEFT
  spArrowAfter = 1,   // SB_LINEDOWN / SB_LINERIGHT
  spPageBefore = 2,
  spPageAfter = 3,
  spJump = 4,   // a page area clicked with Shift held
  spThumb = 5,  // SB_THUMBTRACK
};

// Ranges wider than this give no thumb.
inline constexpr std::uint32_t acMaxScrollRange = 0x7FFFFFFE;

// a * b / c rounded half away from zero, in 64 bits; c == 0 gives 0.
std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c);

// The range nMax - nMin, unsigned (a reversed range counts as 0).
std::uint32_t ScrollRange(const win::SCROLLINFO& si);

struct TacThumb {
  int Start = 0;   // along the bar
  int Length = 0;  // 0: no thumb
};

// The thumb's place: length from the page's share of the track (at least minThumb), offset
// from the position's share of what can scroll. A range above acMaxScrollRange gives a
// zero-length thumb at the track's start; a page covering the range gives offset 0.
TacThumb ThumbGeometry(const win::SCROLLINFO& si, int minThumb, int s, int e, int b);

// Whether the thumb is drawn for a track of that length: not when there is no room for
// it, when the range is empty or too wide, or when the page covers the whole range.
bool ThumbShown(const win::SCROLLINFO& si, int minThumb, int track);

// The part at `along` (inside the bar across it; callers test that): the arrows, the thumb
// and the page areas on either side of it; with shift held a page area is spJump. A bar
// with no room for its thumb has only its arrows.
TacScrollPart PartAlong(const win::SCROLLINFO& si, int minThumb, int s, int e, int b, int along, bool shift);

// The thumb start for a dragged thumb: the pointer minus its offset inside the thumb,
// limited to the track (the lower limit wins when the thumb does not fit).
int DragThumbStart(int pointer, int offset, int s, int e, int b, int thumbLength);
// The position (relative to nMin) a thumb dragged to thumbStart stands for. At the track's
// end it is range - nPage + 2, one past the last position: the window limits it.
int DragPosition(const win::SCROLLINFO& si, int s, int e, int b, int thumbLength, int thumbStart);

}  // namespace skin
