#pragma once
// Captions in the colours of a skin section: the section's text colour with its one-pixel
// contour copies, a muted colour when disabled, and (for control captions) the glow
// behind the text. WriteSectionText draws in a section's colours as they are;
// WriteStateText is the caption step of a control, with the control's colour settings,
// which the control's skin state chooses the section and state record for.
#include <array>
#include <string_view>

#include "platform/gfx/Geometry.h"
#include "skin/data/acSkinRecords.h"
#include "skin/render/acTextColor.h"

namespace gfx {
class Surface;
}

namespace skin {

class Bitmap32;
class TacSkinLoader;

// Where the colours of a control caption come from.
enum class TacCaptionColoring {
  Skin,          // the state record's colours, contours and glow
  CurrentColor,  // the surface's text colour, enabled or not (the section is not valid)
  Plain,         // the surface's text colour; disabled text is embossed
};

// What a control's skin state decides before its caption is drawn.
struct TacCaptionStyle {
  TacCaptionColoring Coloring = TacCaptionColoring::Plain;
  const TsGenState* Props = nullptr;  // Skin: the state record of the text section
  TacColorAdjust Adjust;              // the control's colour settings
  TColor GlobalColor = 0;             // the skin's global colour, toward which disabled text goes
  bool Underline = false;             // a web button out of its normal state
  Bitmap32* GlowTarget = nullptr;     // the control's cached picture (rect in its pixels); nullptr: no glow
};

// Draws a control caption into rect (nothing for an empty text). The surface's state is
// saved first and restored at the end, so neither the clear brush nor the underline
// outlive the call. Skin coloring: the glow (when GlowTarget is set and Props.GlowSize is
// not 0) goes into GlowTarget first, in the adjusted glow colour, all four directions;
// disabled text is drawn once in the adjusted BlendColorValues(text colour, GlobalColor,
// PixelTuning().DisabledBlend); enabled text draws each contour colour that is not -1 (left (-1, 0),
// top (0, -1), right (+1, 0), bottom (0, +1)) and then the text, every colour adjusted.
void WriteStateText(gfx::Surface& surface, std::u16string_view text, bool enabled, const TacCaptionStyle& style,
                    unsigned format, const gfx::TRect& rect);

// Text in the colours of section `section` in state `state` (nullptr manager: the default
// manager), the background mode made transparent. With a valid section: enabled text draws
// the state's contours and text colour unadjusted; disabled text is drawn in
// BlendColorValues(Props[0] text colour, Props[0] colour, PixelTuning().DisabledBlend). With an
// invalid section disabled text takes the platform's grey text colour. Without a manager
// the text is drawn in the surface's text colour. The surface's text colour is restored.
void WriteSectionText(gfx::Surface& surface, std::u16string_view text, bool enabled, const TacSkinLoader* manager,
                      int state, int section, unsigned format, const gfx::TRect& rect);

// The manager asked for, or the default manager when none is given (may be nullptr).
const TacSkinLoader* ManagerOrDefault(const TacSkinLoader* manager);

// No contour on a side.
inline constexpr TColor acNoContour = TColor(-1);

// One contour copy of a caption: its colour (acNoContour: none) and the offset of its
// text rectangle.
struct TacContour {
  TColor Color;
  int DX, DY;
};

// The contours of a state's text colours in the order they are drawn: left (-1, 0),
// top (0, -1), right (+1, 0), bottom (0, +1).
constexpr std::array<TacContour, 4> ContoursOf(const TsFontColor& fc) {
  return {{{fc.Left, -1, 0}, {fc.Top, 0, -1}, {fc.Right, 1, 0}, {fc.Bottom, 0, 1}}};
}

}  // namespace skin
