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

}  // namespace kestrine
