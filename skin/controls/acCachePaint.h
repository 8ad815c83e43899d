#pragma once
// Painting a windowed control from its cached picture: the paint, erase-background and
// print messages, the copy with the children cut out, and the painting of a container's
// non-windowed children over the container's own picture. Building the picture is the
// control's business (its answer to scPrepareCache).
#include "platform/forms/Messages.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace forms {
class TWinControl;
}

namespace skin {

class TsCommonData;

// The window-animation snapshot flag of form skinning. This engine takes no snapshots:
// always false.
bool acTakingSnapshot();

// Ends a paint request without painting: the whole window, frame included, counts as
// painted.
void ValidateOnly(win::HWND h);

// WM_PAINT (a DC in WParam, or the window's paint cycle): nothing while updating (the
// window is only validated); the running fade's picture, else the cache, prepared when
// stale or half visible. Containers put their non-windowed children over it.
void PaintFromCache(forms::TMessage& m, TsCommonData& sd);
// WM_ERASEBKGND: the cache with the children cut out; the result is always 0.
void EraseFromCache(forms::TMessage& m, TsCommonData& sd);
// WM_PRINT: not updating, then painted into the DC as for WM_PAINT.
void PrintFromCache(forms::TMessage& m, TsCommonData& sd);

// Copies target (control coordinates) of the cache, shifted by offset, into dc with every
// visible child that is opaque, non-windowed or answers scIsOpaqueChild cut out.
void CopyCacheWithChildrenCut(win::HDC dc, TsCommonData& sd, const gfx::TRect& target, gfx::TPoint offset);

// Paints the container's non-windowed children, each over what lies behind it in the
// container's picture, and copies them to dc at their place moved by offset (pixels of
// the key colour are not copied). A call made while another runs does nothing.
void PaintGraphicChildren(win::HDC dc, forms::TWinControl* container, bool notPrinting, gfx::TPoint offset);

}  // namespace skin
