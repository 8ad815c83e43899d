#pragma once
// Painting a control's own section into its picture: the whole section with the control's
// custom colour and colour settings (PaintControlSection), its background only
// (PaintControlBackground), the section over what the parent answers
// (PaintControlOverParent), and the colour adjustments of a finished picture.
#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TControl;
}

namespace skin {

class TsCommonData;

// Background, corner images, border image (not in state 0 for an entry hidden there), then
// the control's tone, hue and saturation when the picture is opaque (a border was drawn,
// or the state is not see-through). Nothing without a manager, a destination, a valid
// section, or when rect does not lie inside the destination.
void PaintControlSection(TsCommonData& sd, const TacBgInfo& bg, bool cornersShowBg, Bitmap32* dst, TPoint pos,
                         const TRect& rect, int state);
// The background only, in the control's colour when it has CustomColor.
void PaintControlBackground(TsCommonData& sd, const TacBgInfo& bg, int state, Bitmap32* dst, TPoint pos,
                            const TRect& rect);
// The whole section over what the parent answers now; false when the parent's picture is
// not ready (nothing painted). The caller applies the colour adjustments.
bool PaintControlOverParent(TsCommonData& sd, forms::TControl* parent, bool cornersShowBg, Bitmap32* dst, TPoint pos,
                            const TRect& rect, int state);

// The colour adjustments of a finished control picture, key-colour pixels left alone: the
// tone (a push button uses the tone passed when it is neither clNone nor 0; others their
// ColorTone), the hue rotation, the saturation change, then the corners of the border
// image refreshed from what lies behind the control.
void ApplyColorAdjustments(Bitmap32* picture, TsCommonData& sd, TColor tone, int state);
// The key-colour corners of the control's border image in its picture, taken again from
// what its parent shows behind them now.
void RefreshControlCorners(Bitmap32* picture, TsCommonData& sd, int state);

}  // namespace skin
