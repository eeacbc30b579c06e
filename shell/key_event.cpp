// OnKey: F11 brings the display mode back in every state (after the desktop took it away); then the key
// goes to the screen of the current state.
#include "shell/events.h"
#include "shell/globals.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int VK_F11 = 122;

void RestoreDisplayMode() {
  engineRoot->SetDisplayMode(640, 480, 16);
  engineRoot->Render();
  engineCamera->SetViewport(0, 0, 640, 480);
  screenWidth = 640;
  screenHeight = 480;
}

}  // namespace

void OnKey(const engine::EngineRef<engine::EngineEvent>& event) {
  const int key = event->GetKeyCode();
  const int down = event->GetKeyDown();
  if (key == VK_F11 && down) RestoreDisplayMode();

  const Screen* screen = ScreenToRun(gameState);
  if (screen && screen->key) screen->key(key, down != 0);
}

}  // namespace kestrine
