#include "battlefield/medic_weapon.h"

#include "battlefield/battle_state.h"
#include "battlefield/unit_array.h"

namespace kestrine {

namespace {

constexpr int32_t kSupportCallMs = 20000;

}  // namespace

void ArmMedic(int32_t weapon) {
  if (weapon < WEAPON_PISTOL || weapon > WEAPON_GRENADE) return;
  Unit* medic = Units().units[0].get();
  if (medic == nullptr) return;
  medic->weapon = weapon;
  if (weapon == WEAPON_GRENADE) return;
  if (medic->pistol) medic->pistol->SetVisible(weapon == WEAPON_PISTOL ? 1 : 0);
  if (medic->rifle) medic->rifle->SetVisible(weapon == WEAPON_RIFLE ? 1 : 0);
}

void SendSupportToMedic() { StartSupportCall(kSupportCallMs); }

}  // namespace kestrine
