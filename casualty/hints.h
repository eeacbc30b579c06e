// The Hint button: the next right move in words, and what asking for it costs.
#pragma once

#include <cstdint>
#include <string>

#include "casualty/patient.h"
#include "casualty/wound_types.h"

namespace kestrine {

// What an unpaid hint costs when the hint names no step.
constexpr int32_t kPlainHintCost = 5;

// The hint last built, and the last one paid for: asking for the same text again costs nothing. Written
// only by BuildHint and the operations below.
struct HintState {
  std::string hintText;
  std::string lastChargedHintText;
  uint8_t freeHintsMode = 0;  // developer switch: every hint is free
};

const HintState& Hints();

// The next hint is charged even if its text is the one last paid for.
void ForgetChargedHint();

// Turns the developer switch for free hints on or off.
void SetFreeHints(bool on);

// The step the hint names, or null when the patient needs nothing more: in shock the first hint step of
// his shock track; else the first finding still worth points; else the first hint step of his current
// tracks, preferring a track whose worth the track-0 step would lower.
const TreatmentStep* FindHintStep(const Patient& patient);

// Builds the hint text for the patient and charges for it when it is new: a free hint while he has any
// left, else the step's points (5 when there is no step) off his score and the mission score.
const char* BuildHint(Patient& patient);

}  // namespace kestrine
