// The wound of each casualty of a mission: drawn from the wound table with the game's generator, rows the
// mission offers first, no row twice, and no more serious wounds than the mission allows.
#pragma once

#include <cstdint>

#include "casualty/wound_types.h"

namespace kestrine {

constexpr int kPreferredInjuryCount = 10;

// Rows the mission's special casualty is drawn from first, in this order.
extern const int32_t preferredInjuries[kPreferredInjuryCount];

// Per mission: the rows picked so far (each row at most once, so the table's size is room enough) and how
// many of them are serious (severity 0). Written only by the picker; the operations below change it.
struct InjuryPicks {
  int32_t pickedInjuries[kWoundTypeCount] = {};
  int32_t pickedInjuryCount = 0;
  int32_t seriousInjuryCount = 0;
};

const InjuryPicks& PickedInjuries();

// Records a row as picked (nothing once the list is full); serious counts it among the serious wounds.
void RecordInjuryPick(int32_t row, bool serious);

// The wound row of the next casualty; special is 1 for the mission's special casualty, else 0.
int32_t PickCasualtyInjury(int32_t special);

// The same draw over rows laid out like the game's table (tests hand it rows of their own).
int32_t PickCasualtyInjuryFrom(const WoundType (&rows)[kWoundTypeCount], int32_t special);

// Before a mission's casualties are made.
void ResetInjuryPicks();

}  // namespace kestrine
