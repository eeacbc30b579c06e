// SDL keys to the Windows virtual-key codes the game's key handlers compare against.
#pragma once

#include <cstdint>

namespace engine {

// Virtual-key codes the game relies on by number.
enum VirtualKey : int {
  kVkBack = 0x08,
  kVkReturn = 0x0D,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkDelete = 0x2E,
  kVkF1 = 0x70,
  kVkF11 = 0x7A,
  kVkF12 = 0x7B,
  kVkPeriod = 0xBE,
};

// The virtual-key code of an SDL key code (SDL_Keycode), or -1 for a key the game never reads.
int VirtualKeyFromSdl(int32_t sdlKey);

}  // namespace engine
