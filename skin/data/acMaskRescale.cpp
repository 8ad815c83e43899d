#include "skin/data/acMaskRescale.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gfx/ImageCodec.h"
#include "skin/render/pixels/acSmoothResize.h"

namespace skin {

namespace {

// A new bitmap of w x h holding the source's pixels from (x0, y0); pixels outside the
// source stay 0.
Bitmap32Ptr CopyArea(const Bitmap32& src, int x0, int y0, int w, int h) {
  Bitmap32Ptr out = NewBitmap32(w, h);
  const TRect r = gfx::Intersect(TRect{x0, y0, x0 + w, y0 + h}, TRect{0, 0, src.Width(), src.Height()});
  for (int y = r.Top; y < r.Bottom; ++y) {
    const std::uint32_t* s = src.Row(y);
    std::uint32_t* d = out->Row(y - y0);
    for (int x = r.Left; x < r.Right; ++x) d[x - x0] = s[x];
  }
  return out;
}

// The mask treatment before resampling, in the four corners of the first state picture.
void ClearMaskedCorners(Bitmap32& p, Bitmap32& m, const TsMaskData& md, int a, int h, std::uint32_t mainPixel) {
  const TRect corners[4] = {
      {0, 0, md.WL, md.WT},
      {0, h - md.WB, md.WL, h},
      {a - md.WR, 0, a, md.WT},
      {a - md.WR, h - md.WB, a, h},
  };
  const TRect bounds{0, 0, p.Width(), p.Height()};
  for (const TRect& c : corners) {
    const TRect r = gfx::Intersect(c, bounds);
    for (int y = r.Top; y < r.Bottom; ++y) {
      std::uint32_t* pr = p.Row(y);
      std::uint32_t* mr = m.Row(y);
      for (int x = r.Left; x < r.Right; ++x) {
        if (pr[x] == KeyPixel) {
          pr[x] = mainPixel;
          mr[x] = 0x00FFFFFFu;
        } else if (mr[x] == KeyPixel) {
          mr[x] = 0x00FFFFFFu;
        }
      }
    }
  }
}

void ReplaceAll(Bitmap32& p, std::uint32_t from, std::uint32_t to) {
  for (int y = 0; y < p.Height(); ++y) {
    std::uint32_t* row = p.Row(y);
    for (int x = 0; x < p.Width(); ++x)
      if (row[x] == from) row[x] = to;
  }
}

// Resamples a strip of `count` state pictures, each a x strip.Height(), to pictures of
// w x h side by side, one by one: resampling the strip whole would mix each picture's edge
// with its neighbour's and leave a seam of the next state along every edge.
void ResizeFrames(const Bitmap32& strip, int count, int a, int w, int h, Bitmap32& out, int top) {
  for (int i = 0; i < count; ++i) {
    Bitmap32Ptr frame = CopyArea(strip, i * a, 0, a, strip.Height());
    Bitmap32 scaled;
    SmoothResize(frame.get(), &scaled, w, rfMitchell, h);
    for (int y = 0; y < scaled.Height() && y + top < out.Height(); ++y) {
      const std::uint32_t* s = scaled.Row(y);
      std::uint32_t* d = out.Row(y + top) + i * w;
      std::copy(s, s + std::min(scaled.Width(), out.Width() - i * w), d);
    }
  }
}

std::int16_t Clamp16(std::int32_t v) { return static_cast<std::int16_t>(std::clamp<std::int32_t>(v, 0, 32767)); }

}  // namespace

std::int32_t MulDivRound(std::int32_t v, std::int32_t mul, std::int32_t div) {
  if (div == 0) return 0;
  const std::int64_t n = static_cast<std::int64_t>(v) * mul;
  const std::int64_t d = div;
  const std::int64_t q = (std::llabs(n) * 2 + std::llabs(d)) / (std::llabs(d) * 2);
  return static_cast<std::int32_t>(((n < 0) != (d < 0)) ? -q : q);
}

Bitmap32Ptr RescaleMaskPicture(TsMaskData& md, const Bitmap32& source, bool keyless, TColor mainColor) {
  const int count = std::max<int>(1, md.ImageCount);
  const int mul = md.MulPPi, div = md.DivPPI;
  if (mul <= 0 || div <= 0) return nullptr;
  const int stripW = md.R.Width();
  const int a = stripW / count;
  const int h = md.MaskType != 0 ? md.R.Height() / 2 : md.R.Height();
  if (md.WL + md.WR == 2 || md.WT + md.WB == 2 || h <= 2 || a <= 2) return nullptr;

  const int w = mul * a / div;
  const int W = w * count;
  const int H = md.MaskType != 0 ? (h * mul / div) * 2 : md.R.Height() * mul / div;
  if (w <= 0 || H <= 0) return nullptr;
  // An area reaching beyond its picture, or a result larger than any picture may be, is
  // left as it is (painting clips it).
  const TRect bounds{0, 0, source.Width(), source.Height()};
  if (gfx::Intersect(md.R, bounds) != md.R) return nullptr;
  if (static_cast<std::int64_t>(W) * H > gfx::kMaxImagePixels) return nullptr;

  const bool ownAlpha = (md.DrawMode & dmOwnAlpha) != 0;
  const std::uint32_t mainPixel = SwapRedBlue(mainColor) & 0x00FFFFFFu;
  Bitmap32Ptr picture = CopyArea(source, md.R.Left, md.R.Top, stripW, h);
  Bitmap32Ptr out = NewBitmap32(W, H);
  if (md.MaskType != 0) {
    Bitmap32Ptr mask = CopyArea(source, md.R.Left, md.R.Top + h, stripW, h);
    ClearMaskedCorners(*picture, *mask, md, a, h, mainPixel);
    ResizeFrames(*picture, count, a, w, H / 2, *out, 0);
    ResizeFrames(*mask, count, a, w, H / 2, *out, H / 2);
    for (int y = 0; y < H / 2; ++y) {
      std::uint32_t* row = out->Row(y);
      for (int x = 0; x < W; ++x)
        if ((row[x] >> 24) < 100) row[x] = KeyPixel;
    }
  } else {
    const bool keyed = !keyless && !ownAlpha;
    if (keyed) ReplaceAll(*picture, KeyPixel, mainPixel);
    ResizeFrames(*picture, count, a, w, H, *out, 0);
    if (keyed) {
      for (int y = 0; y < out->Height(); ++y) {
        std::uint32_t* row = out->Row(y);
        for (int x = 0; x < out->Width(); ++x) row[x] = (row[x] >> 24) > 89 ? (row[x] | 0xFF000000u) : KeyPixel;
      }
    }
  }

  md.R = TRect{0, 0, W, H};
  md.Width = w;
  md.Height = ownAlpha ? H : H / (md.MaskType + 1);
  md.WL = Clamp16(MulDivRound(md.WL, mul, div));
  md.WT = Clamp16(MulDivRound(md.WT, mul, div));
  md.WR = Clamp16(std::min(MulDivRound(md.WR, mul, div), md.Width - md.WL - 1));
  md.WB = Clamp16(std::min(MulDivRound(md.WB, mul, div), md.Height - md.WT - 1));
  return out;
}

std::int32_t CornerKeyCfg(const TsMaskData& md, const Bitmap32* source) {
  if (source == nullptr || !source->Is32Bit()) return 0;
  const int count = std::max<int>(1, md.ImageCount);
  const int a = md.R.Width() / count;
  const int h = md.R.Height() / (md.MaskType + 1);
  const TRect bounds{0, 0, source->Width(), source->Height()};
  for (int i = 0; i < count; ++i) {
    const int x0 = md.R.Left + i * a, y0 = md.R.Top;
    const TRect corners[4] = {
        {x0, y0, x0 + md.WL, y0 + md.WT},
        {x0 + a - md.WR, y0, x0 + a, y0 + md.WT},
        {x0, y0 + h - md.WB, x0 + md.WL, y0 + h},
        {x0 + a - md.WR, y0 + h - md.WB, x0 + a, y0 + h},
    };
    for (const TRect& c : corners) {
      const TRect r = gfx::Intersect(c, bounds);
      for (int y = r.Top; y < r.Bottom; ++y) {
        const std::uint32_t* row = source->Row(y);
        for (int x = r.Left; x < r.Right; ++x)
          if ((row[x] & 0x00FFFFFFu) == KeyPixel) return 1;
      }
    }
  }
  return 0;
}

}  // namespace skin
