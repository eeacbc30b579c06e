// What a save keeps, taken from the running game: the campaign and volumes for every kind, the after-action
// report for a debriefing save, and for a mission save the battlefield's units, the pack and every casualty
// of the patient view with his treatment so far.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "casualty/patient.h"
#include "frontend/save_game.h"

namespace kestrine {

// The date and the time of a moment in local time, as a save's first line shows them: "mm/dd/yy" and
// "hh:mm:ss".
std::string SaveDateText(std::time_t when);
std::string SaveTimeText(std::time_t when);

SaveGame GatherBriefingSave(std::time_t when);
SaveGame GatherDebriefingSave(std::time_t when);
SaveGame GatherMissionSave(std::time_t when);

// The word a mission save keeps beside a patient's verdict: the treatment items he has on. A load takes
// any word but 0 as a patient whose body must start without an animation running.
int32_t PatientSavedWord(const Patient& patient);

}  // namespace kestrine
