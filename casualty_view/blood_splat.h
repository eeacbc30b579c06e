// The blood that seeps through a fresh dressing: a splat picture drawn into one of the patient's working
// skin textures, growing each frame with the bleeding it was started with.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class Patient;

constexpr const wchar_t* kBloodSplatPicture = L"patient\\injury\\bblood.qpg";

struct BloodSplat {
  engine::EngineRef<engine::EngineBitmap> image;
  int32_t textureSlot = -1;                         // the texture row it is drawn into
  engine::EngineRef<engine::EngineBitmap> texture;  // that row's working texture
  float rate = 0.0f;
  float size = 0.0f;
  int32_t x = 0;  // its centre in the texture
  int32_t y = 0;
};

// The patient's splat with its picture (keyed on yellow), made when he has none.
void LoadBloodSplat(Patient& patient);
// A splat starting from nothing at (x, y) of the working texture of a texture slot, growing at the rate.
void StartBloodSplat(Patient& patient, int32_t textureSlot, const engine::EngineRef<engine::EngineBitmap>& texture,
                     int32_t x, int32_t y, float rate);
// A dressing just laid on a body part: the splat starts in the middle of it, in the part's skin texture,
// growing at his bleed rate. A part without a working skin texture gets none.
void StartDressingSplat(Patient& patient, int32_t part);
// Each frame with the spurt: the splat grows and is drawn again, larger, over itself.
void UpdateBloodSplat(Patient& patient);
void ReleaseBloodSplat(Patient& patient);

}  // namespace kestrine
