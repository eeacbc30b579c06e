// What both views do for the medic when a weapon button or Call for Support is pressed: the overhead view
// adds its panel and radio sounds round them.
#pragma once

#include <cstdint>

namespace kestrine {

// The pistol shows the pistol and hides the rifle, the rifle the reverse; grenades leave the models alone.
// A weapon outside the three, or no medic, changes nothing.
void ArmMedic(int32_t weapon);

// Support comes to the medic's side for twenty seconds.
void SendSupportToMedic();

}  // namespace kestrine
