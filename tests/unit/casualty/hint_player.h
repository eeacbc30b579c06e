// A medic who plays a casualty through Patient::ApplyTool on the body parts: he cuts the clothing away,
// examines, works a kit part by part, and puts a tool where a step asks for it. Shared by the tests that
// follow the hints and the tests that make the classic mistakes.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "apply_tool_fixture.h"
#include "casualty/body_parts.h"
#include "casualty/hints.h"
#include "casualty/tool_matching.h"
#include "casualty/vitals.h"
#include "parts_for_step.h"
#include "shell/mission_progress.h"

namespace kestrine::testing {

// Rows the picker may draw: every row but the machinery the code uses by number.
inline std::vector<int> CasualtyRows() {
  std::vector<int> rows;
  for (int row = 0; row < kWoundTypeCount; ++row) {
    if ((WoundTypeTable[row].conditionFlags & WOUND_NEVER_RANDOM) == 0) rows.push_back(row);
  }
  return rows;
}

inline std::string Describe(int row, const Patient& patient) {
  return "wound " + std::to_string(row) + " (" + WoundTypeTable[row].title + "), patient side " +
         std::to_string(patient.side);
}

// A wound set up on a fresh patient with the body the wound calls for, a full pack, and his clothing cut
// away the way a medic starts: the chest and sleeves, the trousers, the boots.
inline void SetUpCasualty(TreatedPatient& patient, int row) {
  for (int row = 0; row < kToolCount; ++row) SetToolCount(row, kFullStock);
  SetUpWound(patient, row, nullptr);
  // The amputation body (his leg pinned under the vehicle) is the one whose leg the saw may take.
  if (row == 6) patient.noBoots = 1;
  for (int32_t part : {PART_CHEST, PART_ABDOMEN, PART_LEFT_FOOT, PART_RIGHT_FOOT}) {
    patient.ApplyTool(TOOL_SCISSORS, part, 0, 0, 0);
  }
}

// Puts the tool to the first part on which it does what the step says; true when it did.
// In shock, a drip is recorded as the shock's step while the wound's own step is done alongside it: the
// step counts as done once the application was right and the hint has moved past it.
inline bool ApplyStepOf(TreatedPatient& patient, int32_t tool, const TreatmentStep& step, bool preferWounded) {
  for (int32_t part : PartsFor(patient, tool, step.location, step.side, preferWounded)) {
    const int32_t doneBefore = patient.doneSteps.count;
    patient.ApplyTool(tool, part, 0, 0, 0);
    if (patient.lastStep == &step) return true;
    if (patient.doneSteps.count > doneBefore && FindHintStep(patient) != &step) return true;
  }
  return false;
}

// An examination finding: the first look earns it.
inline bool Examine(TreatedPatient& patient, const TreatmentStep& finding) {
  for (int32_t part : PartsFor(patient, finding.tool, finding.location, finding.side, true)) {
    patient.ApplyTool(finding.tool, part, 0, 0, 0);
    if (finding.points == 0) return true;
  }
  return false;
}

// A kit is played part by part, in the order of its procedure, on the place the wound step names. The
// kit's own steps pay the mission only; returns what they paid, or -1 when the kit did not complete.
inline int32_t PlayKit(TreatedPatient& patient, const TreatmentStep& woundStep) {
  const int32_t kitRow = ToolTable[woundStep.tool].kitListRow;
  int32_t paid = 0;
  for (const TreatmentStep* step = WoundTypeTable[kitRow].lists[0]; !IsListEnd(step); step = step->next) {
    bool played = false;
    for (int32_t part : PartsFor(patient, step->tool, woundStep.location, woundStep.side, true)) {
      const int32_t before = Progress().missionScore;
      patient.ApplyTool(step->tool, part, 0, 0, 0);
      if (Progress().missionScore != before || patient.lastStep == step || patient.lastStep == &woundStep) {
        paid += Progress().missionScore - before;
        played = true;
        break;
      }
    }
    if (!played) return -1;
  }
  return patient.lastStep == &woundStep ? paid : -1;
}

// Does what a hinted step asks: an examination, a kit, or a tool to its place. Returns what a kit paid the
// mission (0 for anything else), or -1 when the step cannot be done on this body.
inline int32_t DoHintedStep(TreatedPatient& patient, const TreatmentStep& step) {
  if (IsTrackedTool(step.tool)) return Examine(patient, step) ? 0 : -1;
  if (IsKitHead(step.tool)) return PlayKit(patient, step);
  return ApplyStepOf(patient, step.tool, step, false) ? 0 : -1;
}

inline void RunClock(Patient& patient, int32_t ms) {
  for (int32_t t = 0; t < ms; t += kMaxVitalsStepMs) UpdateVitals(patient, kMaxVitalsStepMs);
}

inline const char* ShockName(const Patient& patient) {
  if (patient.dead) return "dead";
  if (patient.shockState == SHOCK_MINOR) return "minor shock";
  if (patient.shockState == SHOCK_MAJOR) return "major shock";
  return "no shock";
}

// One click of a hint-following run: the hinted step (null when nothing is left to hint), when it was done
// on his clock, and whether it could be done.
struct HintClick {
  const TreatmentStep* step = nullptr;
  int32_t atMs = 0;
  bool done = false;
  bool wrong = false;  // the move was taken as a wrong one
  std::string line;
};

struct HintRun {
  std::vector<HintClick> clicks;
  int32_t charged = 0;
  int32_t kitPaid = 0;
  bool finished = false;  // the hints ran out: nothing is left to do

  std::string Transcript() const {
    std::string text;
    for (const HintClick& click : clicks) text += "\n    " + click.line;
    return text;
  }
};

// Follows the hints on a set-up casualty: one hinted move every clickMs of his running clock until nothing
// is left to hint, or a hinted move cannot be done. Each click asks for the hint (paying for it as a
// player does) and does what it names.
inline HintRun FollowHints(TreatedPatient& patient, int32_t clickMs, int maxClicks = 80) {
  HintRun run;
  for (int n = 0; n < maxClicks; ++n) {
    RunClock(patient, clickMs);
    HintClick click;
    const int32_t before = patient.score;
    const std::string hint = BuildHint(patient);
    run.charged += before - patient.score;
    click.step = FindHintStep(patient);
    click.atMs = patient.clockMs;
    char line[200];
    std::snprintf(line, sizeof line, "%5.1f s  %-11s  %s", patient.clockMs / 1000.0, ShockName(patient), hint.c_str());
    click.line = line;
    if (click.step == nullptr) {
      run.finished = true;
      run.clicks.push_back(click);
      break;
    }
    const int32_t wrongBefore = patient.wrongActions.count;
    const int32_t kitPaid = DoHintedStep(patient, *click.step);
    click.done = kitPaid >= 0;
    click.wrong = patient.wrongActions.count != wrongBefore;
    click.line += click.done ? "   -> " + patient.LastChart() : "   -> cannot be done";
    if (click.done) run.kitPaid += kitPaid;
    run.clicks.push_back(click);
    if (!click.done) break;
  }
  return run;
}

}  // namespace kestrine::testing
