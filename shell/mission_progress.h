// The campaign's one record: the current mission's score and maximum, the campaign's totals before it, and
// the chosen player figure. Treatment steps, the report and the battle add to the score; the debriefing
// moves it into the campaign totals; player select chooses the figure the backpack and the medic's speed
// read. The medals, promotions and the rest of the record come with the campaign rules.
#pragma once

#include <cstdint>

namespace kestrine {

struct MissionProgress {
  int32_t missionScore = 0;
  int32_t missionMaximum = 0;
  int32_t campaignScore = 0;
  int32_t campaignMaximum = 0;
  int32_t playerFigure = 0;  // 0..2
};

extern MissionProgress missionProgress;

}  // namespace kestrine
