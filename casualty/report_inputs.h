// What the after-action report takes from the battle and the campaign: the time cut off the mission clock
// when every casualty was readied early, the points of the casualties brought to the landing point when
// time ran out, and the campaign totals before this mission. Kept here until the battle simulation and the
// campaign record hold them.
#pragma once

#include <cstdint>

namespace kestrine {

int32_t EarlyFinishTime();  // ms
void SetEarlyFinishTime(int32_t ms);
int32_t ExtractionBonus();
void SetExtractionBonus(int32_t points);
int32_t CampaignScore();
int32_t CampaignMaximum();
void SetCampaignTotals(int32_t score, int32_t maximum);

}  // namespace kestrine
