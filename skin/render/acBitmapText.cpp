#include "skin/render/acBitmapText.h"

#include <algorithm>

#include "platform/gfx/Surface.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acPixelEffects.h"

namespace skin {
namespace {

// Coverage pixels are compared on B, G, R: text drawing writes byte A.
constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

std::uint32_t MergeAlpha(std::uint32_t d, std::uint32_t t, std::uint32_t c) {
  const std::uint32_t da = d >> 24;
  std::uint32_t out;
  if ((t & kColourBits) == 0) {
    const std::uint32_t a = std::max<std::uint32_t>(da, 254);
    out = a << 24;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::uint32_t dc = (d >> shift) & 0xFF, cc = (c >> shift) & 0xFF;
      out |= (((dc + cc * 255) * a) >> 16) << shift;
    }
    return out;
  }
  const int m = PixelGray(t);
  const std::uint32_t a = std::max<std::uint32_t>(da, 255 - m);
  out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = (d >> shift) & 0xFF, cc = (c >> shift) & 0xFF;
    const std::uint32_t mixed = static_cast<std::uint32_t>((dc - cc) * m + cc * 256);
    out |= ((mixed * a) >> 16) << shift;
  }
  return out;
}

std::uint32_t MergeOpaque(std::uint32_t d, std::uint32_t t, std::uint32_t c) {
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = (d >> shift) & 0xFF, cc = (c >> shift) & 0xFF, tc = (t >> shift) & 0xFF;
    out |= std::uint32_t(BlendStep(dc, cc, tc)) << shift;
  }
  return out;
}

}  // namespace

void DrawTextOnBitmap32(Bitmap32* bmp, std::u16string_view text, bool alphaMode, TColor color, unsigned format,
                        const gfx::TRect& rect) {
  if (bmp == nullptr || !bmp->Is32Bit() || bmp->Empty() || text.empty() || rect.IsEmpty()) return;
  const int w = rect.Width(), h = rect.Height();
  // Only the part over bmp is merged; the temporary keeps the whole rectangle so that the
  // layout does not change with the cut.
  const int x0 = std::max(0, -rect.Left), x1 = std::min(w, bmp->Width() - rect.Left);
  const int y0 = std::max(0, -rect.Top), y1 = std::min(h, bmp->Height() - rect.Top);
  if (x0 >= x1 || y0 >= y1) return;

  Bitmap32 ink(w, h);
  gfx::Surface& s = ink.Canvas();
  s.FillRect({0, 0, w, h}, 0xFFFFFF);
  s.SetFont(bmp->Canvas().GetFont());
  s.SetTextColor(0);
  s.SetBkMode(gfx::BkMode::Transparent);
  gfx::TRect r{0, 0, w, h};
  DrawTextPlain(s, text, r, format);

  const std::uint32_t c = SwapRedBlue(ColorToRGB(color));
  for (int y = y0; y < y1; ++y) {
    const std::uint32_t* t = ink.Row(y);
    std::uint32_t* d = bmp->Row(rect.Top + y);
    for (int x = x0; x < x1; ++x) {
      if ((t[x] & kColourBits) == kColourBits) continue;
      std::uint32_t& px = d[rect.Left + x];
      px = alphaMode ? MergeAlpha(px, t[x], c) : MergeOpaque(px, t[x], c);
    }
  }
}

void WriteBitmapText(Bitmap32* bmp, std::u16string_view text, bool alphaMode, const TacSkinLoader* manager, int state,
                     int section, unsigned format, const gfx::TRect& rect) {
  if (bmp == nullptr || text.empty()) return;
  const TsGeneralData* g = SectionOf(ManagerOrDefault(manager), section);
  if (g == nullptr) {
    DrawTextOnBitmap32(bmp, text, alphaMode, bmp->Canvas().TextColor(), format, rect);
    return;
  }
  const TsFontColor& fc = SectionStateProps(*g, state).FontColor;
  if (alphaMode)
    for (const TacContour& k : ContoursOf(fc))
      if (k.Color != acNoContour) DrawTextOnBitmap32(bmp, text, true, k.Color, format, rect.Offset(k.DX, k.DY));
  DrawTextOnBitmap32(bmp, text, alphaMode, fc.Color, format, rect);
}

}  // namespace skin
