#include "skin/render/acArrow.h"

#include "skin/render/pixels/Bitmap32.h"

namespace skin {

void DrawArrow(Bitmap32* bmp, TColor color, const gfx::TRect& rect, int ppi, TacSide direction) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  const TacArrowSize size = ArrowSizeAt(ppi);
  const int n = size.N, h = size.H;
  if (n <= 0) return;
  const bool vertical = direction == asTop || direction == asBottom;
  const int w = vertical ? n : h, ht = vertical ? h : n;
  const int x0 = rect.Left + (rect.Width() - w) / 2, y0 = rect.Top + (rect.Height() - ht) / 2;
  if (x0 < 0 || y0 < 0 || x0 + w > bmp->Width() || y0 + ht > bmp->Height()) return;
  const std::uint32_t px = SwapRedBlue(color);
  auto span = [&](int row, int from, int to) {
    std::uint32_t* r = bmp->Row(y0 + row);
    for (int x = from; x <= to; ++x) r[x] = px;
  };
  for (int r = 0; r < ht; ++r) {
    switch (direction) {
      case asBottom: span(r, x0 + r, x0 + n - 1 - r); break;
      case asTop: span(r, x0 + h - 1 - r, x0 + n - h + r); break;
      case asRight: span(r, x0, r < h ? x0 + r : x0 + n - r - 1); break;
      // The mirror of the right arrow, on the same rows 0 .. n - 1.
      case asLeft: span(r, r < h ? x0 + h - 1 - r : x0 + h - n + r, x0 + h - 1); break;
    }
  }
}

}  // namespace skin
