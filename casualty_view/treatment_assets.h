// The pictures and models that show treatment on a patient's body: loaded once with the patient view and
// shared by every patient. A model slot k is the treatment model that bit k of a patient's applied items
// puts on; slots with nothing to show stay empty.
#pragma once

#include "engine/engine.h"

namespace kestrine {

constexpr int kTreatmentPictureCount = 13;
constexpr int kTreatmentModelCount = 24;

// The picture clothing is painted with where the scissors cut it away.
constexpr int kCutPicture = 3;

struct TreatmentAssets {
  engine::EngineRef<engine::EngineBitmap> pictures[kTreatmentPictureCount];
  engine::EngineRef<engine::EngineModel> models[kTreatmentModelCount];
};

extern TreatmentAssets treatmentAssets;

}  // namespace kestrine
