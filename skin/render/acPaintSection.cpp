#include "skin/render/acPaintSection.h"

#include <algorithm>

#include "platform/gfx/Surface.h"
#include "skin/data/acSkinData.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acPaintImageState.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/acSectionLayers.h"
#include "skin/render/acSectionTexture.h"

namespace skin {
namespace {

// The corner images at the four corners of rect, over the destination itself.
void PaintCorners(const TacSkinData& data, const TsGeneralData& g, Bitmap32* dst, const TRect& rect, int s) {
  const TacBgInfo self = BgInfoFromBitmap(dst, 0, 0);
  if (const TsMaskData* md = ImageEntry(data, g.ImgTL)) PaintImageState(dst, {rect.Left, rect.Top}, s, self, *md);
  if (const TsMaskData* md = ImageEntry(data, g.ImgTR))
    PaintImageState(dst, {rect.Right - md->Width, rect.Top}, s, self, *md);
  if (const TsMaskData* md = ImageEntry(data, g.ImgBL))
    PaintImageState(dst, {rect.Left, rect.Bottom - md->Height}, s, self, *md);
  if (const TsMaskData* md = ImageEntry(data, g.ImgBR))
    PaintImageState(dst, {rect.Right - md->Width, rect.Bottom - md->Height}, s, self, *md);
}

}  // namespace

const TsMaskData* ImageEntry(const TacSkinData& data, int index) {
  if (index < 0 || index >= static_cast<int>(data.ma.size())) return nullptr;
  return &data.ma[static_cast<std::size_t>(index)];
}

bool SectionPaintable(const TacSkinData* data, int section, const Bitmap32* dst, const TRect& rect) {
  if (data == nullptr || section < 0 || section >= static_cast<int>(data->gd.size())) return false;
  if (dst == nullptr || !dst->Is32Bit() || rect.IsEmpty()) return false;
  return rect.Left >= 0 && rect.Top >= 0 && rect.Right <= dst->Width() && rect.Bottom <= dst->Height();
}

int SectionState(const TsGeneralData& section, int state) { return std::max(0, std::min(state, section.States - 1)); }

const TsGenState& SectionProps(const TsGeneralData& section, int state) {
  return section.Props[static_cast<std::size_t>(std::clamp(state, 0, 2))];
}

int SectionTexture(const TsGenState& props, int state, int textureOther, int textureState0) {
  const int override = state > 0 ? textureOther : textureState0;
  return override >= 0 ? override : props.TextureIndex;
}

void PaintSectionBackground(int section, const TacBgInfo& bg, int state, TColor colour, int textureOther,
                            int textureState0, const TacSkinData* data, Bitmap32* dst, TPoint pos, const TRect& rect) {
  if (!SectionPaintable(data, section, dst, rect)) return;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(section)];
  const int s = SectionState(g, state);
  const TsGenState& p = SectionProps(g, s);
  const int texture = SectionTexture(p, s, textureOther, textureState0);

  TacLayerValues v;
  int t = 0;
  if (colour == KeyColor) {
    t = LimitPercent(p.Transparency);
    v = StateLayerValues(*data, p, texture);
    if (t == 100) v.ImagePercent = v.GradientPercent = 0;
  } else {
    v.Color = colour;
  }
  if (v.Texture == nullptr) v.ImagePercent = 0;
  const TacBgInfo at = BgAtTarget(bg, pos, {rect.Left, rect.Top});

  if ((!bg.Ready && bg.FillColor == KeyColor) || t == 0) {
    // Nothing known behind, or nothing of it shows.
    PaintLayers(dst, rect, v, at);
  } else if (t == 100) {
    GiveBehind(dst, rect, at, v.Color);
  } else if (bg.Ready || v.ImagePercent + v.GradientPercent > 0) {
    Bitmap32 layers(rect.Width(), rect.Height());
    PaintLayers(&layers, {0, 0, rect.Width(), rect.Height()}, v, BgAtTarget(bg, pos, {0, 0}));
    GiveBehind(dst, rect, at, v.Color);
    BlendBitmapRect(dst, &layers, static_cast<std::uint8_t>(PercentToWeight(t)), {rect.Left, rect.Top},
                    {0, 0, rect.Width() - 1, rect.Height() - 1});
  } else {
    FillPixels(dst, rect, BlendColorValues(bg.FillColor, v.Color, PercentToWeight(t)), 255);
  }

  if (HasAlphaGradient(p)) FillGradient(dst, rect, p.GradientArray, 0);
  if (const TsMaskData* pattern = UsableTexture(*data, texture); pattern != nullptr && IsPatternOverlay(*pattern))
    OverlayPattern(dst, rect, *pattern, at);
}

void PaintSection(int section, const TacBgInfo& bg, int textureOther, int textureState0, const TacSkinData* data,
                  Bitmap32* dst, TPoint pos, const TRect& rect, int state) {
  if (!SectionPaintable(data, section, dst, rect)) return;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(section)];
  const int s = SectionState(g, state);
  PaintSectionBackground(section, bg, s, KeyColor, textureOther, textureState0, data, dst, pos, rect);
  PaintCorners(*data, g, dst, rect, s);
  if (const TsMaskData* border = ImageEntry(*data, g.BorderIndex))
    PaintImageSlices(dst, rect, BgAtTarget(bg, pos, {rect.Left, rect.Top}), true, s, *border);
}

void PaintSectionToSurface(int section, const TacBgInfo& bg, const TacSkinData* data, gfx::Surface* surface, TPoint pos,
                           const TRect& rect, int state) {
  if (surface == nullptr || rect.IsEmpty()) return;
  if (data == nullptr || section < 0 || section >= static_cast<int>(data->gd.size())) return;
  const int w = rect.Width(), h = rect.Height();
  Bitmap32 picture(w, h);
  PaintSection(section, bg, -1, -1, data, &picture, pos, {0, 0, w, h}, state);
  surface->BitBlt(rect.Left, rect.Top, w, h, picture.Canvas(), 0, 0, gfx::SRCCOPY);
}

}  // namespace skin
