// The finish screen (game state 31), after the ending movie: the badges earned in their fixed places, the
// ribbons earned side by side from the left, the campaign's score out of its maximum, and MAIN MENU and
// REPLAY (the last mission again).
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/mission_progress.h"

namespace kestrine {

enum FinishButton : int32_t {
  FINISH_MAIN_MENU = 0,
  FINISH_REPLAY = 1,
};

// Loaded the first time they are needed and kept until shut-down.
extern engine::EngineRef<engine::EngineBitmap>& finishImage;
// 0..7 the ribbons, 8..10 the badges.
extern engine::EngineRef<engine::EngineBitmap> (&finalMedalImages)[kRibbonCount + kBadgeCount];

// Draws the screen: on entry and every frame in state 31, and again when the pointer comes onto a button.
void FinishScreen();
// The button a release chose (the one the last pointer move highlighted; -1 for none).
void FinishAction(int32_t button);
// At shut-down.
void ReleaseFinishImages();

}  // namespace kestrine
