// The patient view's camera moves, in the camera's own axes, scaled by the time of the frame.
#include "casualty_view/patient_camera.h"

#include <cmath>

#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

CameraGlide cameraGlide;
KESTRINE_PROGRAM_STATE(cameraGlide);

// Turning and raising move by this share of the distance per 100 ms; zooming by a fixed distance.
constexpr float kOrbitRate = 0.08f;
constexpr float kZoomRate = 0.8f;
constexpr float kHighestLook = 0.1f;  // raising stops when the camera looks this steeply down
constexpr float kLowestLook = 0.99f;  // lowering stops when it looks this level
constexpr float kZoomSteepest = 0.5f;
constexpr float kNearest = 6.0f;
constexpr float kFarthest = 30.0f;

}  // namespace

const CameraGlide& Glide() { return cameraGlide; }

void ResetCameraGlide() { cameraGlide = CameraGlide{}; }

float CameraElevation(const engine::Vec3& camera, const engine::Vec3& target) {
  const engine::Vec3 look = (target - camera).Normalized();
  return std::sqrt(look.x * look.x + look.z * look.z);
}

void MoveCameraByKeys(const engine::EngineRef<engine::EngineCamera>& camera,
                      const engine::EngineRef<engine::EngineNode>& target, const CameraKeys& keys, int32_t dt) {
  if (!camera || !target) return;
  const engine::Vec3 aim = target->GetPosition()->Value();
  const engine::Vec3 at = camera->GetPosition()->Value();
  const float d = (at - aim).Length();
  const float elevation = CameraElevation(at, aim);
  const float turn = kOrbitRate * d * static_cast<float>(dt) / 100.0f;
  const float zoom = kZoomRate * static_cast<float>(dt) / 100.0f;
  bool moved = false;
  if (keys.orbitLeft) {
    camera->MoveBy(-turn, 0, 0);
    moved = true;
  }
  if (keys.orbitRight) {
    camera->MoveBy(turn, 0, 0);
    moved = true;
  }
  if (keys.up && !keys.zoom && elevation > kHighestLook) {
    camera->MoveBy(0, turn, 0);
    moved = true;
  }
  if (keys.down && !keys.zoom && elevation < kLowestLook) {
    camera->MoveBy(0, -turn, 0);
    moved = true;
  }
  if (keys.up && keys.zoom && elevation >= kZoomSteepest && d > kNearest) {
    camera->MoveBy(0, 0, zoom);
    moved = true;
  }
  if (keys.down && keys.zoom && d < kFarthest) {
    camera->MoveBy(0, 0, -zoom);
    moved = true;
  }
  if (!moved) return;
  const engine::Vec3 now = camera->GetPosition()->Value();
  if (now.y < kCameraLowest) camera->MoveTo(now.x, kCameraLowest, now.z);
  camera->PointAt(target, 1);
}

void StartCameraGlide(const engine::EngineRef<engine::EngineNode>& target, float x, float y, float z) {
  if (!target) return;
  const engine::Vec3 goal{x, y, z};
  const engine::Vec3 from = target->GetPosition()->Value();
  const auto steps = static_cast<int32_t>((goal - from).Length() / kGlideStep);
  cameraGlide.goal = goal;
  if (steps <= 0) {
    // Closer than one step: there is nothing to divide, the target is simply there.
    cameraGlide.stepsLeft = 0;
    target->MoveTo(x, y, z);
    return;
  }
  cameraGlide.stepsLeft = steps;
  cameraGlide.step = (goal - from) * (1.0f / static_cast<float>(steps));
}

bool StepCameraGlide(const engine::EngineRef<engine::EngineNode>& target) {
  if (cameraGlide.stepsLeft <= 0 || !target) return false;
  if (--cameraGlide.stepsLeft == 0) {
    target->MoveTo(cameraGlide.goal.x, cameraGlide.goal.y, cameraGlide.goal.z);
  } else {
    const engine::Vec3 next = target->GetPosition()->Value() + cameraGlide.step;
    target->MoveTo(next.x, next.y, next.z);
  }
  if (Engine().engineCamera) Engine().engineCamera->PointAt(target, 1);
  return true;
}

void FocusCameraOnPick(const engine::EngineRef<engine::EngineCamera>& camera,
                       const engine::EngineRef<engine::EngineNode>& target, int32_t x, int32_t y) {
  if (!camera) return;
  const engine::EngineRef<engine::EngineHit> hit =
      camera->Pick((Engine().screenWidth - 640) / 2 + x, (Engine().screenHeight - 480) / 2 + y);
  if (!hit) return;
  const engine::Vec3 p = hit->Point();
  StartCameraGlide(target, p.x, p.y, p.z);
}

}  // namespace kestrine
