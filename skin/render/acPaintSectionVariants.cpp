// The scroll bar variant and the per-pixel alpha variant of section painting.
#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/data/acSkinPictures.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/acSectionLayers.h"

namespace skin {

void PaintSectionLite(int section, int borderIndex, int textureState0, const TacSkinData* data, Bitmap32* dst,
                      TPoint pos, const TRect& rect, int state, const TacBgInfo& bg, int textureOther) {
  if (!SectionPaintable(data, section, dst, rect)) return;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(section)];
  const int s = SectionState(g, state);
  const TsGenState& p = SectionProps(g, s);
  const int t = LimitPercent(p.Transparency);
  const TacLayerValues v = StateLayerValues(*data, p, SectionTexture(p, s, textureOther, textureState0));
  const TacBgInfo at = BgAtTarget(bg, pos, {rect.Left, rect.Top});

  if (!bg.Ready || t == 0) {
    PaintLayers(dst, rect, v, at);
  } else if (t < 100) {
    Bitmap32 layers(rect.Width(), rect.Height());
    PaintLayers(&layers, {0, 0, rect.Width(), rect.Height()}, v, BgAtTarget(bg, pos, {0, 0}));
    GiveBehind(dst, rect, at, v.Color);
    BlendBitmapRect(dst, &layers, static_cast<std::uint8_t>(PercentToWeight(t)), {rect.Left, rect.Top},
                    {0, 0, rect.Width() - 1, rect.Height() - 1});
  } else {
    GiveBehind(dst, rect, at, v.Color);
  }
  if (HasAlphaGradient(p)) FillGradient(dst, rect, p.GradientArray, 0);
  if (const TsMaskData* border = ImageEntry(*data, borderIndex)) PaintImageSlices(dst, rect, at, true, s, *border);
}

void PaintSectionAlpha(int section, int state, const TacSkinData* data, Bitmap32* dst, TPoint, const TRect& rect) {
  if (!SectionPaintable(data, section, dst, rect)) return;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(section)];
  const int s = SectionState(g, state);
  const TsGenState& p = SectionProps(g, s);
  const int t = LimitPercent(p.Transparency);
  const bool whole = rect == TRect{0, 0, dst->Width(), dst->Height()};

  // The corners of the border take the destination as it was.
  Bitmap32 before(rect.Width(), rect.Height());
  CopyBitmapRect(&before, dst, {0, 0}, rect);

  if (t == 100) {
    if (whole) FillPixels(dst, rect, 0, 0);
  } else {
    const TacAlphaLayers rules{t};
    PaintLayers(dst, rect, StateLayerValues(*data, p, SectionTexture(p, s, -1, -1)), EmptyBgInfo(), &rules);
    if (HasAlphaGradient(p)) FillGradient(dst, rect, p.GradientArray, 0);
  }
  if (const TsMaskData* border = ImageEntry(*data, g.BorderIndex))
    PaintImageSlicesAlpha(dst, rect, BgInfoFromBitmap(&before, -rect.Left, -rect.Top), s, *border);
  if (whole) {
    const bool composition = data->FOwner == nullptr || data->FOwner->Settings.CompositionEnabled;
    PremultiplyAlpha(dst, rect, composition);
  }
}

}  // namespace skin
