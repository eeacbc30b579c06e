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

namespace {

StrategyEditorState strategyEditorState;
KESTRINE_PROGRAM_STATE(strategyEditorState);

}  // namespace

const StrategyEditorState& StrategyEditor() { return strategyEditorState; }

void SetStrategyEditMode(uint8_t mode) { strategyEditorState.strategyEditMode = mode; }

namespace {

// The last slot stays free: a store needs fewer entries than this.
constexpr int32_t kStoreLimit = kStrategyEntryCount - 1;
constexpr int32_t kInjuryCycle = 6;   // 0 .. 5
constexpr int32_t kPatrolCycle = 35;  // 0 .. 34

// A field stepped on by one; a value at or past the end of its cycle starts again at 0.
void StepField(int32_t& field, int32_t cycle) { field = field + 1 >= cycle || field < 0 ? 0 : field + 1; }

// The keys the placement tool keeps while both are on.
bool PlacementToolKeeps(int key) {
  return Placement().objectPlacementOn && (key == 'A' || key == 'V' || key == 'I' || key == 'S' || key == 'W');
}

bool SwitchKey(int key, bool down) {
  if (Developer().debugMode != kDebugDeveloper) return false;
  if (key == VK_STRATEGY_EDITOR) {
    if (down) strategyEditorState.strategyEditOn = strategyEditorState.strategyEditOn ? 0 : 1;
    return true;
  }
  if (key == VK_STRATEGY_MODE && strategyEditorState.strategyEditOn) {
    if (down)
      strategyEditorState.strategyEditMode =
          strategyEditorState.strategyEditMode == kStrategyEditing ? kStrategyPlacing : kStrategyEditing;
    return true;
  }
  return false;
}

// The entry under the cursor changed by `edit`; nothing when the cursor is off the table.
template <typename Edit>
void EditCurrent(Edit edit) {
  const int32_t cursor = StrategyTable().strategyCursor;
  if (cursor < 0 || cursor >= kStrategyEntryCount) return;
  StrategyEntry e = StrategyTable().strategy[cursor];
  edit(e);
  SetStrategyEntry(cursor, e);
}

}  // namespace

int32_t LastStrategyCursor() { return std::clamp(StrategyTable().strategyCount, 0, kStrategyEntryCount - 1); }

void StepStrategyCursor(int step) {
  int32_t cursor = StrategyTable().strategyCursor + step;
  if (cursor < 0) cursor = LastStrategyCursor();
  if (cursor > LastStrategyCursor()) cursor = 0;
  SetStrategyCursor(cursor);
}

void StoreStrategyEntry(const Vector3& where) {
  const int32_t count = StrategyTable().strategyCount;
  if (count >= kStoreLimit) return;
  const bool placing = strategyEditorState.strategyEditMode != kStrategyEditing;
  if (placing) SetStrategyCursor(std::max(count, 0));
  const int32_t cursor = StrategyTable().strategyCursor;
  if (cursor < 0 || cursor >= kStrategyEntryCount) return;
  EditCurrent([&](StrategyEntry& e) { e.StoreAt(where); });
  if (UpdateStrategyMarker(cursor) && placing) SetStrategyCount(count + 1);
}

void ReloadStrategy() {
  // A short file leaves what it does not reach as a fresh table has it, not as the last edit left it.
  ClearStrategy();
  if (!LoadStrategy()) {
    SetStrategyCount(0);
    SetStrategyCursor(0);
    return;
  }
  ClearSpawnPoints();
  for (int32_t i = 0; i < StrategyTable().strategyCount && i < kStrategyEntryCount; ++i) {
    SetStrategyCursor(i);
    UpdateStrategyMarker(i);
  }
}

bool StrategyEditorKey(int key, bool down) {
  if (SwitchKey(key, down)) return true;
  if (!strategyEditorState.strategyEditOn || PlacementToolKeeps(key)) return false;

  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
      if (down) StepStrategyCursor(key == VK_LEFT ? -1 : 1);
      return true;
    case 'A':
      // The side steps on release: ally, enemy, player, ally (a level-object kind steps on by one).
      if (!down) EditCurrent([](StrategyEntry& e) { e.side = e.side == PLAYER ? ALLY : e.side + 1; });
      return true;
    case 'V':
      if (down) EditCurrent([](StrategyEntry& e) { StepField(e.vehicle, kVehicleKindCount); });
      return true;
    case 'I':
      if (down) EditCurrent([](StrategyEntry& e) { StepField(e.injury, kInjuryCycle); });
      return true;
    case 'P':
      if (down) EditCurrent([](StrategyEntry& e) { StepField(e.patrol, kPatrolCycle); });
      return true;
    case 'O':
      if (down) EditCurrent([](StrategyEntry& e) { StepField(e.orders, kOrdersCount); });
      return true;
    case 'F':
      if (down) EditCurrent([](StrategyEntry& e) { StepField(e.type, kStrategyTypeCount); });
      return true;
    case 'S':
      if (down) StoreStrategyEntry(IsUnitSlot(0) ? Units().units[0]->pos : Vector3());
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
