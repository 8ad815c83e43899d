#include "skin/controls/acControlSection.h"

#include "platform/forms/WinControls.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acImageCorners.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/acSectionState.h"
#include "skin/render/pixels/acColorAdjust.h"
#include "skin/render/pixels/acPixelCopy.h"

namespace skin {

namespace {

// The section data the control paints with, when it may paint into rect of dst.
const TacSkinData* PaintableData(TsCommonData& sd, const Bitmap32* dst, const TRect& rect) {
  if (sd.GetSkinManager() == nullptr) return nullptr;
  const TacSkinData* data = sd.GetCommonSkinData();
  return SectionPaintable(data, sd.SkinIndex, dst, rect) ? data : nullptr;
}

TColor ControlColour(TsCommonData& sd) {
  if (!sd.FCustomColor) return KeyColor;
  return SkinColorToRGB(sd.OwnerColor(), sd.GetSkinManager());
}

// The border image is drawn in this state.
const TsMaskData* DrawnBorder(const TacSkinData& data, const TsGeneralData& g, int s) {
  const TsMaskData* border = ImageEntry(data, g.BorderIndex);
  if (border == nullptr || (s == 0 && (border->DrawMode & dmHiddenInState0) != 0)) return nullptr;
  return border;
}

}  // namespace

void PaintControlBackground(TsCommonData& sd, const TacBgInfo& bg, int state, Bitmap32* dst, TPoint pos,
                            const TRect& rect) {
  const TacSkinData* data = PaintableData(sd, dst, rect);
  if (data == nullptr) return;
  const int s = LimitSectionState(data->gd[static_cast<std::size_t>(sd.SkinIndex)], state);
  PaintSectionBackground(sd.SkinIndex, bg, s, ControlColour(sd), -1, -1, data, dst, pos, rect);
}

void PaintControlSection(TsCommonData& sd, const TacBgInfo& bg, bool cornersShowBg, Bitmap32* dst, TPoint pos,
                         const TRect& rect, int state) {
  const TacSkinData* data = PaintableData(sd, dst, rect);
  if (data == nullptr) return;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(sd.SkinIndex)];
  const int s = LimitSectionState(g, state);
  PaintSectionBackground(sd.SkinIndex, bg, s, ControlColour(sd), -1, -1, data, dst, pos, rect);
  PaintSectionCorners(*data, g, dst, rect, s);
  bool opaque = SectionStateProps(g, s).Transparency == 0;
  if (const TsMaskData* border = DrawnBorder(*data, g, s)) {
    PaintImageSlices(dst, rect, BgAtTarget(bg, pos, {rect.Left, rect.Top}), cornersShowBg, s, *border);
    opaque = true;
  }
  if (!opaque) return;
  const TColor tone = sd.FColorTone != clNone ? SkinColorToRGB(sd.FColorTone, DefaultManager()) : clNone;
  if (tone == clNone && sd.FHUEOffset == 0 && sd.FSaturation == 0) return;
  if (rect == TRect{0, 0, dst->Width(), dst->Height()}) {
    ApplyColorAdjustments(dst, tone, sd.FHUEOffset, SaturationAmount(sd.FSaturation));
    return;
  }
  // The adjustments run over rect only.
  Bitmap32 area(rect.Width(), rect.Height());
  CopyBitmapRect(&area, dst, {0, 0}, rect);
  ApplyColorAdjustments(&area, tone, sd.FHUEOffset, SaturationAmount(sd.FSaturation));
  CopyBitmapRect(dst, &area, {rect.Left, rect.Top}, {0, 0, rect.Width(), rect.Height()});
}

bool PaintControlOverParent(TsCommonData& sd, forms::TControl* parent, bool cornersShowBg, Bitmap32* dst, TPoint pos,
                            const TRect& rect, int state) {
  const TacSkinData* data = PaintableData(sd, dst, rect);
  if (data == nullptr) return true;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(sd.SkinIndex)];
  const int s = LimitSectionState(g, state);
  TsBackgroundQuery q;
  QueryParentBackground(q, parent, false);
  if (q.Kind == bqNotReady) return false;
  const TacBgInfo bg = ToBgInfo(q);
  PaintControlBackground(sd, bg, s, dst, pos, rect);
  // Corner images before the border, as every section routine does.
  PaintSectionCorners(*data, g, dst, rect, s);
  if (const TsMaskData* border = DrawnBorder(*data, g, s))
    PaintImageSlices(dst, rect, BgAtTarget(bg, pos, {rect.Left, rect.Top}), cornersShowBg, s, *border);
  return true;
}

void ApplyColorAdjustments(Bitmap32* picture, TsCommonData& sd, TColor tone, int state) {
  if (picture == nullptr || picture->Empty()) return;
  TColor useTone = clNone;
  if (sd.COC == cocButton || sd.COC == cocBitBtn) {
    if (tone != clNone && tone != 0) useTone = tone;
  } else if (sd.FColorTone != clNone) {
    useTone = sd.FColorTone;
  }
  if (useTone != clNone) useTone = SkinColorToRGB(useTone, sd.GetSkinManager());
  ApplyColorAdjustments(picture, useTone, sd.FHUEOffset, SaturationAmount(sd.FSaturation));
  RefreshControlCorners(picture, sd, state);
}

void RefreshControlCorners(Bitmap32* picture, TsCommonData& sd, int state) {
  if (picture == nullptr || picture->Empty()) return;
  const TsGeneralData* g = sd.Section();
  const TacSkinData* data = sd.GetCommonSkinData();
  if (g == nullptr || data == nullptr || sd.FOwnerControl == nullptr || sd.FOwnerControl->Parent() == nullptr) return;
  const TsMaskData* border = ImageEntry(*data, g->BorderIndex);
  if (border == nullptr) return;
  TsBackgroundQuery q;
  QueryParentBackground(q, sd.FOwnerControl->Parent(), false);
  if (q.Kind == bqNotReady) return;
  TacBgInfo bg = ToBgInfo(q);
  bg.X += sd.FOwnerControl->Left();
  bg.Y += sd.FOwnerControl->Top();
  RefreshImageCorners(picture, bg, *border, LimitSectionState(*g, state), cbAllCorners);
}

}  // namespace skin
