#include "skin/render/acImageSource.h"

#include <algorithm>
#include <vector>

#include "platform/base/Assert.h"

#include "skin/render/pixels/acSmoothResize.h"

namespace skin {

TacImageKind ImageKindOf(const TsMaskData& md) {
  if (md.MaskType > 0) return TacImageKind::Masked;
  if ((md.DrawMode & dmOwnAlpha) != 0) return TacImageKind::Alpha;
  return TacImageKind::KeyColor;
}

const Bitmap32* ImageSourceBitmap(const TsMaskData& md) {
  const Bitmap32* bmp = md.Bmp;
  if (bmp == nullptr && md.Manager != nullptr) bmp = md.Master;
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Empty()) return nullptr;
  return bmp;
}

TPoint StatePictureOrigin(const TsMaskData& md, int state) {
  const int last = std::max(0, md.ImageCount - 1);
  const int number = std::clamp(state, 0, last);
  return {md.R.Left + number * md.Width, md.R.Top};
}

bool PieceInside(const Bitmap32& bmp, int x, int y, int w, int h) {
  return x >= 0 && y >= 0 && w >= 0 && h >= 0 && std::int64_t(x) + w <= bmp.Width() &&
         std::int64_t(y) + h <= bmp.Height();
}

Bitmap32Ptr StretchPieceNearest(const Bitmap32& src, int x, int y, int w, int h, int dw, int dh) {
  PELLOMIR_ASSERT(PieceInside(src, x, y, w, h));
  Bitmap32Ptr out = NewBitmap32(dw, dh);
  if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0) return out;
  std::vector<int> columns(static_cast<std::size_t>(dw));
  for (int i = 0; i < dw; ++i) columns[static_cast<std::size_t>(i)] = static_cast<int>(std::int64_t(i) * w / dw);
  for (int j = 0; j < dh; ++j) {
    const std::uint32_t* s = src.Row(y + static_cast<int>(std::int64_t(j) * h / dh)) + x;
    std::uint32_t* d = out->Row(j);
    for (int i = 0; i < dw; ++i) d[i] = s[columns[static_cast<std::size_t>(i)]];
  }
  return out;
}

Bitmap32Ptr StretchPieceSmooth(const Bitmap32& src, int x, int y, int w, int h, int dw, int dh) {
  PELLOMIR_ASSERT(w > 0 && h > 0 && PieceInside(src, x, y, w, h));
  const int cw = std::max(w, 2), ch = std::max(h, 2);
  Bitmap32 piece(cw, ch);
  for (int j = 0; j < ch; ++j) {
    const std::uint32_t* s = src.Row(y + std::min(j, h - 1)) + x;
    std::uint32_t* d = piece.Row(j);
    for (int i = 0; i < cw; ++i) d[i] = s[std::min(i, w - 1)];
  }
  Bitmap32Ptr out = NewBitmap32(dw, dh);
  SmoothResize(&piece, out.get(), dw, rfMitchell, dh);
  return out;
}

}  // namespace skin
