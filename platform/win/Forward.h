#pragma once
// Declarations of the window system's types for headers of the layers above that only
// point to them: the handle vocabulary and message records (Types.h, itself declarations
// and plain records) and the classes the public headers name.
#include "platform/win/Types.h"

namespace win {

struct InputEvent;
class Backend;
struct PAINTSTRUCT;
struct SCROLLINFO;

}  // namespace win
