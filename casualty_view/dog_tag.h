// The dog tag an own soldier wears at his neck: the picture, and how far its grow-hold-shrink showing has
// got when the medic feels his neck.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

enum DogTagState : int32_t {
  DOG_TAG_OFF = 0,
  DOG_TAG_GROWING = 1,
  DOG_TAG_HOLDING = 2,
  DOG_TAG_SHRINKING = 3,
};

struct DogTag {
  int32_t state = DOG_TAG_OFF;
  int32_t hold = 0;
  float scale = 0.0f;
  engine::EngineRef<engine::EngineBitmap> image;
  int32_t width = 0;
  int32_t height = 0;
};

// The soldiers' tags: 35 pictures, each named in the list twice, in the folder below.
constexpr int kDogTagNameCount = 70;
constexpr int kDogTagPictureCount = 35;
constexpr const char* kDogTagFolder = "patient\\dogtaggs\\";
extern const char* const kDogTagNames[kDogTagNameCount];

// Frames the tag stays at full size.
constexpr int32_t kDogTagHoldFrames = 100;

// A patient's tag: one of the list drawn at random, loaded, its size read.
void LoadDogTag(DogTag& tag, const engine::EngineRef<engine::EngineRoot>& root);
// Shows it again from nearly nothing.
void StartDogTag(DogTag& tag);
// Each frame while it shows: drawn on the menu canvas at (x, y) (below 1: fractions of 640 x 480, else
// pixels) at its size times its scale; then it grows, holds, shrinks and goes.
void UpdateDogTag(DogTag& tag, float x, float y);

}  // namespace kestrine
