// A camera-facing textured square in the 3D scene, shown and hidden by putting its object on the stage.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

class SpriteObject {
 public:
  SpriteObject(const engine::EngineRef<engine::EngineRoot>& root, const engine::EngineRef<engine::EngineStage>& stage);
  SpriteObject(const SpriteObject&) = delete;
  SpriteObject& operator=(const SpriteObject&) = delete;
  virtual ~SpriteObject();

  // Puts the image on the square's front face and makes the object visible.
  void SetFrame(const engine::EngineRef<engine::EngineBitmap>& image);
  void SetPosition(float x, float y, float z);
  void Show();
  void Hide();

  uint8_t visible = 0;  // 1 while the object is on the stage
  engine::EngineRef<engine::EngineMesh> mesh;
  engine::EngineRef<engine::EngineObject> object;
  int32_t frames = 0;  // frame images of the flip-book played on it

 private:
  engine::EngineRef<engine::EngineStage> stage_;
};

}  // namespace kestrine
