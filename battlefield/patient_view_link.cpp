// The patient view's requests carried out on the battle's units.
#include "battlefield/patient_view_link.h"

#include <cstdint>

#include "battlefield/medic_weapon.h"
#include "battlefield/unit_array.h"
#include "casualty/battle_link.h"

namespace kestrine {

namespace {

void SetCasualtyState(int32_t slot, int32_t state) {
  const int32_t i = Units().firstPatientUnit + slot;
  if (slot < 0 || i < Units().firstPatientUnit || i >= Units().unitCount || !Units().units[i]) return;
  Units().units[i]->state = state;
}

}  // namespace

void RegisterPatientViewLink() {
  RegisterPatientViewBattleLink(PatientViewBattleLink{
      .setMedicWeapon = ArmMedic, .setCasualtyUnitState = SetCasualtyState, .callForSupport = SendSupportToMedic});
}

}  // namespace kestrine
