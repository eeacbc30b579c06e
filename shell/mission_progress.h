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

// The running campaign's record. Written only here, through the operations below; everyone else reads the
// const view.
const MissionProgress& Progress();

// A new campaign's record (MissionProgress::Reset).
void ResetProgress(const char* name, int32_t extra, int32_t figure, int32_t flag);

// Points the mission earned (negative: points it lost): treatment steps, right calls, hints, the time bonus.
void AddMissionPoints(int32_t points);
// A patient's wound adds what its treatment can earn at most to the mission's maximum.
void AddMissionMaximum(int32_t points);
// A mistake or friendly fire ends the mission with no more than nothing: a positive score drops to 0.
void ZeroPositiveMissionScore();
// The mission's score and maximum set outright (the developer keys' full or half score).
void SetMissionScore(int32_t score, int32_t maximum);
// A new mission is scored from nothing.
void ClearMissionScore();
// The casualties of a new mission are counted from nothing into the maximum.
void ClearMissionMaximum();
// The training mission's maximum is whatever was scored.
void MissionMaximumIsScore();
// A mission without a maximum counts as one out of one (so a score tier can be taken of it).
void EnsureMissionMaximum();
// The debriefing moves the mission into the campaign's totals (a mission without a maximum first counts as
// one out of one, so that what UnbankMission takes back out is what went in).
void BankMission();
// The mission taken back out of the campaign's totals: its replay, or a debriefing save loaded again.
void UnbankMission();
// A badge (0..2), a ribbon (0..7) and a promotion; -1 for no badge or ribbon. Out-of-range values give
// nothing.
void AwardMedals(int32_t badge, int32_t ribbon, bool promoted);
// The same awards on any record (the debriefing's look ahead at a promotion works on a copy).
void AddMedals(MissionProgress& progress, int32_t badge, int32_t ribbon, bool promoted);
// The figure the player chose (0..2).
void ChoosePlayerFigure(int32_t figure);
// The record as a saved game kept it.
void RestoreProgress(const MissionProgress& progress);

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
