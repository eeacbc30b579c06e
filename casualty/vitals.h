// How a patient deteriorates by his own clock: the clock itself, minor shock, major shock and death, and the
// step flags that stop the clock or the spurt. The time bar that shows the clock is the patient view's.
#pragma once

#include <cstdint>

#include "casualty/patient.h"

namespace kestrine {

// Levels SetShock takes.
enum ShockLevel : int32_t {
  SHOCK_LEVEL_NONE = 0,
  SHOCK_LEVEL_MINOR = 1,
  SHOCK_LEVEL_MAJOR = 2,
  SHOCK_LEVEL_DEAD = 3,
};

// The longest step one frame may take on a patient's clock: a stalled frame must not kill him.
constexpr int32_t kMaxVitalsStepMs = 200;

// One frame of the shown patient: unless he is paused his clock runs (at most kMaxVitalsStepMs) and the
// deadlines passed decide his state.
void UpdateVitals(Patient& patient, int32_t frameMs);

// The share of the bar still red, 0..1 (1 when the bar has no length).
double TimeBarFraction(const Patient& patient);

// Puts the patient into a state (ShockLevel). warn is 1 when his clock caused it (the chart says so) and
// 0 when a treatment step forced it. The clock only ever moves him forward; a step may force any state.
void SetShock(Patient& patient, int32_t level, int32_t warn);

// The patient dies, once: no bleeding, no speech, his findings become a dead man's.
void Die(Patient& patient, int32_t warn);

// What a step's flags do to the patient beyond the interpreter: STEP_STOPS_CLOCK pauses his clock,
// STEP_STOPS_SPURT stops the arterial spurt.
void SetPatientFlags(Patient& patient, uint32_t stepFlags);

}  // namespace kestrine
