#pragma once
// Icons: small 32-bit pictures with alpha, in one or more sizes, drawn into surfaces.
// Windows carry a small and a big icon (WM_SETICON / WM_GETICON); the classic frame shows
// the small one in its caption band, or the default application icon.
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/Types.h"

namespace win {

constexpr int IDI_APPLICATION = 32512;

constexpr WPARAM ICON_SMALL = 0;
constexpr WPARAM ICON_BIG = 1;
constexpr WPARAM ICON_SMALL2 = 2;

// A system icon (IDI_APPLICATION: the default application icon in 16 and 32 pixels).
// System icons are shared and never freed.
HICON LoadIcon(HINSTANCE instance, int iconId);
// An icon from a 32-bit picture with straight (not premultiplied) alpha, B, G, R, A in
// memory. Further sizes may be added; drawing picks the closest one.
HICON CreateIconFromPixels(const gfx::PixelView& picture);
BOOL AddIconPicture(HICON icon, const gfx::PixelView& picture);
BOOL DestroyIcon(HICON icon);
// The size of the icon's largest picture; (0, 0) for an invalid icon.
SIZE GetIconSize(HICON icon);
// Draws the icon with its alpha at (x, y) in cx x cy pixels (0: its own size), using the
// picture nearest that size, scaled when needed.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy);

}  // namespace win
