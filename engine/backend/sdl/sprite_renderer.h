// The camera's sprite layers over the 3D view: each sprite's image at the top-left of the logical
// screen, pixel for pixel, in layer order (0 at the back, 255 at the front); key-coloured pixels let
// what is behind show through. A sprite made on another sprite is drawn with it: hidden with it, and
// placed by its layer just before or after it.
#pragma once

#include <epoxy/gl.h>

#include <string>
#include <vector>

#include "backend/sdl/gl_program.h"
#include "engine/engine_scene.h"

namespace engine {

class TextureCache;

class SpriteRenderer {
 public:
  SpriteRenderer() = default;
  ~SpriteRenderer();
  SpriteRenderer(const SpriteRenderer&) = delete;
  SpriteRenderer& operator=(const SpriteRenderer&) = delete;

  bool Init(std::string& error);
  void Draw(const EngineCamera& camera, int logicalWidth, int logicalHeight, TextureCache& textures, GLuint sampler);

  size_t LastDrawn() const { return lastDrawn_; }

 private:
  void DrawSprite(const EngineSprite& sprite, TextureCache& textures, int depth);

  GlProgram program_;
  GLuint vao_ = 0;
  GLint uRects_ = -1, uImageSize_ = -1, uScreen_ = -1, uSampler_ = -1;
  size_t lastDrawn_ = 0;
};

// The order a sprite and its children are drawn in: children of a lower layer first, then the sprite,
// then the others; equal layers keep their creation order, the parent before its children.
std::vector<const EngineSprite*> SpriteDrawOrder(const EngineSprite& sprite);

}  // namespace engine
