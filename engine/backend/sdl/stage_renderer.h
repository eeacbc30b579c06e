// The 3D view: the stage's objects seen through its camera (viewport, clip range, the fixed field of
// view), generated shapes with their faces' colours, images and opacity, loaded models in their current
// pose, all lit by the stage's ambient and directional lights. Anything not fully opaque is drawn last,
// farthest first, over the solid things.
//
// Drawing is two steps: the stage is walked into a list of draw items, then the list is drawn.
#pragma once

#include <epoxy/gl.h>

#include <string>
#include <vector>

#include "backend/sdl/gl_program.h"
#include "backend/sdl/model_stream.h"
#include "backend/sdl/view_math.h"
#include "engine/engine_scene.h"

namespace engine {

class MeshCache;
class TextureCache;

// The lights of a frame, in the form the shader takes them.
struct SceneLighting {
  static constexpr int kMaxDirectional = 4;
  bool any = false;  // a stage with no light at all shows its colours as they are
  Vec3 ambient;      // 0..1 per channel
  int directionalCount = 0;
  Vec3 towardLight[kMaxDirectional];
  Vec3 color[kMaxDirectional];
};

class StageRenderer {
 public:
  // Compiles the shader; false with the reason in error when the driver refuses it.
  bool Init(std::string& error);
  // Draws into the bound framebuffer of the logical screen's height (GL rows count from the bottom), leaving
  // out the logical rows above visibleTop and from visibleBottom on, which screen layers will cover whole.
  void Draw(EngineStage& stage, int logicalHeight, int visibleTop, int visibleBottom, TextureCache& textures,
            MeshCache& meshes, GLuint sampler);

  size_t LastDrawItems() const { return lastItems_; }

 private:
  struct DrawItem {
    GLuint vao = 0;
    GLint first = 0;
    GLsizei count = 0;
    Mat4 model;
    Color color;
    int opacity = 255;
    const EngineBitmap* image = nullptr;
    float depth = 0;  // camera-space depth of the object, for ordering see-through things
  };

  void CollectNode(EngineNode& node, const Affine& parentWorld, int depth);
  void CollectShapes(const EngineNode& node, const Affine& world, float depth);
  void CollectModel(EngineNode& node, const Affine& world, float depth);
  void CollectLight(const EngineLight& light);
  void Add(DrawItem item);
  void DrawItems(const std::vector<DrawItem>& items, const Mat4& viewProjection, TextureCache& textures);

  // What colours a surface's pixels: its colour alone, a picture with no transparent texel, or a picture with
  // key-coloured (transparent) texels.
  enum class Surface { kColour, kPicture, kKeyedPicture };
  static constexpr int kSurfaceKinds = 3;
  struct Program {
    GlProgram program;
    GLint uMvp = -1, uNormalMatrix = -1, uColor = -1, uOpacity = -1, uImage = -1;
    GLint uLit = -1, uAmbient = -1, uLightCount = -1, uLightDir = -1, uLightColor = -1;
  };

  Program programs_[kSurfaceKinds];
  int current_ = -1;  // the program in use
  ModelStream models_;

  // Per frame.
  MeshCache* meshes_ = nullptr;
  Mat4 view_, viewProjection_;
  SceneLighting lighting_;
  std::vector<DrawItem> solid_, seeThrough_;
  size_t lastItems_ = 0;
};

}  // namespace engine
