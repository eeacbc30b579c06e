// What the patient view's buttons ask of the battle around it: the medic's weapon, the casualty's unit
// readied or sent back into the fight, and the support call. The battlefield sits above casualty care and
// registers these once at start-up; until it does they do nothing.
#pragma once

#include <cstdint>

namespace kestrine {

struct PatientViewBattleLink {
  // The medic's weapon: 0 pistol, 1 rifle, 2 grenades.
  void (*setMedicWeapon)(int32_t weapon) = nullptr;
  // The unit of casualty slot `slot` takes `state` (kCasualtyReadied or kCasualtyInAction).
  void (*setCasualtyUnitState)(int32_t slot, int32_t state) = nullptr;
  // Support comes for its 20 seconds.
  void (*callForSupport)() = nullptr;
};

void RegisterPatientViewBattleLink(const PatientViewBattleLink& link);

void SetMedicWeapon(int32_t weapon);
void SetCasualtyUnitState(int32_t slot, int32_t state);
void StartSupportCall();

}  // namespace kestrine
