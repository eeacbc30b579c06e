// Something fixed to a wounded patient that makes the wound visible beyond its textures: a knife in the
// chest, a vehicle on the leg, a turban. Each kind loads its own model and moves in its own way.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class Patient;

class InjuryProp {
 public:
  virtual ~InjuryProp() = default;
  // Loads the model and fixes it to the patient.
  virtual void Load(Patient& patient) = 0;
  // Once a frame.
  virtual void Update() = 0;
  // What the medic's hand sets going (pulling the knife out, ...).
  virtual void Start() = 0;

  // Takes the model and the shadow off the stage and lets go of every engine object the prop holds.
  void Release(const engine::EngineRef<engine::EngineStage>& stage);

  engine::EngineRef<engine::EngineModel> model;
  int32_t counter = 0;
  int32_t limit = 0;
  int32_t active = 0;
  uint8_t onBone = 0;  // 1: the model hangs from one of the patient's bones
  engine::EngineRef<engine::EngineBitmap> images[2];
  engine::EngineRef<engine::EngineActor> shadow;  // the vehicle's shadow on the ground
  engine::EngineRef<engine::EngineMesh> shadowPlane;
};

}  // namespace kestrine
