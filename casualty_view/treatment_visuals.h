// Loading and letting go of what shows treatment on the patients (the shared pictures and models of
// treatment_assets.h and the tool animations), with each model's placement as loaded.
#pragma once

#include <cstdint>

#include "casualty/treatment_assets.h"
#include "engine/engine_math.h"

namespace kestrine {

// The file name of a treatment picture slot (0..12) and of a treatment model slot (0..23; nullptr for the
// empty slots 12, 15, 20 and 21), as game paths.
const wchar_t* TreatmentPicturePath(int32_t slot);
const wchar_t* TreatmentModelPath(int32_t slot);

// A model's place as it was loaded: position, direction and up vector.
struct TreatmentPlacement {
  engine::Vec3 position, direction, up;
  bool saved = false;
};

// The 13 pictures, the 20 models (hidden until a patient wears them; the ambu bag on the stage, as it is
// placed at the mouth rather than on a joint frame), their placements and the 7 tool animations.
void LoadTreatmentVisuals();
void SaveTreatmentPlacements();
// Takes the ambu bag off the stage and lets go of every picture, model and animation.
void ReleaseTreatmentVisuals();

}  // namespace kestrine
