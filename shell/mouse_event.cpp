// OnMouse: the pointer is kept, then the event passes three stages. The screen takes every code first and
// may consume it; a left-button release it left alone goes to its buttons; a move it left alone is tested
// against the buttons (highlighting the one under the pointer) and the screen hears whether one was hit.
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/menu_input.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"

namespace kestrine {

PointerPosition pointerPosition;
KESTRINE_PROGRAM_STATE(pointerPosition);

const PointerPosition& Pointer() { return pointerPosition; }

void MovePointer(int32_t x, int32_t y) {
  pointerPosition.pointerX = x;
  pointerPosition.pointerY = y;
}

void OnMouse(const engine::EngineRef<engine::EngineEvent>& event) {
  const int code = event->GetButton();
  const int32_t x = event->GetMouseX();
  const int32_t y = event->GetMouseY();
  MovePointer(x, y);
  const Screen* screen = ScreenToRun(States().gameState);
  if (!screen) return;
  if (screen->mouse && screen->mouse(code, x, y)) return;
  if (code == engine::kMouseLeftUp) {
    if (screen->press) screen->press(PickButton(screen->rule, x, y));
  } else if (code == engine::kMouseMove) {
    const bool hit = HotspotHover(x, y);
    if (screen->hover) screen->hover(hit);
  }
}

}  // namespace kestrine
