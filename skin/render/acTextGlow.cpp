#include "skin/render/acTextGlow.h"

#include <algorithm>

#include "platform/gfx/Surface.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acBlur.h"

namespace skin {
namespace {

// The grey text mask: white, the text in black at (margin, margin), once more moved by
// one pixel toward each direction given, then blurred.
Bitmap32Ptr MakeGlowMask(const gfx::Font& font, std::u16string_view text, const gfx::TSize& textSize, int margin,
                         int radius, unsigned directions, unsigned format) {
  const int w = textSize.cx + 2 * margin, h = textSize.cy + 2 * margin;
  Bitmap32 ink(w, h);
  gfx::Surface& s = ink.Canvas();
  s.FillRect({0, 0, w, h}, 0xFFFFFF);
  s.SetFont(font);
  s.SetTextColor(0);
  s.SetBkMode(gfx::BkMode::Transparent);
  const gfx::TRect at{margin, margin, margin + textSize.cx, margin + textSize.cy};
  auto draw = [&](int dx, int dy) {
    gfx::TRect r = at.Offset(dx, dy);
    DrawTextPlain(s, text, r, format);
  };
  draw(0, 0);
  if (directions & gdLeft) draw(-1, 0);
  if (directions & gdUp) draw(0, -1);
  if (directions & gdRight) draw(1, 0);
  if (directions & gdDown) draw(0, 1);

  // Grey text on white has B = G = R: any channel is the pixel's grey.
  auto mask = std::make_unique<Bitmap32>(w, h, gfx::PixelFormat::Gray8);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* src = ink.Row(y);
    std::uint8_t* dst = mask->Row8(y);
    for (int x = 0; x < w; ++x) dst[x] = static_cast<std::uint8_t>(src[x] & 0xFF);
  }
  BlurGray8(mask.get(), radius);
  return mask;
}

}  // namespace

void PaintTextGlow(Bitmap32* bmp, std::u16string_view text, const gfx::TRect& rect, Bitmap32Ptr& mask, TColor color,
                   int radius, unsigned directions, unsigned format) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Empty() || text.empty() || rect.IsEmpty()) return;
  radius = std::clamp(radius, 0, acMaxGlowRadius);
  const int margin = radius + 4;
  const gfx::TSize textSize{rect.Width(), rect.Height()};
  const int w = textSize.cx + 2 * margin, h = textSize.cy + 2 * margin;
  if (!mask || mask->Width() != w || mask->Height() != h || mask->Format() != gfx::PixelFormat::Gray8)
    mask = MakeGlowMask(bmp->Canvas().GetFont(), text, textSize, margin, radius, directions, format);

  const std::uint32_t g = SwapRedBlue(ColorToRGB(color));
  const int ox = rect.Left + 1 - margin, oy = rect.Top + 1 - margin;
  const int x0 = std::max(0, -ox), x1 = std::min(w, bmp->Width() - ox);
  const int y0 = std::max(0, -oy), y1 = std::min(h, bmp->Height() - oy);
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* m = mask->Row8(y);
    std::uint32_t* row = bmp->Row(oy + y);
    for (int x = x0; x < x1; ++x) {
      const std::uint32_t v = m[x];
      if (v == 255) continue;
      std::uint32_t& px = row[ox + x];
      const std::uint32_t p = px, cover = 255 - v, a = p >> 24;
      std::uint32_t out = (a + (((255 - a) * cover) >> 8)) << 24;
      for (int shift = 0; shift < 24; shift += 8)
        out |= ((cover * ((g >> shift) & 0xFF) + ((p >> shift) & 0xFF) * v) >> 8) << shift;
      px = out;
    }
  }
}

}  // namespace skin
