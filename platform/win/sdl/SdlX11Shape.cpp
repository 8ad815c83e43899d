#include "platform/win/sdl/SdlX11Shape.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <vector>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/extensions/shape.h>
#endif

namespace win::sdl {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

short Coordinate(int v) { return static_cast<short>(std::clamp(v, -32768, 32767)); }
unsigned short Extent(int v) { return static_cast<unsigned short>(std::clamp(v, 0, 65535)); }

}  // namespace

Shaping ShapeWindow(SDL_Window* window, const gfx::Region* region) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return Shaping::Unsupported;
  Display* display = info.info.x11.display;
  ::Window xwindow = info.info.x11.window;
  int eventBase = 0, errorBase = 0;
  if (!XShapeQueryExtension(display, &eventBase, &errorBase)) return Shaping::Unsupported;
  if (!region) {
    XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    std::vector<XRectangle> rects;
    rects.reserve(region->Rects().size());
    for (const gfx::TRect& r : region->Rects())
      rects.push_back({Coordinate(r.Left), Coordinate(r.Top), Extent(r.Width()), Extent(r.Height())});
    XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
                            ShapeSet, Unsorted);
  }
  XFlush(display);
  return Shaping::Done;
}
#else
Shaping ShapeWindow(SDL_Window*, const gfx::Region*) { return Shaping::Unsupported; }
#endif

}  // namespace win::sdl
