// One frame of the logical screen: drawn into an offscreen picture of exactly the logical size (the 3D
// view, then the sprite layers), then shown scaled into the window with the aspect kept. The picture
// stays until the next frame, so a capture sees exactly what was last presented.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "backend/sdl/letterbox.h"
#include "backend/sdl/mesh_cache.h"
#include "backend/sdl/sprite_renderer.h"
#include "backend/sdl/stage_renderer.h"
#include "backend/sdl/texture_cache.h"

namespace engine {

class EngineStage;

class GlRenderer {
 public:
  GlRenderer() = default;
  ~GlRenderer();  // the GL context must be current
  GlRenderer(const GlRenderer&) = delete;
  GlRenderer& operator=(const GlRenderer&) = delete;

  // Builds the shaders and the logical picture; false with the reason in error.
  bool Init(int logicalWidth, int logicalHeight, std::string& error);
  void SetLogicalSize(int width, int height);
  int LogicalWidth() const { return width_; }
  int LogicalHeight() const { return height_; }

  // Draws the stage (or a black screen with none) into the logical picture.
  void RenderFrame(EngineStage* stage);
  // True when an image drawn in the last frame shows something else now.
  bool DrawnImagesChanged() { return textures_.DrawnImagesChanged(); }
  // Shows the logical picture in the window's drawable, letterboxed, black around it.
  void ShowInWindow(int drawableWidth, int drawableHeight);
  // The last frame, RGB top row first.
  void ReadFrame(std::vector<uint8_t>& rgb) const;
  // Waits until the GPU finished everything asked of it (benchmarks time whole frames).
  void Finish() const { glFinish(); }

  uint64_t TextureUploads() const { return textures_.Uploads(); }
  uint64_t MeshBuilds() const { return meshes_.Builds(); }
  size_t LastSpritesDrawn() const { return sprites_.LastDrawn(); }
  size_t LastDrawItems() const { return stage_.LastDrawItems(); }

 private:
  void ReleaseTarget();

  int width_ = 0, height_ = 0;
  GLuint framebuffer_ = 0, colour_ = 0, depth_ = 0;
  GLuint nearest_ = 0, linear_ = 0;
  TextureCache textures_;
  MeshCache meshes_;
  StageRenderer stage_;
  SpriteRenderer sprites_;
};

}  // namespace engine
