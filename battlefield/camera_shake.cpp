#include "battlefield/camera_shake.h"

#include "shell/engine_setup.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

CameraShakeState cameraShakeState;
KESTRINE_PROGRAM_STATE(cameraShakeState);

}  // namespace

const CameraShakeState& Shake() { return cameraShakeState; }

namespace {

void StartShake() {
  CameraShakeState& s = cameraShakeState;
  // A second blast while the camera still shakes keeps the view from before the first: saving the
  // shaken one would leave the camera askew for good.
  if (!(s.shakeTimer > 0 && s.viewSaved)) {
    s.savedDirection = Engine().engineCamera->GetDirection();
    s.savedUp = Engine().engineCamera->GetUp();
    s.viewSaved = true;
  }
  s.shakeMagnitude *= kShakeMagnitudeScale;
  s.shakeTimer = kShakeMs;
}

void AdvanceShake(int32_t dt) {
  CameraShakeState& s = cameraShakeState;
  s.shakeTimer -= dt;
  if (s.shakeTimer > 0) {
    const float r = static_cast<float>(rand() % 50) / s.shakeMagnitude;
    Engine().engineCamera->Rotate(r, 0, r, s.turnForward ? r : -r, 1);
    s.turnForward = !s.turnForward;
    return;
  }
  if (!s.viewSaved) return;
  const engine::EngineVector& d = *s.savedDirection;
  const engine::EngineVector& u = *s.savedUp;
  Engine().engineCamera->SetDirectionUp(d.GetX(), d.GetY(), d.GetZ(), u.GetX(), u.GetY(), u.GetZ());
  s.shakeTimer = 0;
}

}  // namespace

void CameraShake(int32_t dt, bool advance) {
  if (advance) {
    AdvanceShake(dt);
  } else {
    StartShake();
  }
}

void ReleaseShakeView() {
  cameraShakeState.savedDirection.Reset();
  cameraShakeState.savedUp.Reset();
  cameraShakeState.viewSaved = false;
}

void StartCameraShake(float magnitude) {
  cameraShakeState.shakeMagnitude = magnitude;
  CameraShake(0, false);
}

}  // namespace kestrine
