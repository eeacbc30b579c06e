// The images of the mission's ground: the wrap, the texture the whole terrain wears, and the crater a
// grenade leaves on it (red is its see-through colour). The mission load fills them; blasts paint on the
// wrap.
#pragma once

#include "engine/engine.h"

namespace kestrine {

struct TerrainImagesState {
  engine::EngineRef<engine::EngineBitmap> wrapImage;
  engine::EngineRef<engine::EngineBitmap> craterImage;
};
extern TerrainImagesState terrainImagesState;
extern engine::EngineRef<engine::EngineBitmap>& wrapImage;
extern engine::EngineRef<engine::EngineBitmap>& craterImage;

// The crater, 32 x 32 pixels, centred on the wrap's pixel under the battlefield point (x, z). The wrap
// spans -90..90 in x and z at 5.69 pixels a unit, its top row at z = 90. Nothing before both images
// are loaded.
void PaintCrater(float x, float z);

}  // namespace kestrine
