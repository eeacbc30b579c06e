// The patient view's requests carried out on the battle's units.
#include "battlefield/patient_view_link.h"

#include <cstdint>

#include "battlefield/battle_state.h"
#include "battlefield/unit_array.h"
#include "casualty/battle_link.h"

namespace kestrine {

namespace {

constexpr int32_t kSupportCallMs = 20000;

// The pistol shows the pistol and hides the rifle, the rifle the reverse; grenades leave the models alone.
void ChooseMedicWeapon(int32_t weapon) {
  if (weapon < WEAPON_PISTOL || weapon > WEAPON_GRENADE) return;
  Unit* medic = units[0].get();
  if (medic == nullptr) return;
  medic->weapon = weapon;
  if (weapon == WEAPON_GRENADE) return;
  if (medic->pistol) medic->pistol->SetVisible(weapon == WEAPON_PISTOL ? 1 : 0);
  if (medic->rifle) medic->rifle->SetVisible(weapon == WEAPON_RIFLE ? 1 : 0);
}

void SetCasualtyState(int32_t slot, int32_t state) {
  const int32_t i = firstPatientUnit + slot;
  if (slot < 0 || i < firstPatientUnit || i >= unitCount || !units[i]) return;
  units[i]->state = state;
}

void CallSupport() {
  supportActive = true;
  supportTimer = kSupportCallMs;
}

}  // namespace

void RegisterPatientViewLink() {
  RegisterPatientViewBattleLink(PatientViewBattleLink{
      .setMedicWeapon = ChooseMedicWeapon, .setCasualtyUnitState = SetCasualtyState, .callForSupport = CallSupport});
}

}  // namespace kestrine
