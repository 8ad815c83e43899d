#pragma once
// Internal to the SDL backend: the pointer's screen position as the X server stamped it
// on each pointer event. SDL gives mouse positions relative to the OS window only, and an
// OS window that we have just moved may still deliver events counted from its old place;
// the root coordinates of the X event itself are right whatever the window did since.
#include <optional>

#include "platform/gfx/Geometry.h"

struct SDL_SysWMmsg;

namespace win::sdl {

// One X pointer event and where on the screen it happened.
struct X11Pointer {
  enum class Kind { Motion, Button, Crossing };
  Kind kind = Kind::Motion;
  gfx::TPoint root;  // screen coordinates
};

// On the X11 video driver, asks SDL for the window system's own events (which then arrive
// as SDL_SYSWMEVENT just before the SDL events made from them). False on other drivers.
bool WatchX11PointerEvents();

// The pointer data of a window-system event, if it is an X pointer event.
std::optional<X11Pointer> X11PointerOf(const SDL_SysWMmsg* msg);

}  // namespace win::sdl
