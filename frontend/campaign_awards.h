// What a debriefed campaign mission earns: a badge (missions 1..3) or a ribbon (missions 4..10) when the
// debriefing's score tier reaches the mission's threshold, a promotion at missions 3, 6 and 9 when the
// awards so far allow it, the award's movie, and then the next briefing or, after the last mission, the
// ending movie and the finish screen. Training runs earn nothing and walk through their three missions.
#pragma once

#include <cstdint>

#include "shell/mission_progress.h"

namespace kestrine {

// The score tier of the last debriefing (0..9), from its mission's score; 0 at start. Kept here, written
// only through RecordDebriefTier (the debriefing's speech computes it).
int32_t DebriefTier();
void RecordDebriefTier(int32_t tier);

constexpr int32_t kLastCampaignMission = 10;
constexpr int32_t kLastTrainingMission = 13;

struct MissionAwards {
  int32_t badge = -1;   // the badge given, -1 none
  int32_t ribbon = -1;  // the ribbon given, -1 none
  bool promoted = false;
};

// The decision alone, for campaign mission `mission` (1..10) debriefed at `tier`; nothing for any other
// mission number. A promotion is judged on the awards as they stand once this mission's award is given.
MissionAwards DecideMissionAwards(const MissionProgress& progress, int32_t mission, int32_t tier);
// Writes a decision into the record.
void ApplyMissionAwards(MissionProgress& progress, const MissionAwards& awards);

// The debriefing's first button in the campaign: the awards of the mission just debriefed (at
// debriefTier) with their movie, then the next briefing; after mission 10 the ending movie (won or lost)
// and the finish screen.
void AwardMissionMedals();
// The same button in a training run: the next training mission's briefing, and after the last one the
// main menu.
void AdvanceTraining();

}  // namespace kestrine
