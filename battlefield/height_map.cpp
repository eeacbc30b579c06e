#include "battlefield/height_map.h"

#include <algorithm>
#include <vector>

#include "battlefield/mission_file_io.h"

namespace kestrine {

uint8_t HeightMap::Lowest() const {
  if (count < kHeightMapSize) return 0;
  return *std::min_element(heights, heights + kHeightMapSize);
}

HeightMap ParseHeightMap(const uint8_t* bytes, size_t size) {
  HeightMap map;
  map.count = std::min(size, kHeightMapSize);
  std::copy(bytes, bytes + map.count, map.heights);
  return map;
}

HeightMap ReadHeightMap(const std::string& folder) {
  const std::vector<uint8_t> bytes = ReadEngineFileBytes("missions\\" + folder + "\\terrhm.raw", kHeightMapSize);
  return ParseHeightMap(bytes.data(), bytes.size());
}

}  // namespace kestrine
