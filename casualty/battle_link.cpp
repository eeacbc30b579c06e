// The registered link to the battle; kept across program resets like the screen table.
#include "casualty/battle_link.h"

namespace kestrine {

namespace {

PatientViewBattleLink& RegisteredBattleLink() {
  static PatientViewBattleLink link;
  return link;
}

}  // namespace

void RegisterPatientViewBattleLink(const PatientViewBattleLink& link) { RegisteredBattleLink() = link; }

void SetMedicWeapon(int32_t weapon) {
  if (RegisteredBattleLink().setMedicWeapon) RegisteredBattleLink().setMedicWeapon(weapon);
}

void SetCasualtyUnitState(int32_t slot, int32_t state) {
  if (RegisteredBattleLink().setCasualtyUnitState) RegisteredBattleLink().setCasualtyUnitState(slot, state);
}

void StartSupportCall() {
  if (RegisteredBattleLink().callForSupport) RegisteredBattleLink().callForSupport();
}

}  // namespace kestrine
