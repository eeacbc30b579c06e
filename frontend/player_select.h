// Player select (state 13): one of three soldier figures, shown as an animated model in front of the
// backdrop with his name, his stats, a scrolling biography and the panel of medals that can be won. SELECT
// takes the figure shown into the campaign; the arrows step through the three.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "frontend/figure_texts.h"

namespace kestrine {

enum PlayerSelectButton : int32_t {
  PLAYER_SELECT_SELECT = 0,
  PLAYER_SELECT_BACK = 1,
  PLAYER_SELECT_PREVIOUS = 2,
  PLAYER_SELECT_NEXT = 3,
  PLAYER_SELECT_SCROLL_UP = 4,
  PLAYER_SELECT_SCROLL_DOWN = 5,
};

// Written only by player select; others read the const view.
struct PlayerSelectState {
  engine::EngineRef<engine::EngineBitmap> playerSelectBackdrop;
  engine::EngineRef<engine::EngineModel> playerFigureModels[kFigureCount];
  engine::EngineRef<engine::EngineBitmap> playerStatsImages[kFigureCount];
  uint8_t playerSelectLoaded = 0;
  int32_t currentFigure = 0;  // kept between visits of the screen
};
const PlayerSelectState& PlayerSelect();

// The model's size by figure: the three men are not of a height.
struct FigureScale {
  float x, y, z;
};
extern const FigureScale FigureScales[kFigureCount];

// The figure before (step -1) or after (+1) another, round the three.
int32_t StepFigure(int32_t figure, int32_t step);

// Entry of state 13.
void BuildPlayerSelectScreen();
// Every frame of state 13: the changing part of the screen, the buttons included.
void DrawPossibleMedals();
void TeamSelectMenu();
// A mouse event on one of the screen's hot-spots (hotspotIndex).
void OnPlayerSelectClick(int code, int32_t x, int32_t y);
// BACK, the briefing's entry and shut-down.
void UnloadPlayerSelectScreen();

}  // namespace kestrine
