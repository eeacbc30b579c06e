// Loading a saved game into the running program: the slot's file is read and checked whole first, and only a
// save the game can take tears down what is running (the patient view, the mission) and is put in its place:
// the briefing of the saved mission, its debriefing with the after-action report, or the mission itself with
// its units where they stood, the pack, every casualty's treatment replayed on his own clock, and the clocks.
#pragma once

#include <cstdint>

#include "frontend/save_game.h"

namespace kestrine {

// Reads the slot and restores the game from it. False when the slot holds no save the game can take (no
// file, a damaged one): nothing of the running game has been touched then.
bool ReadSaveGame(int32_t slot);

// Restores a save already read and checked: stops every sound, takes down the patient view and the mission,
// and enters the briefing (14), the debriefing (20) or the overhead view (17, after 16) of the saved game.
void RestoreSavedGame(const SaveGame& save);

}  // namespace kestrine
