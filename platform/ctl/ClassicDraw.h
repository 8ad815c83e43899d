#pragma once
// The classic look's drawing pieces shared by the controls: 3-D edges and push button
// faces (from the shared classic look), the dotted focus rectangle, arrow, check and radio marks, the size grip, and
// text in the control font. All colours come from the system colour table.
#include <string_view>

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/Color.h"
#include "platform/win/Types.h"

namespace gfx {
class Font;
}

namespace ctl::draw {

using win::HDC;
using win::RECT;

// The frames, edges and button faces are the shared classic look's (gfx/ClassicLook.h).
using Edge = gfx::classic::Edge;
using ButtonLook = gfx::classic::ButtonFace;

// A one-pixel frame along the inside of r, top and left in one colour, bottom and right in
// the other; r shrinks by one pixel on each side (an empty r stays and gets nothing).
inline void Frame(HDC dc, RECT& r, gfx::TColor topLeft, gfx::TColor bottomRight) {
  gfx::classic::Frame(*dc, r, topLeft, bottomRight);
}
// Two-pixel edges (r shrinks by 2): raised (a button, a thumb), sunken (an edit's client
// edge), etched (a group box line, a separator).
inline void DrawEdge(HDC dc, RECT& r, Edge edge) { gfx::classic::DrawEdge(*dc, r, edge); }
// A push button face filled with the button colour. Pressed: dark edge; default: an extra
// black frame outside.
inline void DrawButtonFace(HDC dc, const RECT& r, ButtonLook look) { gfx::classic::DrawButtonFace(*dc, r, look); }

// The dotted focus rectangle, drawn by inverting every other pixel of its outline.
void DrawFocusRect(HDC dc, const RECT& r);

enum class Arrow { Up, Down, Left, Right };
// A small filled triangle centred in r; `size` is the half-width of its base (4 for the
// scroll bar's 17-pixel buttons).
void DrawArrow(HDC dc, const RECT& r, Arrow dir, int size, gfx::TColor color);

// The 13 x 13 check box square (sunken, window-coloured, with a tick when checked, a grey
// tick when indeterminate) and the 12 x 12 radio circle, with their top-left at (x, y).
void DrawCheckBox(HDC dc, int x, int y, int state, bool enabled, bool pushed);
void DrawRadio(HDC dc, int x, int y, bool checked, bool enabled, bool pushed);

// A 50% checker of two colours (the classic scroll track), anchored at r's top-left.
void FillChecker(HDC dc, const RECT& r, gfx::TColor a, gfx::TColor b);

// The diagonal ridges of a size grip in the bottom-right corner of r.
void DrawSizeGrip(HDC dc, const RECT& r);

// Disabled text: embossed, white shifted by one pixel under grey.
void DrawDisabledText(HDC dc, std::u16string_view text, RECT r, unsigned format);

// The control font of a WM_SETFONT handle (the dialog font for none).
gfx::Font FontOf(const void* hfont);

}  // namespace ctl::draw
