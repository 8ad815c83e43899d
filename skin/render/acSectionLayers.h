#pragma once
// The layers of a section state painted into a rectangle: its colour, texture and
// gradient mixed by their shares, or the single pass that mixes a tiled texture with a
// straight gradient pixel by pixel. Shared by the section painting routines.
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

class TacSkinData;

// What one state gives its layers. Shares are percentages 0..100.
struct TacLayerValues {
  TColor Color = 0;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsMaskData* Texture = nullptr;    // a usable texture (UsableTexture), or none
  const TsGradArray* Gradient = nullptr;  // none or empty: the colour stands in for it
};

// The rules of pictures shown with per-pixel alpha: a straight gradient is composed with
// the alpha (100 - Transparency) percent, the single pass is opaque below 50 percent
// transparency and clear from there, and a plain colour is mixed by that alpha.
struct TacAlphaLayers {
  int Transparency = 0;
};

// A percentage of the skin limited to 0..100.
int LimitPercent(int percent);

// The first stop of the state's gradient asks for it to be drawn over the finished
// background with its alpha.
bool HasAlphaGradient(const TsGenState& props);

// The layers of a state record: its colour, its shares limited to 0..100 (no gradient
// share for an alpha gradient), the texture entry when usable, and its gradient.
TacLayerValues StateLayerValues(const TacSkinData& data, const TsGenState& props, int texture);

// True when the shares and entries take the single pass: shares adding up to 100 with a
// gradient share of 1..99, a plain texture of mode 0, and a gradient that runs down or
// across.
bool TakesSinglePass(const TacLayerValues& v);

// Paints the layers into r (inside dst). bg (relative to dst) shows under the key pixels
// of masked textures. Under the normal rules every pixel of r is painted, whatever dst
// held before; under the alpha rules gradients and colour are mixed into what it holds.
void PaintLayers(Bitmap32* dst, const TRect& r, const TacLayerValues& v, const TacBgInfo& bg,
                 const TacAlphaLayers* alpha = nullptr);

}  // namespace skin
