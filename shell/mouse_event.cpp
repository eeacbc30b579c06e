// OnMouse: the pointer is kept, then the event passes three stages. Screens with their own mouse handling
// take every code first (and may consume it); a left-button release acts on the menu buttons; a move
// highlights the button under the pointer.
#include "casualty/backpack_screen.h"
#include "shell/events.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/text_scroll_box.h"

namespace kestrine {

namespace {

// The scroll strips of the player-controls screen.
constexpr int kScrollUpButton = 1;
constexpr int kScrollDownButton = 2;

// Screens whose text box scrolls while the pointer rests on an arrow stop scrolling when it leaves them.
bool HoverOverTextBoxScreen(int32_t x, int32_t y) {
  if (HotspotHover(x, y)) return true;
  sharedTextBox.autoScrollDown = 0;
  sharedTextBox.autoScrollUp = 0;
  return false;
}

// Stage 1: true when the screen consumed the event.
bool ScreenTakesEvent(int code, int32_t x, int32_t y) {
  switch (gameState) {
    case STATE_LOAD_GAME:
    case STATE_SAVE_GAME:
      return true;
    case STATE_PLAYER_SELECT:
    case STATE_BRIEFING:
    case STATE_DEBRIEFING:
      return HoverOverTextBoxScreen(x, y);
    case STATE_BACKPACK:
      return OnBackpackClick(x, y, code);
    case STATE_KIA:
      HotspotHover(x, y);
      return false;
    case STATE_FINISH:
      HotspotHover(x, y);
      return false;
    default:
      return false;
  }
}

// Stage 2: which button a release chose, by the screen's own rule; -1 for none.
int32_t ChosenButton(int32_t x, int32_t y) {
  switch (gameState) {
    case STATE_MAIN_MENU:
    case STATE_DIFFICULTY:
    case STATE_TRAINING:
    case STATE_OPTIONS:
    case STATE_KIA:
    case STATE_DEV_NOTES:
      return HotspotClick(x, y) ? hotspotIndex : -1;
    case STATE_DISCLAIMER:
      // The disclaimer's buttons answer without the click tick.
      return HotspotHover(x, y) ? hotspotIndex : -1;
    case STATE_PLAYER_CONTROLS:
    case STATE_VOLUME:
    case STATE_HIGH_SCORES:
    case STATE_PAUSE_MENU:
    case STATE_QUIT_CONFIRM:
    case STATE_FINISH:
      // These act on the button the last move left highlighted.
      return hotspotIndex;
    default:
      return -1;
  }
}

void ClickButton(int32_t x, int32_t y) {
  const int32_t button = ChosenButton(x, y);
  if (button < 0) return;
}

// Stage 3.
void HoverButtons(int32_t x, int32_t y) {
  const bool hit = HotspotHover(x, y);
  if (gameState == STATE_PLAYER_CONTROLS) {
    sharedTextBox.autoScrollUp = hit && hotspotIndex == kScrollUpButton ? 1 : 0;
    sharedTextBox.autoScrollDown = hit && hotspotIndex == kScrollDownButton ? 1 : 0;
  }
}

}  // namespace

void OnMouse(const engine::EngineRef<engine::EngineEvent>& event) {
  const int code = event->GetButton();
  const int32_t x = event->GetMouseX();
  const int32_t y = event->GetMouseY();
  pointerX = x;
  pointerY = y;
  if (ScreenTakesEvent(code, x, y)) return;
  if (code == engine::kMouseLeftUp) {
    ClickButton(x, y);
  } else if (code == engine::kMouseMove) {
    HoverButtons(x, y);
  }
}

}  // namespace kestrine
