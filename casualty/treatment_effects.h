// What each tool does to the body when it is applied: the state it changes (tourniquets, slings, splints,
// dressings, the blanket, fitted airways and treatment models), its sound and what the body shows.
#pragma once

#include <cstdint>

#include "casualty/patient.h"

namespace kestrine {

// Plays a tool's effect on a body part. step is the step the application is recorded as (the Pulse Ox
// reads its read-out from it) or null. Returns true when the effect took an item off the patient.
bool PlayToolEffect(Patient& patient, int32_t tool, int32_t part, const TreatmentStep* step);

// Whether the Survival Saw may take this patient's leg: only the body made for amputation.
bool MayBeAmputated(const Patient& patient);

}  // namespace kestrine
