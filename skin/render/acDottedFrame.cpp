#include "skin/render/acDottedFrame.h"

#include "platform/gfx/Surface.h"

namespace skin {

void DrawDottedFrame(gfx::Surface& surface, const gfx::TRect& rect, TColor color1, TColor color2) {
  const int left = rect.Left, top = rect.Top, right = rect.Right - 1, bottom = rect.Bottom - 1;
  const int w2 = (right - left) / 2, h2 = (bottom - top) / 2;
  auto dot = [&](int x, int y, TColor c) {
    if (c != clNone) surface.SetPixel({x, y}, c);
  };
  for (int i = 0; i < w2; ++i) {
    const int c = (w2 - i) * 2;
    dot(left + c, top, color2);
    dot(left + c, bottom, color2);
    dot(left + c - 1, top, color1);
    dot(left + c - 1, bottom, color1);
  }
  for (int i = 0; i < h2; ++i) {
    const int c = (h2 - i) * 2;
    dot(left, top + c, color2);
    dot(right, top + c, color2);
    dot(left, top + c - 1, color1);
    dot(right, top + c - 1, color1);
  }
}

}  // namespace skin
