#include "shell/mission_progress.h"

#include "shell/program_state.h"

namespace kestrine {

MissionProgress missionProgress;
KESTRINE_PROGRAM_STATE(missionProgress);

void MissionProgress::Reset(const char*, int32_t extra, int32_t figure, int32_t flag) {
  *this = MissionProgress{};
  savedExtra = extra;
  playerFigure = figure;
  unread = flag;
}

namespace {

CampaignPosition campaignPosition;
KESTRINE_PROGRAM_STATE(campaignPosition);

}  // namespace

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
