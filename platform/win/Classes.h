#pragma once
// Internal: class lookup shared by creation and the class functions.
#include <string_view>

#include "platform/win/WindowObject.h"

namespace win::detail {

// The class of a name (compared without letter case) or atom; null when unknown.
WindowClass* FindClass(const char16_t* nameOrAtom);
void EnsureSystemClasses();

}  // namespace win::detail
