// Every unit's shot streak: a small coloured box flying straight from the muzzle to the aimed point, where
// it stops, or at the first thing in its way. The flight is advanced by the battle each frame.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

constexpr float kTracerSpeed = 100.0f;  // units per time unit (700 ms)

class Tracer {
 public:
  Tracer() = default;
  // Takes the streak off the stage and lets it go.
  ~Tracer();
  Tracer(const Tracer&) = delete;
  Tracer& operator=(const Tracer&) = delete;

  // What the destructor does, leaving the object to be used again; a streak without its box is not in
  // flight any more.
  void Remove();
  // Once per streak: the box coloured by the shooter's side (0 ally, 1 enemy, 2 the player).
  void BuildFacedBox(int side);
  void LaunchTracer(Vector3 from, Vector3 to, int index);
  // One frame of flight, t in time units (frame ms / 700). The frame after the streak stopped (its end
  // reached, or a hit) it is taken off the stage where it stands. Nothing while idle.
  void UpdateLaunchedObjects(float t);

  Vector3 position;
  Vector3 origin;
  Vector3 target;
  Vector3 velocity;
  engine::EngineRef<engine::EngineMesh> box;
  engine::EngineRef<engine::EngineObject> object;
  bool built = false;
  bool idle = true;
  int32_t index = -1;
  float remaining = 0.0f;  // time units of flight left
};

}  // namespace kestrine
