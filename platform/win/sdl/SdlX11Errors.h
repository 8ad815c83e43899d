#pragma once
// Internal to the SDL backend: keeps the program alive through harmless X protocol errors.

namespace win::sdl {

// On the X11 video driver, replaces Xlib's default error handler (which ends the process)
// with one that reports the first few protocol errors on standard error and goes on. Such
// errors come from requests that raced a window being destroyed (a dialog closed while a
// focus or state change for it was still under way); the connection stays usable. Lost
// connections are still fatal, as Xlib decides. Does nothing on other drivers.
void TolerateX11Errors();

}  // namespace win::sdl
