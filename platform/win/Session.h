#pragma once
// Starting and stopping the window system on a backend. Without Startup, the first call
// starts it on a default headless screen.
#include <memory>

#include "platform/win/Backend.h"

namespace win {

// Replaces the backend; the window system must not have windows yet (any are destroyed).
void Startup(std::unique_ptr<Backend> backend);
// Destroys every window (with their messages), removes hooks, timers and classes, and
// releases the backend.
void Shutdown();
Backend& CurrentBackend();

}  // namespace win
