#include "battlefield/vehicle.h"

#include "shell/sound_table.h"

namespace kestrine {

namespace {

struct VehicleModel {
  const wchar_t* path;
  float scale;
};

// By vehicle kind; anything else is the transport truck.
constexpr VehicleModel kVehicleModels[] = {
    {L"terrain\\Vehicles\\transtruck.qsad", 0.08f},
    {L"terrain\\Vehicles\\truck.qsad", 1.7f},
    {L"terrain\\Vehicles\\hummer.qsad", 0.15f},
    {L"terrain\\Vehicles\\nmeapc.qsad", 1.75f},
    {L"terrain\\Vehicles\\BlackHawk\\blackhawk.qsad", 1.7f},
};

constexpr float kVehicleMarkerScale = 2.0f;
constexpr int kUnitCollisionGroup = 2;

}  // namespace

Vehicle::Vehicle(const RootRef& root, const StageRef& stage, int32_t unitKind) : Unit(root, stage, unitKind) {
  vehicleKind = TRUCK;
}

void Vehicle::LoadModels(const RootRef& root) {
  ReleaseModels();
  const bool known = vehicleKind >= TRUCK && vehicleKind <= HELICOPTER;
  const VehicleModel& model = kVehicleModels[known ? vehicleKind : 0];
  body = root->LoadModel(model.path, 2);
  while (!body->IsLoaded()) root->Wait(100);
  body->SetScale(model.scale, model.scale, model.scale);
  bodyLoadScale_ = model.scale;
  if (marker) marker->SetScale(kVehicleMarkerScale, kVehicleMarkerScale, kVehicleMarkerScale);
  markerLoadScale_ = kVehicleMarkerScale;
  // Flat under the vehicle, like a soldier's.
  TurnMarker(180.0f);
  body->SetBoundingBox(-2, 2, -0.1f, 3, -4, 4, 0);
  body->SetCollisionMask(kUnitCollisionGroup, 0);
}

void Vehicle::SetAction(int32_t newAction) {
  if (newAction == action) return;
  if (down) {
    // A wrecked vehicle falls silent.
    for (int slot : {SOUND_TRUCK_IDLE, SOUND_TRUCK_LOOP})
      if (Sounds().soundTable.IsLoaded(slot) && Sounds().soundTable[slot]->IsPlaying())
        Sounds().soundTable[slot]->Stop();
    return;
  }
  action = newAction;
  previousAnimation = -1;
}

}  // namespace kestrine
