// The campaign's one record: promotions, ribbons and badges won, the current mission's score and maximum,
// the campaign's totals before it, and the chosen player figure. Treatment steps, the report and the battle
// add to the score; the debriefing moves it into the campaign totals; player select chooses the figure the
// backpack and the medic's speed read; save games keep the whole record.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kRibbonCount = 8;
constexpr int kBadgeCount = 3;

struct MissionProgress {
  int32_t promotionCount = 0;
  int32_t ribbonCount[kRibbonCount] = {};
  int32_t ribbonTotal = 0;
  int32_t badgeCount[kBadgeCount] = {};
  int32_t lastBadge = -1;  // 0..2, -1 none yet
  int32_t missionScore = 0;
  int32_t missionMaximum = 0;
  int32_t campaignScore = 0;
  int32_t campaignMaximum = 0;
  int32_t unread = 1;        // set to 1 and read by nothing
  int32_t savedExtra = 0;    // kept in save games only
  int32_t playerFigure = 0;  // 0..2

  // A new campaign: every value back to its start, with the given extra value, figure and unread flag. The
  // name is not kept.
  void Reset(const char* name, int32_t extra, int32_t figure, int32_t flag);
};

extern MissionProgress missionProgress;

// The next mission of the campaign or of the training (mission number + 1).
void AdvanceMission();

}  // namespace kestrine
