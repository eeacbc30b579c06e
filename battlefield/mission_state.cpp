#include "battlefield/mission_state.h"

#include "shell/program_state.h"

namespace kestrine {

MissionState missionState;
KESTRINE_PROGRAM_STATE(missionState);

namespace {

constexpr int32_t kLastMission = 10;

}  // namespace

int32_t ActiveCasualtyLimit(int32_t difficulty, int32_t casualtyCount, int32_t mission) {
  if (difficulty == 0) return 1;
  if (difficulty == 1) return 2;
  return mission == kLastMission ? casualtyCount - 1 : casualtyCount;
}

float GroundLevelOf(uint8_t lowest) { return static_cast<float>(lowest) / 256.0f * 40.0f - 25.0f + 399.9f; }

}  // namespace kestrine
