#include "skin/render/acSectionLayers.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/data/acSkinData.h"
#include "skin/render/acImageSource.h"
#include "skin/render/acSectionTexture.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelRows.h"

namespace skin {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

int Direction(const TsGradArray& g) { return g.empty() ? 3 : (g[0].Mode & gdDirectionMask); }

bool Empty(const TsGradArray* g) { return g == nullptr || g->empty(); }

// A gradient that paints every pixel of its rectangle by itself: at least one segment,
// down or across, and no segment composed with a brush over what is there.
bool CoversAll(const TsGradArray& g) {
  if (g.size() < 2 || Direction(g) > 1) return false;
  return std::none_of(g.begin(), g.end(), [](const TsGradPoint& p) { return (p.Mode & gdBrushSegment) != 0; });
}

// The gradient straight into r; the colour wherever the gradient leaves pixels.
void PaintGradient(Bitmap32* dst, const TRect& r, const TsGradArray* g, TColor colour) {
  if (Empty(g) || !CoversAll(*g)) FillPixels(dst, r, colour, 255);
  if (!Empty(g)) FillGradient(dst, r, *g, 0);
}

// The alpha rules' straight gradient: every segment composed with the given alpha. The
// stops are changed in a copy only; the section keeps its own.
void PaintGradientComposed(Bitmap32* dst, const TRect& r, const TsGradArray& g, int transparency) {
  TsGradArray brushed = g;
  const std::uint8_t a = static_cast<std::uint8_t>(PercentToWeight(100 - transparency));
  for (TsGradPoint& p : brushed) {
    p.Mode |= gdBrushSegment;
    p.Color.SetA(a);
  }
  FillGradient(dst, r, brushed, 0);
}

// The alpha rules' plain colour, judged by the pixel at r's top-left corner.
void PaintColourComposed(Bitmap32* dst, const TRect& r, TColor colour, int transparency) {
  const int keep = 100 - transparency;
  const std::uint32_t a = static_cast<std::uint32_t>(PercentToWeight(keep));
  const std::uint32_t p0 = dst->Pixel(r.Left, r.Top);
  if (p0 == 0) {
    FillPixels(dst, r, colour, static_cast<std::uint8_t>(a));
    return;
  }
  if (transparency == 0) {
    FillPixels(dst, r, colour, 255);
    return;
  }
  const std::uint32_t c = SwapRedBlue(colour);
  const std::uint32_t alpha = std::max(p0 >> 24, a) << 24;
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* d = dst->Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      std::uint32_t out = alpha;
      for (int shift = 0; shift < 24; shift += 8) {
        const int dc = (d[x] >> shift) & 0xFF, cc = (c >> shift) & 0xFF;
        out |= std::uint32_t(dc - keep * (dc - cc) / 100) << shift;
      }
      d[x] = out;
    }
  }
}

// The single pass: each channel ((t - g) * w + g * 256) >> 8, t the texture tiled from r's
// top-left corner, g the gradient's colour at the pixel, w the texture's weight.
void PaintSinglePass(Bitmap32* dst, const TRect& r, const TacLayerValues& v, std::uint32_t alpha) {
  const TsMaskData& tex = *v.Texture;
  const Bitmap32& src = *ImageSourceBitmap(tex);
  const TsGradArray& g = *v.Gradient;
  const int w = r.Width(), h = r.Height();
  const int tw = tex.R.Right - tex.R.Left, th = tex.R.Bottom - tex.R.Top;
  const bool down = Direction(g) == 0;
  // The gradient's colours: one per row (down) or per column (across), made by painting
  // it into a line one pixel thin, which the gradient's rule fills the same way.
  Bitmap32 line(down ? 1 : w, down ? h : 1);
  const TRect all{0, 0, line.Width(), line.Height()};
  PaintGradient(&line, all, &g, v.Color);
  // Per row: the texture row tiled across, the gradient's row, then one byte loop of
  // (t * w + g * (256 - w)) >> 8, the same as ((t - g) * w + g * 256) >> 8.
  const unsigned wt = static_cast<unsigned>(PercentToWeight(v.ImagePercent));
  std::vector<std::uint32_t> texRow(static_cast<std::size_t>(w)), gradRow(down ? static_cast<std::size_t>(w) : 0);
  int builtTy = -1;
  for (int j = 0; j < h; ++j) {
    const int ty = j % th;
    if (ty != builtTy) {
      const std::uint32_t* t = src.Row(tex.R.Top + ty) + tex.R.Left;
      for (int i = 0; i < w; i += tw)
        std::memcpy(&texRow[static_cast<std::size_t>(i)], t, sizeof(std::uint32_t) * std::size_t(std::min(tw, w - i)));
      builtTy = ty;
    }
    const std::uint32_t* gl = line.Row(0);
    if (down) {
      std::fill(gradRow.begin(), gradRow.end(), line.Pixel(0, j));
      gl = gradRow.data();
    }
    std::uint32_t* d = dst->Row(r.Top + j) + r.Left;
    rows::BlendBytes(reinterpret_cast<std::uint8_t*>(d), reinterpret_cast<const std::uint8_t*>(texRow.data()), wt,
                     reinterpret_cast<const std::uint8_t*>(gl), 256 - wt, std::size_t(w) * 4);
    for (int i = 0; i < w; ++i) d[i] = (d[i] & 0x00FFFFFFu) | alpha;
  }
}

}  // namespace

int LimitPercent(int percent) { return std::clamp(percent, 0, 100); }

bool HasAlphaGradient(const TsGenState& props) {
  return !props.GradientArray.empty() && (props.GradientArray[0].Mode & gdAlphaGradient) != 0;
}

TacLayerValues StateLayerValues(const TacSkinData& data, const TsGenState& props, int texture) {
  TacLayerValues v;
  v.Color = props.Color;
  v.ImagePercent = LimitPercent(props.ImagePercent);
  v.GradientPercent = HasAlphaGradient(props) ? 0 : LimitPercent(props.GradientPercent);
  v.Texture = v.ImagePercent > 0 ? UsableTexture(data, texture) : nullptr;
  v.Gradient = &props.GradientArray;
  return v;
}

bool TakesSinglePass(const TacLayerValues& v) {
  if (v.Texture == nullptr || v.Texture->MaskType != 0 || v.Texture->DrawMode != tmTile) return false;
  if (v.ImagePercent + v.GradientPercent != 100 || v.GradientPercent < 1 || v.GradientPercent > 99) return false;
  return !Empty(v.Gradient) && Direction(*v.Gradient) <= 1;
}

void PaintLayers(Bitmap32* dst, const TRect& r, const TacLayerValues& v, const TacBgInfo& bg,
                 const TacAlphaLayers* alpha) {
  if (dst == nullptr || !dst->Is32Bit() || r.IsEmpty()) return;
  // A share without a texture to show belongs to the colour.
  TacLayerValues use = v;
  if (use.Texture == nullptr) use.ImagePercent = 0;
  const int ip = use.ImagePercent, gp = use.GradientPercent;

  if (TakesSinglePass(use)) {
    PaintSinglePass(dst, r, use, alpha == nullptr || alpha->Transparency < 50 ? kOpaque : 0);
    return;
  }
  bool textured = false;
  if (ip > 0) {
    const TRect left = FillTexture(dst, r, *use.Texture, bg, use.Color);
    FillPixels(dst, left, use.Color, 255);
    textured = true;
  }
  if (gp > 0) {
    if (textured) {
      // The gradient over the texture, which keeps its own share of the two.
      Bitmap32 tmp(r.Width(), r.Height());
      PaintGradient(&tmp, {0, 0, r.Width(), r.Height()}, use.Gradient, use.Color);
      const int weight = std::clamp(ip * 255 / std::min(ip + gp, 100), 0, 255);
      BlendBitmapRect(dst, &tmp, static_cast<std::uint8_t>(weight), {r.Left, r.Top},
                      {0, 0, r.Width() - 1, r.Height() - 1});
    } else if (alpha != nullptr && !Empty(use.Gradient)) {
      PaintGradientComposed(dst, r, *use.Gradient, alpha->Transparency);
    } else {
      PaintGradient(dst, r, use.Gradient, use.Color);
    }
  }
  const int c = ip + gp;
  if (c > 0 && c < 100) {
    ShadeRect(dst, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, static_cast<std::uint8_t>(PercentToWeight(c)),
              use.Color);
  } else if (c == 0) {
    if (alpha != nullptr) PaintColourComposed(dst, r, use.Color, alpha->Transparency);
    else FillPixels(dst, r, use.Color, 255);
  }
}

}  // namespace skin
