#pragma once
// What the adapters of child windows share: the picture behind a child (its parent's
// background at the child's place), the child's font, and putting a finished picture on
// the child's surface for WM_PAINT and WM_PRINTCLIENT.
#include <functional>

#include "platform/forms/Messages.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"
#include "skin/render/pixels/acBgInfo.h"

namespace skin {

class Bitmap32;

// The window's top-left corner in its parent's client coordinates.
gfx::TPoint PositionInParent(win::HWND wnd);
// What lies behind the window, as a record relative to the parent's client area (Ready
// with the parent's picture, or its colour).
TacBgInfo BackgroundBehind(win::HWND wnd);
// Fills bmp (the window's client size) with what lies behind the window.
void FillWithBackground(win::HWND wnd, Bitmap32& bmp);
// The font the window was given with WM_SETFONT (the dialog font when none).
gfx::Font WindowFont(win::HWND wnd);
// Answers WM_PAINT (its own paint cycle, or into the surface in WParam) and WM_PRINTCLIENT
// with a picture of the client size that paint() fills.
void PaintClientPicture(win::HWND wnd, forms::TMessage& m, const std::function<void(Bitmap32&)>& paint);

}  // namespace skin
