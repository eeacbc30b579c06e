// The player's medals as the briefing shows them, under his name: the last badge won and the ribbons won,
// stacked as a small pyramid; and the panel of every medal that can be won on player select, where the
// ribbon under the pointer is drawn lit with its citation.
#pragma once

#include <cstdint>
#include <vector>

#include "shell/mission_progress.h"

namespace kestrine {

constexpr int kRibbonTileWidth = 49;
constexpr int kRibbonTileHeight = 13;

enum MedalRackMode : int { RACK_EARNED = 0, RACK_POSSIBLE = 1 };

// One picture of the rack: a ribbon (0..7) or a badge, stretched to width x height at (x, y) in pixels.
struct RackTile {
  bool badge = false;
  int32_t index = 0;
  int x = 0, y = 0, width = 0, height = 0;
};

// Where the earned badge and ribbons go with the rack's corner at (x, y): the badge first (if any), then the
// ribbons in ribbon order.
std::vector<RackTile> EarnedRackTiles(const MissionProgress& progress, int x, int y);
// The ribbon of the possible-medals panel (corner at (x, y)) under the pointer at (px, py); index -1 when
// the pointer is on none.
RackTile HoveredRackRibbon(int px, int py, int x, int y);

// Draws mode 0 (earned) or 1 (the hovered possible ribbon and its citation) onto the text overlay.
void DrawMedalRack(int mode, int x, int y);

}  // namespace kestrine
