// The lowest ground height of the mission's terrain, set when the mission's heights are read. A ground
// hit below it is a fall through the terrain, not ground.
#pragma once

namespace kestrine {

struct GroundLevelState {
  float groundLevel = 0.0f;
};
extern GroundLevelState groundLevelState;
extern float& groundLevel;

}  // namespace kestrine
