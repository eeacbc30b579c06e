#include "battlefield/overhead_hud.h"

#include <cstdio>

#include "battlefield/battle_state.h"
#include "battlefield/unit_array.h"
#include "shell/globals.h"
#include "shell/screen_text.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int32_t kHudStageCount = 10;
constexpr int32_t kFullHealth = 10;

}  // namespace

void DrawHudStage() { hudStage = (hudStage + 1) % kHudStageCount; }

void DrawPatientProgress() {
  if (unitCount < 1 || !units[0] || !textOverlay) return;
  const int32_t h = units[0]->health;
  const int32_t d = difficulty;
  char text[32];
  if (h <= d || d >= kFullHealth) {
    std::snprintf(text, sizeof text, "You: 1%%    ");
  } else {
    std::snprintf(text, sizeof text, "You: %3d%%  ", static_cast<int>((h - d) * 100 / (kFullHealth - d)));
  }
  DrawTextOnImage(textOverlay, screenWidth * 20 / 634, screenHeight * 423 / 455, WidenText(text), 8, ALIGN_LEFT, 235,
                  247, 195, 1, 0);
}

}  // namespace kestrine
