#include "battlefield/placement_tool.h"

#include "battlefield/level_object_writer.h"
#include "shell/developer_keys.h"
#include "shell/events.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"

namespace kestrine {

PlacementToolState placementToolState;
KESTRINE_PROGRAM_STATE(placementToolState);
uint8_t& objectPlacementOn = placementToolState.objectPlacementOn;
int32_t& selectedObjectIndex = placementToolState.selectedObjectIndex;
float& editKeyDownTime = placementToolState.editKeyDownTime;

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

// A hold key let go after ms milliseconds.
void ApplyHold(OverheadObject& object, const HoldKey& hold, float ms) {
  const float units = hold.sign * ms / 1000.0f;
  switch (hold.action) {
    case HoldAction::Turn:
      object.rotateY(hold.sign * ms / 100.0f);
      break;
    case HoldAction::MoveX:
      object.MoveBy(units, 0, 0);
      break;
    case HoldAction::MoveY:
      object.MoveBy(0, units, 0);
      break;
    case HoldAction::MoveZ:
      object.MoveBy(0, 0, units);
      break;
    case HoldAction::Scale:
      object.scaleBy(units);
      break;
  }
}

void StepSelection(int step) {
  if (!SelectedObject()) return;
  selectedObjectIndex += step;
  if (selectedObjectIndex < 0) selectedObjectIndex = objectCount - 1;
  if (selectedObjectIndex > objectCount - 1) selectedObjectIndex = 0;
}

}  // namespace

void PlaceEditorObject(int key, Vector3 position) {
  if (objectCount < 0 || objectCount >= kLevelObjectCapacity) return;
  if (key < '0' || key > '9') return;
  OverheadObject& object = ohObjects[objectCount];
  if (!object.createObject(kDigitTypes[key - '0'])) return;
  object.model->SetVisible(1);
  object.group->SetVisible(1);
  if (object.billboard) object.billboard->SetVisible(1);
  object.SetPosVector(position);
  objectCount += 1;
}

OverheadObject* SelectedObject() {
  if (objectCount <= 0) return nullptr;
  const int32_t count = objectCount > kLevelObjectCapacity ? kLevelObjectCapacity : objectCount;
  if (selectedObjectIndex < 0) selectedObjectIndex = 0;
  if (selectedObjectIndex > count - 1) selectedObjectIndex = count - 1;
  return &ohObjects[selectedObjectIndex];
}

bool PlacementToolKey(int key, bool down, Vector3 medicPosition) {
  if (key == VK_PLACEMENT_TOOL && Developer().debugMode == kDebugDeveloper) {
    if (down) objectPlacementOn = objectPlacementOn ? 0 : 1;
    return true;
  }
  if (!objectPlacementOn) return false;

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
      if (OverheadObject* object = SelectedObject()) object->rotateY(90.0f);
    return true;
  }
  const HoldKey* hold = FindHoldKey(key);
  if (!hold) return false;
  if (down) {
    editKeyDownTime = static_cast<float>(Clock().gameClock);
  } else if (OverheadObject* object = SelectedObject()) {
    ApplyHold(*object, *hold, static_cast<float>(Clock().gameClock) - editKeyDownTime);
  }
  return true;
}

}  // namespace kestrine
