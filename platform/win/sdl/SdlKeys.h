#pragma once
// Internal to the SDL backend: keyboard translation.
#include <SDL.h>

namespace win::sdl {

// The virtual key of a physical key (by position, as the US layout names it); 0 for none.
int VirtualKey(SDL_Scancode sc);
// Whether a key press types text that SDL delivers separately as text input.
bool TypesText(const SDL_Keysym& key);

}  // namespace win::sdl
