// Storage of the battle's and the campaign's values the after-action report reads.
#include "casualty/report_inputs.h"

namespace kestrine {

namespace {
int32_t earlyFinishTime = 0;
int32_t extractionBonus = 0;
int32_t campaignScore = 0;
int32_t campaignMaximum = 0;
}  // namespace

int32_t EarlyFinishTime() { return earlyFinishTime; }
void SetEarlyFinishTime(int32_t ms) { earlyFinishTime = ms; }
int32_t ExtractionBonus() { return extractionBonus; }
void SetExtractionBonus(int32_t points) { extractionBonus = points; }
int32_t CampaignScore() { return campaignScore; }
int32_t CampaignMaximum() { return campaignMaximum; }
void SetCampaignTotals(int32_t score, int32_t maximum) {
  campaignScore = score;
  campaignMaximum = maximum;
}

}  // namespace kestrine
