#include "platform/win/sdl/SdlX11Errors.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace win::sdl {
namespace {

std::atomic<int> reported{0};
constexpr int kReportLimit = 5;

int ReportAndGoOn(Display* display, XErrorEvent* e) {
  if (reported.fetch_add(1) < kReportLimit) {
    char text[160] = {};
    XGetErrorText(display, e->error_code, text, sizeof text - 1);
    std::fprintf(stderr, "pellomir: X request %d failed on resource 0x%lx (%s); going on\n",
                 static_cast<int>(e->request_code), static_cast<unsigned long>(e->resourceid), text);
  }
  return 0;
}

}  // namespace

void TolerateX11Errors() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return;
  XSetErrorHandler(ReportAndGoOn);
}

}  // namespace win::sdl
