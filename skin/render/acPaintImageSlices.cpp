#include "skin/render/acPaintImageSlices.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/base/Assert.h"
#include "platform/gfx/Surface.h"
#include "skin/render/acImageSource.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelClip.h"

namespace skin {
namespace {

enum class Target { Opaque, AlphaKept, Outer };
enum class Role { Corner, Middle };  // Middle: the edges and the centre
enum class Scaling { None, Stretched };

constexpr std::uint32_t kOpaque = 0xFF000000u;

// One frame being drawn: where from, where to, and the rules of its target.
struct SliceJob {
  Bitmap32* dst;
  const Bitmap32* src;
  const TsMaskData& md;
  TacImageKind kind;
  Target target;
  const TacBgInfo& cornerBg;
  bool cornerUseBg;
  std::uint8_t opacity;

  const TacBgInfo& Bg(Role role) const { return role == Role::Corner ? cornerBg : EmptyBgInfo(); }
};

bool BgPixel(const TacBgInfo& bg, int x, int y, std::uint32_t& out) {
  if (!bg.Ready || bg.Bmp == nullptr || !bg.Bmp->Is32Bit()) return false;
  const std::int64_t bx = std::int64_t(x) + bg.X, by = std::int64_t(y) + bg.Y;
  if (bx < 0 || by < 0 || bx >= bg.Bmp->Width() || by >= bg.Bmp->Height()) return false;
  out = bg.Bmp->Pixel(static_cast<int>(bx), static_cast<int>(by));
  return true;
}

bool HasBgBitmap(const TacBgInfo& bg) { return bg.Ready && bg.Bmp != nullptr; }

std::uint32_t MaskRed(std::uint32_t m) { return (m >> 16) & 0xFF; }

// What the masked pixel steps need besides the pixels: the background of the piece's
// role, whether key pixels of corners show it, and the outer frame's opacity.
struct MaskedContext {
  const TacBgInfo& bg;
  bool useBg;
  bool bgBitmap;  // HasBgBitmap(bg)
  std::uint8_t opacity;
};

// One masked picture pixel p with mask pixel m put on d at destination (x, y); one step
// per target and scaling.
using MaskedPixelStep = void (*)(const MaskedContext& c, int x, int y, std::uint32_t p, std::uint32_t m,
                                 std::uint32_t& d);

// Opaque target, stretched piece: every pixel masked.
inline void OpaqueStretched(const MaskedContext&, int, int, std::uint32_t p, std::uint32_t m, std::uint32_t& d) {
  d = MaskedPixel(d, p, m) | kOpaque;
}

// Opaque target, unit scale, over a background picture: the key pixels of corners show it.
inline void OpaqueOverPicture(const MaskedContext& c, int x, int y, std::uint32_t p, std::uint32_t m,
                              std::uint32_t& d) {
  std::uint32_t under = 0;
  d = ((c.useBg && p == KeyPixel && BgPixel(c.bg, x, y, under)) ? under : MaskedPixel(d, p, m)) | kOpaque;
}

// Opaque target, unit scale, over a fill colour: the key pixels of corners take it, other
// key pixels leave the destination.
inline void OpaqueOverFill(const MaskedContext& c, int, int, std::uint32_t p, std::uint32_t m, std::uint32_t& d) {
  if (p == KeyPixel) {
    if (c.useBg) d = SwapRedBlue(c.bg.FillColor);
  } else {
    d = MaskedPixel(d, p, m);
  }
}

// Alpha kept, B, G, R weighted by the mask's red byte and A raised to its cover.
inline void AlphaKeptWeighted(std::uint32_t p, std::uint32_t mr, std::uint32_t& d) {
  const std::uint32_t a = std::max(d >> 24, 255 - mr);
  d = (MixThreeBytes(d, p, static_cast<int>(mr)) & 0x00FFFFFFu) | (a << 24);
}

// Alpha kept, unit scale: key pixels show the background or become transparent.
inline void AlphaKeptUnit(const MaskedContext& c, int x, int y, std::uint32_t p, std::uint32_t m, std::uint32_t& d) {
  std::uint32_t under = 0;
  if (p == KeyPixel) {
    d = BgPixel(c.bg, x, y, under) ? under : (d & 0x00FFFFFFu);
    return;
  }
  AlphaKeptWeighted(p, MaskRed(m), d);
}

// Alpha kept, stretched piece: mask 0 copies the picture opaque, mask 255 keeps d.
inline void AlphaKeptStretched(const MaskedContext&, int, int, std::uint32_t p, std::uint32_t m, std::uint32_t& d) {
  const std::uint32_t mr = MaskRed(m);
  if (mr == 0) {
    d = p | kOpaque;
    return;
  }
  if (mr == 255) return;
  AlphaKeptWeighted(p, mr, d);
}

// Outer frame (either scaling): weighted by opacity and mask; A grows to the cover.
inline void OuterPixel(const MaskedContext& c, int x, int y, std::uint32_t p, std::uint32_t m, std::uint32_t& d) {
  std::uint32_t under = 0;
  if (p == KeyPixel) {
    d = BgPixel(c.bg, x, y, under) ? under : (d & 0x00FFFFFFu);
    return;
  }
  const std::uint32_t mr = MaskRed(m);
  const std::uint32_t w = ScaleStep(c.opacity, 255 - mr);
  std::uint32_t a = d >> 24;
  if (a == 0) a = c.bgBitmap ? 255 - mr : w;
  else if (a < 255) a = std::max(a, 255 - mr);
  d = (MixThreeBytes(d, p, static_cast<int>(255 - w)) & 0x00FFFFFFu) | (a << 24);
}

// A row of n masked pixels from (x, y) on, with the step built in.
using MaskedRow = void (*)(const MaskedContext& c, int x, int y, const std::uint32_t* p, const std::uint32_t* m,
                           std::uint32_t* d, int n);

template <MaskedPixelStep Step>
void RowOf(const MaskedContext& c, int x, int y, const std::uint32_t* p, const std::uint32_t* m, std::uint32_t* d,
           int n) {
  for (int i = 0; i < n; ++i) Step(c, x + i, y, p[i], m[i], d[i]);
}

// The row routine of a target and scaling, chosen once per area.
MaskedRow MaskedRowFor(Target target, Scaling scaling, bool bgBitmap) {
  switch (target) {
    case Target::Opaque:
      if (scaling == Scaling::Stretched) return RowOf<OpaqueStretched>;
      return bgBitmap ? RowOf<OpaqueOverPicture> : RowOf<OpaqueOverFill>;
    case Target::AlphaKept: return scaling == Scaling::Stretched ? RowOf<AlphaKeptStretched> : RowOf<AlphaKeptUnit>;
    case Target::Outer: return RowOf<OuterPixel>;
  }
  return RowOf<OpaqueStretched>;
}

// Puts w x h masked pixels: pictures from pic at (px, py), masks from mask at (mx, my), to
// (dx, dy) of the destination. Cut to the destination; the source parts must be inside.
void PutMaskedArea(const SliceJob& job, Role role, Scaling scaling, const Bitmap32& pic, int px, int py,
                   const Bitmap32& mask, int mx, int my, int w, int h, int dx, int dy) {
  CopyArea a;
  if (!ClipCopy(px, py, std::int64_t(px) + w, std::int64_t(py) + h, pic.Width(), pic.Height(), dx, dy, job.dst->Width(),
                job.dst->Height(), a))
    return;
  const int ox = a.sx - px, oy = a.sy - py;  // how far the cut moved the start
  PELLOMIR_ASSERT(PieceInside(mask, mx + ox, my + oy, a.w, a.h));
  const TacBgInfo& bg = job.Bg(role);
  const MaskedContext c{bg, role == Role::Corner && job.cornerUseBg, HasBgBitmap(bg), job.opacity};
  const MaskedRow row = MaskedRowFor(job.target, scaling, c.bgBitmap);
  for (int j = 0; j < a.h; ++j) {
    const std::uint32_t* p = pic.Row(a.sy + j) + a.sx;
    const std::uint32_t* m = mask.Row(my + oy + j) + mx + ox;
    row(c, a.dx, a.dy + j, p, m, job.dst->Row(a.dy + j) + a.dx, a.w);
  }
}

void CopyPlain(Bitmap32* dst, const Bitmap32& src, int sx, int sy, int w, int h, int dx, int dy) {
  CopyArea a;
  if (!ClipCopy(sx, sy, std::int64_t(sx) + w, std::int64_t(sy) + h, src.Width(), src.Height(), dx, dy, dst->Width(),
                dst->Height(), a))
    return;
  for (int j = 0; j < a.h; ++j)
    std::memcpy(dst->Row(a.dy + j) + a.dx, src.Row(a.sy + j) + a.sx, sizeof(std::uint32_t) * a.w);
}

TRect Inclusive(int x, int y, int w, int h) { return {x, y, x + w - 1, y + h - 1}; }

// A corner, or one tile of an edge or the centre, at unit scale.
void PutPiece(const SliceJob& job, Role role, int sx, int sy, int w, int h, int dx, int dy) {
  if (w <= 0 || h <= 0) return;
  const Bitmap32& src = *job.src;
  switch (job.kind) {
    case TacImageKind::Masked: {
      // The mask lies half the height of R below; the piece is cut to where both exist.
      const int maskDy = (job.md.R.Bottom - job.md.R.Top) / 2;
      const int rows = std::min<std::int64_t>(h, std::int64_t(src.Height()) - maskDy - sy);
      if (rows <= 0 || sy < 0) return;
      PutMaskedArea(job, role, Scaling::None, src, sx, sy, src, sx, sy + maskDy, w, rows, dx, dy);
      return;
    }
    case TacImageKind::Alpha:
      if (role == Role::Middle && job.target == Target::AlphaKept) CopyPlain(job.dst, src, sx, sy, w, h, dx, dy);
      else
        AlphaBlitRect(job.dst, &src, Inclusive(sx, sy, w, h), job.target == Target::Outer ? job.opacity : 255,
                      {dx, dy});
      return;
    case TacImageKind::KeyColor:
      if (role == Role::Middle) {
        CopyPlain(job.dst, src, sx, sy, w, h, dx, dy);
      } else {
        const bool useBg = job.target != Target::Opaque || job.cornerUseBg;
        CopyKeyedOverBackground(job.dst, &src, dx, useBg, job.cornerBg, KeyColor, Inclusive(sx, sy, w, h), dy);
      }
      return;
  }
}

// Tiles the sw x sh source piece over the dw x dh area row by row; the last tile of a row
// or column is cut and shows the start of the piece.
void TileArea(const SliceJob& job, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
  if (sw <= 0 || sh <= 0) return;
  for (int y = dy; y < dy + dh; y += sh)
    for (int x = dx; x < dx + dw; x += sw)
      PutPiece(job, Role::Middle, sx, sy, std::min(sw, dx + dw - x), std::min(sh, dy + dh - y), x, y);
}

// The centre of a masked frame whose source centre is one pixel: one fill or one blend.
void PutSinglePixelCentre(const SliceJob& job, std::uint32_t p, std::uint32_t m, int dx, int dy, int dw, int dh) {
  TRect area;
  if (!ClipToBitmap({dx, dy, dx + dw, dy + dh}, job.dst->Width(), job.dst->Height(), area)) return;
  const std::uint32_t mr = MaskRed(m);
  if (job.target != Target::Opaque) {
    // The stretched step over rows of the one picture and mask pixel.
    const MaskedContext c{EmptyBgInfo(), false, false, job.opacity};
    const MaskedRow row = MaskedRowFor(job.target, Scaling::Stretched, false);
    const std::vector<std::uint32_t> ps(static_cast<std::size_t>(area.Width()), p), ms(ps.size(), m);
    for (int y = area.Top; y < area.Bottom; ++y)
      row(c, area.Left, y, ps.data(), ms.data(), job.dst->Row(y) + area.Left, area.Width());
    return;
  }
  if (mr == 255) return;
  const std::uint32_t grey = (mr << 16) | (mr << 8) | mr;  // MaskedPixel keeps byte A of d
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint32_t* d = job.dst->Row(y);
    for (int x = area.Left; x < area.Right; ++x) d[x] = mr == 0 ? p | kOpaque : MaskedPixel(d[x], p, grey);
  }
}

// An edge or the centre stretched from sw x sh source pixels onto dw x dh.
void StretchArea(const SliceJob& job, bool centre, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
  const Bitmap32& src = *job.src;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || !PieceInside(src, sx, sy, sw, sh)) return;
  switch (job.kind) {
    case TacImageKind::Masked: {
      const int my = sy + job.md.Height;
      if (!PieceInside(src, sx, my, sw, sh)) return;
      if (centre && sw == 1 && sh == 1) {
        PutSinglePixelCentre(job, src.Pixel(sx, sy), src.Pixel(sx, my), dx, dy, dw, dh);
        return;
      }
      const bool smooth = ((dw < sw && dh == sh) || (dw == sw && dh < sh) || centre) && dw > 1 && dh > 1;
      auto scale = smooth ? StretchPieceSmooth : StretchPieceNearest;
      const Bitmap32Ptr pic = scale(src, sx, sy, sw, sh, dw, dh);
      const Bitmap32Ptr mask = scale(src, sx, my, sw, sh, dw, dh);
      PutMaskedArea(job, Role::Middle, Scaling::Stretched, *pic, 0, 0, *mask, 0, 0, dw, dh, dx, dy);
      return;
    }
    case TacImageKind::Alpha: {
      const bool smooth = sx == 0 && sy == 0;
      const Bitmap32Ptr tmp =
          smooth ? StretchPieceSmooth(src, sx, sy, sw, sh, dw, dh) : StretchPieceNearest(src, sx, sy, sw, sh, dw, dh);
      AlphaBlitRect(job.dst, tmp.get(), Inclusive(0, 0, dw, dh), job.target == Target::Outer ? job.opacity : 255,
                    {dx, dy});
      return;
    }
    case TacImageKind::KeyColor: {
      const Bitmap32Ptr tmp = StretchPieceNearest(src, sx, sy, sw, sh, dw, dh);
      CopyPlain(job.dst, *tmp, 0, 0, dw, dh, dx, dy);
      return;
    }
  }
}

void PutMiddle(const SliceJob& job, bool centre, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
  if ((job.md.DrawMode & dmStretch) != 0) StretchArea(job, centre, sx, sy, sw, sh, dx, dy, dw, dh);
  else TileArea(job, sx, sy, sw, sh, dx, dy, dw, dh);
}

// The nine pieces in their order. visible (outer frames only) limits each edge's thickness.
void DrawFrame(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, bool cornersShowBg, std::uint8_t opacity,
               const TRect* visible, int state, const TsMaskData& md, Target target) {
  PELLOMIR_ASSERT(rect.Left <= rect.Right && rect.Top <= rect.Bottom);
  if (dst == nullptr || !dst->Is32Bit()) return;
  if (state == 0 && (md.DrawMode & dmHiddenInState0) != 0) return;
  const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
  if (w < 2 || h < 2 || md.Manager == nullptr || md.ImageCount < 1) return;
  const Bitmap32* src = ImageSourceBitmap(md);
  if (src == nullptr) return;
  const TRect borders = SliceBorders(md, w, h);
  const int l = borders.Left, t = borders.Top, r = borders.Right, b = borders.Bottom;
  const int mw = md.Width - l - r, mh = md.Height - t - b;
  if (mw < 0 || mh < 0) return;

  // Later stretches on this surface keep to whole source pixels, as the pieces here do.
  if ((md.DrawMode & dmStretch) != 0) dst->Canvas().SetStretchMode(gfx::StretchMode::ColorOnColor);
  const bool useBg = cornersShowBg && (md.Cfg & 3) != 0;
  const SliceJob job{dst, src, md, ImageKindOf(md), target, bg, useBg, opacity};
  const TPoint o = StatePictureOrigin(md, state);
  const int sx = o.X, sy = o.Y;
  const int midW = w - l - r, midH = h - t - b;

  // Edge thickness: full borders, or for outer frames only what shows beside the control.
  const int el = visible ? std::clamp(visible->Left, 0, l) : l;
  const int et = visible ? std::clamp(visible->Top, 0, t) : t;
  const int er = visible ? std::clamp(visible->Right, 0, r) : r;
  const int eb = visible ? std::clamp(visible->Bottom, 0, b) : b;

  PutPiece(job, Role::Corner, sx, sy, l, t, rect.Left, rect.Top);
  PutMiddle(job, false, sx, sy + t, el, mh, rect.Left, rect.Top + t, el, midH);
  PutMiddle(job, false, sx + l, sy, mw, et, rect.Left + l, rect.Top, midW, et);
  PutPiece(job, Role::Corner, sx, sy + md.Height - b, l, b, rect.Left, rect.Bottom - b);
  PutMiddle(job, false, sx + l, sy + md.Height - eb, mw, eb, rect.Left + l, rect.Bottom - eb, midW, eb);
  PutPiece(job, Role::Corner, sx + md.Width - r, sy + md.Height - b, r, b, rect.Right - r, rect.Bottom - b);
  PutPiece(job, Role::Corner, sx + md.Width - r, sy, r, t, rect.Right - r, rect.Top);
  PutMiddle(job, false, sx + md.Width - er, sy + t, er, mh, rect.Right - er, rect.Top + t, er, midH);
  if ((md.DrawMode & dmCentre) != 0)
    PutMiddle(job, true, sx + l, sy + t, mw, mh, rect.Left + l, rect.Top + t, midW, midH);
}

}  // namespace

TRect SliceBorders(const TsMaskData& md, int w, int h) {
  PELLOMIR_ASSERT(w >= 0 && h >= 0);
  auto shrink = [](int& first, int& second, int length) {
    if (length >= first + second) return;
    const int gap = first + second - length, half = gap / 2;
    first = std::max(0, first - half);
    second = std::max(0, second - half - (gap % 2 != 0 ? 1 : 0));
  };
  int l = md.WL, t = md.WT, r = md.WR, b = md.WB;
  shrink(l, r, w);
  shrink(t, b, h);
  return {l, t, r, b};
}

void PaintImageSlices(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, bool cornersShowBg, int state,
                      const TsMaskData& md) {
  DrawFrame(dst, rect, bg, cornersShowBg, 255, nullptr, state, md, Target::Opaque);
}

void PaintImageSlicesAlpha(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, int state, const TsMaskData& md) {
  DrawFrame(dst, rect, bg, true, 255, nullptr, state, md, Target::AlphaKept);
}

void PaintImageSlicesOuter(Bitmap32* dst, const TRect& rect, const TacBgInfo& bg, std::uint8_t opacity,
                           const TRect& visible, int state, const TsMaskData& md) {
  DrawFrame(dst, rect, bg, true, opacity, &visible, state, md, Target::Outer);
}

}  // namespace skin
