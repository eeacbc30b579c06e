// The one switch between screens: SetGameState runs the entry actions of the new state's screen (the screen
// table, shell/screen_table.h, where each subsystem registers its own), then stores it. It runs inside the calling handler; nothing is
// queued, so the next event already sees the new state.
#pragma once

#include <cstdint>

namespace kestrine {

// n in 0..31 (anything else is refused and traced); 16 (start a mission) is stored as 17 and 28 (open the patient view)
// as 18. Leaving the options menu (7) never changes previousGameState, so screens opened from it return past it. Each
// switch traces "game state <n>" with the stored state.
void SetGameState(int32_t n);

// The state a request is stored as.
int32_t StoredGameState(int32_t requested);

}  // namespace kestrine
