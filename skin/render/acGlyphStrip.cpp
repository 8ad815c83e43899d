#include "skin/render/acGlyphStrip.h"

#include <algorithm>

#include "platform/forms/Bitmaps.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin {

int GlyphStripPicture(int kind, int hint, bool enabled, int numGlyphs, bool sixteenColors, bool stdGlyphsOrder) {
  const int n = std::max(1, numGlyphs);
  if (n == 1) return 0;
  const bool ownOrder = !sixteenColors && !stdGlyphsOrder;
  int index;
  switch (kind) {
    case gkDisabled: index = ownOrder ? 1 : 0; break;
    case gkDown:
      index = hint + 2;
      if (index >= n || index < 0) index = ownOrder ? std::min(1, n - 1) : 0;
      break;
    case gkExclusive: index = n >= 3 ? 2 : 0; break;
    default: index = 0; break;
  }
  if (!enabled && kind != gkDisabled) index = 0;
  return std::clamp(index, 0, n - 1);
}

void DrawGlyphStrip(const forms::TBitmap& glyph, Bitmap32* dst, const gfx::TRect& rect, bool reflected, int hint,
                    int blend, int kind, bool enabled, int numGlyphs, const TsSkinManager* manager) {
  if (dst == nullptr || !dst->Is32Bit() || glyph.Empty()) return;
  const int n = std::max(1, numGlyphs);
  const int pw = glyph.Width() / n, ph = glyph.Height();
  if (pw <= 0 || ph <= 0) return;
  if (n == 1) kind = gkUp;
  if (kind > gkUp) blend = 0;
  blend = std::clamp(blend, 0, 100);
  if (manager == nullptr) manager = DefaultManager();
  const bool stdOrder = manager != nullptr && manager->Options.StdGlyphsOrder;
  const bool sixteen = glyph.PixelFormat() == forms::TPixelFormat::pf4bit;
  const int index = GlyphStripPicture(kind, hint, enabled, n, sixteen, stdOrder);

  // The picture as a 32-bit copy of a bitmap without alpha: B, G, R with A 0; then every
  // pixel but those of its transparent colour is made opaque.
  Bitmap32 pic(pw, ph);
  for (int y = 0; y < ph; ++y) {
    const std::uint32_t* s = glyph.Pixels().Row32(y) + index * pw;
    std::uint32_t* d = pic.Row(y);
    for (int x = 0; x < pw; ++x) d[x] = s[x] & 0x00FFFFFFu;
  }
  const std::uint32_t key = pic.Pixel(0, ph - 1);
  SetAlphaRect(&pic, {0, 0, pw, ph}, 255, key);

  const gfx::TRect r = reflected ? rect.Offset(0, -(rect.Height() / 8)) : rect;
  const gfx::TRect whole{0, 0, pw - 1, ph - 1};
  if (enabled || blend == 0) CopyKeyed(dst, &pic, r.Left, 0, SwapRedBlue(key), whole, r.Top);
  else BlendKeyedRect(dst, r.Left, r.Top, key, static_cast<std::uint8_t>(PercentToWeight(blend)), whole, &pic);
  if (!reflected) return;

  // The mirrored rows below rect, the picture's bottom row first.
  const int start = r.Bottom;
  const int rows = std::min(2 * ph / 3 - 1, dst->Height() - start);
  if (rows <= 0) return;
  const int step = 255 / (rows + 1);
  for (int k = 0, f = 255; k < rows; ++k, f -= step) {
    const int y = start + k;
    if (y < 0) continue;
    const int wt = (100 - blend) * ((rows - k) * 255 / rows * f / 512) / 100;
    const std::uint32_t* s = pic.Row(ph - 1 - k);
    std::uint32_t* d = dst->Row(y);
    for (int x = std::max(0, -r.Left); x < pw && r.Left + x < dst->Width(); ++x)
      if (s[x] != key) d[r.Left + x] = MixTowardPixel(d[r.Left + x], s[x], static_cast<std::uint32_t>(wt));
  }
}

}  // namespace skin
