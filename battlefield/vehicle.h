// A vehicle: a unit with a vehicle's model and no animations of its own. Trucks, the enemy's armoured
// carrier, hummers and the evacuation helicopter.
#pragma once

#include "battlefield/unit.h"

namespace kestrine {

class Vehicle : public Unit {
 public:
  Vehicle(const RootRef& root, const StageRef& stage, int32_t kind);

  void LoadModels(const RootRef& root) override;
  void SetAction(int32_t newAction) override;
  bool IsVehicle() const override { return queryAnswer; }

  bool queryAnswer = true;
};

}  // namespace kestrine
