// Setting the engine up once the checks have passed, and tearing it down when the window goes.
#pragma once

#include "engine/engine.h"
#include "platform/window.h"

namespace kestrine {

// Seeds the game's generator, makes the stage, the 640 x 480 x 16 display, the camera over a centred
// 640 x 480 view, the two lights and the text overlay, starts the frames and enters state 0.
void SetUpEngine(const engine::EngineRef<engine::EngineRoot>& root, HWND window);
// Leaves the display mode, has every screen release what it holds, then releases the shared engine
// objects, the engine root last.
void ShutDownEngine(HWND window);

}  // namespace kestrine
