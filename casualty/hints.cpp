// Choosing the hinted step, wording it and charging for it.
#include "casualty/hints.h"

#include <cstdio>

#include "casualty/location_names.h"
#include "casualty/tool_table.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"

namespace kestrine {

HintState hintState;
KESTRINE_PROGRAM_STATE(hintState);

const HintState& Hints() { return hintState; }

void ForgetChargedHint() { hintState.lastChargedHintText.clear(); }

void SetFreeHints(bool on) { hintState.freeHintsMode = on ? 1 : 0; }

namespace {

const TreatmentStep* FirstHintStep(const TreatmentStep* cursor) {
  for (const TreatmentStep* step = cursor; !IsListEnd(step); ++step) {
    if (step->flags & STEP_HINT) return step;
  }
  return nullptr;
}

const TreatmentStep* FirstHintStepOfTracks(const TreatmentStep* const (&tracks)[kTrackCount]) {
  for (const TreatmentStep* cursor : tracks) {
    if (const TreatmentStep* step = FirstHintStep(cursor)) return step;
  }
  return nullptr;
}

const TreatmentStep* FirstScoredFinding(const Patient& patient) {
  for (const ActiveStep& slot : patient.activeSteps) {
    if (slot.tool == kEndOfList) break;
    if (slot.points != 0) return &slot;
  }
  return nullptr;
}

const char* ToolName(int32_t tool) { return IsToolRow(tool) ? kToolData[tool].name : ""; }

std::string Format(const char* pattern, const char* a, const char* b) {
  char text[256];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

}  // namespace

const TreatmentStep* FindHintStep(const Patient& patient) {
  // A shock track with nothing left to hint falls through to the wound itself: the wound still needs
  // treating while he stays in shock.
  if (patient.shockState == SHOCK_MINOR) {
    if (const TreatmentStep* step = FirstHintStepOfTracks(patient.minorShockLists)) return step;
  } else if (patient.shockState == SHOCK_MAJOR) {
    if (const TreatmentStep* step = FirstHintStepOfTracks(patient.majorShockLists)) return step;
  }
  if (const TreatmentStep* finding = FirstScoredFinding(patient)) return finding;

  const TreatmentStep* c[kTrackCount];
  for (int i = 0; i < kTrackCount; ++i) c[i] = FirstHintStep(patient.currentLists[i]);
  // A track-0 step that would lower another track's worth is best taken after that track's own step.
  if (c[0] && c[1] && c[0]->multiplier1 < patient.multipliers[1]) return c[1];
  if (c[0] && c[2] && c[0]->multiplier2 < patient.multipliers[2]) return c[2];
  if (c[0]) return c[0];
  if (c[1] && patient.multipliers[1] != 0) return c[1];
  if (c[2] && patient.multipliers[2] != 0) return c[2];
  return nullptr;
}

const char* BuildHint(Patient& patient) {
  const TreatmentStep* step = FindHintStep(patient);
  if (step == nullptr) {
    hintState.hintText =
        patient.IsReturnableToAction() ? "He's ready to be returned to action" : "He's ready for evacuation";
  } else if (step->flags & STEP_REMOVAL) {
    hintState.hintText = Format("Try removing %s from %s", ToolName(step->tool), StepLocationName(*step, patient.side));
  } else {
    hintState.hintText = Format("Try %s to %s", ToolName(step->tool), StepLocationName(*step, patient.side));
  }

  if (hintState.hintText != hintState.lastChargedHintText && !hintState.freeHintsMode) {
    if (patient.freeHints > 0) {
      --patient.freeHints;
    } else {
      // A hint never pays the player: a step worth nothing (or less) costs nothing.
      int32_t cost = kPlainHintCost;
      if (step != nullptr) cost = step->points > 0 ? step->points : 0;
      AddMissionPoints(-cost);
      patient.score -= cost;
    }
    hintState.lastChargedHintText = hintState.hintText;
  }
  return hintState.hintText.c_str();
}

}  // namespace kestrine
