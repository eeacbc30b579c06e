#include "battlefield/strategy_editor.h"

#include <algorithm>

#include "battlefield/overhead_keys.h"
#include "battlefield/placement_tool.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_markers.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "shell/developer_keys.h"
#include "shell/program_state.h"

namespace kestrine {

StrategyEditorState strategyEditorState;
KESTRINE_PROGRAM_STATE(strategyEditorState);
uint8_t& strategyEditOn = strategyEditorState.strategyEditOn;
uint8_t& strategyEditMode = strategyEditorState.strategyEditMode;

namespace {

// The last slot stays free: a store needs fewer entries than this.
constexpr int32_t kStoreLimit = kStrategyEntryCount - 1;
constexpr int32_t kInjuryCycle = 6;   // 0 .. 5
constexpr int32_t kPatrolCycle = 35;  // 0 .. 34

// A field stepped on by one; a value at or past the end of its cycle starts again at 0.
void StepField(int32_t& field, int32_t cycle) {
  field = field + 1 >= cycle || field < 0 ? 0 : field + 1;
}

// The keys the placement tool keeps while both are on.
bool PlacementToolKeeps(int key) {
  return objectPlacementOn && (key == 'A' || key == 'V' || key == 'I' || key == 'S' || key == 'W');
}

bool SwitchKey(int key, bool down) {
  if (Developer().debugMode != kDebugDeveloper) return false;
  if (key == VK_STRATEGY_EDITOR) {
    if (down) strategyEditOn = strategyEditOn ? 0 : 1;
    return true;
  }
  if (key == VK_STRATEGY_MODE && strategyEditOn) {
    if (down) strategyEditMode = strategyEditMode == kStrategyEditing ? kStrategyPlacing : kStrategyEditing;
    return true;
  }
  return false;
}

StrategyEntry* Current() {
  if (strategyCursor < 0 || strategyCursor >= kStrategyEntryCount) return nullptr;
  return &strategy[strategyCursor];
}

}  // namespace

int32_t LastStrategyCursor() { return std::clamp(strategyCount, 0, kStrategyEntryCount - 1); }

void StepStrategyCursor(int step) {
  strategyCursor += step;
  if (strategyCursor < 0) strategyCursor = LastStrategyCursor();
  if (strategyCursor > LastStrategyCursor()) strategyCursor = 0;
}

void StoreStrategyEntry(const Vector3& where) {
  if (strategyCount >= kStoreLimit) return;
  const bool placing = strategyEditMode != kStrategyEditing;
  if (placing) strategyCursor = std::max(strategyCount, 0);
  StrategyEntry* e = Current();
  if (!e) return;
  e->StoreAt(where);
  if (UpdateStrategyMarker(strategyCursor) && placing) ++strategyCount;
}

void ReloadStrategy() {
  // A short file leaves what it does not reach as a fresh table has it, not as the last edit left it.
  for (StrategyEntry& e : strategy) e.Reset();
  if (!LoadStrategy()) {
    strategyCount = 0;
    strategyCursor = 0;
    return;
  }
  spawnPointCount = 0;
  for (int32_t i = 0; i < strategyCount && i < kStrategyEntryCount; ++i) {
    strategyCursor = i;
    UpdateStrategyMarker(i);
  }
}

bool StrategyEditorKey(int key, bool down) {
  if (SwitchKey(key, down)) return true;
  if (!strategyEditOn || PlacementToolKeeps(key)) return false;

  StrategyEntry* e = Current();
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
      if (down) StepStrategyCursor(key == VK_LEFT ? -1 : 1);
      return true;
    case 'A':
      // The side steps on release: ally, enemy, player, ally (a level-object kind steps on by one).
      if (!down && e) e->side = e->side == PLAYER ? ALLY : e->side + 1;
      return true;
    case 'V':
      if (down && e) StepField(e->vehicle, kVehicleKindCount);
      return true;
    case 'I':
      if (down && e) StepField(e->injury, kInjuryCycle);
      return true;
    case 'P':
      if (down && e) StepField(e->patrol, kPatrolCycle);
      return true;
    case 'O':
      if (down && e) StepField(e->orders, kOrdersCount);
      return true;
    case 'F':
      if (down && e) StepField(e->type, kStrategyTypeCount);
      return true;
    case 'S':
      if (down) StoreStrategyEntry(IsUnitSlot(0) ? units[0]->pos : Vector3());
      return true;
    case 'W':
      if (!down) SaveStrategy();
      return true;
    case 'L':
      if (down) ReloadStrategy();
      return true;
    case VK_STRATEGY_SHOW:
      if (down) ShowStrategyMarkers();
      return true;
    case VK_STRATEGY_HIDE:
      if (down) HideStrategyMarkers();
      return true;
    default:
      return false;
  }
}

}  // namespace kestrine
