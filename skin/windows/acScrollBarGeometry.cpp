#include "skin/windows/acScrollBarGeometry.h"

#include <algorithm>
#include <limits>

namespace skin {

namespace {

int ToInt(std::int64_t v) {
  return static_cast<int>(
      std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return 0;
  const std::int64_t p = a * b;
  const bool negative = (p < 0) != (c < 0);
  const std::int64_t ap = p < 0 ? -p : p, ac = c < 0 ? -c : c;
  const std::int64_t q = (ap + ac / 2) / ac;
  return negative ? -q : q;
}

std::uint32_t ScrollRange(const win::SCROLLINFO& si) {
  if (si.nMax <= si.nMin) return 0;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(si.nMax) - si.nMin);
}

TacThumb ThumbGeometry(const win::SCROLLINFO& si, int minThumb, int s, int e, int b) {
  const int track = (e - s) - 2 * b;
  const std::uint32_t range = ScrollRange(si);
  // Too wide a range: a zero-length thumb at the start of the track.
  if (range > acMaxScrollRange) return {s + b, 0};
  int length;
  if (si.nPage == 0) length = std::max(b, minThumb);
  else length = ToInt(MulDiv64(si.nPage, track, static_cast<std::int64_t>(range) + 1));
  if (b > 0 || length > 18) length = std::max(length, minThumb);
  else length = 19;
  const int free = track - length;
  // A page covering the whole range (the empty list, a list shorter than the page) leaves
  // nothing to divide by: the thumb stays at the start.
  const std::int64_t divisor = static_cast<std::int64_t>(range) - std::max<std::int64_t>(1, si.nPage) + 1;
  int offset = 0;
  if (divisor > 0 && free > 0)
    offset =
        ToInt(std::clamp<std::int64_t>(MulDiv64(static_cast<std::int64_t>(si.nPos) - si.nMin, free, divisor), 0, free));
  return {s + b + offset, length};
}

bool ThumbShown(const win::SCROLLINFO& si, int minThumb, int track) {
  if (std::min(minThumb, track - 1) <= 0) return false;
  const std::uint32_t range = ScrollRange(si);
  if (range == 0 || range > acMaxScrollRange) return false;
  const std::int64_t p = MulDiv64(si.nPage, track, range);
  return !(p >= minThumb && p >= track - 1 && p > track);
}

TacScrollPart PartAlong(const win::SCROLLINFO& si, int minThumb, int s, int e, int b, int along, bool shift) {
  if (along < s || along >= e) return spNone;
  const int length = e - s;
  const int ends = 2 * b < length ? b : length / 2;
  if (along < s + ends) return spArrowBefore;
  if (along >= e - ends) return spArrowAfter;
  const TacThumb t = ThumbGeometry(si, minThumb, s, e, b);
  if (t.Length >= length - 2 * b) return spNone;
  if (along >= t.Start && along < t.Start + t.Length) return spThumb;
  if (along < t.Start) return shift ? spJump : spPageBefore;
  return shift ? spJump : spPageAfter;
}

int DragThumbStart(int pointer, int offset, int s, int e, int b, int thumbLength) {
  const int lo = s + b, hi = e - b - thumbLength;
  return std::max(lo, std::min(pointer - offset, hi));
}

int DragPosition(const win::SCROLLINFO& si, int s, int e, int b, int thumbLength, int thumbStart) {
  const std::int64_t range = static_cast<std::int64_t>(si.nMax) - si.nMin;
  const std::int64_t moved = static_cast<std::int64_t>(thumbStart) - (s + b);
  if (range < 1) return ToInt(moved);
  const std::int64_t span = range - static_cast<std::int64_t>(si.nPage) + 2;
  if (thumbStart >= e - b - thumbLength) return ToInt(span);
  const std::int64_t free = static_cast<std::int64_t>(e - s - 2 * b) - thumbLength;
  if (free <= 0) return 0;
  return ToInt(MulDiv64(moved, span, free));
}

}  // namespace skin
