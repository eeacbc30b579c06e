// A box that shows a list of text lines a page at a time, with scrolling by the arrows and automatic
// scrolling while the pointer rests on one. One instance serves the player-controls, briefing, debriefing
// and player-select screens.
//
// A line may start with control bytes, consumed before the text is drawn: 1 bold, 2 red-brown
// (200, 100, 100), 3 green (100, 200, 100), 4 blue (100, 100, 200), 5 purple (200, 100, 200); 6 to 9 are
// skipped. Every line starts plain in the labels' pale yellow (kLabelR/G/B, shell/screen_text.h).
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class TextScrollBox {
 public:
  // Positions in pixels. Shows as many rows of 14 pixels as fit, at least one and at most `total`.
  void Layout(const char* const* lines, int32_t total, float x, float y, float width, float height);
  void ScrollDown();
  void ScrollUp();
  // Each frame: runs the automatic scrolling, erases the box to red and draws the visible rows.
  void Draw(const engine::EngineRef<engine::EngineBitmap>& image);
  void Release();

  const char* const* lines = nullptr;  // a null entry is an empty row
  int32_t lineHeight = 0;
  int32_t total = 0;
  int32_t first = 0;
  int32_t visible = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;
  engine::EngineRef<engine::EngineTextFont> text;
  uint8_t autoScrollDown = 0;
  uint8_t autoScrollUp = 0;
  int64_t nextScrollTime = 0;  // game clock

 private:
  void AutoScroll();
};

extern TextScrollBox sharedTextBox;

}  // namespace kestrine
