// The backpack screen (game state 15): a scrolling two-row strip of tool icons to click into the pack, the
// list of what is carried to click out of it, weight and volume bars, a description box, and the START
// MISSION and BACK buttons.
#pragma once

#include <cstdint>

#include "casualty/tool_table.h"
#include "engine/engine.h"

namespace kestrine {

// Hot-spots of the screen, in the order they are registered (0 and 1 are the two buttons).
enum BackpackHotspot : int32_t {
  BACKPACK_START_MISSION = 0,
  BACKPACK_BACK = 1,
  BACKPACK_SCROLL_LEFT = 2,
  BACKPACK_SCROLL_RIGHT = 3,
  BACKPACK_STRIP = 4,
  BACKPACK_LIST = 5,
};

// The strip: all icons in two rows of 48 pixels, the first half of the table on top (rows 0..23 of 48),
// the rest below; an odd row over goes on top.
constexpr int kToolStripHeight = 96;
constexpr int kToolStripLastTopRow = (kToolCount + 1) / 2 - 1;
// Left edge and top of the strip window on the screen, in pixels.
constexpr int kStripWindowX = 57;
constexpr int kStripWindowY = 77;
// Pixels the strip scrolls per frame while the pointer rests on an arrow.
constexpr int kStripScrollStep = 8;
// listRowBottom of a carried tool that has no line in the list.
constexpr float kUnlistedRowBottom = -400.0f;

// Written only here: the screen's entry, frames, clicks and release, and the operations below.
struct BackpackScreenState {
  engine::EngineRef<engine::EngineBitmap> toolStripImage;
  // Same size as the strip, keyed on red; the yellow frame around the icon under the pointer.
  engine::EngineRef<engine::EngineBitmap> toolStripHighlight;
  int32_t toolStripRightEdge[kToolCount] = {};
  int32_t toolStripWidth = 0;
  int32_t toolStripScroll = 0;
  // Per list position: the lower edge of its line in screen pixels; 0 for a tool not carried,
  // kUnlistedRowBottom for one carried but not listed.
  float listRowBottom[kToolCount] = {};
  engine::EngineRef<engine::EngineBitmap> loadPackImage;
  bool backpackScreenBuilt = false;
};

const BackpackScreenState& BackpackScreen();

// The strip shows from this column of its picture on.
void ScrollToolStrip(int32_t scroll);
// Lets go of the highlight frame the patient view's tray shares (at shut-down).
void ReleaseToolStripHighlight();

// Entry of state 15.
void BuildBackpackScreen();
// Every frame of state 15.
void DrawBackpackScreen();
// Every mouse event of state 15; always takes the event.
bool OnBackpackClick(int32_t x, int32_t y, int32_t code);
// Leaving state 15, and at shut-down.
void UnloadBackpackScreen();
// Frames one strip icon in yellow, nothing else.
void HighlightStripTool(int row, bool topRow);

// The strip tool under a screen position; -1 when the position is past the last icon of its row.
struct StripHit {
  int32_t row = -1;
  bool topRow = true;
};
StripHit StripToolAt(int32_t x, int32_t y);
// The list position whose line is at screen row y; -1 below the last line.
int32_t ListPositionAt(int32_t y);
// The width of the strip window in pixels.
int32_t StripWindowWidth();

}  // namespace kestrine
