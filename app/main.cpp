// pellomir: the desktop program. Opens the display, then runs the program on it.
#include <cstdio>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/win/Session.h"
#include "platform/win/sdl/SdlBackend.h"

int main(int argc, char** argv) {
  std::string error;
  auto backend = win::CreateSdlBackend(&error);
  if (!backend) {
    std::fprintf(stderr, "pellomir: cannot open the display: %s\n", error.c_str());
    return 1;
  }
  win::Startup(std::move(backend));
  std::vector<std::string> params(argv + 1, argv + argc);
  int code = app::RunProgram(argc > 0 ? argv[0] : "pellomir", params);
  win::Shutdown();
  return code;
}
