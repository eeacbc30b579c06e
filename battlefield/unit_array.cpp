#include "battlefield/unit_array.h"

#include "shell/program_state.h"

namespace kestrine {

UnitArrayState unitArrayState;
KESTRINE_PROGRAM_STATE(unitArrayState);
std::unique_ptr<Unit> (&units)[kUnitSlotCount] = unitArrayState.units;
int32_t& unitCount = unitArrayState.unitCount;
int32_t& firstPatientUnit = unitArrayState.firstPatientUnit;

bool HasFreeUnitSlot(bool forHelicopter) {
  const int32_t limit = forHelicopter ? kUnitSlotCount : kUnitSlotCount - 1;
  return unitCount >= 0 && unitCount < limit;
}

int32_t UnitStateAt(int32_t i) {
  if (i < 0 || i >= unitCount || i >= kUnitSlotCount || !units[i]) return kActionStateReset;
  return units[i]->actionState;
}

void DeleteAllUnits() {
  for (std::unique_ptr<Unit>& unit : units) {
    // The slot is emptied before the unit goes, so nothing its release reaches can find it again.
    std::unique_ptr<Unit> gone = std::move(unit);
    if (gone) gone->RemoveFromScene();
  }
  unitCount = 0;
  firstPatientUnit = 0;
}

}  // namespace kestrine
