// The casualty the medic's buttons act on: the nearest one the battle found in its last frame. The index is
// a frame old when a button is pressed (and from the last mission when a new one starts), so it is checked
// before anything is done with it.
#pragma once

#include <cstdint>

namespace kestrine {

class Unit;

// The nearest casualty's unit when nearestPatientUnit names a casualty of this mission (a unit in the
// casualties' slots that is still one), else nullptr.
Unit* NearestCasualty();

// His casualty slot (0..6): the unit index less the first casualty's; -1 when there is none.
int32_t NearestCasualtySlot();

}  // namespace kestrine
