#include "shell/developer_keys.h"

#include <string>

#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

DeveloperSwitches developerSwitches;
KESTRINE_PROGRAM_STATE(developerSwitches);

const DeveloperSwitches& Developer() { return developerSwitches; }

void ToggleDebugArmed() {
  developerSwitches.debugMode = developerSwitches.debugMode == kDebugOff ? kDebugArmed : kDebugOff;
}

void RaiseDebugMode() {
  if (developerSwitches.debugMode == kDebugArmed) developerSwitches.debugMode = kDebugDeveloper;
}

void EnterDeveloperLevel() { developerSwitches.debugMode = kDebugDeveloper; }

void LeaveDebugMode() { developerSwitches.debugMode = kDebugOff; }

void SetWoundPickerAll(bool all) { developerSwitches.woundPickerAll = all ? 1 : 0; }

void SetAltEnemyModel(bool alt) { developerSwitches.altEnemyModel = alt ? 1 : 0; }

namespace {

bool IsDeveloperKey(int key) {
  switch (key) {
    case VK_DEV_ARM:
    case VK_DEV_RAISE:
    case VK_DEV_DIRECT:
    case VK_DEV_MISSION:
    case VK_DEV_WOUNDS:
    case VK_DEV_LOSER:
    case VK_DEV_ENEMY:
      return true;
    default:
      return false;
  }
}

constexpr int32_t kLastMission = 13;

// Jumps ahead to any mission without playing the ones before it; the number shows in the top-left corner.
void NextMissionForTesting() {
  AdvanceMission();
  if (Campaign().missionNumber > kLastMission) GoToMission(1);
  DrawScreenText(10, 10, L"L:" + std::to_wstring(Campaign().missionNumber), 8, ALIGN_LEFT, 255, 255, 0, 0, 0);
}

}  // namespace

void DeveloperKey(int key, int down) {
  if (!IsDeveloperKey(key)) {
    LeaveDebugMode();
    return;
  }
  if (key == VK_DEV_DIRECT) {
    EnterDeveloperLevel();
    return;
  }
  // The rest act on the press only; their release leaves everything as it is.
  if (!down) return;
  switch (key) {
    case VK_DEV_ARM:
      ToggleDebugArmed();
      break;
    case VK_DEV_RAISE:
      RaiseDebugMode();
      break;
    case VK_DEV_MISSION:
      if (developerSwitches.debugMode == kDebugDeveloper) NextMissionForTesting();
      break;
    case VK_DEV_WOUNDS:
      if (developerSwitches.debugMode == kDebugDeveloper)
        developerSwitches.woundPickerAll = developerSwitches.woundPickerAll ? 0 : 1;
      break;
    case VK_DEV_LOSER:
      if (developerSwitches.debugMode == kDebugDeveloper) SetLoserEnding(false);
      break;
    case VK_DEV_ENEMY:
      if (developerSwitches.debugMode == kDebugArmed || developerSwitches.debugMode == kDebugDeveloper) {
        SetAltEnemyModel(true);
        LeaveDebugMode();
      }
      break;
    default:
      break;
  }
}

}  // namespace kestrine
