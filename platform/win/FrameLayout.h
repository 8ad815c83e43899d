#pragma once
// Internal: where the parts of the classic frame lie in a window of a given style and
// size: the border width, the caption band, the small icon and the title buttons. One
// place for the geometry that drawing, hit testing and the client rectangle share.
#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace win::detail {

struct Window;

enum class BorderKind { None, Thin, Dialog, Sizing };

// The states a title button can be drawn in.
enum class ButtonLook { Normal, Pressed, Disabled };

struct FrameLayout {
  BorderKind border = BorderKind::None;
  int borderWidth = 0;
  bool toolWindow = false;
  gfx::TRect caption;                          // the caption band including its bottom line; empty without caption
  gfx::TRect icon;                             // the small icon; empty when none is shown
  gfx::TRect sysMenu;                          // the area that answers HTSYSMENU; empty without an icon
  gfx::TRect close, maximize, minimize, help;  // empty when the button is absent
  gfx::TRect text;                             // where the caption text goes
};

BorderKind BorderOf(DWORD style, DWORD exStyle);
// The border width and caption height with the metrics of a density.
int BorderWidth(BorderKind kind, UINT dpi);
int CaptionHeightOf(DWORD style, DWORD exStyle, UINT dpi);
// The layout of a window `size` wide and high with the given styles. `hasIcon`: an icon
// was set for the window (dialog frames show one only then).
FrameLayout ComputeFrame(DWORD style, DWORD exStyle, gfx::TSize size, bool hasIcon);
FrameLayout FrameOf(Window* w);

// Whether a title button can be pressed now (its function is available).
bool ButtonEnabled(Window* w, int hitCode);

}  // namespace win::detail
