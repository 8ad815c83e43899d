#include "skin/render/acPaintImageState.h"

#include <algorithm>

#include "platform/base/Assert.h"
#include "skin/render/acImageSource.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelClip.h"

namespace skin {
namespace {

std::uint32_t Channel(std::uint32_t v, int shift) { return (v >> shift) & 0xFF; }

// Masked picture: each channel weighted by its own mask byte; A grows by the mask's cover.
void PutMaskedPicture(Bitmap32* dst, const Bitmap32& src, const CopyArea& a, int maskDy, bool faded) {
  PELLOMIR_ASSERT(PieceInside(src, a.sx, a.sy + maskDy, a.w, a.h));
  for (int j = 0; j < a.h; ++j) {
    const std::uint32_t* p = src.Row(a.sy + j) + a.sx;
    const std::uint32_t* m = src.Row(a.sy + maskDy + j) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + j) + a.dx;
    for (int i = 0; i < a.w; ++i) {
      const std::uint32_t mr = Channel(m[i], 16);
      std::uint32_t out = d[i];
      if (p[i] != KeyPixel && mr != 255) {
        out &= 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
          int t = static_cast<int>(Channel(m[i], shift));
          if (faded) t = std::min(t + 100, 255);
          out |= std::uint32_t(BlendStep(Channel(d[i], shift), Channel(p[i], shift), t)) << shift;
        }
      }
      const std::uint32_t da = d[i] >> 24;
      d[i] = (out & 0x00FFFFFFu) | (CoverStep(da, 255 - mr) << 24);
    }
  }
}

// Own-alpha picture in the entry's own bitmap: blend by the picture's alpha.
void PutAlphaPicture(Bitmap32* dst, const Bitmap32& src, const CopyArea& a, bool faded) {
  for (int j = 0; j < a.h; ++j) {
    const std::uint32_t* p = src.Row(a.sy + j) + a.sx;
    std::uint32_t* d = dst->Row(a.dy + j) + a.dx;
    for (int i = 0; i < a.w; ++i) {
      const std::uint32_t pa = p[i] >> 24, da = d[i] >> 24;
      int t = static_cast<int>(255 - pa);
      if (faded) t = std::min(t + 100, 255);
      std::uint32_t out = CoverStep(da, pa) << 24;
      for (int shift = 0; shift < 24; shift += 8)
        out |= std::uint32_t(BlendStep(Channel(d[i], shift), Channel(p[i], shift), t)) << shift;
      d[i] = out;
    }
  }
}

}  // namespace

void PaintImageState(Bitmap32* dst, TPoint p, int state, const TacBgInfo& bg, const TsMaskData& md, TacImageLook look) {
  if (dst == nullptr || !dst->Is32Bit()) return;
  if (md.Bmp != nullptr) {
    if (md.Bmp->Width() < md.R.Right || md.Bmp->Height() < md.R.Bottom) return;
  } else if (md.Manager == nullptr) {
    return;
  }
  if (md.ImageCount <= 0 || md.Width <= 0 || md.Height <= 0) return;
  const Bitmap32* src = ImageSourceBitmap(md);
  if (src == nullptr) return;

  const TPoint o = StatePictureOrigin(md, state);
  const bool faded = look == TacImageLook::Faded;
  const bool own = md.Bmp != nullptr;
  const TRect picture{o.X, o.Y, o.X + md.Width - 1, o.Y + md.Height - 1};
  switch (ImageKindOf(md)) {
    case TacImageKind::Masked: {
      // The mask lies Height rows below; the picture is cut to where both exist.
      CopyArea a;
      if (!ClipCopy(o.X, o.Y, std::int64_t(o.X) + md.Width,
                    std::min<std::int64_t>(std::int64_t(o.Y) + md.Height, src->Height() - md.Height), src->Width(),
                    src->Height(), p.X, p.Y, dst->Width(), dst->Height(), a))
        return;
      PutMaskedPicture(dst, *src, a, md.Height, faded);
      return;
    }
    case TacImageKind::Alpha:
      if (own) {
        CopyArea a;
        if (ClipCopyInclusive(picture, src->Width(), src->Height(), p.X, p.Y, dst->Width(), dst->Height(), a))
          PutAlphaPicture(dst, *src, a, faded);
      } else {
        AlphaBlitRect(dst, src, picture, faded ? 127 : 255, p);
      }
      return;
    case TacImageKind::KeyColor:
      if (own) CopyKeyed(dst, src, p.X, faded ? 180 : 0, KeyColor, picture, p.Y);
      else if (!faded) CopyKeyedOverBackground(dst, src, p.X, true, bg, KeyColor, picture, p.Y);
      else BlendKeyedRect(dst, p.X, p.Y, KeyPixel, 127, picture, src);
      return;
  }
}

}  // namespace skin
