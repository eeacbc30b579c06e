// The arterial spurt: ten blood drops, shared by every patient and belonging to the one being shown, thrown
// from his wound in an arc; after his death the spurt weakens and stops.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

constexpr int kSpurtDropCount = 10;

struct SpurtDrop {
  engine::EngineRef<engine::EngineMesh> mesh;
  engine::EngineRef<engine::EngineActor> actor;
  Vector3 velocity;
  Vector3 position;
  int32_t age = 0;  // frames since it left the wound
};

struct SpurtState {
  SpurtDrop drops[kSpurtDropCount];
  Vector3 gravity{0.0f, -0.1f, 0.0f};
};

// Written only here (the spurt's own frame and the operations below).
const SpurtState& Spurt();

// Puts a drop somewhere else mid-flight: one moved out of the scene restarts the spurt on its next frame.
void MoveSpurtDrop(int32_t drop, const Vector3& position);

// Makes the drops (on the stage, hidden, dark red) when they do not exist yet, and sets gravity.
void MakeSpurtDrops(engine::EngineRoot& root, engine::EngineStage& stage);
// Takes the drops off the stage and lets go of them; the next wound set-up makes new ones.
void ReleaseSpurtDrops(engine::EngineStage* stage);

}  // namespace kestrine
