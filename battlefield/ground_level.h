// The lowest ground height of the mission's terrain, set when the mission's heights are read. A ground
// hit below it is a fall through the terrain, not ground.
#pragma once

namespace kestrine {

struct GroundLevelState {
  float groundLevel = 0.0f;
};
// Written only in ground_level.cpp, through the operations below; everyone else reads this view.
const GroundLevelState& Ground();

// The height units stand on in this mission (999 while none is loaded).
void SetGroundLevel(float level);

}  // namespace kestrine
