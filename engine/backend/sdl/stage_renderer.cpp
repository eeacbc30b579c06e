#include "backend/sdl/stage_renderer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "backend/sdl/mesh_cache.h"
#include "backend/sdl/texture_cache.h"

namespace engine {

namespace {

// Deeper than any scene the game builds; stops a runaway walk should a cycle ever sneak in.
constexpr int kMaxNodeDepth = 64;

const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
uniform mat4 uMvp;
uniform mat3 uNormalMatrix;
uniform bool uLit;
uniform vec3 uAmbient;
uniform int uLightCount;
uniform vec3 uLightDir[4];
uniform vec3 uLightColor[4];
out vec3 vLight;
out vec2 vUv;
void main() {
  gl_Position = uMvp * vec4(aPosition, 1.0);
  // Lit per corner and blended across the face, as the game's models were made to be seen.
  vec3 light = vec3(1.0);
  if (uLit) {
    vec3 n = normalize(uNormalMatrix * aNormal);
    light = uAmbient;
    for (int i = 0; i < uLightCount; ++i) light += uLightColor[i] * max(dot(n, uLightDir[i]), 0.0);
    light = min(light, vec3(1.0));
  }
  vLight = light;
  vUv = aUv;
}
)";

// One program for each kind of surface (see StageRenderer::Surface), chosen by the lines defined after the
// version: a software renderer runs every line of a shader for every pixel, whatever a uniform would skip, and
// a fragment that may be discarded costs it more than the picture's look-up.
const char* const kFragmentShader = R"(#version 330 core
in vec3 vLight;
in vec2 vUv;
uniform vec3 uColor;
uniform float uOpacity;
uniform sampler2D uImage;
out vec4 fragColor;
void main() {
  vec3 base = uColor;
#ifdef PICTURE
  vec4 texel = texture(uImage, vUv);
#ifdef KEYED
  // Key-coloured texels are transparent black; where filtering mixed them in, the colour is restored.
  if (texel.a < 0.5) discard;
  base *= texel.rgb / texel.a;
#else
  base *= texel.rgb;
#endif
#endif
  fragColor = vec4(base * vLight, uOpacity);
}
)";

// The fragment shader with the lines that make a surface's program.
std::string FragmentShader(const char* defines) {
  std::string source = kFragmentShader;
  source.insert(source.find('\n') + 1, defines);
  return source;
}

Vec3 ColorToVec(const Color& c) { return {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f}; }

}  // namespace

bool StageRenderer::Init(std::string& error) {
  const char* const defines[kSurfaceKinds] = {"", "#define PICTURE\n", "#define PICTURE\n#define KEYED\n"};
  for (int kind = 0; kind < kSurfaceKinds; ++kind) {
    Program& p = programs_[kind];
    if (!p.program.Build(kVertexShader, FragmentShader(defines[kind]).c_str())) {
      error = p.program.Error();
      return false;
    }
    p.uMvp = p.program.Uniform("uMvp");
    p.uNormalMatrix = p.program.Uniform("uNormalMatrix");
    p.uColor = p.program.Uniform("uColor");
    p.uOpacity = p.program.Uniform("uOpacity");
    p.uImage = p.program.Uniform("uImage");
    p.uLit = p.program.Uniform("uLit");
    p.uAmbient = p.program.Uniform("uAmbient");
    p.uLightCount = p.program.Uniform("uLightCount");
    p.uLightDir = p.program.Uniform("uLightDir");
    p.uLightColor = p.program.Uniform("uLightColor");
  }
  return true;
}

namespace {

Mat4 ToMat4(const Affine& a) { return ModelMatrix(a.t, a.m, {1, 1, 1}); }

// True when the box (in the space mvp takes to clip space) lies wholly beyond one side of the view volume, so
// nothing of what it holds can reach the screen. Only a box clearly beyond is counted, so that rounding never
// drops a triangle that touches the view.
bool OutsideView(const Mat4& mvp, const Vec3& lo, const Vec3& hi) {
  int beyond[6] = {};
  for (int corner = 0; corner < 8; ++corner) {
    const Vec3 p{corner & 1 ? hi.x : lo.x, corner & 2 ? hi.y : lo.y, corner & 4 ? hi.z : lo.z};
    float w = 0;
    const Vec3 c = mvp.TransformPoint(p, &w);
    const float slack = 1e-3f * (std::abs(c.x) + std::abs(c.y) + std::abs(c.z) + std::abs(w)) + 1e-5f;
    beyond[0] += c.x < -w - slack;
    beyond[1] += c.x > w + slack;
    beyond[2] += c.y < -w - slack;
    beyond[3] += c.y > w + slack;
    beyond[4] += c.z < -w - slack;
    beyond[5] += c.z > w + slack;
  }
  return std::find(std::begin(beyond), std::end(beyond), 8) != std::end(beyond);
}

}  // namespace

void StageRenderer::Draw(EngineStage& stage, int logicalHeight, int visibleTop, int visibleBottom,
                         TextureCache& textures, MeshCache& meshes, GLuint sampler) {
  meshes_ = &meshes;
  EngineCamera& camera = *stage.GetCamera();
  const Viewport& vp = camera.GetViewport();
  if (vp.width <= 0 || vp.height <= 0) return;
  // Only the viewport's rows that no screen layer covers are drawn; with none left, nothing is.
  const int shownTop = std::max(vp.y, visibleTop), shownBottom = std::min(vp.y + vp.height, visibleBottom);
  if (shownBottom <= shownTop) {
    lastItems_ = 0;
    return;
  }

  // The camera's own world placement (it may hang under another object), its scale taken out.
  const Affine cameraWorld = camera.WorldTransform();
  view_ = ViewMatrix(cameraWorld.t, cameraWorld.m.Orthonormalized());
  const Mat4 projection =
      PerspectiveMatrix(EngineCamera::kFieldOfViewDegrees, static_cast<float>(vp.width) / static_cast<float>(vp.height),
                        camera.NearPlane(), camera.FarPlane());
  viewProjection_ = projection * view_;

  // Walk: objects under another object on the stage are drawn through it, once.
  solid_.clear();
  seeThrough_.clear();
  lighting_ = SceneLighting{};
  models_.Begin();
  for (const auto& object : stage.Objects()) {
    if (stage.HeldByAnotherObject(*object)) continue;
    const EngineNode* parent = object->Parent();
    CollectNode(*object, parent ? parent->WorldTransform() : Affine::Identity(), 0);
  }
  models_.Upload();
  lastItems_ = solid_.size() + seeThrough_.size();

  const int glY = logicalHeight - vp.y - vp.height;
  glViewport(vp.x, glY, vp.width, vp.height);
  glEnable(GL_SCISSOR_TEST);
  glScissor(vp.x, logicalHeight - shownBottom, vp.width, shownBottom - shownTop);
  const Vec3 bg = ColorToVec(stage.Background());
  glClearColor(bg.x, bg.y, bg.z, 1.0f);
  glClearDepth(1.0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, sampler);
  float dirs[SceneLighting::kMaxDirectional * 3] = {}, colors[SceneLighting::kMaxDirectional * 3] = {};
  for (int i = 0; i < lighting_.directionalCount; ++i) {
    const Vec3& d = lighting_.towardLight[i];
    const Vec3& c = lighting_.color[i];
    dirs[i * 3] = d.x, dirs[i * 3 + 1] = d.y, dirs[i * 3 + 2] = d.z;
    colors[i * 3] = c.x, colors[i * 3 + 1] = c.y, colors[i * 3 + 2] = c.z;
  }
  for (const Program& p : programs_) {
    glUseProgram(p.program.Id());
    glUniform1i(p.uImage, 0);
    glUniform1i(p.uLit, lighting_.any ? 1 : 0);
    glUniform3f(p.uAmbient, lighting_.ambient.x, lighting_.ambient.y, lighting_.ambient.z);
    glUniform1i(p.uLightCount, lighting_.directionalCount);
    glUniform3fv(p.uLightDir, SceneLighting::kMaxDirectional, dirs);
    glUniform3fv(p.uLightColor, SceneLighting::kMaxDirectional, colors);
  }
  current_ = -1;

  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);

  const Mat4& viewProjection = viewProjection_;
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
  DrawItems(solid_, viewProjection, textures);

  std::stable_sort(seeThrough_.begin(), seeThrough_.end(),
                   [](const DrawItem& a, const DrawItem& b) { return a.depth > b.depth; });
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  DrawItems(seeThrough_, viewProjection, textures);

  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_SCISSOR_TEST);
  glFrontFace(GL_CCW);
  glBindSampler(0, 0);
  glBindVertexArray(0);
}

void StageRenderer::CollectNode(EngineNode& node, const Affine& parentWorld, int depth) {
  if (depth > kMaxNodeDepth) return;
  const Affine world = node.KeepsFacingTarget() ? node.WorldTransform() : parentWorld * node.LocalTransform();
  // A light shines whether or not it is "visible"; its switch decides.
  if (const auto* light = dynamic_cast<const EngineLight*>(&node)) CollectLight(*light);
  if (!node.Visible()) return;
  const float cameraDepth = view_.TransformPoint(world.t).z;
  CollectShapes(node, world, cameraDepth);
  CollectModel(node, world, cameraDepth);
  for (const auto& child : node.Children()) CollectNode(*child, world, depth + 1);
}

void StageRenderer::Add(DrawItem item) {
  if (item.opacity <= 0 || item.count <= 0) return;  // fully transparent: a pick shape, never seen
  (item.opacity >= 255 ? solid_ : seeThrough_).push_back(item);
}

void StageRenderer::CollectShapes(const EngineNode& node, const Affine& world, float depth) {
  for (const auto& meshRef : node.Shapes()) {
    const EngineMesh& mesh = *meshRef;
    const GpuMesh& gpu = meshes_->Mesh(mesh);
    const Mat4 model = ToMat4(world * Affine::FromTrs({0, 0, 0}, Mat3::Identity(), mesh.Scale()));
    const MeshTriangles& triangles = MeshTrianglesOf(mesh);
    if (OutsideView(viewProjection_ * model, triangles.boundsMin, triangles.boundsMax)) continue;
    for (const FaceRange& range : gpu.faces) {
      const EngineMesh::Face* face = mesh.FindFace(range.face);
      if (!face) continue;
      DrawItem item;
      item.vao = gpu.vao;
      item.first = static_cast<GLint>(range.first);
      item.count = static_cast<GLsizei>(range.count);
      item.model = model;
      item.color = face->color;
      item.opacity = face->opacity;
      item.image = face->image.Get();
      item.depth = depth;
      Add(item);
    }
  }
}

// A loaded model in its current pose: one item per batch of triangles in one material.
void StageRenderer::CollectModel(EngineNode& node, const Affine& world, float depth) {
  const ModelGeometry geometry = ModelGeometryOf(node);
  if (geometry.batches.empty()) return;
  const Mat4 model = ToMat4(world);
  for (const ModelBatch& batch : geometry.batches) {
    if (!batch.vertices || batch.vertices->empty()) continue;
    if (OutsideView(viewProjection_ * model, batch.boundsMin, batch.boundsMax)) continue;
    DrawItem item;
    item.vao = 0;  // the frame's model stream, bound when drawn
    item.first = models_.Add(*batch.vertices);
    item.count = static_cast<GLsizei>(batch.vertices->size());
    item.model = model;
    item.color = batch.color;
    item.opacity = batch.opacity;
    item.image = batch.texture;
    item.depth = depth;
    Add(item);
  }
}

void StageRenderer::CollectLight(const EngineLight& light) {
  if (!light.On()) return;
  const Vec3 color = ColorToVec(light.LightColor());
  if (light.Type() == 0) {
    lighting_.any = true;
    lighting_.ambient = lighting_.ambient + color;
    return;
  }
  if (light.Type() != 3 || lighting_.directionalCount >= SceneLighting::kMaxDirectional) return;
  const Vec3 travel = light.ShineDirection();
  if (travel.Length() == 0) return;
  lighting_.any = true;
  lighting_.towardLight[lighting_.directionalCount] = -travel;
  lighting_.color[lighting_.directionalCount] = color;
  ++lighting_.directionalCount;
}

void StageRenderer::DrawItems(const std::vector<DrawItem>& items, const Mat4& viewProjection, TextureCache& textures) {
  GLuint boundVao = 0;
  for (const DrawItem& item : items) {
    Surface kind = Surface::kColour;
    if (item.image) {
      const TextureUse use = textures.Use(*item.image);
      glBindTexture(GL_TEXTURE_2D, use.texture);
      kind = use.opaque ? Surface::kPicture : Surface::kKeyedPicture;
    }
    const Program& p = programs_[static_cast<int>(kind)];
    if (current_ != static_cast<int>(kind)) {
      glUseProgram(p.program.Id());
      current_ = static_cast<int>(kind);
    }
    const Mat4 mvp = viewProjection * item.model;
    glUniformMatrix4fv(p.uMvp, 1, GL_FALSE, mvp.m.data());
    const std::array<float, 9> normal = NormalMatrix(item.model);
    glUniformMatrix3fv(p.uNormalMatrix, 1, GL_FALSE, normal.data());
    const Vec3 color = ColorToVec(item.color);
    glUniform3f(p.uColor, color.x, color.y, color.z);
    glUniform1f(p.uOpacity, static_cast<float>(item.opacity) / 255.0f);
    // A mirroring scale turns the triangles' order round; turn the notion of "front" with it.
    glFrontFace(item.model.Determinant3() < 0 ? GL_CW : GL_CCW);
    const GLuint vao = item.vao ? item.vao : models_.Vao();
    if (vao != boundVao) {
      glBindVertexArray(vao);
      boundVao = vao;
    }
    glDrawArrays(GL_TRIANGLES, item.first, item.count);
  }
}

}  // namespace engine
