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

// Where the campaign stands: the mission being played or briefed, its difficulty, and whether it is a training
// run. Written only here, through the operations below; everyone else reads the const view.
struct CampaignPosition {
  int32_t missionNumber = 1;  // 1..10 campaign, 11..13 training
  int32_t difficulty = 0;     // 0 novice, 1 intermediate, 2 expert
  uint8_t trainingRun = 0;
};

const CampaignPosition& Campaign();

// A new campaign from the first mission, not a training run (the main menu's entry). The difficulty stays
// until the player chooses one.
void StartCampaign();

// The difficulty the player chose (0..2).
void ChooseDifficulty(int32_t difficulty);

// A training run of the given mission, at novice difficulty.
void StartTraining(int32_t mission);

// The next mission of the campaign or of the training (mission number + 1).
void AdvanceMission();

// Another mission of the same run, at the same difficulty: the first at the program's start, the finish
// screen's replay of the last mission, the developer key's jump back to the first.
void GoToMission(int32_t mission);

// The training is over: the run is a campaign's again.
void EndTraining();

// The position a saved game was made at.
void ResumeCampaign(int32_t mission, int32_t difficulty, bool trainingRun);

}  // namespace kestrine
