// OnKey: F11 brings the display mode back in every state (after the desktop took it away); then the key
// goes to the screen of the current state.
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int VK_F11 = 122;

}  // namespace

void OnKey(const engine::EngineRef<engine::EngineEvent>& event) {
  const int key = event->GetKeyCode();
  const int down = event->GetKeyDown();
  if (key == VK_F11 && down) RestoreDisplayMode();

  const Screen* screen = ScreenToRun(States().gameState);
  if (screen && screen->key) screen->key(key, down != 0);
}

}  // namespace kestrine
