// The ground of the ten mission folders: the terrain heights (the 20 x 20 height map the mission load lays
// over the battlefield) and the ground's colour at every point, from which the terrain texture, the
// mini-map and the briefing map are all painted, so the three agree with each other and with the heights.
//
// The battlefield itself (x and z within +-80) stays close to the height the level layouts stand at
// (world y 400, height byte 160), with gentle rolls; the relief of each mission (dunes, ridges, hills)
// rises beyond it, on the rim of the map.
#pragma once

#include <array>
#include <cstdint>

#include "battlefield/height_map.h"
#include "engine/engine.h"

namespace assetgen {

constexpr int kTerrainFolderCount = 10;

using TerrainHeights = std::array<uint8_t, kestrine::kHeightMapSize>;

// Folder 1..10: the bytes of "terrhm.raw".
TerrainHeights MissionTerrainHeights(int folder);

// The world height (y) of the terrain at (x, z), as the mission load builds it from these bytes: vertex
// (c, r) stands at x = -90.25 + 9.5 c, z = 90.25 - 9.5 r, y = 400 - 25 + byte x 40 / 256; between vertices
// the height is interpolated.
float TerrainGroundY(const TerrainHeights& heights, float x, float z);

// Desert folders carry the desert camouflage; the others are woodland.
bool IsDesertFolder(int folder);

// The ground's colour at world (x, z), shaded by the slope of the terrain.
class TerrainPainter {
 public:
  explicit TerrainPainter(int folder);
  engine::Color At(float x, float z) const;

 private:
  int folder_;
  TerrainHeights heights_;
};

}  // namespace assetgen
