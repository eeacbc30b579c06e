#include "shell/developer_keys.h"

#include <string>

#include "shell/globals.h"
#include "shell/mission_progress.h"
#include "shell/screen_text.h"

namespace kestrine {

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
    debugMode = kDebugOff;
    return;
  }
  if (key == VK_DEV_DIRECT) {
    debugMode = kDebugDeveloper;
    return;
  }
  // The rest act on the press only; their release leaves everything as it is.
  if (!down) return;
  switch (key) {
    case VK_DEV_ARM:
      debugMode = debugMode == kDebugOff ? kDebugArmed : kDebugOff;
      break;
    case VK_DEV_RAISE:
      if (debugMode == kDebugArmed) debugMode = kDebugDeveloper;
      break;
    case VK_DEV_MISSION:
      if (debugMode == kDebugDeveloper) NextMissionForTesting();
      break;
    case VK_DEV_WOUNDS:
      if (debugMode == kDebugDeveloper) woundPickerAll = woundPickerAll ? 0 : 1;
      break;
    case VK_DEV_LOSER:
      if (debugMode == kDebugDeveloper) loserEnding = 0;
      break;
    case VK_DEV_ENEMY:
      if (debugMode == kDebugArmed || debugMode == kDebugDeveloper) {
        altEnemyModel = 1;
        debugMode = kDebugOff;
      }
      break;
    default:
      break;
  }
}

}  // namespace kestrine
