#include "skin/render/pixels/acPixelEffects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelClip.h"
#include "skin/render/pixels/acPixelTuning.h"

namespace skin {

void ForEachPixel(Bitmap32* bmp, PixelOp op, int arg, std::uint32_t key) {
  if (bmp == nullptr || op == nullptr || !bmp->Is32Bit()) return;
  const std::uint32_t keyPx = key == NoKey ? NoKey : SwapRedBlue(key);
  for (int y = 0; y < bmp->Height(); ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = 0; x < bmp->Width(); ++x)
      if (keyPx == NoKey || row[x] != keyPx) row[x] = op(row[x], arg);
  }
}

std::uint8_t PixelGray(std::uint32_t p) {
  const double r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return static_cast<std::uint8_t>(std::nearbyint(r * 0.299 + g * 0.587 + b * 0.114));
}

std::uint32_t ChangeSaturation(int amount, std::uint32_t pixel) {
  if (amount == 0) return pixel;
  const int gray = PixelGray(pixel);
  std::uint32_t out = pixel & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int c = (pixel >> shift) & 0xFF;
    const int v = (amount + 255) * c - amount * gray;
    const int nc = v < 0 ? 0 : (v >= 65536 ? 255 : v >> 8);
    out |= std::uint32_t(nc) << shift;
  }
  return out;
}

std::uint32_t PixelOpSaturation(std::uint32_t pixel, int amount) { return ChangeSaturation(amount, pixel); }

std::uint32_t PixelOpOpaque(std::uint32_t pixel, int) { return pixel | 0xFF000000u; }

void MakeGrayscale(Bitmap32* bmp, std::uint32_t keyPixel) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  for (int y = 0; y < bmp->Height(); ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = 0; x < bmp->Width(); ++x) {
      const std::uint32_t p = row[x];
      if (keyPixel != NoKey && p == keyPixel) continue;
      const std::uint32_t g = PixelGray(p);
      row[x] = (p & 0xFF000000u) | (g << 16) | (g << 8) | g;
    }
  }
}

void TintBitmap(Bitmap32* bmp, std::uint8_t w, TColor color) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  const std::uint32_t c = SwapRedBlue(color);  // pixel order: byte 0 blue, byte 2 red
  for (int y = 0; y < bmp->Height(); ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = 0; x < bmp->Width(); ++x)
      if (row[x] != KeyPixel) row[x] = MixThreeBytes(row[x], c, w);
  }
}

void ApplyDisabledLook(Bitmap32* bmp, TsDisabledKind kinds, const IBackgroundColorSource* control, TPoint pos,
                       const TacBgInfo& bg) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Empty()) return;
  if (kinds & dkGrayed) {
    const int saturation = PixelTuning().DisabledSaturation;
    if (saturation == -100) MakeGrayscale(bmp);
    else ForEachPixel(bmp, PixelOpSaturation, saturation * 255 / 100, KeyColor);
  }
  if (kinds & dkBlended) {
    const std::uint8_t d = PixelTuning().DisabledBlend;
    if (bg.Ready) {
      const int ox = bg.X + pos.X, oy = bg.Y + pos.Y;
      const TRect r{ox, oy, ox + bmp->Width() - 1, oy + bmp->Height() - 1};
      BlendKeyedRect(bmp, 0, 0, KeyColor, d, r, bg.Bmp);
    } else {
      TColor c = bg.FillColor;
      if (c == KeyColor) c = control != nullptr ? control->BackgroundColor() : TColor(0);
      ShadeRect(bmp, {0, 0, bmp->Width() - 1, bmp->Height() - 1}, d, ColorToRGB(c));
    }
  }
}

namespace {

// True when the centre of pixel (x, y) lies inside the rectangle inset by `inset` on
// every side, with corners rounded by `radius`.
bool InsideRounded(int x, int y, int w, int h, int inset, int radius) {
  const double px = x + 0.5, py = y + 0.5;
  const double l = inset, t = inset, r = w - inset, b = h - inset;
  if (px < l || py < t || px > r || py > b) return false;
  if (radius <= 0) return true;
  const double cx = px < l + radius ? l + radius : (px > r - radius ? r - radius : px);
  const double cy = py < t + radius ? t + radius : (py > b - radius ? b - radius : py);
  const double dx = px - cx, dy = py - cy;
  return dx * dx + dy * dy <= double(radius) * radius;
}

}  // namespace

void TintRectToColor(Bitmap32* bmp, const TRect& rect, int keepPercent, int radius, int softness, TColor color) {
  if (bmp == nullptr || !bmp->Is32Bit()) return;
  TRect r;
  if (!ClipToBitmap(rect, bmp->Width(), bmp->Height(), r)) return;
  const int w = r.Width(), h = r.Height();
  const std::uint8_t g = static_cast<std::uint8_t>(keepPercent * 255 / 100);
  const std::uint32_t c = SwapRedBlue(color);

  // Weight picture: one level per pixel. Without radius and softness it is flat.
  std::vector<std::uint8_t> weights;
  const int half = std::min(w, h) / 2;
  radius = std::clamp(radius, 0, half);
  softness = std::clamp(softness, 0, half);
  if (radius > 0 || softness > 0) {
    weights.assign(static_cast<std::size_t>(w) * h, 255);
    for (int ring = 0; ring <= softness; ++ring) {
      const int level = softness == 0 ? g : 255 - (255 - g) * ring / softness;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if (InsideRounded(x, y, w, h, ring, radius))
            weights[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(level);
    }
  }

  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = bmp->Row(r.Top + y) + r.Left;
    for (int x = 0; x < w; ++x) {
      const int wt = weights.empty() ? g : weights[static_cast<std::size_t>(y) * w + x];
      const std::uint32_t p = row[x];
      std::uint32_t out = p & 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8)
        out |= std::uint32_t(BlendStep((p >> shift) & 0xFF, (c >> shift) & 0xFF, wt)) << shift;
      row[x] = out;
    }
  }
}

}  // namespace skin
