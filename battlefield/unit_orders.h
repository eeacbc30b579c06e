// What the computer's units do on their turn: the orders each unit carries (the ORDERS_* of the strategy
// table) send it to fight, hold its ground, walk the mission's waypoints, follow a leader, or drag a
// casualty away. One unit takes its turn per frame.
#pragma once

#include <cstdint>

#include "battlefield/unit.h"
#include "shell/vector3.h"

namespace kestrine {

struct UnitOrdersState {
  // Vehicles with nothing to do drive to the far ends of the battlefield in turn, the near end first.
  bool vehicleToFarEnd = false;
};

// The unit plans its way to `point` and sets off toward the first cell of it.
void SendUnitTo(Unit& unit, const Vector3& point);

// `around` moved by up to k either way in x and z: x + rand() % (2k) - k, then z the same way (x drawn
// first); y stays.
Vector3 RandomOffset(const Vector3& around, int32_t k);

// Unit u's orders for this turn. Nothing for an empty slot or an index outside the units.
void RunOrders(int32_t u);

// True when slot i holds a unit of this mission.
bool IsUnitSlot(int32_t i);

}  // namespace kestrine
