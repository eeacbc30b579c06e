#include "shell/developer_keys.h"

#include "shell/globals.h"

namespace kestrine {

namespace {

bool IsDeveloperKey(int key) {
  switch (key) {
    case VK_DEV_ARM:
    case VK_DEV_RAISE:
    case VK_DEV_DIRECT:
    case VK_DEV_WOUNDS:
    case VK_DEV_LOSER:
    case VK_DEV_ENEMY:
      return true;
    default:
      return false;
  }
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
