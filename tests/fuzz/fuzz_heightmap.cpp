// Terrain height files from outside: at most the grid's 400 heights are taken, and the lowest vertex is
// never above any height of the grid.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "battlefield/height_map.h"

using namespace kestrine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const HeightMap map = ParseHeightMap(data, size);
  if (map.count != std::min(size, kHeightMapSize)) std::abort();
  for (size_t i = 0; i < kHeightMapSize; ++i) {
    if (map.heights[i] < map.Lowest()) std::abort();
    if (i < map.count && map.heights[i] != data[i]) std::abort();
  }
  return 0;
}
