// The battlefield's units: slot 0 the medic, soldiers and vehicles after him, casualties from
// firstPatientUnit to unitCount - 1, and the evacuation helicopter, when it comes, after them.
#pragma once

#include <cstdint>
#include <memory>

#include "battlefield/unit.h"

namespace kestrine {

constexpr int kUnitSlotCount = 25;

struct UnitArrayState {
  std::unique_ptr<Unit> units[kUnitSlotCount];
  int32_t unitCount = 0;
  int32_t firstPatientUnit = 0;
};
// Written only in unit_array.cpp, through the operations below; everyone else reads this view.
const UnitArrayState& Units();

// Slot `slot` emptied (its unit deleted), or given `unit` (whatever it held goes after the new one is in).
void EmptyUnitSlot(int32_t slot);
void PutUnit(int32_t slot, std::unique_ptr<Unit> unit);
// The units in use are slots 0 .. count - 1: one more once a unit is made in slot unitCount, or as many as
// given (the mission build starts after the medic's slot).
void CountNewUnit();
void SetUnitCount(int32_t count);
// `unit` in slot unitCount, counted: the unit's reference.
Unit& AddUnit(std::unique_ptr<Unit> unit);
// The first casualty's slot (the casualties follow every other unit of the mission).
void SetFirstPatientUnit(int32_t slot);

// True while a unit may be made in slot unitCount. The last slot is kept for the evacuation helicopter,
// which is made after every soldier, vehicle and casualty of the mission.
bool HasFreeUnitSlot(bool forHelicopter);

// The action state of unit i (10 once its action was reset); 10 also for an index outside
// 0 .. unitCount - 1 or an empty slot.
int32_t UnitStateAt(int32_t i);

// Every unit taken off the stage and deleted, every slot empty (mission unload).
void DeleteAllUnits();

}  // namespace kestrine
