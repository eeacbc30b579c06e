#include "shell/mission_table.h"

#include <algorithm>

namespace kestrine {

namespace {

constexpr int32_t kTrainingTerrainFolder = 4;

}  // namespace

// casualties, serious caps, factor, start time, camouflage, severity mode, words.
const MissionDef MissionTable[kMissionCount] = {
    {{3, 4, 5}, {1, 3, 5}, 1.0f, 730, 1, 0, &missionTexts[0]},
    {{3, 4, 5}, {2, 3, 5}, 0.8f, 800, 0, 0, &missionTexts[1]},
    {{3, 4, 5}, {2, 3, 5}, 1.0f, 700, 1, 0, &missionTexts[2]},
    {{4, 5, 6}, {2, 4, 6}, 0.7f, 1300, 0, 2, &missionTexts[3]},
    {{4, 5, 6}, {2, 4, 6}, 1.5f, 530, 1, 2, &missionTexts[4]},
    {{4, 5, 6}, {2, 4, 6}, 1.0f, 1600, 1, 0, &missionTexts[5]},
    {{4, 5, 6}, {2, 4, 6}, 0.8f, 2300, 0, 0, &missionTexts[6]},
    {{5, 6, 7}, {2, 5, 7}, 0.7f, 1430, 0, 0, &missionTexts[7]},
    {{4, 6, 7}, {2, 5, 7}, 0.85f, 1900, 0, 2, &missionTexts[8]},
    {{5, 6, 6}, {2, 5, 6}, 0.9f, 1030, 1, 1, &missionTexts[9]},
    {{3, 3, 3}, {2, 2, 2}, 0.7f, 1200, 0, 0, &missionTexts[10]},  // training
    {{3, 3, 3}, {2, 2, 2}, 0.7f, 1200, 0, 0, &missionTexts[11]},  // training
    {{3, 3, 3}, {2, 2, 2}, 0.7f, 1200, 0, 0, &missionTexts[12]},  // training
};

const MissionDef* FindMission(int32_t mission) {
  if (mission < 1 || mission > kMissionCount) return nullptr;
  return &MissionTable[mission - 1];
}

const MissionDef& MissionRow(int32_t mission) { return MissionTable[std::clamp(mission, 1, kMissionCount) - 1]; }

int32_t TerrainFolderNumber(int32_t mission) {
  return mission > kCampaignMissionCount ? kTrainingTerrainFolder : mission;
}

std::string MissionFolder(int32_t mission) { return "mission" + std::to_string(TerrainFolderNumber(mission)); }

bool IsNightStart(int32_t startTime) { return !(startTime > 600 && startTime < 1900); }

int32_t MissionClockMs(const MissionDef& mission, int32_t difficulty) {
  const int32_t d = difficulty >= 0 && difficulty < kDifficultyCount ? difficulty : 0;
  return mission.casualties[d] * (240000 + (2 - d) * 10000);
}

}  // namespace kestrine
