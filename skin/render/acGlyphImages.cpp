#include "skin/render/acGlyphImages.h"

#include "skin/data/acSkinData.h"
#include "skin/render/pixels/Bitmap32.h"

namespace skin {

void PaintGlyphImage(Bitmap32* picture, gfx::TPoint p, const TacSkinData& data, int maskIndex, int state,
                     TacImageLook look) {
  if (picture == nullptr || maskIndex < 0 || maskIndex >= static_cast<int>(data.ma.size())) return;
  PaintImageState(picture, p, state, BgInfoFromBitmap(picture, 0, 0), data.ma[static_cast<std::size_t>(maskIndex)],
                  look);
}

int CheckGlyphImage(const TacSkinData& data, TacCheckGlyph kind, int checkState) {
  auto pick = [&](const auto& table) {
    return checkState >= 0 && checkState < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(checkState)]
                                                                          : -1;
  };
  switch (kind) {
    case TacCheckGlyph::Box: return pick(data.CheckBox);
    case TacCheckGlyph::Radio: return pick(data.RadioButton);
    case TacCheckGlyph::SmallBox: return pick(data.SmallCheckBox);
  }
  return -1;
}

int StdCheckGlyphState(bool pushed, bool noMouseHover, bool hotOrFocused) {
  if (pushed) return 2;
  if (noMouseHover) return 0;
  return hotOrFocused ? 1 : 0;
}

gfx::TPoint CheckGlyphOrigin(const gfx::TRect& bounds, gfx::TSize glyph, bool atRightEdge) {
  return {atRightEdge ? bounds.Right - glyph.cx : bounds.Left, bounds.Top + (bounds.Height() - glyph.cy) / 2};
}

}  // namespace skin
