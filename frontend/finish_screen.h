// The finish screen (game state 31), after the ending movie: the badges earned in their fixed places, the
// ribbons earned side by side from the left, the campaign's score out of its maximum, and MAIN MENU and
// REPLAY (the last mission again).
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/mission_progress.h"

namespace kestrine {

// The buttons' names; each value is the button's index.
enum FinishButton : int32_t {
  FINISH_MAIN_MENU,
  FINISH_REPLAY,
};

// The screen's pictures, loaded the first time they are needed and kept until shut-down. Written only by the
// finish screen; others read the const view.
struct FinishScreenState {
  engine::EngineRef<engine::EngineBitmap> finishImage;
  // 0..7 the ribbons, 8..10 the badges.
  engine::EngineRef<engine::EngineBitmap> finalMedalImages[kRibbonCount + kBadgeCount];
};
const FinishScreenState& FinishPictures();

// The screen is drawn on entry, every frame in state 31 and again when the pointer comes onto a button; its
// record of the screen table is registered from this file (RegisterFinishScreen, frontend_screens.cpp).

}  // namespace kestrine
