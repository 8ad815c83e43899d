// Anti-aliased lines.
#include <algorithm>
#include <cmath>

#include "platform/gfx/CoverageRaster.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/VisibleArea.h"

namespace gfx {

void Surface::DrawSmoothLine(TPointF a, TPointF b, double width, std::uint32_t colour) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double len = std::hypot(dx, dy);
  if (!(len > 1e-9) || !(width > 0) || !std::isfinite(len + width)) return;
  const Region& vis = Visible();
  if (vis.IsEmpty()) return;
  // Whole coordinates are pixel centres; the raster's pixels start at whole coordinates.
  const TPoint o = PixelOffset();
  const double ox = o.X + 0.5, oy = o.Y + 0.5;
  const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
  const TPointF quad[4] = {{a.X + ox + nx, a.Y + oy + ny},
                           {b.X + ox + nx, b.Y + oy + ny},
                           {b.X + ox - nx, b.Y + oy - ny},
                           {a.X + ox - nx, a.Y + oy - ny}};
  double l = quad[0].X, t = quad[0].Y, r = l, btm = t;
  for (const TPointF& p : quad) {
    l = std::min(l, p.X);
    r = std::max(r, p.X);
    t = std::min(t, p.Y);
    btm = std::max(btm, p.Y);
  }
  const TRect& vb = vis.Bounds();
  const TRect box{static_cast<int>(std::max<double>(std::floor(l), vb.Left - 1)),
                  static_cast<int>(std::max<double>(std::floor(t), vb.Top)),
                  static_cast<int>(std::min<double>(std::ceil(r) + 1, vb.Right + 1)),
                  static_cast<int>(std::min<double>(std::ceil(btm) + 1, vb.Bottom))};
  if (box.IsEmpty()) return;
  CoverageRaster raster(box);
  raster.AddPolygon(quad, 4);
  const std::vector<std::uint8_t> cov = raster.Coverage();
  const std::uint32_t alpha = colour >> 24;
  ForEachVisible(vis, box, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint32_t* row = target_.Row32(y);
      const std::uint8_t* c = cov.data() + static_cast<std::size_t>(y - box.Top) * box.Width() - box.Left;
      for (int x = part.Left; x < part.Right; ++x)
        if (c[x]) row[x] = BlendOver(row[x], colour & 0xFFFFFFu, MulDiv255Round(c[x], alpha));
    }
  });
}

}  // namespace gfx
