#include "shell/mission_progress.h"

#include "shell/program_state.h"

namespace kestrine {

void MissionProgress::Reset(const char*, int32_t extra, int32_t figure, int32_t flag) {
  *this = MissionProgress{};
  savedExtra = extra;
  playerFigure = figure;
  unread = flag;
}

namespace {

MissionProgress missionProgress;
KESTRINE_PROGRAM_STATE(missionProgress);

CampaignPosition campaignPosition;
KESTRINE_PROGRAM_STATE(campaignPosition);

}  // namespace

const MissionProgress& Progress() { return missionProgress; }

void ResetProgress(const char* name, int32_t extra, int32_t figure, int32_t flag) {
  missionProgress.Reset(name, extra, figure, flag);
}

void AddMissionPoints(int32_t points) { missionProgress.missionScore += points; }

void AddMissionMaximum(int32_t points) { missionProgress.missionMaximum += points; }

void ZeroPositiveMissionScore() {
  if (missionProgress.missionScore > 0) missionProgress.missionScore = 0;
}

void SetMissionScore(int32_t score, int32_t maximum) {
  missionProgress.missionScore = score;
  missionProgress.missionMaximum = maximum;
}

void ClearMissionScore() { missionProgress.missionScore = 0; }

void ClearMissionMaximum() { missionProgress.missionMaximum = 0; }

void MissionMaximumIsScore() { missionProgress.missionMaximum = missionProgress.missionScore; }

void EnsureMissionMaximum() {
  if (missionProgress.missionMaximum == 0) missionProgress.missionMaximum = 1;
}

void BankMission() {
  EnsureMissionMaximum();
  missionProgress.campaignMaximum += missionProgress.missionMaximum;
  missionProgress.campaignScore += missionProgress.missionScore;
}

void UnbankMission() {
  missionProgress.campaignScore -= missionProgress.missionScore;
  missionProgress.campaignMaximum -= missionProgress.missionMaximum;
}

void AwardMedals(int32_t badge, int32_t ribbon, bool promoted) { AddMedals(missionProgress, badge, ribbon, promoted); }

void AddMedals(MissionProgress& progress, int32_t badge, int32_t ribbon, bool promoted) {
  if (badge >= 0 && badge < kBadgeCount) {
    progress.badgeCount[badge] += 1;
    progress.lastBadge = badge;
  }
  if (ribbon >= 0 && ribbon < kRibbonCount) {
    progress.ribbonCount[ribbon] += 1;
    progress.ribbonTotal += 1;
  }
  if (promoted) progress.promotionCount += 1;
}

void ChoosePlayerFigure(int32_t figure) { missionProgress.playerFigure = figure; }

void RestoreProgress(const MissionProgress& progress) { missionProgress = progress; }

const CampaignPosition& Campaign() { return campaignPosition; }

void StartCampaign() {
  campaignPosition.trainingRun = 0;
  campaignPosition.missionNumber = 1;
}

void ChooseDifficulty(int32_t difficulty) { campaignPosition.difficulty = difficulty; }

void StartTraining(int32_t mission) {
  campaignPosition.trainingRun = 1;
  campaignPosition.difficulty = 0;
  campaignPosition.missionNumber = mission;
}

void AdvanceMission() { campaignPosition.missionNumber += 1; }

void GoToMission(int32_t mission) { campaignPosition.missionNumber = mission; }

void EndTraining() { campaignPosition.trainingRun = 0; }

void ResumeCampaign(int32_t mission, int32_t difficulty, bool trainingRun) {
  campaignPosition.missionNumber = mission;
  campaignPosition.difficulty = difficulty;
  campaignPosition.trainingRun = trainingRun ? 1 : 0;
}

}  // namespace kestrine
