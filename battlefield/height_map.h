// The terrain heights of a mission folder: "terrhm.raw", 20 x 20 bytes row-major, one height 0..255 per
// vertex of the terrain grid (byte i is column i mod 20, row i / 20).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestrine {

constexpr int kTerrainSide = 20;
constexpr size_t kHeightMapSize = static_cast<size_t>(kTerrainSide) * kTerrainSide;

struct HeightMap {
  uint8_t heights[kHeightMapSize] = {};
  size_t count = 0;  // bytes the file held (at most 400); the others are 0

  uint8_t At(int column, int row) const { return heights[static_cast<size_t>(row) * kTerrainSide + column]; }
  // The lowest vertex of the terrain as it will stand: vertices the file did not reach keep the grid's
  // start height of 0, so a short or empty file gives 0 rather than leaving the ground level undefined.
  uint8_t Lowest() const;
};

HeightMap ParseHeightMap(const uint8_t* bytes, size_t size);

// "missions\<folder>\terrhm.raw" read through the engine and parsed.
HeightMap ReadHeightMap(const std::string& folder);

}  // namespace kestrine
