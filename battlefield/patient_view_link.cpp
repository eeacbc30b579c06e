// The patient view's requests carried out on the battle's units.
#include "battlefield/patient_view_link.h"

#include <cstdint>

#include "battlefield/medic_weapon.h"
#include "battlefield/unit_array.h"
#include "casualty/battle_link.h"

namespace kestrine {

namespace {

void SetCasualtyState(int32_t slot, int32_t state) {
  const int32_t i = firstPatientUnit + slot;
  if (slot < 0 || i < firstPatientUnit || i >= unitCount || !units[i]) return;
  units[i]->state = state;
}

}  // namespace

void RegisterPatientViewLink() {
  RegisterPatientViewBattleLink(PatientViewBattleLink{
      .setMedicWeapon = ArmMedic, .setCasualtyUnitState = SetCasualtyState, .callForSupport = SendSupportToMedic});
}

}  // namespace kestrine
