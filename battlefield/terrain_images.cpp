#include "battlefield/terrain_images.h"

#include <utility>

#include "shell/program_state.h"

namespace kestrine {

namespace {

TerrainImagesState terrainImagesState;
KESTRINE_PROGRAM_STATE(terrainImagesState);

}  // namespace

const TerrainImagesState& TerrainImages() { return terrainImagesState; }

void KeepWrapImage(engine::EngineRef<engine::EngineBitmap> image) { terrainImagesState.wrapImage = std::move(image); }

void KeepCraterImage(engine::EngineRef<engine::EngineBitmap> image) {
  terrainImagesState.craterImage = std::move(image);
}

void ReleaseTerrainImages() {
  terrainImagesState.wrapImage.Reset();
  terrainImagesState.craterImage.Reset();
}

namespace {

constexpr double kWrapPixelsPerUnit = 5.69;
constexpr float kWrapEdge = 90.0f;
// The drawn part of the crater image, and its size on the wrap.
constexpr int kCraterSourceWidth = 254;
constexpr int kCraterSourceHeight = 246;
constexpr int kCraterSize = 32;

}  // namespace

void PaintCrater(float x, float z) {
  if (!terrainImagesState.wrapImage || !terrainImagesState.craterImage) return;
  // The sum in float, as the position is; the scaling in double; truncated toward zero.
  const int left = static_cast<int>(static_cast<double>(x + kWrapEdge) * kWrapPixelsPerUnit - kCraterSize / 2);
  const int top = static_cast<int>(static_cast<double>(kWrapEdge - z) * kWrapPixelsPerUnit - kCraterSize / 2);
  terrainImagesState.wrapImage->DrawBitmap(terrainImagesState.craterImage, 0, 0, 0, kCraterSourceWidth,
                                           kCraterSourceHeight, left, top, kCraterSize, kCraterSize);
}

}  // namespace kestrine
