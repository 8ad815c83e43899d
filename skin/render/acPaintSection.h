#pragma once
// Painting a skin section into a 32-bit picture: its background (colour, texture and
// gradient by their shares, resolved against what lies behind by the section's
// transparency), its corner images and its border image; the variant for scroll bar
// parts, the variant for pictures shown with per-pixel alpha, and painting onto a drawing
// surface. What lies behind comes in a TacBgInfo whose offset, together with pos (where
// rect's top-left corner lies in the parent), maps rect's pixel (rect.Left + i,
// rect.Top + j) onto pixel (X + pos.x + i, Y + pos.y + j) of its bitmap.
//
// Every routine does nothing without skin data, for a section index the data lacks,
// without a 32-bit destination, for an empty rect, or for a rect not wholly inside the
// destination. Texture overrides are image entry indexes; -1 means none.
#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace gfx {
class Surface;
}

namespace skin {

class TacSkinData;

// The state a section paints for a requested one: limited to its States - 1, never below 0.
int SectionState(const TsGeneralData& section, int state);
// The property record of a (limited) state: Props[min(state, 2)].
const TsGenState& SectionProps(const TsGeneralData& section, int state);
// The texture a (limited) state uses: the override for its kind of state when given, else
// the record's own. The layers, the pattern overlay and the scroll bar variant agree on it.
int SectionTexture(const TsGenState& props, int state, int textureOther, int textureState0);

// The background: layers, transparency over what lies behind, the alpha gradient and the
// pattern overlay. colour KeyColor paints the section's own colour and transparency; any
// other colour is painted opaque without texture or gradient.
void PaintSectionBackground(int section, const TacBgInfo& bg, int state, TColor colour, int textureOther,
                            int textureState0, const TacSkinData* data, Bitmap32* dst, TPoint pos, const TRect& rect);

// The whole section: background, corner images, border image.
void PaintSection(int section, const TacBgInfo& bg, int textureOther, int textureState0, const TacSkinData* data,
                  Bitmap32* dst, TPoint pos, const TRect& rect, int state);

// The whole section (no texture overrides) painted into a picture of rect's size, then
// copied onto the surface at rect (through its origin and clip). The surface's state is
// left as it was.
void PaintSectionToSurface(int section, const TacBgInfo& bg, const TacSkinData* data, gfx::Surface* surface, TPoint pos,
                           const TRect& rect, int state);

// Scroll bar parts: the background without the pattern overlay or a colour argument, then
// the border image the caller names (borderIndex, or none when not valid).
void PaintSectionLite(int section, int borderIndex, int textureState0, const TacSkinData* data, Bitmap32* dst,
                      TPoint pos, const TRect& rect, int state, const TacBgInfo& bg, int textureOther);

// Pictures shown with per-pixel alpha: the background under the alpha rules, the border
// image with its corners over the destination as it was, and, when rect is the whole
// destination, the picture premultiplied.
void PaintSectionAlpha(int section, int state, const TacSkinData* data, Bitmap32* dst, TPoint pos, const TRect& rect);

// The image entry of an index, or nullptr when the data has none of that index.
const TsMaskData* ImageEntry(const TacSkinData& data, int index);

// True when the section can be painted into rect of dst (the checks above).
bool SectionPaintable(const TacSkinData* data, int section, const Bitmap32* dst, const TRect& rect);

}  // namespace skin
