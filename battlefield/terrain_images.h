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
// Written only in terrain_images.cpp, through the operations below; everyone else reads this view.
const TerrainImagesState& TerrainImages();

// The mission's wrap and crater images, kept from its load to its unload.
void KeepWrapImage(engine::EngineRef<engine::EngineBitmap> image);
void KeepCraterImage(engine::EngineRef<engine::EngineBitmap> image);
void ReleaseTerrainImages();

// The crater, 32 x 32 pixels, centred on the wrap's pixel under the battlefield point (x, z). The wrap
// spans -90..90 in x and z at 5.69 pixels a unit, its top row at z = 90. Nothing before both images
// are loaded.
void PaintCrater(float x, float z);

}  // namespace kestrine
