#include "battlefield/nearest_casualty.h"

#include "battlefield/battle_state.h"
#include "battlefield/unit_array.h"

namespace kestrine {

Unit* NearestCasualty() {
  const int32_t i = Battle().nearestPatientUnit;
  if (i < Units().firstPatientUnit || i < 1 || i >= Units().unitCount || i >= kUnitSlotCount || !Units().units[i])
    return nullptr;
  // A soldier returned to action (state 0) or the helicopter after the casualties is no casualty.
  if (Units().units[i]->state == 0) return nullptr;
  return Units().units[i].get();
}

int32_t NearestCasualtySlot() {
  return NearestCasualty() ? Battle().nearestPatientUnit - Units().firstPatientUnit : -1;
}

}  // namespace kestrine
