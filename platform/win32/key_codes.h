// Key codes: SDL's scan codes and key symbols as DirectInput scan codes and Windows virtual keys.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace platform {

// DirectInput scan code (PC set 1, 0xE0-prefixed keys with the top bit) of a key, 0 when it has none.
uint8_t DikFromScancode(SDL_Scancode scancode);
// Windows virtual-key code of a key, 0 when it has none.
uint32_t VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);

}  // namespace platform
