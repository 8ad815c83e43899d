#pragma once
// Internal to the SDL backend: gives an OS window the outline of our window region, so
// that what the region leaves out shows the desktop beneath (cut or rounded corners).
#include "platform/gfx/Region.h"

struct SDL_Window;

namespace win::sdl {

enum class Shaping { Done, Unsupported };

// Sets the OS window's outline to `region` (window coordinates; an empty region hides the
// whole window) or, with none, back to its full rectangle. Unsupported, with nothing
// changed, where the video driver is not X11 or the X server has no shape extension.
Shaping ShapeWindow(SDL_Window* window, const gfx::Region* region);

}  // namespace win::sdl
