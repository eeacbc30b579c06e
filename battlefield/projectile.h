// Every unit's grenade: its model, its flight state and its launch. The flight itself (the arc, the
// bounces, the fuse and the blast) is advanced by the battle each frame.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

constexpr float kGrenadeLift = 4.0f;
constexpr float kGrenadeUpwardSpeed = 32.0f;
// The arc spans this many time units, whatever the distance.
constexpr float kGrenadeFlightTime = 2.0f;

class Projectile {
 public:
  Projectile() = default;
  // Takes the model off the stage and lets it go.
  ~Projectile();
  Projectile(const Projectile&) = delete;
  Projectile& operator=(const Projectile&) = delete;

  // What the destructor does, leaving the object to be used again.
  void Remove();
  // Once per grenade: "chars\Weap\grenade.qsad", half size, in the grenades' collision group.
  void LoadGrenadeModel();
  // Throws from `from` (lifted 4.0) at `to`, with a random spin.
  void LaunchProjectile(Vector3 from, Vector3 to, int index);

  Vector3 position;
  Vector3 origin;  // the launch point as given, before the lift
  Vector3 target;
  Vector3 velocity;  // units per time unit (700 ms)
  engine::EngineRef<engine::EngineModel> model;
  bool loaded = false;
  bool idle = true;  // not in flight
  int32_t index = -1;
  float age = 0.0f;  // time units since the launch
};

}  // namespace kestrine
