// Fills and copies: solid fills, pattern operations, copies, stretches, the parallelogram
// copy, key-colour copies and alpha blending.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/base/Assert.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/VisibleArea.h"

namespace gfx {
namespace {

void FillRun(std::uint32_t* row, int x0, int x1, std::uint32_t px) { std::fill(row + x0, row + x1, px); }

// The pixels a copy reads: the source target itself, or a private copy of the source
// rectangle when source and destination share memory.
class SourcePixels {
 public:
  // srcRect in source target pixels, already cut to the source target.
  SourcePixels(const PixelView& src, const PixelView& dst, const TRect& srcRect) : view_(src) {
    const auto [s0, s1] = Extent(src);
    const auto [d0, d1] = Extent(dst);
    if (s0 < d1 && d0 < s1 && !srcRect.IsEmpty()) {
      copy_ = PixelBuffer(srcRect.Width(), srcRect.Height());
      for (int y = 0; y < srcRect.Height(); ++y)
        std::memcpy(copy_.Row32(y), src.Row32(srcRect.Top + y) + srcRect.Left,
                    sizeof(std::uint32_t) * static_cast<std::size_t>(srcRect.Width()));
      view_ = copy_.View();
      origin_ = {srcRect.Left, srcRect.Top};
    }
  }
  const std::uint32_t* Row(int y) const { return view_.Row32(y - origin_.Y) - origin_.X; }

 private:
  // First and one-past-last byte address of a view's pixels.
  static std::pair<std::uintptr_t, std::uintptr_t> Extent(const PixelView& v) {
    const auto a = reinterpret_cast<std::uintptr_t>(v.bits);
    const auto b = reinterpret_cast<std::uintptr_t>(v.Row(v.height - 1));
    return {std::min(a, b), std::max(a, b) + static_cast<std::uintptr_t>(v.width) * 4};
  }

  PixelView view_;
  PixelBuffer copy_;
  TPoint origin_;
};

bool Usable(const PixelView& v) { return v.Valid() && v.format == PixelFormat::Bgra32; }

// Combines a source and destination pixel by a raster operation; false for an unknown one.
bool RopUsesSource(std::uint32_t rop) {
  return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || rop == NOTSRCCOPY;
}

inline std::uint32_t ApplyRop(std::uint32_t rop, std::uint32_t d, std::uint32_t s) {
  constexpr std::uint32_t A = 0xFF000000u, C = 0x00FFFFFFu;
  switch (rop) {
    case SRCCOPY: return s;
    case SRCPAINT: return (d & A) | ((d | s) & C);
    case SRCAND: return (d & A) | (d & s & C);
    case SRCINVERT: return (d & A) | ((d ^ s) & C);
    case NOTSRCCOPY: return (d & A) | (~s & C);
    default: return d;
  }
}

// Maps destination index i of n onto a source of m pixels, nearest pixel centre.
inline int MapIndex(int i, int n, int m) {
  return static_cast<int>((2 * static_cast<std::int64_t>(i) + 1) * m / (2 * static_cast<std::int64_t>(n)));
}

// A rectangle given by a corner and a signed size, normalised; mirrored when size < 0.
struct Span1D {
  int start, length;
  bool mirrored;
};
Span1D Normalise(int p, int size) {
  if (size < 0) return {p + size, -size, true};
  return {p, size, false};
}

}  // namespace

void Surface::FillRect(const TRect& r, const Brush& b) {
  if (b.IsNull()) return;
  const std::uint32_t px = ColorToPixel(b.Color());
  ForEachVisible(Visible(), ToPixels(r), [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) FillRun(target_.Row32(y), part.Left, part.Right, px);
  });
}

void Surface::FrameRect(const TRect& r, const Brush& b) {
  if (r.IsEmpty()) return;
  FillRect({r.Left, r.Top, r.Right, r.Top + 1}, b);
  FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, b);
  FillRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, b);
  FillRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, b);
}

void Surface::FillRegion(const Region& rgn, const Brush& b) {
  if (b.IsNull() || rgn.IsEmpty()) return;
  const TPoint o = PixelOffset();
  Region area = rgn;
  area.Offset(o.X, o.Y);
  area &= Visible();
  const std::uint32_t px = ColorToPixel(b.Color());
  for (const TRect& part : area.Rects())
    for (int y = part.Top; y < part.Bottom; ++y) FillRun(target_.Row32(y), part.Left, part.Right, px);
}

void Surface::InvertRect(const TRect& r) { PatBlt(r.Left, r.Top, r.Width(), r.Height(), DSTINVERT); }

bool Surface::PatBlt(int x, int y, int w, int h, std::uint32_t rop) {
  const Span1D sx = Normalise(x, w), sy = Normalise(y, h);
  const TRect r{sx.start, sy.start, sx.start + sx.length, sy.start + sy.length};
  switch (rop) {
    case PATCOPY: FillRect(r, state_.brush); return true;
    case BLACKNESS: FillRect(r, Brush::Solid(0)); return true;
    case WHITENESS: FillRect(r, Brush::Solid(0xFFFFFF)); return true;
    case DSTINVERT:
    case PATINVERT: {
      if (rop == PATINVERT && state_.brush.IsNull()) return true;
      const std::uint32_t mask = rop == DSTINVERT ? 0xFFFFFFu : ColorToPixel(state_.brush.Color(), 0);
      ForEachVisible(Visible(), ToPixels(r), [&](const TRect& part) {
        for (int yy = part.Top; yy < part.Bottom; ++yy) {
          std::uint32_t* row = target_.Row32(yy);
          for (int xx = part.Left; xx < part.Right; ++xx) row[xx] ^= mask;
        }
      });
      return true;
    }
    default: return false;
  }
}

bool Surface::SetPixel(TPoint p, TColor c) {
  const TPoint q = ToPixels(p);
  if (!Visible().Contains(q)) return false;
  target_.Row32(q.Y)[q.X] = ColorToPixel(ColorToRGB(c) & 0xFFFFFF);
  return true;
}

TColor Surface::GetPixel(TPoint p) const {
  const TPoint q = ToPixels(p);
  if (!Usable(target_) || q.X < 0 || q.Y < 0 || q.X >= target_.width || q.Y >= target_.height) return clNone;
  return PixelToColor(target_.Row32(q.Y)[q.X]);
}

bool Surface::BitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, std::uint32_t rop) {
  if (!RopUsesSource(rop)) return PatBlt(x, y, w, h, rop);
  if (!Usable(src.target_) || w <= 0 || h <= 0) return false;
  const TRect dst = ToPixels(TRect{x, y, x + w, y + h});
  const TPoint s = src.ToPixels(TPoint{sx, sy});
  const int dx = s.X - dst.Left, dy = s.Y - dst.Top;  // destination pixel + d = source pixel
  // Only destination pixels with a source pixel are written.
  const TRect srcBounds{0, 0, src.target_.width, src.target_.height};
  const TRect area = Intersect(dst, srcBounds.Offset(-dx, -dy));
  if (area.IsEmpty()) return true;
  const SourcePixels pixels(src.target_, target_, area.Offset(dx, dy));
  ForEachVisible(Visible(), area, [&](const TRect& part) {
    for (int yy = part.Top; yy < part.Bottom; ++yy) {
      std::uint32_t* d = target_.Row32(yy);
      const std::uint32_t* sr = pixels.Row(yy + dy) + dx;
      if (rop == SRCCOPY) {
        std::memmove(d + part.Left, sr + part.Left, sizeof(std::uint32_t) * static_cast<std::size_t>(part.Width()));
      } else {
        for (int xx = part.Left; xx < part.Right; ++xx) d[xx] = ApplyRop(rop, d[xx], sr[xx]);
      }
    }
  });
  return true;
}

namespace {

// Nearest-pixel scaling shared by StretchBlt, TransparentBlt and AlphaBlend: for every
// visible destination pixel with a source pixel, calls put(destination, source pixel).
struct StretchMap {
  TRect dst;  // destination in target pixels
  TRect src;  // source in source pixels
  bool mirrorX, mirrorY;

  int SourceX(int x) const {
    const int i = MapIndex(x - dst.Left, dst.Width(), src.Width());
    return src.Left + (mirrorX ? src.Width() - 1 - i : i);
  }
  int SourceY(int y) const {
    const int i = MapIndex(y - dst.Top, dst.Height(), src.Height());
    return src.Top + (mirrorY ? src.Height() - 1 - i : i);
  }
};

template <class Put>
void Stretch(const Region& vis, PixelView& target, const PixelView& source, const StretchMap& m, Put&& put) {
  const TRect srcBounds{0, 0, source.width, source.height};
  const TRect readable = Intersect(m.src, srcBounds);
  if (readable.IsEmpty()) return;
  // Source columns of the destination columns that can show.
  const TRect shown = Intersect(m.dst, vis.Bounds());
  if (shown.IsEmpty()) return;
  const SourcePixels pixels(source, target, readable);
  std::vector<int> columns(static_cast<std::size_t>(shown.Width()));
  for (int x = shown.Left; x < shown.Right; ++x) columns[static_cast<std::size_t>(x - shown.Left)] = m.SourceX(x);
  ForEachVisible(vis, shown, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      const int syy = m.SourceY(y);
      if (syy < readable.Top || syy >= readable.Bottom) continue;
      const std::uint32_t* sr = pixels.Row(syy);
      std::uint32_t* d = target.Row32(y);
      for (int x = part.Left; x < part.Right; ++x) {
        const int sxx = columns[static_cast<std::size_t>(x - shown.Left)];
        if (sxx >= readable.Left && sxx < readable.Right) put(d[x], sr[sxx]);
      }
    }
  });
}

}  // namespace

bool Surface::StretchBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                         std::uint32_t rop) {
  if (!RopUsesSource(rop)) return PatBlt(x, y, w, h, rop);
  if (w == 0 || h == 0 || sw == 0 || sh == 0 || !Usable(src.target_)) return false;
  if (w == sw && h == sh && w > 0 && h > 0) return BitBlt(x, y, w, h, src, sx, sy, rop);
  const Span1D dxs = Normalise(x, w), dys = Normalise(y, h), sxs = Normalise(sx, sw), sys = Normalise(sy, sh);
  StretchMap m;
  m.dst = ToPixels(TRect{dxs.start, dys.start, dxs.start + dxs.length, dys.start + dys.length});
  const TPoint s = src.ToPixels(TPoint{sxs.start, sys.start});
  m.src = {s.X, s.Y, s.X + sxs.length, s.Y + sys.length};
  m.mirrorX = dxs.mirrored != sxs.mirrored;
  m.mirrorY = dys.mirrored != sys.mirrored;
  Stretch(Visible(), target_, src.target_, m, [rop](std::uint32_t& d, std::uint32_t sp) { d = ApplyRop(rop, d, sp); });
  return true;
}

bool Surface::TransparentBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                             TColor key) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || !Usable(src.target_)) return false;
  StretchMap m;
  m.dst = ToPixels(TRect{x, y, x + w, y + h});
  const TPoint s = src.ToPixels(TPoint{sx, sy});
  m.src = {s.X, s.Y, s.X + sw, s.Y + sh};
  m.mirrorX = m.mirrorY = false;
  const std::uint32_t k = ColorToPixel(ColorToRGB(key) & 0xFFFFFF, 0);
  Stretch(Visible(), target_, src.target_, m, [k](std::uint32_t& d, std::uint32_t sp) {
    if ((sp & 0xFFFFFFu) != k) d = sp;
  });
  return true;
}

bool Surface::AlphaBlend(int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                         BlendFunction bf) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || bf.op != AC_SRC_OVER || !Usable(src.target_)) return false;
  StretchMap m;
  m.dst = ToPixels(TRect{x, y, x + w, y + h});
  const TPoint s = src.ToPixels(TPoint{sx, sy});
  m.src = {s.X, s.Y, s.X + sw, s.Y + sh};
  m.mirrorX = m.mirrorY = false;
  const std::uint32_t ca = bf.sourceConstantAlpha;
  const bool perPixel = (bf.alphaFormat & AC_SRC_ALPHA) != 0;
  // Premultiplied source scaled by the constant alpha, then source-over; or a constant mix.
  if (perPixel)
    Stretch(Visible(), target_, src.target_, m,
            [ca](std::uint32_t& d, std::uint32_t sp) { d = BlendPremultiplied255Round(d, sp, ca); });
  else
    Stretch(Visible(), target_, src.target_, m,
            [ca](std::uint32_t& d, std::uint32_t sp) { d = MixPixel255Round(d, sp, ca); });
  return true;
}

bool Surface::PlgBlt(const TPoint pts[3], const Surface& src, int sx, int sy, int w, int h) {
  PELLOMIR_ASSERT(pts);
  if (pts == nullptr || w <= 0 || h <= 0 || !Usable(src.target_)) return false;
  const TPoint p0 = ToPixels(pts[0]), p1 = ToPixels(pts[1]), p2 = ToPixels(pts[2]);
  // Destination = p0 + u * (p1 - p0) / w + v * (p2 - p0) / h for source offsets (u, v).
  const double ax = double(p1.X - p0.X) / w, ay = double(p1.Y - p0.Y) / w;
  const double bx = double(p2.X - p0.X) / h, by = double(p2.Y - p0.Y) / h;
  const double det = ax * by - bx * ay;
  if (std::fabs(det) < 1e-12) return false;
  const int xs[4] = {p0.X, p1.X, p2.X, p1.X + p2.X - p0.X};
  const int ys[4] = {p0.Y, p1.Y, p2.Y, p1.Y + p2.Y - p0.Y};
  const TRect box{*std::min_element(xs, xs + 4), *std::min_element(ys, ys + 4), *std::max_element(xs, xs + 4),
                  *std::max_element(ys, ys + 4)};
  const TPoint s = src.ToPixels(TPoint{sx, sy});
  const TRect srcRect =
      Intersect(TRect{s.X, s.Y, s.X + w, s.Y + h}, TRect{0, 0, src.target_.width, src.target_.height});
  if (srcRect.IsEmpty()) return true;
  const SourcePixels pixels(src.target_, target_, srcRect);
  ForEachVisible(Visible(), box, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      std::uint32_t* d = target_.Row32(y);
      for (int x = part.Left; x < part.Right; ++x) {
        const double qx = x + 0.5 - p0.X, qy = y + 0.5 - p0.Y;
        const double u = (qx * by - qy * bx) / det;
        const double v = (ax * qy - ay * qx) / det;
        if (u < 0 || v < 0 || u >= w || v >= h) continue;
        const int px = s.X + static_cast<int>(u), py = s.Y + static_cast<int>(v);
        if (px < srcRect.Left || px >= srcRect.Right || py < srcRect.Top || py >= srcRect.Bottom) continue;
        d[x] = pixels.Row(py)[px];
      }
    }
  });
  return true;
}

}  // namespace gfx
