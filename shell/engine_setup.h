// Setting the engine up once the checks have passed, and tearing it down when the window goes.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "platform/window.h"

namespace kestrine {

struct Rect32 {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The engine objects made at start-up and shared by every screen, and the screen's size. Written only here:
// by the start-up, the display mode's return and the shut-down, and by the operations below for an engine
// made outside the start-up. Everyone else reads the const view.
struct EngineObjects {
  engine::EngineRef<engine::EngineRoot> engineRoot;
  engine::EngineRef<engine::EngineStage> engineStage;
  engine::EngineRef<engine::EngineCamera> engineCamera;
  engine::EngineRef<engine::EngineLight> engineLights[2];  // 0 ambient, 1 directional
  Rect32 desktopRect;
  // The logical screen of every 2D layout (640 x 480 after start-up).
  int screenWidth = 640;
  int screenHeight = 480;
};

const EngineObjects& Engine();

// Seeds the game's generator, makes the stage, the 640 x 480 x 16 display, the camera over a centred
// 640 x 480 view, the two lights and the text overlay, starts the frames and enters state 0.
void SetUpEngine(const engine::EngineRef<engine::EngineRoot>& root, HWND window);
// Leaves the display mode, has every screen release what it holds, then releases the shared engine
// objects, the engine root last.
// `root` is the window's engine root (the one the start-up was given).
void ShutDownEngine(const engine::EngineRef<engine::EngineRoot>& root, HWND window);

// F11: the 640 x 480 x 16 display mode again (after the desktop took it away), the view over the whole screen.
void RestoreDisplayMode();

// An engine made outside the game's start-up (tests, tools, benchmarks): its root, stage and camera become the
// shared ones (an empty stage or camera stays empty).
void UseEngine(const engine::EngineRef<engine::EngineRoot>& root,
               const engine::EngineRef<engine::EngineStage>& stage = {},
               const engine::EngineRef<engine::EngineCamera>& camera = {});
// The two lights of such an engine: ambient and directional.
void UseEngineLights(const engine::EngineRef<engine::EngineLight>& ambient,
                     const engine::EngineRef<engine::EngineLight>& directional);
// Lets go of the shared engine objects: the lights, the camera, the stage, the root last.
void ReleaseEngine();
// The logical screen's size for such an engine.
void SetScreenSize(int width, int height);
// The desktop's rectangle for such an engine.
void SetDesktopRect(const Rect32& rect);

}  // namespace kestrine
