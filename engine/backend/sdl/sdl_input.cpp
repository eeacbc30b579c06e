#include "backend/sdl/sdl_input.h"

#include <SDL2/SDL_events.h>

#include "backend/sdl/key_map.h"

namespace engine {

namespace {

void Pointer(const LetterboxRect& box, int logicalWidth, int logicalHeight, int x, int y, RawEvent& out) {
  const LogicalPoint p = WindowToLogical(box, logicalWidth, logicalHeight, x, y);
  out.mouseX = p.x;
  out.mouseY = p.y;
}

}  // namespace

bool TranslateSdlInput(const SDL_Event& event, const LetterboxRect& windowBox, int logicalWidth, int logicalHeight,
                       RawEvent& out) {
  out = RawEvent{};
  switch (event.type) {
    case SDL_MOUSEMOTION:
      out.id = kEventMouse;
      out.button = kMouseMove;
      Pointer(windowBox, logicalWidth, logicalHeight, event.motion.x, event.motion.y, out);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      if (event.button.button == SDL_BUTTON_LEFT) {
        out.button = down ? kMouseLeftDown : kMouseLeftUp;
      } else if (event.button.button == SDL_BUTTON_RIGHT) {
        out.button = down ? kMouseRightDown : kMouseRightUp;
      } else {
        return false;
      }
      out.id = kEventMouse;
      Pointer(windowBox, logicalWidth, logicalHeight, event.button.x, event.button.y, out);
      return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      if (event.key.repeat) return false;
      const int vk = VirtualKeyFromSdl(event.key.keysym.sym);
      if (vk < 0) return false;
      out.id = kEventKey;
      out.keyCode = vk;
      out.keyDown = event.type == SDL_KEYDOWN ? 1 : 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace engine
