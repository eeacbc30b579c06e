// The camera's shake after a blast near the medic: for 700 ms the overhead camera trembles about its
// view, harder the nearer the blast, then looks exactly as it did before.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

constexpr int32_t kShakeMs = 700;
constexpr float kShakeMagnitudeScale = 50.0f;

struct CameraShakeState {
  int32_t shakeTimer = 0;       // ms of shaking left
  float shakeMagnitude = 0.0f;  // divides each frame's turn (degrees): the larger, the gentler
  // The camera's view before the shake, given back when it ends.
  engine::EngineRef<engine::EngineVector> savedDirection;
  engine::EngineRef<engine::EngineVector> savedUp;
  bool viewSaved = false;
  // The trembling turns one way and back on alternate frames, from the program's first shake on.
  bool turnForward = true;
};
// Written only in camera_shake.cpp, through the operations below; everyone else reads this view.
const CameraShakeState& Shake();

// A blast `magnitude` away (its distance / 2) starts a shake: CameraShake(0, false) with that magnitude.
void StartCameraShake(float magnitude);

// advance false starts a shake with the magnitude set (see StartCameraShake); true
// advances a running one by dt ms (the battle calls it each frame while shakeTimer is above 0).
void CameraShake(int32_t dt, bool advance);

// The saved view let go (when the mission is unloaded).
void ReleaseShakeView();

}  // namespace kestrine
