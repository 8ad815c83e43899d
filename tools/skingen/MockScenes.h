#pragma once
// Scenes painted from a built skin with the rough mock painter: the main window as the
// program will show it, a board of controls in all their states, and the small preview
// picture that skin lists show (drawn without text, so that it depends on no font).
#include "skin/render/pixels/Bitmap32.h"
#include "tools/skingen/MockPainter.h"

namespace skingen {

// The main window (670 x 585 with its frame) on a plain desktop backdrop.
skin::Bitmap32 PaintMainWindowMockup(const TMockPainter& painter);
// Buttons, edits, title buttons, check boxes, tabs, bars, menus and hints in every state.
skin::Bitmap32 PaintStatesBoard(const TMockPainter& painter);
// A 256 x 192 miniature window, transparent around it.
skin::Bitmap32 PaintPreview(const TMockPainter& painter);

}  // namespace skingen
