// The camera's sprite layers over the 3D view: each sprite's image at the top-left of the logical
// screen, pixel for pixel, in layer order (0 at the back, 255 at the front); key-coloured pixels let
// what is behind show through. A sprite made on another sprite is drawn with it: hidden with it, and
// placed by its layer just before or after it.
#pragma once

#include <epoxy/gl.h>

#include <string>
#include <vector>

#include "backend/sdl/gl_program.h"
#include "backend/sdl/texture_cache.h"
#include "engine/engine_scene.h"

namespace engine {

class SpriteRenderer {
 public:
  SpriteRenderer() = default;
  ~SpriteRenderer();
  SpriteRenderer(const SpriteRenderer&) = delete;
  SpriteRenderer& operator=(const SpriteRenderer&) = delete;

  bool Init(std::string& error);
  void Draw(const EngineCamera& camera, int logicalWidth, int logicalHeight, TextureCache& textures, GLuint sampler);
  // The rows of the logical screen that the layers will cover whole, from the top ([0, top)) and from the bottom
  // ([bottom, logicalHeight)): what is drawn under them before can never be seen.
  struct HiddenRows {
    int top = 0, bottom = 0;
  };
  HiddenRows Hidden(const EngineCamera& camera, int logicalWidth, int logicalHeight, TextureCache& textures) const;

  size_t LastDrawn() const { return lastDrawn_; }

 private:
  // Parts shown whole, and parts with key-coloured pixels among the shown ones.
  enum class Fill { kSolid, kKeyed };
  struct Program {
    GlProgram program;
    GLint uRects = -1, uImageSize = -1, uScreen = -1, uSampler = -1;
  };

  void DrawSprite(const EngineSprite& sprite, TextureCache& textures, int depth);
  static void AddHidden(const EngineSprite& sprite, int logicalWidth, int logicalHeight, TextureCache& textures,
                        int depth, HiddenRows& hidden);
  void DrawParts(const std::vector<ShownArea>& parts, Fill fill, const EngineBitmap& image);

  Program programs_[2];
  int current_ = -1;  // the program in use
  GLuint vao_ = 0;
  size_t lastDrawn_ = 0;
};

// The order a sprite and its children are drawn in: children of a lower layer first, then the sprite,
// then the others; equal layers keep their creation order, the parent before its children.
std::vector<const EngineSprite*> SpriteDrawOrder(const EngineSprite& sprite);

}  // namespace engine
