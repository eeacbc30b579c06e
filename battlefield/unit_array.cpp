#include "battlefield/unit_array.h"

#include <utility>

#include "shell/program_state.h"

namespace kestrine {

namespace {

UnitArrayState unitArrayState;
KESTRINE_PROGRAM_STATE(unitArrayState);

}  // namespace

const UnitArrayState& Units() { return unitArrayState; }

void EmptyUnitSlot(int32_t slot) { unitArrayState.units[slot].reset(); }

void PutUnit(int32_t slot, std::unique_ptr<Unit> unit) { unitArrayState.units[slot] = std::move(unit); }

void CountNewUnit() { ++unitArrayState.unitCount; }

void SetUnitCount(int32_t count) { unitArrayState.unitCount = count; }

Unit& AddUnit(std::unique_ptr<Unit> unit) {
  Unit& added = *unit;
  PutUnit(unitArrayState.unitCount, std::move(unit));
  CountNewUnit();
  return added;
}

void SetFirstPatientUnit(int32_t slot) { unitArrayState.firstPatientUnit = slot; }

bool HasFreeUnitSlot(bool forHelicopter) {
  const int32_t limit = forHelicopter ? kUnitSlotCount : kUnitSlotCount - 1;
  return unitArrayState.unitCount >= 0 && unitArrayState.unitCount < limit;
}

int32_t UnitStateAt(int32_t i) {
  if (i < 0 || i >= unitArrayState.unitCount || i >= kUnitSlotCount || !unitArrayState.units[i])
    return kActionStateReset;
  return unitArrayState.units[i]->actionState;
}

void DeleteAllUnits() {
  for (std::unique_ptr<Unit>& unit : unitArrayState.units) {
    // The slot is emptied before the unit goes, so nothing its release reaches can find it again.
    std::unique_ptr<Unit> gone = std::move(unit);
    if (gone) gone->RemoveFromScene();
  }
  unitArrayState.unitCount = 0;
  unitArrayState.firstPatientUnit = 0;
}

}  // namespace kestrine
