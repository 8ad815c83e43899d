#pragma once
// The shape of a skinned window: the key-colour pixels of the corner blocks of the FORM
// section's border image (and the top corners of the title section's, when it has one),
// as one-row rectangles cut out of the window rectangle. The corner scan is the render
// layer's (CornerTransparentRuns); here the runs are placed on the window and clipped to
// it, so that a window smaller than its corners never gets rectangles outside itself.
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace skin {

class TacSkinData;
struct TacFrameShape;

// The rectangles cut out of a window width x height (empty without border images).
std::vector<gfx::TRect> FrameRegionRects(const TacSkinData& data, int formSection, int titleSection, int width,
                                         int height);

// The window rectangle (0, 0, width, height) minus the rectangles, as a region handle the
// caller hands to SetWindowRgn (or frees).
win::HRGN MakeFrameRegion(int width, int height, const std::vector<gfx::TRect>& cut);

// The region of a maximized window without maximum-size constraints: the window shrunk by
// the frame width on every side.
win::HRGN MakeMaximizedRegion(int width, int height, int frameWidth);

// A window's client rectangle in window coordinates.
gfx::TRect ClientInWindow(win::HWND h);

// Fills in what the window itself tells of its frame: the style bits, minimized and
// maximized, window and client sizes, the platform version, and the density given.
void ReadWindowFrame(win::HWND h, int dpi, TacFrameShape& s);

}  // namespace skin
