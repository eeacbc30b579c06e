// SDL input events as the engine's mouse and key events: mouse codes 2 (move), 6/7 (left down/up),
// 9/10 (right down/up) with the pointer on the logical screen, and keys as Windows virtual-key codes.
#pragma once

#include "backend/sdl/letterbox.h"
#include "engine/engine_event.h"

union SDL_Event;

namespace engine {

// False for anything that is not game input: other buttons, keys the game never reads, key repeats
// (a held key is one press, as the game's key sequences count presses).
bool TranslateSdlInput(const SDL_Event& event, const LetterboxRect& windowBox, int logicalWidth, int logicalHeight,
                       RawEvent& out);

}  // namespace engine
