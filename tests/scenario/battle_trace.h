// What the battle leaves behind frame after frame, kept so that two runs of the same game can be compared:
// the state, the clocks and flags, and every unit's place and condition.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrine::scenario {

using Trace = std::vector<int64_t>;

// Appends what the game holds now: the state, the mission clock and end flag, the unit count, and each
// unit's position (to a hundredth), state, health and whether he is down.
void RecordFrame(Trace& trace);

// The same, folded into one number: equal battles give equal checksums, and a unit a hundredth away
// from where he stood in the other run changes it.
uint64_t BattleChecksum();

}  // namespace kestrine::scenario
