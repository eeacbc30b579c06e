// What every entry to the overhead view does (from the mission's start, the patient view, the pause menu,
// a loaded game): the head-up strip, the terrain, units and level objects shown, held-back casualties woken
// up to the limit, and the lights; on the mission's first entry also its walking grid.
#pragma once

#include <cstdint>

namespace kestrine {

void BuildNavGrid();

// Wakes held-back casualties (state 5 to 1, in slot order) while fewer than both the casualty count and
// the active limit are waiting; one of severity 2 goes back to his own place as he wakes.
void WakeCasualties();

}  // namespace kestrine
