// How a patient deteriorates by his own clock: the clock itself, minor shock, major shock and death, the
// step flags that stop the clock or the spurt, and the time bar on the patient view's head-up display.
#pragma once

#include <cstdint>

#include "casualty/patient.h"
#include "engine/engine.h"

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

// The time bar's box, in the 634 x 455 panel space, and its colours.
constexpr int kTimeBarX = 116;
constexpr int kTimeBarY = 313;
constexpr int kTimeBarWidth = 64;
constexpr int kTimeBarBoxHeight = 13;
constexpr int kTimeBarHeight = 12;
constexpr int kSkullY = 316;

// The skull-and-bones picture shown in place of the bar for a dead patient; the patient view loads it with
// its other pictures and lets it go (an empty picture) at its teardown. Empty until then.
const engine::EngineRef<engine::EngineBitmap>& SkullImage();
void SetSkullImage(engine::EngineRef<engine::EngineBitmap> image);

// One frame of the shown patient: unless he is paused his clock runs (at most kMaxVitalsStepMs) and the
// deadlines passed decide his state; then, unless a save is being replayed, the time bar is drawn.
void UpdateVitals(Patient& patient, int32_t frameMs);

// The time bar on the screen-text overlay: a black box, then the skull for a dead patient, else a red bar
// as long as the part of timeBarLength still left.
void DrawTimeBar(const Patient& patient);

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
