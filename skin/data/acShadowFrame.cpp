#include "skin/data/acShadowFrame.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

// Coverage 0..255 of pixel (x, y) by a rounded rectangle that fades out over fade pixels
// outside its edge (smoothstep falloff).
std::uint8_t Coverage(const TRect& shape, int radius, int fade, int x, int y) {
  const double cx = (shape.Left + shape.Right) / 2.0, cy = (shape.Top + shape.Bottom) / 2.0;
  const double hx = shape.Width() / 2.0 - radius, hy = shape.Height() / 2.0 - radius;
  const double qx = std::fabs(x + 0.5 - cx) - hx, qy = std::fabs(y + 0.5 - cy) - hy;
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  const double d = outside + std::min(std::max(qx, qy), 0.0) - radius;  // signed distance
  if (d <= 0) return 255;
  if (d >= fade + 0.5) return 0;
  const double t = 1.0 - d / (fade + 0.5);
  return static_cast<std::uint8_t>(std::lround(255.0 * t * t * (3 - 2 * t)));
}

}  // namespace

TacShadowFrame MakeShadowFrame(int radius, int blur, const std::array<int, 4>& offsets,
                               const std::array<TColor, 4>& colors) {
  radius = std::clamp(radius, 0, 60);
  blur = std::clamp(blur, 0, 30);
  int m[4];
  for (int i = 0; i < 4; ++i) m[i] = blur + std::clamp(offsets[static_cast<std::size_t>(i)], 0, 255);
  const int core = 2 * radius + 1;
  TacShadowFrame f;
  f.Width = m[0] + core + m[2];
  f.Height = m[1] + core + m[3];
  f.WL = m[0] + radius;
  f.WT = m[1] + radius;
  f.WR = m[2] + radius;
  f.WB = m[3] + radius;
  f.Bmp = NewBitmap32(f.Width, f.Height * 2);
  const TRect shape{blur, blur, f.Width - blur, f.Height - blur};
  for (int y = 0; y < f.Height; ++y) {
    std::uint32_t* pic = f.Bmp->Row(y);
    std::uint32_t* mask = f.Bmp->Row(y + f.Height);
    for (int x = 0; x < f.Width; ++x) {
      // The side whose outer edge is nearest.
      const int dist[4] = {x, y, f.Width - 1 - x, f.Height - 1 - y};
      const int side = static_cast<int>(std::min_element(dist, dist + 4) - dist);
      pic[x] = (SwapRedBlue(colors[static_cast<std::size_t>(side)]) & 0x00FFFFFFu) | 0xFF000000u;
      const std::uint32_t keep = 255u - Coverage(shape, radius, blur, x, y);
      mask[x] = 0xFF000000u | (keep << 16) | (keep << 8) | keep;
    }
  }
  return f;
}

Bitmap32Ptr MakeShadowTemplate(int radius, int size, int offset, std::uint32_t argb) {
  radius = std::clamp(radius, 0, 60);
  size = std::clamp(size, 0, 30);
  offset = std::clamp(offset, -size, size);
  const int side = 2 * (size + radius) + 1;
  Bitmap32Ptr bmp = NewBitmap32(side, side);
  // The window itself covers (size, size + offset) .. (side - size, side - size + offset).
  const TRect shape{size, size + offset, side - size, side - size + offset};
  const std::uint32_t rgb = argb & 0x00FFFFFFu;
  const std::uint32_t alpha = argb >> 24;
  for (int y = 0; y < side; ++y) {
    std::uint32_t* row = bmp->Row(y);
    for (int x = 0; x < side; ++x) {
      const std::uint32_t a = Coverage(shape, radius, size, x, y) * alpha / 255;
      row[x] = (a << 24) | rgb;
    }
  }
  return bmp;
}

}  // namespace skin
