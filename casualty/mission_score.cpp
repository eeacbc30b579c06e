// Storage of the mission score and maximum fed by casualty care.
#include "casualty/mission_score.h"

namespace kestrine {

namespace {
int32_t missionScore = 0;
int32_t missionMaximum = 0;
}  // namespace

void AddToMissionScore(int32_t points) { missionScore += points; }
void AddToMissionMaximum(int32_t points) { missionMaximum += points; }
int32_t MissionScore() { return missionScore; }
int32_t MissionMaximum() { return missionMaximum; }

}  // namespace kestrine
