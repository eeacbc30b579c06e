// The screen-sized images behind and in front of the screen text: the full-screen overlay (backdrops, the
// loading bar, frozen menu backdrops) at the back and the menu canvas (menu buttons) at the very front.
// All three are keyed on red (255, 0, 0) like the text overlay: filling the canvas with red hides it, and a
// backdrop's red window shows the 3D view behind it.
#pragma once

#include "engine/engine.h"

namespace kestrine {

// Written only by overlays.cpp, through the functions below; everyone else reads the const view.
struct OverlayState {
  engine::EngineRef<engine::EngineBitmap> fullScreenOverlay;
  engine::EngineRef<engine::EngineSprite> fullScreenOverlaySprite;
  // The overlay's size as read back once after creation; DrawBackdrop stretches to it.
  int fullScreenOverlayWidth = 0;
  int fullScreenOverlayHeight = 0;

  engine::EngineRef<engine::EngineBitmap> menuCanvas;
  engine::EngineRef<engine::EngineSprite> menuCanvasSprite;
};

const OverlayState& Overlays();

// Once, when the menu images load; needs the text overlay's sprite for the menu canvas.
void CreateOverlays();
// An image made elsewhere used as the full-screen overlay, without a sprite (tests draw onto a plain image).
void UseFullScreenOverlay(engine::EngineRef<engine::EngineBitmap> image);
void ShowOverlay();
void HideOverlay();
// The whole image stretched over the whole full-screen overlay.
void DrawBackdrop(const engine::EngineRef<engine::EngineBitmap>& image);
// The loading bar, `progress` pixels long, then a render so the player sees it grow during a load.
void LoadingBar(double progress);
// At shut-down.
void ReleaseOverlays();
void CreateMenuCanvas();
void ClearMenuCanvas();
// What most screens do on entry: the text overlay, then the menu canvas, emptied.
void ClearScreenLayers();

}  // namespace kestrine
