#include "battlefield/mini_map.h"

#include "shell/engine_setup.h"

namespace kestrine {

namespace {

// 180 world units over 64 pixels.
constexpr float kUnitsPerPixel = 2.8125f;
constexpr float kWorldOffset = 90.0f;
constexpr float kWalkHeight = 415.0f;

}  // namespace

MiniMapCorner MiniMapOrigin() { return {Engine().screenWidth * 19 / 634, Engine().screenHeight * 345 / 455}; }

Vector3 MiniMapToWorld(int x, int y) {
  const MiniMapCorner corner = MiniMapOrigin();
  return Vector3(static_cast<float>(x - corner.x) * kUnitsPerPixel - kWorldOffset, kWalkHeight,
                 static_cast<float>(corner.y + kMiniMapSize - y) * kUnitsPerPixel - kWorldOffset);
}

}  // namespace kestrine
