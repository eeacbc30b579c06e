// The battlefield's generators: the overhead soldiers with their weapons and the grenade, and the vehicles.
#pragma once

#include "tools/assetgen/generators.h"

namespace assetgen {

void WriteOverheadSoldiers(DataTree& tree);
void WriteVehicles(DataTree& tree);

// The animation names of the overhead soldiers, in file order: the units play them by index (1 standing
// with the rifle, 4 dragging, 5 throwing, 6 kneeling, 7 standing with the pistol, 9 and 10 hurt, 11
// walking, 13 lying).
extern const char* const kOverheadAnimationNames[14];

}  // namespace assetgen
