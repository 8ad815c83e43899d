#include "tools/skingen/MockPainter.h"

#include <algorithm>

#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skingen {

namespace {

using skin::Bitmap32;
using skin::TRect;

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t Pixel(skin::TColor c) { return skin::SwapRedBlue(c & 0xFFFFFF) | kOpaque; }

// Mixes two pixels: a keeps `keep` percent.
std::uint32_t MixPixels(std::uint32_t a, std::uint32_t b, int keep) {
  std::uint32_t out = kOpaque;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<std::uint32_t>((ca * keep + cb * (100 - keep) + 50) / 100) << shift;
  }
  return out;
}

// Puts one source pixel p (mask m, for masked images) onto d.
std::uint32_t Put(std::uint32_t d, std::uint32_t p, std::uint32_t m, const skin::TacImageRef& ref, bool corner,
                  std::uint32_t behindPixel, bool hasBehind) {
  const bool alpha = ref.MaskType == 0 && (ref.DrawMode & 16);
  if (p == skin::KeyPixel && !alpha) {
    if (corner && hasBehind) return behindPixel;
    return d;
  }
  if (ref.MaskType > 0) return skin::MaskedPixel(d, p, m) | kOpaque;
  if (alpha) return gfx::MixPixelOpaque255Round(d, p, p >> 24);
  return p | kOpaque;
}

struct TPiece {
  TRect Src;  // in the source bitmap
  TRect Dst;  // in the destination
  bool Stretch = false;
  bool Corner = false;
};

}  // namespace

void TMockPainter::Background(Bitmap32& dst, const TRect& r, std::u16string_view section, int state) const {
  const TLookState st = look_.State(section, state);
  if (st.Transparency >= 100) return;
  const TRect c = skin::TRect{std::max(0, r.Left), std::max(0, r.Top), std::min(dst.Width(), r.Right),
                              std::min(dst.Height(), r.Bottom)};
  if (c.IsEmpty()) return;
  const std::uint32_t colour = Pixel(st.Color);
  Bitmap32 grad;
  const bool useGrad = st.GradientPercent > 0 && !st.Gradient.empty();
  if (useGrad) {
    grad.SetSize(r.Width(), r.Height());
    skin::FillGradient(&grad, {0, 0, r.Width(), r.Height()}, st.Gradient, 0);
  }
  TLookImage tex;
  if (st.ImagePercent > 0) {
    // The textures of states 0, 1 and 2; a state without its own key has none.
    static const char16_t* const kPattern[] = {u"PATTERN", u"HOTPATTERN", u"PATTERN2"};
    const int states = look_.States(section);
    int s = std::clamp(state, 0, 2);
    if (s == 2 && (states < 3 || look_.Int(section, u"USESTATE2", 0) != 1)) s = 1;
    if (s == 1 && states < 2) s = 0;
    tex = look_.Image(section, kPattern[s]);
  }
  for (int y = c.Top; y < c.Bottom; ++y) {
    std::uint32_t* row = dst.Row(y);
    for (int x = c.Left; x < c.Right; ++x) {
      std::uint32_t px = colour;
      int rest = 100;
      if (tex.Valid()) {
        const TRect& tr = tex.Ref.R;
        const std::uint32_t t =
            tex.Source->Pixel(tr.Left + (x - r.Left) % tr.Width(), tr.Top + (y - r.Top) % tr.Height());
        px = MixPixels(t | kOpaque, px, st.ImagePercent);
        rest -= st.ImagePercent;
      }
      if (useGrad) {
        const std::uint32_t g = grad.Pixel(x - r.Left, y - r.Top) | kOpaque;
        const int share = rest > 0 ? st.GradientPercent * 100 / rest : 0;
        px = MixPixels(g, px, std::min(100, share));
      }
      if (st.Transparency > 0) px = MixPixels(row[x] | kOpaque, px, st.Transparency);
      row[x] = px;
    }
  }
}

void TMockPainter::Section(Bitmap32& dst, const TRect& r, std::u16string_view section, int state,
                           bool withBorder) const {
  const Bitmap32 behind = dst;
  const int s = std::clamp(state, 0, std::max(0, look_.States(section) - 1));
  Background(dst, r, section, s);
  if (withBorder) Slices(dst, r, look_.Image(section, u"BORDERSMASK"), s, &behind);
}

void TMockPainter::Slices(Bitmap32& dst, const TRect& rect, const TLookImage& img, int state,
                          const Bitmap32* behind) const {
  if (!img.Valid() || rect.Width() < 2 || rect.Height() < 2) return;
  const skin::TacImageRef& ref = img.Ref;
  if (state == 0 && (ref.DrawMode & 2)) return;
  const int w = rect.Width(), h = rect.Height();
  int l = ref.WL, t = ref.WT, r = ref.WR, b = ref.WB;
  if (w < l + r) {
    const int g = l + r - w, half = g / 2;
    l = std::max(0, l - half);
    r = std::max(0, r - half - (g % 2));
  }
  if (h < t + b) {
    const int g = t + b - h, half = g / 2;
    t = std::max(0, t - half);
    b = std::max(0, b - half - (g % 2));
  }
  const int pw = img.Width(), ph = img.Height();
  const int mw = pw - l - r, mh = ph - t - b;
  if (mw < 0 || mh < 0) return;
  const int pic = std::min(state, ref.ImageCount - 1);
  const int sx = ref.R.Left + pic * pw, sy = ref.R.Top;
  const int maskDy = ref.MaskType ? ph : 0;
  const bool stretch = ref.DrawMode & 1;
  const TRect& d = rect;
  std::vector<TPiece> pieces = {
      {{sx, sy, sx + l, sy + t}, {d.Left, d.Top, d.Left + l, d.Top + t}, false, true},
      {{sx, sy + t, sx + l, sy + t + mh}, {d.Left, d.Top + t, d.Left + l, d.Bottom - b}, stretch, false},
      {{sx + l, sy, sx + l + mw, sy + t}, {d.Left + l, d.Top, d.Right - r, d.Top + t}, stretch, false},
      {{sx, sy + ph - b, sx + l, sy + ph}, {d.Left, d.Bottom - b, d.Left + l, d.Bottom}, false, true},
      {{sx + l, sy + ph - b, sx + l + mw, sy + ph}, {d.Left + l, d.Bottom - b, d.Right - r, d.Bottom}, stretch, false},
      {{sx + pw - r, sy + ph - b, sx + pw, sy + ph}, {d.Right - r, d.Bottom - b, d.Right, d.Bottom}, false, true},
      {{sx + pw - r, sy, sx + pw, sy + t}, {d.Right - r, d.Top, d.Right, d.Top + t}, false, true},
      {{sx + pw - r, sy + t, sx + pw, sy + t + mh}, {d.Right - r, d.Top + t, d.Right, d.Bottom - b}, stretch, false},
  };
  if (ref.DrawMode & 4)
    pieces.push_back({{sx + l, sy + t, sx + l + mw, sy + t + mh},
                      {d.Left + l, d.Top + t, d.Right - r, d.Bottom - b},
                      stretch,
                      false});
  const Bitmap32& src = *img.Source;
  for (const TPiece& p : pieces) {
    const int sw = p.Src.Width(), sh = p.Src.Height(), dw = p.Dst.Width(), dh = p.Dst.Height();
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) continue;
    for (int y = std::max(0, p.Dst.Top); y < std::min(dst.Height(), p.Dst.Bottom); ++y) {
      const int oy = y - p.Dst.Top;
      const int ty = p.Src.Top + (p.Stretch ? oy * sh / dh : oy % sh);
      for (int x = std::max(0, p.Dst.Left); x < std::min(dst.Width(), p.Dst.Right); ++x) {
        const int ox = x - p.Dst.Left;
        const int tx = p.Src.Left + (p.Stretch ? ox * sw / dw : ox % sw);
        if (tx < 0 || ty < 0 || tx >= src.Width() || ty + maskDy >= src.Height()) continue;
        const std::uint32_t m = maskDy ? src.Pixel(tx, ty + maskDy) : 0;
        const bool hasBehind = behind && x < behind->Width() && y < behind->Height();
        dst.Row(y)[x] =
            Put(dst.Row(y)[x], src.Pixel(tx, ty), m, ref, p.Corner, hasBehind ? behind->Pixel(x, y) : 0, hasBehind);
      }
    }
  }
}

void TMockPainter::Glyph(Bitmap32& dst, skin::TPoint at, const TLookImage& img, int state) const {
  if (!img.Valid()) return;
  const skin::TacImageRef& ref = img.Ref;
  const int pw = img.Width(), ph = img.Height();
  const int pic = std::min(state, ref.ImageCount - 1);
  const int sx = ref.R.Left + pic * pw, sy = ref.R.Top;
  for (int y = 0; y < ph; ++y) {
    for (int x = 0; x < pw; ++x) {
      const int dx = at.X + x, dy = at.Y + y;
      if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height()) continue;
      const std::uint32_t m = ref.MaskType ? img.Source->Pixel(sx + x, sy + ph + y) : 0;
      dst.Row(dy)[dx] = Put(dst.Row(dy)[dx], img.Source->Pixel(sx + x, sy + y), m, ref, false, 0, false);
    }
  }
}

void TMockPainter::Text(Bitmap32& dst, TRect r, std::u16string_view text, skin::TColor colour, int height,
                        unsigned format, int weight) const {
  gfx::Surface& s = dst.Canvas();
  const int saved = s.Save();
  gfx::FontDesc f;
  f.face = u"Tahoma";
  f.height = height;
  f.weight = weight;
  s.SetFont(gfx::Font(f));
  s.SetTextColor(colour & 0xFFFFFF);
  s.SetBkMode(gfx::BkMode::Transparent);
  s.DrawText(text, r, format);
  s.Restore(saved);
}

void TMockPainter::Arrow(Bitmap32& dst, const TRect& r, skin::TColor colour, TArrowSide side) const {
  // The arrow picture of the line style at 96 pixels per inch: 12 x 8 (13 wide in an odd
  // rectangle), strokes of width 2 from (1, 1) to (6, 6) and from (5, 6) to (10, 1).
  const bool odd = r.Width() % 2 != 0;
  const int W = odd ? 13 : 12, H = 8;
  const double p = W % 2;
  const double x0 = r.Left + (r.Width() - W) / 2, y0 = r.Top + (r.Height() - H) / 2;
  auto Y = [&](double y) { return side == TArrowSide::Down ? y0 + y : y0 + (H - 1 - y); };
  gfx::Surface& s = dst.Canvas();
  const std::uint32_t px = Pixel(colour);
  s.DrawSmoothLine({x0 + 1, Y(1)}, {x0 + 6, Y(6)}, 2, px);
  s.DrawSmoothLine({x0 + 5 + p, Y(6)}, {x0 + 10 + p, Y(1)}, 2, px);
}

}  // namespace skingen
