#pragma once
// The desktop backend: each visible top-level window is a borderless OS window (SDL2) at
// the window's screen position, titled with its text, showing its part of the composed
// screen. OS input arrives at screen coordinates; the OS clipboard and pointer shapes are
// used; focus and activation follow the OS windows. A program starts it with
//   std::string error;
//   auto backend = win::CreateSdlBackend(&error);
//   if (!backend) { report error; return 1; }
//   win::Startup(std::move(backend));
#include <memory>
#include <string>

#include "platform/win/Backend.h"

namespace win {

// Opens the display; null, with the reason in `error`, when there is none.
std::unique_ptr<Backend> CreateSdlBackend(std::string* error = nullptr);

}  // namespace win
