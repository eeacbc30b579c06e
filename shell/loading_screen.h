// The loading screen shown while a mission loads: its own backdrop and one of thirty tips for the player.
#pragma once

#include "engine/engine.h"

namespace kestrine {

constexpr int kLoadingTipCount = 30;
constexpr int kMaxLoadingTipLines = 3;

// Two or three lines a tip, ended by a null entry. An empty line ("") still takes its row.
struct LoadingTip {
  const wchar_t* lines[kMaxLoadingTipLines + 1];
};

extern const LoadingTip LoadingTips[kLoadingTipCount];

// Empties the buttons and the screen text, shows the loading backdrop (loaded the first time only, kept
// until shut-down) with a tip chosen at random, and renders.
void ShowLoadingScreen();

// The loading backdrop (empty until the first loading screen).
const engine::EngineRef<engine::EngineBitmap>& LoadingScreenImage();
// Lets the loading backdrop go (shut-down).
void ReleaseLoadingScreenImage();

}  // namespace kestrine
