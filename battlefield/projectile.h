// Every unit's grenade: its model, its launch, and its flight (the arc, the bounces, the fuse and the
// explosion), advanced by the battle each frame while it is in the air.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

constexpr float kGrenadeLift = 4.0f;
constexpr float kGrenadeUpwardSpeed = 32.0f;
// The arc spans this many time units, whatever the distance.
constexpr float kGrenadeFlightTime = 2.0f;
constexpr float kGrenadeGravity = 32.0f;  // per time unit squared
// A long frame is flown as this much and no more, so a slow machine cannot make a grenade skip through
// the ground; its flight then runs slower in game time.
constexpr float kGrenadeMaxStep = 0.1f;
// Time units from the throw to the explosion: the arc lands a tenth before it.
constexpr double kGrenadeFuse = 2.1;
// What a bounce keeps of the speed.
constexpr float kGrenadeBounce = 0.9f;

class Projectile {
 public:
  Projectile() = default;
  // Takes the model off the stage and lets it go.
  ~Projectile();
  Projectile(const Projectile&) = delete;
  Projectile& operator=(const Projectile&) = delete;

  // What the destructor does, leaving the object to be used again. A grenade without its model is not in
  // flight any more.
  void Remove();
  // Once per grenade: "chars\Weap\grenade.qsad", half size, in the grenades' collision group.
  void LoadGrenadeModel();
  // Throws from `from` (lifted 4.0) at `to`, with a random spin.
  void LaunchProjectile(Vector3 from, Vector3 to, int index);
  // One frame of flight, t in time units (frame ms / 700). When the fuse runs out the grenade explodes:
  // the explosion, the crater on the terrain, then the blast, which may end the mission (and delete the
  // unit that owns this grenade), so nothing of it is touched after that. Nothing while idle.
  void UpdateProjectiles(float t);

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
