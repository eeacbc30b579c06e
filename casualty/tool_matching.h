// Which treatment step a tool on a body part answers, and what that match earns or costs: the exam walk
// over the findings, kits played part by part, the shock tracks, the wound's tracks and the healthy lists
// that catch everything a healthy body does not need.
#pragma once

#include <cstdint>

#include "casualty/patient.h"

namespace kestrine {

struct ToolMatch {
  // The step this application is recorded as (chart, remark, rates, speech, condition): the matched step,
  // a kit's own step while the kit is under way, or the wound's step a finished kit completes. Null when
  // nothing matched.
  const TreatmentStep* step = nullptr;
  bool right = false;         // a right action; otherwise wrong
  bool kitCompleted = false;  // step is the wound's step that a kit's last part completed
};

// The side bit a step's side field (1 the wounded side, 2 the other) stands for on this patient; 0 for a
// step on either side or a side field the data never uses.
BodyLocation StepSideBit(const Patient& patient, int32_t stepSide);

// Whether a step answers a tool on a part: same tool, a shared region, a fitting side (when the tool cares
// about sides) and, while the tool is out of stock, only a step that takes something off.
bool StepMatches(const Patient& patient, const TreatmentStep& step, int32_t tool, BodyLocation partMask,
                 bool outOfStock);

// The first step from a list cursor on that matches, or null.
const TreatmentStep* FindMatchingStep(const Patient& patient, const TreatmentStep* cursor, int32_t tool,
                                      BodyLocation partMask, bool outOfStock);

// An examination tool: the first finding of the tool at the part scores its points once.
ToolMatch ExamineWithTool(Patient& patient, int32_t tool, BodyLocation partMask, bool outOfStock);

// Any other tool: matched, applied, scored or penalised, and logged.
ToolMatch MatchTreatment(Patient& patient, int32_t tool, BodyLocation partMask, bool outOfStock);

// The kit a tool is a part of (its parent row when that row is a kit head), or -1.
int32_t KitHeadOf(int32_t tool);

}  // namespace kestrine
