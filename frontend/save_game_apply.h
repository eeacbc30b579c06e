// The parts of loading a save that stand on their own. The load itself (checking the file first, then
// tearing the running game down, rebuilding the mission from its files and switching screens) puts them
// together.
#pragma once

#include <cstdint>

#include "battlefield/unit.h"
#include "casualty/patient.h"
#include "frontend/save_game.h"

namespace kestrine {

// The campaign as the save left it: mission, difficulty, whether it is a training run, the campaign record
// and the volumes (the music takes its volume at once). A debriefing save also brings back the after-action
// report and the ending it leads to, and takes the mission's score back out of the campaign totals: the
// debriefing adds them when it is built, so a save loaded twice still counts the mission once.
void ApplySavedCampaign(const SaveGame& save);

void ApplySavedBackpack(const SavedBackpack& saved);

// A unit takes its saved fields and is put 3 above its saved place, to drop onto the ground.
void ApplySavedUnit(Unit& unit, const SavedUnit& saved);

// Runs a patient's clock on to targetMs in steps of at most 100 ms, as frames would. A paused patient's
// clock stands still, so the steps are counted rather than the clock watched: the loop always ends.
void AdvancePatientClock(Patient& patient, int32_t targetMs);

// A rebuilt patient's saved treatment applied again in order, each action at its time on his clock; then
// his clock is brought to where it stood and his disposition verdict restored, a right call with its
// points. Run while replayingSave is set, so nothing is heard, said or used up.
void ReplaySavedPatient(Patient& patient, const SavedPatient& saved);

}  // namespace kestrine
