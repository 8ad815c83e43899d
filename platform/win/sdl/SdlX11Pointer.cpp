#include "platform/win/sdl/SdlX11Pointer.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstring>

namespace win::sdl {

bool WatchX11PointerEvents() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return false;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  return true;
}

std::optional<X11Pointer> X11PointerOf(const SDL_SysWMmsg* msg) {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (!msg || msg->subsystem != SDL_SYSWM_X11) return std::nullopt;
  const XEvent& e = msg->msg.x11.event;
  switch (e.type) {
    case MotionNotify: return X11Pointer{X11Pointer::Kind::Motion, {e.xmotion.x_root, e.xmotion.y_root}};
    case ButtonPress:
    case ButtonRelease: return X11Pointer{X11Pointer::Kind::Button, {e.xbutton.x_root, e.xbutton.y_root}};
    case EnterNotify:
    case LeaveNotify: return X11Pointer{X11Pointer::Kind::Crossing, {e.xcrossing.x_root, e.xcrossing.y_root}};
    default: return std::nullopt;
  }
#else
  (void)msg;
  return std::nullopt;
#endif
}

}  // namespace win::sdl
