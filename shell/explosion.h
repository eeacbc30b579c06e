// The grenade explosion: a flip-book of frame images played on one camera-facing square, fading out over
// its last frames. One explosion plays at a time; a new one restarts it at the new place.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/engine.h"
#include "shell/sprite_object.h"

namespace kestrine {

constexpr int kMaxExplosionFrames = 18;

// Written only by explosion.cpp, through the functions below; everyone else reads the const view.
struct ExplosionState {
  std::unique_ptr<SpriteObject> explosionSprite;
  engine::EngineRef<engine::EngineBitmap> explosionFrames[kMaxExplosionFrames];
  int32_t explosionFrameIndex = 0;
  float explosionFadeStart = 0.0f;
  float explosionFrameReciprocal = 0.0f;
};

const ExplosionState& Explosion();

// Reads "sprites\explo1\index.qtxt" (one frame file name a line, at most 18 taken), loads the frames and
// makes a new hidden sprite for them.
void LoadExplosion();
// At each mission load: the frames, and the fade timing for their count.
void InitExplosion();
void StartExplosion(float x, float y, float z);
// One overhead frame of the explosion; nothing while it is not showing.
void AdvanceExplosionFrame();
void HideExplosion();
// At shut-down: the frame images, and the sprite they play on.
void ReleaseExplosion();

}  // namespace kestrine
