// The patient clock, shock, death and the time bar.
#include "casualty/vitals.h"

#include <algorithm>

#include "casualty/step_interpreter.h"
#include "casualty/wound_types.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

struct VitalsState {
  engine::EngineRef<engine::EngineBitmap> skullImage;
};
VitalsState vitalsState;
KESTRINE_PROGRAM_STATE(vitalsState);

}  // namespace

engine::EngineRef<engine::EngineBitmap>& skullImage = vitalsState.skullImage;

namespace {

// How far along none -> minor -> major -> dead a patient is, on the ShockLevel scale.
int32_t ShockLevelOf(const Patient& patient) {
  if (patient.dead) return SHOCK_LEVEL_DEAD;
  if (patient.shockState == SHOCK_MAJOR) return SHOCK_LEVEL_MAJOR;
  if (patient.shockState == SHOCK_MINOR) return SHOCK_LEVEL_MINOR;
  return SHOCK_LEVEL_NONE;
}

// The state the passed deadlines call for; an unset deadline (0) is never passed.
int32_t DeadlineLevel(const Patient& patient) {
  if (patient.deathDeadline != 0 && patient.clockMs > patient.deathDeadline) return SHOCK_LEVEL_DEAD;
  if (patient.majorShockDeadline != 0 && patient.clockMs > patient.majorShockDeadline) return SHOCK_LEVEL_MAJOR;
  if (patient.minorShockDeadline != 0 && patient.clockMs > patient.minorShockDeadline) return SHOCK_LEVEL_MINOR;
  return SHOCK_LEVEL_NONE;
}

// Conscious, can speak and the second rate of a shock row.
void TakeShockCondition(Patient& patient, const WoundType& row) {
  patient.conscious = (row.conditionFlags & WOUND_CONSCIOUS) ? 1 : 0;
  patient.canSpeak = (row.conditionFlags & WOUND_CAN_SPEAK) ? 1 : 0;
  patient.secondRate = row.secondRate;
}

void EnterMinorShock(Patient& patient, int32_t warn) {
  const WoundType& row = WoundTypeTable[WOUND_MINOR_SHOCK];
  patient.shockState = SHOCK_MINOR;
  TakeShockCondition(patient, row);
  SpliceStepList(patient, row.lists[0]);
  // The clock reaching minor shock keeps a later deadline the wound already has; a step forcing it starts
  // the count to major shock afresh.
  if ((patient.majorShockDeadline == 0 && patient.deathDeadline == 0) || warn == 0) {
    patient.majorShockDeadline = patient.clockMs + row.deadlines[DEADLINE_MAJOR_SHOCK] * 1000;
    patient.timeBarLength = patient.majorShockDeadline * 3 / 2;
  }
  if (warn) {
    patient.AddChartEntry(patient.currentWound == WOUND_HEAT_EXHAUSTION ? "Warning: Patient worsens into heat stroke"
                                                                        : "Warning: Patient goes into minor shock");
  }
}

void EnterMajorShock(Patient& patient, int32_t warn) {
  const WoundType& row = WoundTypeTable[WOUND_MAJOR_SHOCK];
  patient.shockState = SHOCK_MAJOR;
  TakeShockCondition(patient, row);
  SpliceStepList(patient, row.lists[0]);
  if (patient.deathDeadline == 0 || warn == 0) {
    patient.deathDeadline = patient.clockMs + row.deadlines[DEADLINE_DEATH] * 1000;
    patient.timeBarLength = patient.deathDeadline;
  }
  if (warn) patient.AddChartEntry("Warning: Patient goes into major shock");
}

}  // namespace

void UpdateVitals(Patient& patient, int32_t frameMs) {
  if (!patient.paused) {
    patient.clockMs += std::clamp(frameMs, 0, kMaxVitalsStepMs);
    SetShock(patient, DeadlineLevel(patient), 1);
  }
  if (!Sounds().replayingSave) DrawTimeBar(patient);
}

double TimeBarFraction(const Patient& patient) {
  if (patient.timeBarLength == 0) return 1.0;
  const double left = static_cast<double>(patient.timeBarLength) - patient.clockMs;
  return std::clamp(left / patient.timeBarLength, 0.0, 1.0);
}

void DrawTimeBar(const Patient& patient) {
  const int x = PanelX(kTimeBarX);
  const int y = PanelY(kTimeBarY);
  ScreenText().textOverlay->SetDrawColor(0, 0, 0);
  ScreenText().textOverlay->FillRect(x, y, kTimeBarWidth, kTimeBarBoxHeight);
  if (patient.dead) {
    if (!skullImage) return;
    const int width = skullImage->GetWidth();
    const int height = skullImage->GetHeight();
    ScreenText().textOverlay->DrawBitmap(skullImage, 0, 0, 0, width, height, x, PanelY(kSkullY), width, height);
    return;
  }
  ScreenText().textOverlay->SetDrawColor(240, 0, 0);
  ScreenText().textOverlay->FillRect(x, y, static_cast<int>(kTimeBarWidth * TimeBarFraction(patient)), kTimeBarHeight);
}

void SetShock(Patient& patient, int32_t level, int32_t warn) {
  if (level == SHOCK_LEVEL_DEAD) {
    Die(patient, warn);
    return;
  }
  if (level != SHOCK_LEVEL_MINOR && level != SHOCK_LEVEL_MAJOR) return;
  if (patient.dead) return;
  // A patient the clock finds in major shock stays there even once only his minor deadline has passed
  // (a step may have forced major shock before it).
  if (warn && level <= ShockLevelOf(patient)) return;
  if (level == SHOCK_LEVEL_MINOR) {
    if (patient.shockState == SHOCK_MINOR) return;
    EnterMinorShock(patient, warn);
  } else {
    if (patient.shockState == SHOCK_MAJOR) return;
    EnterMajorShock(patient, warn);
  }
}

void Die(Patient& patient, int32_t warn) {
  if (patient.dead) return;
  const WoundType& row = WoundTypeTable[WOUND_DEADMAN];
  patient.dead = 1;
  patient.conscious = 0;
  patient.canSpeak = 0;
  patient.shockState = SHOCK_NONE;
  patient.bleedRate = 0;
  patient.secondRate = 0;
  patient.Body().SetBloodPoolRate(0.0f);
  patient.bloodLevel2 = 1.0f;
  SpliceStepList(patient, row.lists[0]);
  for (int track = 0; track < kTrackCount; ++track) patient.currentLists[track] = row.lists[track];
  if (warn) patient.AddChartEntry("Warning: Patient dies");
}

void SetPatientFlags(Patient& patient, uint32_t stepFlags) {
  if (stepFlags & STEP_STOPS_CLOCK) patient.paused = 1;
  if (stepFlags & STEP_STOPS_SPURT) patient.spurting = 0;
}

}  // namespace kestrine
