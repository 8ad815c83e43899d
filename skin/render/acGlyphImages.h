#pragma once
// Glyph images named in the skin's global section (check boxes, radio buttons, title bar
// buttons, grips), drawn into a control's cached picture: key-colour pixels show the
// picture itself. Which entry a control uses is the control's choice; here are the
// lookups and the state and placement rules of standard check boxes and radio buttons.
#include "platform/gfx/Geometry.h"
#include "skin/render/acPaintImageState.h"

namespace skin {

class Bitmap32;
class TacSkinData;

// Picture `state` (0 normal, 1 hot, 2 pressed) of image entry maskIndex of data at p,
// with PaintImageState over BgInfoFromBitmap(picture, 0, 0). look Faded draws the title
// buttons of an inactive window. Nothing happens for an index that is not valid.
void PaintGlyphImage(Bitmap32* picture, gfx::TPoint p, const TacSkinData& data, int maskIndex, int state,
                     TacImageLook look = TacImageLook::Normal);

// The check glyph tables of the loaded skin, indexed by the check state (0 unchecked,
// 1 checked, 2 greyed; radio buttons have no greyed state).
enum class TacCheckGlyph { Box, Radio, SmallBox };
// The image entry index, or -1 when the skin has none for that state.
int CheckGlyphImage(const TacSkinData& data, TacCheckGlyph kind, int checkState);

// The state a standard check box or radio button shows its glyph in: 2 while pushed;
// else 0 when the manager ignores mouse hover; else 1 while hot or focused; else 0.
int StdCheckGlyphState(bool pushed, bool noMouseHover, bool hotOrFocused);

// Where the glyph goes in a button's bounds: centred vertically (rounded toward zero), at
// the left edge, or at the right edge for buttons whose text stands left of the box.
gfx::TPoint CheckGlyphOrigin(const gfx::TRect& bounds, gfx::TSize glyph, bool atRightEdge);

}  // namespace skin
