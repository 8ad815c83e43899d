#pragma once
// Classic button glyphs: a strip of NumGlyphs pictures side by side without alpha, each
// keyed on its own bottom-left colour (normal, disabled, down, exclusive), drawn into a
// control's picture, blended when disabled, optionally with a fading reflection.
#include "platform/gfx/Geometry.h"

namespace forms {
class TBitmap;
}

namespace skin {

class Bitmap32;
class TsSkinManager;

// Which picture of a strip a button shows. Kinds: 0 up, 1 disabled, 2 down, 3 exclusive.
enum TacGlyphKind : int { gkUp = 0, gkDisabled = 1, gkDown = 2, gkExclusive = 3 };

// The picture number for a kind: 0 for kind 0 (and for a one-picture strip); kind 1: 1
// when the strip is not a 16-colour bitmap and StdGlyphsOrder is off, else 0 (a disabled
// button asks for kind 1 and gets this rule); kind 2: hint + 2, or when that is not below
// numGlyphs 0 (min(1, numGlyphs - 1) when not 16-colour and StdGlyphsOrder is off); kind
// 3: 2 with at least 3 pictures, else 0; any other kind of a button that is not enabled:
// 0. numGlyphs below 1 counts as 1.
int GlyphStripPicture(int kind, int hint, bool enabled, int numGlyphs, bool sixteenColors, bool stdGlyphsOrder);

// Draws the chosen picture of glyph (a strip of numGlyphs pictures) at rect's top-left
// corner: keyed on the picture's bottom-left colour, copied when enabled or blend is 0,
// else blended by blend (percent of the glyph that lets the picture below show through).
// A kind above 0 draws unblended. reflected moves rect up by an eighth of its height and
// adds below it up to two thirds of the glyph's height - 1 mirrored rows, fading out. The
// manager (nullptr: the default manager) gives StdGlyphsOrder. Copied pixels are opaque.
void DrawGlyphStrip(const forms::TBitmap& glyph, Bitmap32* dst, const gfx::TRect& rect, bool reflected, int hint,
                    int blend, int kind, bool enabled, int numGlyphs, const TsSkinManager* manager = nullptr);

}  // namespace skin
