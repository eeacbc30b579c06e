// One frame of the logical screen (the 3D view, then the sprite layers). A window of exactly the logical size
// is drawn into straight; any other is shown the frame from an offscreen picture of the logical size, scaled
// with the aspect kept. The offscreen picture stays until the next frame drawn there, and a capture reads it.
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

  // Draws the stage (or a black screen with none) into the offscreen picture, or into the window's back
  // buffer when it is of the logical size and can hold what the offscreen picture holds.
  enum class Target { kOffscreen, kWindow };
  void RenderFrame(EngineStage* stage, Target target);
  // True when the window's buffers have the offscreen picture's colour depth and a depth buffer, so a frame
  // drawn there is the same, pixel for pixel.
  bool WindowTakesFrames() const { return windowTakesFrames_; }
  // True when an image drawn in the last frame shows something else now.
  bool DrawnImagesChanged() { return textures_.DrawnImagesChanged(); }
  // Shows the logical picture in the window's drawable, letterboxed, black around it.
  void ShowInWindow(int drawableWidth, int drawableHeight);
  // The last frame drawn offscreen, RGB top row first.
  void ReadFrame(std::vector<uint8_t>& rgb);
  // Waits until the GPU finished everything asked of it (benchmarks time whole frames).
  void Finish() const { glFinish(); }

  uint64_t TextureUploads() const { return textures_.Uploads(); }
  uint64_t MeshBuilds() const { return meshes_.Builds(); }
  size_t CachedTextures() const { return textures_.Size(); }
  size_t LastSpritesDrawn() const { return sprites_.LastDrawn(); }
  size_t LastDrawItems() const { return stage_.LastDrawItems(); }

 private:
  // Makes the offscreen picture if there is none (black); false when the driver cannot.
  bool MakeTarget();
  void ReleaseTarget();

  int width_ = 0, height_ = 0;
  bool windowTakesFrames_ = false;
  GLuint framebuffer_ = 0, colour_ = 0, depth_ = 0;
  GLuint nearest_ = 0, linear_ = 0;
  TextureCache textures_;
  MeshCache meshes_;
  StageRenderer stage_;
  SpriteRenderer sprites_;
};

}  // namespace engine
