// The blood on and around a patient: the pools that spread on the ground under his wounds (a list, the
// newest first) and the splat that grows in a skin texture where he is bleeding.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/engine.h"

namespace kestrine {

struct BloodPool {
  int32_t id = -1;
  int32_t visible = 0;  // 1: this pool grows
  engine::EngineRef<engine::EngineActor> actor;
  engine::EngineRef<engine::EngineBitmap> image;
  engine::EngineRef<engine::EngineMesh> mesh;
  float rate = 0.0f;
  float size = 0.0f;
  float x = 0.0f;
  float z = 0.0f;
  std::unique_ptr<BloodPool> next;
};

struct BloodSplat {
  engine::EngineRef<engine::EngineBitmap> image;
  int32_t textureSlot = -1;  // the working skin texture it is drawn into
  float rate = 0.0f;
  float size = 0.0f;
  int32_t x = 0;  // its centre in the texture
  int32_t y = 0;
};

}  // namespace kestrine
