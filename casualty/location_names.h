// Body locations in words, for hints and the after-action report: "right thigh", "left eye", "abdomen".
#pragma once

#include <cstdint>

#include "casualty/body_location.h"
#include "casualty/wound_types.h"

namespace kestrine {

constexpr int kLocationNameCount = 27;  // one per location bit 0..26

// Which name set a mask's side bits choose.
enum LocationNameSet : int {
  NAMES_RIGHT = 0,
  NAMES_LEFT = 1,
  NAMES_NO_SIDE = 2,
};

// The name of a mask: its highest region bit, after a mask that is exactly a whole group (arm without hand,
// leg, whole head, torso, any body part) has been folded to the group's own bit. The side bits choose the
// set: right alone, left alone, or neither/both for the set without side.
const char* BodyLocationName(BodyLocation mask);

// The name of a step's location as it lies on this patient: the step's side field (any, wounded side,
// other side) turned into side bits by the patient's side (0 or 1).
const char* StepLocationName(const TreatmentStep& step, int32_t patientSide);

// The side bits a step's side field stands for on a patient of this side.
BodyLocation StepSideBits(int32_t stepSide, int32_t patientSide);

}  // namespace kestrine
