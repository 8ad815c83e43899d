#include "skin/render/acImageCorners.h"

#include <algorithm>

#include "platform/base/Assert.h"
#include "skin/render/acImageSource.h"

namespace skin {
namespace {

// Replaces the cached pixels under the key pixels of a w x h source piece at (sx, sy),
// laid at (dx, dy) of cached.
void RefreshPiece(Bitmap32* cached, const Bitmap32& src, const TacBgInfo& bg, int sx, int sy, int w, int h, int dx,
                  int dy) {
  if (w <= 0 || h <= 0 || !PieceInside(src, sx, sy, w, h)) return;
  const bool haveBmp = bg.Bmp != nullptr && bg.Bmp->Is32Bit();
  if (!haveBmp && bg.FillColor == KeyColor) return;
  const std::uint32_t colourPx = SwapRedBlue(bg.FillColor);
  for (int j = 0; j < h; ++j) {
    const int y = dy + j;
    if (y < 0 || y >= cached->Height()) continue;
    const std::uint32_t* s = src.Row(sy + j) + sx;
    std::uint32_t* d = cached->Row(y);
    for (int i = 0; i < w; ++i) {
      const int x = dx + i;
      if (x < 0 || x >= cached->Width() || s[i] != KeyPixel) continue;
      if (!haveBmp) {
        d[x] = colourPx;
        continue;
      }
      const std::int64_t bx = std::int64_t(x) + bg.X, by = std::int64_t(y) + bg.Y;
      if (bx >= 0 && by >= 0 && bx < bg.Bmp->Width() && by < bg.Bmp->Height())
        d[x] = bg.Bmp->Pixel(static_cast<int>(bx), static_cast<int>(by));
    }
  }
}

// One row of a corner: runs of key pixels from columns c0 .. c1 - 1 of the source row,
// column c landing on x0 + (c - c0).
void AddRuns(std::vector<TRect>& runs, const std::uint32_t* row, int c0, int c1, int x0, int y) {
  int start = -1;
  for (int c = c0; c <= c1; ++c) {
    const bool key = c < c1 && row[c] == KeyPixel;
    if (key && start < 0) start = c;
    if (!key && start >= 0) {
      runs.push_back({x0 + (start - c0), y, x0 + (c - c0), y + 1});
      start = -1;
    }
  }
}

}  // namespace

void RefreshImageCorners(Bitmap32* cached, const TacBgInfo& bg, const TsMaskData& md, int state, unsigned corners) {
  PELLOMIR_ASSERT((corners & ~unsigned(cbAllCorners)) == 0);
  if (cached == nullptr || !cached->Is32Bit() || (md.Cfg & 3) == 0 || md.ImageCount < 1) return;
  const Bitmap32* src = ImageSourceBitmap(md);
  if (src == nullptr) return;
  const TPoint o = StatePictureOrigin(md, state);
  const int cw = cached->Width(), ch = cached->Height();
  const int l = md.WL, t = md.WT, r = md.WR, b = md.WB;
  const int right = o.X + md.Width - r, bottom = o.Y + md.Height - b;
  if (corners & cbTopLeft) RefreshPiece(cached, *src, bg, o.X, o.Y, l, t, 0, 0);
  if (corners & cbBottomLeft) RefreshPiece(cached, *src, bg, o.X, bottom, l, b, 0, ch - b);
  if (corners & cbTopRight) RefreshPiece(cached, *src, bg, right, o.Y, r, t, cw - r, 0);
  if (corners & cbBottomRight) RefreshPiece(cached, *src, bg, right, bottom, r, b, cw - r, ch - b);
}

void CornerTransparentRuns(std::vector<TRect>& runs, int dstWidth, const TsMaskData& md, int inset, bool bottom,
                           int firstRow) {
  PELLOMIR_ASSERT(dstWidth >= 0);
  if (md.Manager == nullptr || md.ImageCount < 1) return;
  const Bitmap32* src = ImageSourceBitmap(md);
  if (src == nullptr) return;
  const int rows = bottom ? md.WB : md.WT;
  const int top = bottom ? md.R.Top + (md.R.Bottom - md.R.Top) / (std::max<int>(md.MaskType, 0) + 1) - md.WB : md.R.Top;
  if (rows <= 0 || top < 0 || std::int64_t(top) + rows > src->Height()) return;
  // Columns of the corners inside the picture, cut to the source bitmap.
  const int left0 = md.R.Left, left1 = md.R.Left + md.WL;
  const int right0 = md.R.Left + md.Width - md.WR, right1 = md.R.Left + md.Width;
  if (left0 < 0 || right0 < left0 || left1 > src->Width() || right1 > src->Width()) return;
  for (int r = 0; r < rows; ++r) {
    const std::uint32_t* row = src->Row(top + r);
    const int y = firstRow + r - (bottom ? inset : 0);
    AddRuns(runs, row, left0, left1, inset, y);
    AddRuns(runs, row, right0, right1, dstWidth - md.Width + (md.Width - md.WR) - inset, y);
  }
}

}  // namespace skin
