#pragma once
// Clipping of a copy from a source rectangle to a destination point, shared by the pixel
// routines. Works in 64-bit so that extreme rectangles cannot overflow.
#include <cstdint>

#include "platform/gfx/Geometry.h"

namespace skin {

struct CopyArea {
  int sx = 0, sy = 0;  // first source pixel
  int dx = 0, dy = 0;  // where it lands
  int w = 0, h = 0;    // size of the visible part
};

// Cuts the exclusive source rectangle to the source bitmap and the area it covers at
// (dstX, dstY) to the destination bitmap. False when nothing is left.
inline bool ClipCopy(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, int srcW, int srcH,
                     std::int64_t dstX, std::int64_t dstY, int dstW, int dstH, CopyArea& out) {
  const std::int64_t ox = dstX - l;
  const std::int64_t oy = dstY - t;
  auto maxOf = [](std::int64_t a, std::int64_t c) { return a > c ? a : c; };
  auto minOf = [](std::int64_t a, std::int64_t c) { return a < c ? a : c; };
  const std::int64_t sl = maxOf(maxOf(l, 0), -ox);
  const std::int64_t st = maxOf(maxOf(t, 0), -oy);
  const std::int64_t sr = minOf(minOf(r, srcW), dstW - ox);
  const std::int64_t sb = minOf(minOf(b, srcH), dstH - oy);
  if (sl >= sr || st >= sb) return false;
  out.sx = static_cast<int>(sl);
  out.sy = static_cast<int>(st);
  out.dx = static_cast<int>(sl + ox);
  out.dy = static_cast<int>(st + oy);
  out.w = static_cast<int>(sr - sl);
  out.h = static_cast<int>(sb - st);
  return true;
}

// Same, for a source rectangle whose Right and Bottom are inclusive.
inline bool ClipCopyInclusive(const gfx::TRect& src, int srcW, int srcH, std::int64_t dstX, std::int64_t dstY, int dstW,
                              int dstH, CopyArea& out) {
  return ClipCopy(src.Left, src.Top, std::int64_t(src.Right) + 1, std::int64_t(src.Bottom) + 1, srcW, srcH, dstX, dstY,
                  dstW, dstH, out);
}

// An exclusive rectangle cut to 0..w, 0..h. False when empty.
inline bool ClipToBitmap(const gfx::TRect& r, int w, int h, gfx::TRect& out) {
  out.Left = r.Left > 0 ? r.Left : 0;
  out.Top = r.Top > 0 ? r.Top : 0;
  out.Right = r.Right < w ? r.Right : w;
  out.Bottom = r.Bottom < h ? r.Bottom : h;
  return out.Left < out.Right && out.Top < out.Bottom;
}

}  // namespace skin
