// Reading a wound's step lists for the tools its treatment needs. Backpack::CountKitTools runs this over
// a wound-type row; the walk is separate so any set of lists can be counted.
#pragma once

#include <cstdint>

#include "casualty/tool_table.h"
#include "casualty/wound_types.h"

namespace kestrine {

// Adds to kitCount, for each of the three tracks: every examination finding and every hint-eligible step
// of the track's list; then the list the last hint-eligible step leads to, after the findings of that
// list's first step, and so on down the chain. A consumable counts each time, anything else once.
void CountKitToolsOfLists(int32_t (&kitCount)[kToolCount], const StepList* const (&lists)[kTrackCount]);

// What the backpack screen starts from: the standard kit at novice and intermediate difficulty; at expert
// only the Action hand and the contents of the drawers and kits, the rest being the player's choice.
// Defined with the pack it fills, in casualty/backpack.cpp.
void LoadStartingKit(int32_t difficultyLevel);

}  // namespace kestrine
