#pragma once
// Internal: the classic frame's look, drawn from the system colours and metrics: borders
// by style, the caption band with the small icon and the caption text in the active or
// inactive colours, and the title buttons.
#include "platform/win/FrameLayout.h"

namespace gfx {
class Surface;
}

namespace win::detail {

// The glyphs a title button can carry.
enum class ButtonGlyph { Close, Minimize, Maximize, Restore, Help };

// Draws the borders and the caption band into a whole-window surface and returns the
// rectangle left inside them (window coordinates).
gfx::TRect DrawClassicFrame(Window* w, gfx::Surface& s);
void DrawTitleButton(gfx::Surface& s, const gfx::TRect& r, ButtonGlyph glyph, ButtonLook look);
}  // namespace win::detail
