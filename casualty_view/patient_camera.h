// The patient view's camera: turned round the patient, raised, lowered and zoomed by the arrow keys, and
// its target glided to a point the right button picks on the body.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

// The arrow keys held (with the zoom modifier, Ctrl).
struct CameraKeys {
  bool orbitLeft = false;
  bool orbitRight = false;
  bool up = false;
  bool down = false;
  bool zoom = false;
};

struct CameraGlide {
  int32_t stepsLeft = 0;
  engine::Vec3 step;
  engine::Vec3 goal;
};
// The glide under way, to look at; ResetCameraGlide stops it and forgets its goal.
const CameraGlide& Glide();
void ResetCameraGlide();

// The camera keeps above this height.
constexpr float kCameraLowest = 0.5f;
// The target glides this far per frame.
constexpr float kGlideStep = 0.4f;

// How level the camera looks at the target: 1 level, 0 straight down (the horizontal part of the unit
// vector from the camera to the target).
float CameraElevation(const engine::Vec3& camera, const engine::Vec3& target);
// One frame of the keys held, dt milliseconds long, moving `camera` round `target`.
void MoveCameraByKeys(const engine::EngineRef<engine::EngineCamera>& camera,
                      const engine::EngineRef<engine::EngineNode>& target, const CameraKeys& keys, int32_t dt);
// The target starts gliding to (x, y, z) in equal steps, one a frame; a point closer than one step is
// taken at once.
void StartCameraGlide(const engine::EngineRef<engine::EngineNode>& target, float x, float y, float z);
// One step of a glide that runs; true while it ran this frame.
bool StepCameraGlide(const engine::EngineRef<engine::EngineNode>& target);
// The right button: the target glides to the point of the body under (x, y) of the 640 x 480 view.
void FocusCameraOnPick(const engine::EngineRef<engine::EngineCamera>& camera,
                       const engine::EngineRef<engine::EngineNode>& target, int32_t x, int32_t y);

}  // namespace kestrine
