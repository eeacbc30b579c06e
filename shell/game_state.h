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

// Stores n as the game state and nothing else: no entry runs and previousGameState stays as it is. For the
// few screens that come back to a state whose screen they draw themselves (a BACK that redraws the options
// menu, the quit box's NO over the briefing), and for the steps that must see a state before its switch runs.
// Every caller says why it skips the entry. n in 0..31, as for SetGameState; stored as given (16 stays 16).
void StoreGameStateWithoutEntry(int32_t n);

// The state a request is stored as.
int32_t StoredGameState(int32_t requested);

}  // namespace kestrine
