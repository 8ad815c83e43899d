#include "skin/render/acStyledArrow.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gfx/Surface.h"
#include "skin/data/sSkinManagerOptions.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin {
namespace {

// Larger pictures are not built: a skin's arrow size is read without a bound.
constexpr int kMaxArrowPicture = 4096;

std::uint32_t OpaqueOf(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

// The picture turned to its direction; every pixel keeps all four bytes.
Bitmap32Ptr Turned(const Bitmap32& down, TacSide direction) {
  const int w = down.Width(), h = down.Height();
  switch (direction) {
    case asBottom: return std::make_unique<Bitmap32>(down);
    case asTop: {
      auto out = NewBitmap32(w, h);
      for (int y = 0; y < h; ++y) std::copy_n(down.Row(h - 1 - y), w, out->Row(y));
      return out;
    }
    case asLeft: {  // a quarter turn clockwise
      auto out = NewBitmap32(h, w);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out->SetPixel(h - 1 - y, x, down.Pixel(x, y));
      return out;
    }
    case asRight: {  // a quarter turn counter-clockwise
      auto out = NewBitmap32(h, w);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out->SetPixel(y, w - 1 - x, down.Pixel(x, y));
      return out;
    }
  }
  return std::make_unique<Bitmap32>(down);
}

// The picture turned about its centre by degrees (clockwise on the screen) into a picture
// that holds the whole turned outline; the rest has alpha 0.
Bitmap32Ptr Rotated(Bitmap32& src, int degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  const int w = src.Width(), h = src.Height();
  const int ow = static_cast<int>(std::ceil(std::abs(w * c) + std::abs(h * s) - 1e-9));
  const int oh = static_cast<int>(std::ceil(std::abs(w * s) + std::abs(h * c) - 1e-9));
  auto out = NewBitmap32(std::max(ow, 1), std::max(oh, 1));
  for (int y = 0; y < out->Height(); ++y) std::fill_n(out->Row(y), out->Width(), 0u);
  auto map = [&](double x, double y) {
    const double dx = x - w / 2.0, dy = y - h / 2.0;
    return gfx::TPoint{static_cast<int>(std::lround(out->Width() / 2.0 + dx * c - dy * s)),
                       static_cast<int>(std::lround(out->Height() / 2.0 + dx * s + dy * c))};
  };
  const gfx::TPoint corners[3] = {map(0, 0), map(w, 0), map(0, h)};
  out->Canvas().PlgBlt(corners, src.Canvas(), 0, 0, w, h);
  return out;
}

}  // namespace

TacArrowDrawStyle ActualArrowStyle(TacArrowsStyle option, int skinArrowStyle) {
  switch (option) {
    case TacArrowsStyle::arsSolid: return arsSolid1;
    case TacArrowsStyle::arsLines: return arsLines1;
    case TacArrowsStyle::arsDefault: break;
  }
  return skinArrowStyle >= arsSolid1 && skinArrowStyle <= arsLines2 ? static_cast<TacArrowDrawStyle>(skinArrowStyle)
                                                                    : arsSolid1;
}

TacArrowPicture BuildArrowPicture(TColor color, TColor fillColor, int ppi, TacArrowDrawStyle style, int size,
                                  int lineWidth, int rectWidth) {
  TacArrowPicture a;
  const bool lines = IsLineArrowStyle(style);
  int s = (size != 0 ? size : 5) * ppi / 96;
  int lw;
  if (lines) {
    lw = lineWidth != 0 ? lineWidth : 2 * ppi / 96;
    a.Fill = fillColor == NoKey ? NoKey : OpaqueOf(fillColor);
  } else {
    lw = 1;
    a.Fill = OpaqueOf(color);
    s -= 1;
  }
  const bool odd = rectWidth % 2 != 0;
  if (style == arsSolid2 && !odd) s += 1;

  const int half = lw / 2, m = std::max(1, half);
  int w = 2 * s + (odd ? 1 : 0);
  int h = style == arsSolid1 || style == arsLines1 ? s : s - s / 2;
  if (lines) {
    h += m + lw;
    w += lw;
  } else if (odd) {
    h += 1;
  }
  const int p = w % 2;
  if (lines) {
    a.P[0] = {m, m};
    a.P[1] = {m + s, h - lw};
    a.P[2] = {a.P[1].X + p - half, a.P[1].Y};
    a.P[3] = {a.P[2].X + s, m};
  } else {
    a.P[0] = {0, 0};
    a.P[1] = {w / 2 + p - 1, h - 1};
    a.P[2] = {a.P[1].X - p + 1, h - 1};
    a.P[3] = {a.P[2].X + w / 2 + p - 1, 0};
  }
  if (w <= 0 || h <= 0 || w > kMaxArrowPicture || h > kMaxArrowPicture) {
    a.Picture = NewBitmap32(0, 0);
    a.Fill = NoKey;
    return a;
  }
  a.Picture = NewBitmap32(w, h);
  Bitmap32& pic = *a.Picture;
  for (int y = 0; y < h; ++y) std::fill_n(pic.Row(y), w, 0x00FFFFFFu);

  if (a.Fill != NoKey) {
    gfx::Surface& cs = pic.Canvas();
    cs.SetPen(gfx::Pen(gfx::PenStyle::Solid, 1, 0));
    cs.SetBrush(gfx::Brush::Solid(0));
    cs.Polygon(a.P.data(), 4);
    for (int y = 0; y < h; ++y) {
      std::uint32_t* row = pic.Row(y);
      for (int x = 0; x < w; ++x) {
        const std::uint32_t v = row[x];
        const std::uint32_t sum = (v & 0xFF) + ((v >> 8) & 0xFF) + ((v >> 16) & 0xFF);
        row[x] = sum == 765 ? 0x00FFFFFFu : (a.Fill & 0x00FFFFFFu) | ((255 - sum / 3) << 24);
      }
    }
  }

  if (lw >= 1) {
    a.LineWidth = lw;
    std::uint32_t stroke = SwapRedBlue(color);
    if ((stroke >> 24) == 0) stroke |= 0xFF000000u;
    // Pixels nothing covers take the stroke's colour (alpha stays 0), so that the edges of
    // the strokes do not mix white into the arrow.
    for (int y = 0; y < h; ++y) {
      std::uint32_t* row = pic.Row(y);
      for (int x = 0; x < w; ++x)
        if ((row[x] >> 24) == 0) row[x] = stroke & 0x00FFFFFFu;
    }
    gfx::Surface& cs = pic.Canvas();
    auto f = [](gfx::TPoint q) { return gfx::TPointF{double(q.X), double(q.Y)}; };
    cs.DrawSmoothLine(f(a.P[0]), f(a.P[1]), lw, stroke);
    cs.DrawSmoothLine(f(a.P[2]), f(a.P[3]), lw, stroke);
  }
  return a;
}

void DrawStyledArrow(Bitmap32* bmp, TColor color, TColor fillColor, int ppi, TacArrowDrawStyle style, int size,
                     double angle, int lineWidth, TacSide direction, const gfx::TRect& rect) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Empty()) return;
  TacArrowPicture a = BuildArrowPicture(color, fillColor, ppi, style, size, lineWidth, rect.Width());
  if (a.Picture->Empty()) return;
  Bitmap32Ptr pic = Turned(*a.Picture, direction);
  if (angle != 0 && std::isfinite(angle)) {
    const int turn = static_cast<int>(std::lround(std::fmod(angle, 360.0))) - 90;
    if (turn % 360 != 0) pic = Rotated(*pic, turn);
  }
  const int x = rect.Left + (rect.Width() - pic->Width()) / 2;
  const int y = rect.Top + (rect.Height() - pic->Height()) / 2;
  AlphaBlitRect(bmp, pic.get(), {0, 0, pic->Width() - 1, pic->Height() - 1}, 255, {x, y});
}

}  // namespace skin
