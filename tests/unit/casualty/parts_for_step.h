// Where a medic puts a tool that a treatment step asks for: the body parts that fit the step's place and
// side, best first. Shared by the rules' tests and the whole-game scenarios, whose medics treat alike.
#pragma once

#include <cstdint>
#include <vector>

#include "casualty/body_parts.h"
#include "casualty/patient.h"
#include "casualty/tool_matching.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine::testing {

inline bool IsKitHead(int32_t tool) { return IsToolRow(tool) && (ToolTable[tool].flags & TOOL_FLAG_KIT_HEAD) != 0; }

// The body parts a tool may be put to on a place, best first. A place on the wounded or the other side is
// on that side. A place on any side goes to a midline part when there is one, else to the preferred side
// first: drugs and drips go into the good arm, away from slings and tourniquets.
inline std::vector<int32_t> PartsFor(const Patient& patient, int32_t tool, BodyLocation location, int32_t side,
                                     bool preferWounded) {
  const BodyLocation wounded = StepSideBit(patient, STEP_SIDE_WOUNDED);
  const BodyLocation other = StepSideBit(patient, STEP_SIDE_OTHER);
  std::vector<int32_t> midline, preferred, rest;
  for (int32_t part = 0; part < kBodyPartCount; ++part) {
    const BodyLocation mask = kBodyParts[part].mask;
    if (!RegionsOverlap(mask, location) || (ToolTable[tool].flags & TOOL_FLAG_LOCATIONS & mask) == 0) continue;
    if (side != STEP_SIDE_ANY && (mask & StepSideBit(patient, side)) == 0) continue;
    if ((mask & kSideBits) == kSideBits) {
      midline.push_back(part);
    } else if ((mask & (preferWounded ? wounded : other)) != 0) {
      preferred.push_back(part);
    } else {
      rest.push_back(part);
    }
  }
  midline.insert(midline.end(), preferred.begin(), preferred.end());
  midline.insert(midline.end(), rest.begin(), rest.end());
  return midline;
}

}  // namespace kestrine::testing
