#include "battlefield/placement_tool.h"

#include "battlefield/level_object_writer.h"
#include "shell/developer_keys.h"
#include "shell/events.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

PlacementToolState placementToolState;
KESTRINE_PROGRAM_STATE(placementToolState);

}  // namespace

const PlacementToolState& Placement() { return placementToolState; }

void SetPlacementTool(bool on) { placementToolState.objectPlacementOn = on ? 1 : 0; }

void SelectObject(int32_t index) { placementToolState.selectedObjectIndex = index; }

namespace {

constexpr int VK_LEFT = 0x25;
constexpr int VK_RIGHT = 0x27;

// The type each digit places, '0' first: the parked hummer, the four trees, the two corners, the wall, the
// longhouse and the tall house.
constexpr ObjType kDigitTypes[10] = {
    OBJ_TANK2, OBJ_TREE1, OBJ_TREE2, OBJ_TREE3,     OBJ_TREE4,
    OBJ_WALL2, OBJ_WALL1, OBJ_WALL4, OBJ_BUILDING1, OBJ_BUILDING2,
};

// The keys that act when let go, by how long they were held: a turn of 10 degrees a second, a move or a
// scale change of 1 unit a second.
enum class HoldAction { Turn, MoveX, MoveY, MoveZ, Scale };
struct HoldKey {
  int key;
  HoldAction action;
  float sign;
};
constexpr HoldKey kHoldKeys[] = {
    {'A', HoldAction::Turn, 1.0f},   {'S', HoldAction::Turn, -1.0f},  {'G', HoldAction::MoveX, 1.0f},
    {'H', HoldAction::MoveX, -1.0f}, {'T', HoldAction::MoveY, 1.0f},  {'V', HoldAction::MoveY, -1.0f},
    {'Y', HoldAction::MoveZ, 1.0f},  {'B', HoldAction::MoveZ, -1.0f}, {'W', HoldAction::Scale, 1.0f},
    {'Z', HoldAction::Scale, -1.0f},
};

const HoldKey* FindHoldKey(int key) {
  for (const HoldKey& h : kHoldKeys)
    if (h.key == key) return &h;
  return nullptr;
}

// A hold key let go after ms milliseconds, acting on object `index`.
void ApplyHold(int32_t index, const HoldKey& hold, float ms) {
  const float units = hold.sign * ms / 1000.0f;
  switch (hold.action) {
    case HoldAction::Turn:
      TurnLevelObject(index, hold.sign * ms / 100.0f);
      break;
    case HoldAction::MoveX:
      MoveLevelObjectBy(index, units, 0, 0);
      break;
    case HoldAction::MoveY:
      MoveLevelObjectBy(index, 0, units, 0);
      break;
    case HoldAction::MoveZ:
      MoveLevelObjectBy(index, 0, 0, units);
      break;
    case HoldAction::Scale:
      ScaleLevelObjectBy(index, units);
      break;
  }
}

void StepSelection(int step) {
  if (SelectedObject() < 0) return;
  placementToolState.selectedObjectIndex += step;
  if (placementToolState.selectedObjectIndex < 0)
    placementToolState.selectedObjectIndex = LevelObjectTable().objectCount - 1;
  if (placementToolState.selectedObjectIndex > LevelObjectTable().objectCount - 1)
    placementToolState.selectedObjectIndex = 0;
}

}  // namespace

void PlaceEditorObject(int key, Vector3 position) {
  if (key < '0' || key > '9') return;
  const int32_t index = MakeLevelObject(kDigitTypes[key - '0']);
  if (index < 0) return;
  const OverheadObject& object = LevelObjectTable().ohObjects[index];
  object.model->SetVisible(1);
  object.group->SetVisible(1);
  if (object.billboard) object.billboard->SetVisible(1);
  MoveLevelObjectTo(index, position);
}

int32_t SelectedObject() {
  const int32_t inUse = LevelObjectTable().objectCount;
  if (inUse <= 0) return -1;
  const int32_t count = inUse > kLevelObjectCapacity ? kLevelObjectCapacity : inUse;
  if (placementToolState.selectedObjectIndex < 0) placementToolState.selectedObjectIndex = 0;
  if (placementToolState.selectedObjectIndex > count - 1) placementToolState.selectedObjectIndex = count - 1;
  return placementToolState.selectedObjectIndex;
}

bool PlacementToolKey(int key, bool down, Vector3 medicPosition) {
  if (key == VK_PLACEMENT_TOOL && Developer().debugMode == kDebugDeveloper) {
    if (down) placementToolState.objectPlacementOn = placementToolState.objectPlacementOn ? 0 : 1;
    return true;
  }
  if (!placementToolState.objectPlacementOn) return false;

  if (key >= '0' && key <= '9') {
    if (down) PlaceEditorObject(key, medicPosition);
    return true;
  }
  if (key == VK_PLACEMENT_WRITE) {
    if (down) WriteLevelObjectSource(Campaign().missionNumber);
    return true;
  }
  if (key == VK_LEFT || key == VK_RIGHT) {
    if (down) StepSelection(key == VK_LEFT ? -1 : 1);
    return true;
  }
  if (key == 'I') {
    if (down)
      if (const int32_t index = SelectedObject(); index >= 0) TurnLevelObject(index, 90.0f);
    return true;
  }
  const HoldKey* hold = FindHoldKey(key);
  if (!hold) return false;
  if (down) {
    placementToolState.editKeyDownTime = static_cast<float>(Clock().gameClock);
  } else if (const int32_t index = SelectedObject(); index >= 0) {
    ApplyHold(index, *hold, static_cast<float>(Clock().gameClock) - placementToolState.editKeyDownTime);
  }
  return true;
}

}  // namespace kestrine
