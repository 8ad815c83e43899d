#include "skin/render/acSectionTexture.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/data/acSkinData.h"
#include "skin/render/acImageSource.h"
#include "skin/render/pixels/acKeyedCopy.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/acSectionBehind.h"

namespace skin {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

bool PlainMode(int mode) { return (mode >= 0 && mode <= 7) || (mode >= 10 && mode <= 13); }

// Non-negative remainder.
int Wrap(std::int64_t v, int n) {
  const std::int64_t m = v % n;
  return static_cast<int>(m < 0 ? m + n : m);
}

// How destination positions along one axis find their source offset (0 .. srcLen - 1):
// tiled from origin, or stretched from origin over dstLen positions (nearest pixel).
struct Axis {
  bool stretch;
  int origin;
  int srcLen;
  int dstLen;

  int Map(int p) const {
    const std::int64_t d = std::int64_t(p) - origin;
    if (!stretch) return Wrap(d, srcLen);
    return static_cast<int>(std::clamp<std::int64_t>(d * srcLen / dstLen, 0, srcLen - 1));
  }
};

Axis Tiled(int origin, int len) { return {false, origin, len, len}; }
Axis Stretched(int origin, int srcLen, int dstLen) { return {true, origin, srcLen, std::max(dstLen, 1)}; }

// Puts the plain texture area (sx, sy, tw x th of src) over area by the two axes.
void PutPlain(Bitmap32* dst, const TRect& area, const Bitmap32& src, int sx, int sy, const Axis& ax, const Axis& ay) {
  if (area.IsEmpty()) return;
  const int w = area.Width();
  std::vector<int> columns;
  if (ax.stretch) {
    columns.resize(static_cast<std::size_t>(w));
    for (int i = 0; i < w; ++i) columns[static_cast<std::size_t>(i)] = ax.Map(area.Left + i);
  }
  const int firstOff = ax.stretch ? 0 : ax.Map(area.Left);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const std::uint32_t* s = src.Row(sy + ay.Map(y)) + sx;
    std::uint32_t* d = dst->Row(y) + area.Left;
    if (ax.stretch) {
      for (int i = 0; i < w; ++i) d[i] = s[columns[static_cast<std::size_t>(i)]];
      continue;
    }
    // Runs of whole source rows: the first may start inside the tile, the last is cut.
    int off = firstOff;
    for (int i = 0; i < w;) {
      const int n = std::min(ax.srcLen - off, w - i);
      std::memcpy(d + i, s + off, sizeof(std::uint32_t) * static_cast<std::size_t>(n));
      i += n;
      off = 0;
    }
  }
}

// How the key pixels of a masked tile are put down.
enum class KeyRule {
  Keep,    // the destination already holds what lies behind
  Behind,  // taken from bg (its bitmap when ready, else its known colour, else kept)
};

// Lays masked tiles (picture w x h at (px, py) of src, its mask h rows below) over area,
// tiled from area's top-left corner.
void PutMaskedTiles(Bitmap32* dst, const TRect& area, const Bitmap32& src, int px, int py, int w, int h, KeyRule rule,
                    const TacBgInfo& bg) {
  if (area.IsEmpty()) return;
  const bool fromBmp = rule == KeyRule::Behind && bg.Ready && bg.Bmp != nullptr && bg.Bmp->Is32Bit();
  const bool fromColor = rule == KeyRule::Behind && !bg.Ready && bg.FillColor != KeyColor;
  const std::uint32_t colorPx = (SwapRedBlue(bg.FillColor) & 0x00FFFFFFu) | kOpaque;
  for (int y = area.Top; y < area.Bottom; ++y) {
    const int ty = (y - area.Top) % h;
    const std::uint32_t* pic = src.Row(py + ty) + px;
    const std::uint32_t* mask = src.Row(py + h + ty) + px;
    std::uint32_t* d = dst->Row(y);
    // The row of bg under this row, and the columns of it that exist.
    const std::uint32_t* under = nullptr;
    std::int64_t underLeft = 0, underRight = 0;
    if (fromBmp) {
      const std::int64_t by = std::int64_t(y) + bg.Y;
      if (by >= 0 && by < bg.Bmp->Height()) {
        under = bg.Bmp->Row(static_cast<int>(by));
        underLeft = -std::int64_t(bg.X);
        underRight = underLeft + bg.Bmp->Width();
      }
    }
    for (int x = area.Left; x < area.Right; ++x) {
      const int tx = (x - area.Left) % w;
      const std::uint32_t p = pic[tx];
      if (p != KeyPixel) {
        d[x] = MaskedPixel(d[x], p, mask[tx]) | kOpaque;
      } else if (rule == KeyRule::Keep) {
        d[x] |= kOpaque;
      } else if (under != nullptr && x >= underLeft && x < underRight) {
        d[x] = under[x + bg.X] | kOpaque;
      } else if (fromColor) {
        d[x] = colorPx;
      }
    }
  }
}

// The rectangle of whole masked tiles that mode 10 places in r: a tile is placed at x
// while x < r.Right - w (and likewise downward), so one ending exactly at the edge is not.
TRect WholeTiles(const TRect& r, int w, int h) {
  const int nx = r.Width() > 0 ? (r.Width() - 1) / w : 0;
  const int ny = r.Height() > 0 ? (r.Height() - 1) / h : 0;
  if (nx == 0 || ny == 0) return {r.Left, r.Top, r.Left, r.Top};
  return {r.Left, r.Top, r.Left + nx * w, r.Top + ny * h};
}

int MaskedTileHeight(const TsMaskData& tex) { return (tex.R.Bottom - tex.R.Top) / 2; }

}  // namespace

const TsMaskData* UsableTexture(const TacSkinData& data, int index) {
  if (index < 0 || index >= static_cast<int>(data.ma.size())) return nullptr;
  const TsMaskData& md = data.ma[static_cast<std::size_t>(index)];
  const Bitmap32* src = ImageSourceBitmap(md);
  if (src == nullptr) return nullptr;
  const TRect& r = md.R;
  if (r.Left < 0 || r.Top < 0 || r.Right > src->Width() || r.Bottom > src->Height()) return nullptr;
  if (r.Right - r.Left < 1 || r.Bottom - r.Top < 1) return nullptr;
  if (md.MaskType > 0) {
    if (md.DrawMode != tmTile && md.DrawMode != tmWholeTiles) return nullptr;
    const int h = MaskedTileHeight(md);
    if (md.Width < 1 || h < 1 || r.Left + std::int64_t(md.Width) > src->Width()) return nullptr;
    return &md;
  }
  return PlainMode(md.DrawMode) ? &md : nullptr;
}

bool IsPatternOverlay(const TsMaskData& tex) { return tex.MaskType > 0 && tex.DrawMode == tmWholeTiles; }

TRect FillTexture(Bitmap32* dst, const TRect& r, const TsMaskData& tex, const TacBgInfo& bg, TColor colour) {
  const Bitmap32* src = ImageSourceBitmap(tex);
  if (dst == nullptr || src == nullptr || r.IsEmpty()) return r;
  const int sx = tex.R.Left, sy = tex.R.Top;
  if (tex.MaskType > 0) {
    const int w = tex.Width, h = MaskedTileHeight(tex);
    GiveBehind(dst, r, bg, colour);
    const TRect tiles = tex.DrawMode == tmWholeTiles ? WholeTiles(r, w, h) : r;
    PutMaskedTiles(dst, tiles, *src, sx, sy, w, h, KeyRule::Keep, bg);
    return {};
  }
  const int tw = tex.R.Right - tex.R.Left, th = tex.R.Bottom - tex.R.Top;
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  switch (tex.DrawMode) {
    case tmTile:
    case tmWholeTiles: PutPlain(dst, r, *src, sx, sy, Tiled(L, tw), Tiled(T, th)); return {};
    case tmStretch:
      PutPlain(dst, r, *src, sx, sy, Stretched(L, tw, r.Width()), Stretched(T, th, r.Height()));
      return {};
    case tmTopRow: {
      const int end = std::min(B, T + th);
      PutPlain(dst, {L, T, R, end}, *src, sx, sy, Tiled(L, tw), Tiled(T, th));
      return {L, end, R, B};
    }
    case tmLeftColumn: {
      const int end = std::min(R, L + tw);
      PutPlain(dst, {L, T, end, B}, *src, sx, sy, Tiled(L, tw), Tiled(T, th));
      return {end, T, R, B};
    }
    case tmStretchTop: {
      const int end = std::min(B, T + th);
      PutPlain(dst, {L, T, R, end}, *src, sx, sy, Stretched(L, tw, r.Width()), Tiled(T, th));
      return {L, end, R, B};
    }
    case tmStretchLeft: {
      const int end = std::min(R, L + tw);
      PutPlain(dst, {L, T, end, B}, *src, sx, sy, Tiled(L, tw), Stretched(T, th, r.Height()));
      return {end, T, R, B};
    }
    case tmBottomRow: {
      const int start = std::max(T, B - th);
      PutPlain(dst, {L, start, R, B}, *src, sx, sy, Tiled(L, tw), Tiled(B - th, th));
      return {L, T, R, start};
    }
    case tmRightColumn: {
      const int start = std::max(L, R - tw);
      PutPlain(dst, {start, T, R, B}, *src, sx, sy, Tiled(R - tw, tw), Tiled(T, th));
      return {L, T, start, B};
    }
    case tmStretchRows: PutPlain(dst, r, *src, sx, sy, Stretched(L, tw, r.Width()), Tiled(T, th)); return {};
    case tmStretchColumns: PutPlain(dst, r, *src, sx, sy, Tiled(L, tw), Stretched(T, th, r.Height())); return {};
    case tmTileBottomRight: PutPlain(dst, r, *src, sx, sy, Tiled(R - tw, tw), Tiled(B - th, th)); return {};
    default: return r;
  }
}

void OverlayPattern(Bitmap32* dst, const TRect& r, const TsMaskData& tex, const TacBgInfo& bg) {
  const Bitmap32* src = ImageSourceBitmap(tex);
  if (dst == nullptr || src == nullptr || r.IsEmpty() || !IsPatternOverlay(tex)) return;
  const int w = tex.Width, h = MaskedTileHeight(tex);
  const TRect tiles = WholeTiles(r, w, h);
  PutMaskedTiles(dst, tiles, *src, tex.R.Left, tex.R.Top, w, h, KeyRule::Behind, bg);
  // The strip below the tiles across the whole width, and the one right of them.
  GiveBehind(dst, {r.Left, tiles.Bottom == tiles.Top ? r.Top : tiles.Bottom, r.Right, r.Bottom}, bg, KeyColor);
  if (tiles.Bottom > tiles.Top) GiveBehind(dst, {tiles.Right, r.Top, r.Right, tiles.Bottom}, bg, KeyColor);
}

}  // namespace skin
