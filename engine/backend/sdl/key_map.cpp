#include "backend/sdl/key_map.h"

#include <SDL2/SDL_keycode.h>

namespace engine {

int VirtualKeyFromSdl(int32_t sdlKey) {
  // Letters and digits: SDL names them by their lower-case character, Windows by the upper-case one.
  if (sdlKey >= SDLK_a && sdlKey <= SDLK_z) return 'A' + (sdlKey - SDLK_a);
  if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9) return '0' + (sdlKey - SDLK_0);
  if (sdlKey >= SDLK_F1 && sdlKey <= SDLK_F12) return kVkF1 + (sdlKey - SDLK_F1);
  switch (sdlKey) {
    case SDLK_LEFT:
      return kVkLeft;
    case SDLK_UP:
      return kVkUp;
    case SDLK_RIGHT:
      return kVkRight;
    case SDLK_DOWN:
      return kVkDown;
    case SDLK_ESCAPE:
      return kVkEscape;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return kVkReturn;
    case SDLK_SPACE:
      return kVkSpace;
    case SDLK_BACKSPACE:
      return kVkBack;
    case SDLK_DELETE:
      return kVkDelete;
    // Either Ctrl or Shift key: the game asks for the generic code, never the left/right one.
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return kVkControl;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return kVkShift;
    case SDLK_PERIOD:
      return kVkPeriod;
    default:
      return -1;
  }
}

}  // namespace engine
