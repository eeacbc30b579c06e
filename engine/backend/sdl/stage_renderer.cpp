#include "backend/sdl/stage_renderer.h"

#include <algorithm>

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
out vec3 vNormal;
out vec2 vUv;
void main() {
  gl_Position = uMvp * vec4(aPosition, 1.0);
  vNormal = uNormalMatrix * aNormal;
  vUv = aUv;
}
)";

const char* const kFragmentShader = R"(#version 330 core
in vec3 vNormal;
in vec2 vUv;
uniform vec3 uColor;
uniform float uOpacity;
uniform bool uTextured;
uniform sampler2D uImage;
uniform bool uLit;
uniform vec3 uAmbient;
uniform int uLightCount;
uniform vec3 uLightDir[4];
uniform vec3 uLightColor[4];
out vec4 fragColor;
void main() {
  vec3 base = uColor;
  if (uTextured) {
    // Key-coloured texels are transparent black; where filtering mixed them in, the colour is restored.
    vec4 texel = texture(uImage, vUv);
    if (texel.a < 0.5) discard;
    base *= texel.rgb / texel.a;
  }
  vec3 light = vec3(1.0);
  if (uLit) {
    vec3 n = normalize(vNormal);
    light = uAmbient;
    for (int i = 0; i < uLightCount; ++i) light += uLightColor[i] * max(dot(n, uLightDir[i]), 0.0);
    light = min(light, vec3(1.0));
  }
  fragColor = vec4(base * light, uOpacity);
}
)";

Vec3 ColorToVec(const Color& c) { return {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f}; }

}  // namespace

bool StageRenderer::Init(std::string& error) {
  if (!program_.Build(kVertexShader, kFragmentShader)) {
    error = program_.Error();
    return false;
  }
  uMvp_ = program_.Uniform("uMvp");
  uNormalMatrix_ = program_.Uniform("uNormalMatrix");
  uColor_ = program_.Uniform("uColor");
  uOpacity_ = program_.Uniform("uOpacity");
  uTextured_ = program_.Uniform("uTextured");
  uImage_ = program_.Uniform("uImage");
  uLit_ = program_.Uniform("uLit");
  uAmbient_ = program_.Uniform("uAmbient");
  uLightCount_ = program_.Uniform("uLightCount");
  uLightDir_ = program_.Uniform("uLightDir");
  uLightColor_ = program_.Uniform("uLightColor");
  return true;
}

// The node's transform in its parent's frame. An object kept facing its target (the camera) turns its
// forward axis towards it in world terms, whatever its parents do.
Mat4 StageRenderer::NodeMatrix(const EngineNode& node, const Mat4& parentWorld) const {
  const EngineNode* target = node.PointAtTarget();
  if (node.PointAtMode() == 4 && target) {
    const Vec3 position = parentWorld.TransformPoint(node.LocalPosition());
    const Vec3 toTarget = target->WorldPosition() - position;
    const Mat3 facing = toTarget.Length() > 0 ? Mat3::FromDirectionUp(toTarget, {0, 1, 0}) : node.LocalRotation();
    return ModelMatrix(position, facing, node.Scale());
  }
  return parentWorld * ModelMatrix(node.LocalPosition(), node.LocalRotation(), node.Scale());
}

Mat4 StageRenderer::WorldOf(const EngineNode& node) const {
  std::vector<const EngineNode*> chain;
  for (const EngineNode* n = &node; n && chain.size() < kMaxNodeDepth; n = n->Parent()) chain.push_back(n);
  Mat4 world;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) world = NodeMatrix(**it, world);
  return world;
}

void StageRenderer::Draw(EngineStage& stage, int logicalHeight, TextureCache& textures, MeshCache& meshes,
                         GLuint sampler) {
  meshes_ = &meshes;
  EngineCamera& camera = *stage.GetCamera();
  const Viewport& vp = camera.GetViewport();
  if (vp.width <= 0 || vp.height <= 0) return;

  // The camera's own world placement (it may hang under another object).
  const Mat4 cameraWorld = WorldOf(camera);
  cameraPosition_ = cameraWorld.TransformPoint({0, 0, 0});
  Mat3 cameraAxes;
  cameraAxes.r = cameraWorld.TransformDirection({1, 0, 0}).Normalized();
  cameraAxes.u = cameraWorld.TransformDirection({0, 1, 0}).Normalized();
  cameraAxes.f = cameraWorld.TransformDirection({0, 0, 1}).Normalized();
  view_ = ViewMatrix(cameraPosition_, cameraAxes);
  const Mat4 projection = PerspectiveMatrix(EngineCamera::kFieldOfViewDegrees, static_cast<float>(vp.width) / vp.height,
                                            camera.NearPlane(), camera.FarPlane());

  // Walk: objects under another object on the stage are drawn through it, once.
  onStage_.clear();
  for (const auto& object : stage.Objects()) onStage_.insert(object.Get());
  solid_.clear();
  seeThrough_.clear();
  lighting_ = SceneLighting{};
  for (const auto& object : stage.Objects()) {
    bool underAnother = false;
    for (const EngineNode* p = object->Parent(); p && !underAnother; p = p->Parent()) underAnother = onStage_.count(p);
    if (underAnother) continue;
    const EngineNode* parent = object->Parent();
    CollectNode(*object, parent ? WorldOf(*parent) : Mat4{}, 0);
  }
  lastItems_ = solid_.size() + seeThrough_.size();

  const int glY = logicalHeight - vp.y - vp.height;
  glViewport(vp.x, glY, vp.width, vp.height);
  glEnable(GL_SCISSOR_TEST);
  glScissor(vp.x, glY, vp.width, vp.height);
  const Vec3 bg = ColorToVec(stage.Background());
  glClearColor(bg.x, bg.y, bg.z, 1.0f);
  glClearDepth(1.0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  glUseProgram(program_.Id());
  glUniform1i(uImage_, 0);
  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, sampler);
  glUniform1i(uLit_, lighting_.any ? 1 : 0);
  glUniform3f(uAmbient_, lighting_.ambient.x, lighting_.ambient.y, lighting_.ambient.z);
  glUniform1i(uLightCount_, lighting_.directionalCount);
  float dirs[SceneLighting::kMaxDirectional * 3] = {}, colors[SceneLighting::kMaxDirectional * 3] = {};
  for (int i = 0; i < lighting_.directionalCount; ++i) {
    const Vec3& d = lighting_.towardLight[i];
    const Vec3& c = lighting_.color[i];
    dirs[i * 3] = d.x, dirs[i * 3 + 1] = d.y, dirs[i * 3 + 2] = d.z;
    colors[i * 3] = c.x, colors[i * 3 + 1] = c.y, colors[i * 3 + 2] = c.z;
  }
  glUniform3fv(uLightDir_, SceneLighting::kMaxDirectional, dirs);
  glUniform3fv(uLightColor_, SceneLighting::kMaxDirectional, colors);

  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);

  const Mat4 viewProjection = projection * view_;
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

void StageRenderer::CollectNode(EngineNode& node, const Mat4& parentWorld, int depth) {
  if (depth > kMaxNodeDepth) return;
  const Mat4 world = NodeMatrix(node, parentWorld);
  // A light shines whether or not it is "visible"; its switch decides.
  if (const auto* light = dynamic_cast<const EngineLight*>(&node)) CollectLight(*light, world);
  if (!node.Visible()) return;
  CollectShapes(node, world);
  for (const auto& child : node.Children()) CollectNode(*child, world, depth + 1);
}

void StageRenderer::CollectShapes(EngineNode& node, const Mat4& world) {
  if (node.Shapes().empty()) return;
  const float depth = view_.TransformPoint(world.TransformPoint({0, 0, 0})).z;
  for (const auto& meshRef : node.Shapes()) {
    EngineMesh& mesh = *meshRef;
    const GpuMesh& gpu = meshes_->Mesh(mesh);
    const Vec3 s = mesh.Scale();
    const Mat4 model = world * ModelMatrix({0, 0, 0}, Mat3::Identity(), s);
    for (const MeshFaceRange& range : gpu.faces) {
      auto it = mesh.Faces().find(range.face);
      if (it == mesh.Faces().end() || it->second.opacity <= 0) continue;  // fully transparent: a pick shape
      DrawItem item;
      item.vao = gpu.vao;
      item.first = static_cast<GLint>(range.first);
      item.count = static_cast<GLsizei>(range.count);
      item.model = model;
      item.face = &it->second;
      item.depth = depth;
      (it->second.opacity >= 255 ? solid_ : seeThrough_).push_back(item);
    }
  }
}

void StageRenderer::CollectLight(const EngineLight& light, const Mat4& world) {
  if (!light.On()) return;
  const Vec3 color = ColorToVec(light.LightColor());
  if (light.Type() == 0) {
    lighting_.any = true;
    lighting_.ambient = lighting_.ambient + color;
    return;
  }
  if (light.Type() != 3 || lighting_.directionalCount >= SceneLighting::kMaxDirectional) return;
  Vec3 travel = world.TransformDirection({0, 0, 1});
  if (const EngineNode* target = light.Target()) travel = target->WorldPosition() - world.TransformPoint({0, 0, 0});
  if (travel.Length() == 0) return;
  lighting_.any = true;
  lighting_.towardLight[lighting_.directionalCount] = travel.Normalized() * -1.0f;
  lighting_.color[lighting_.directionalCount] = color;
  ++lighting_.directionalCount;
}

void StageRenderer::DrawItems(const std::vector<DrawItem>& items, const Mat4& viewProjection, TextureCache& textures) {
  GLuint boundVao = 0;
  for (const DrawItem& item : items) {
    const EngineMesh::Face& face = *item.face;
    const Mat4 mvp = viewProjection * item.model;
    glUniformMatrix4fv(uMvp_, 1, GL_FALSE, mvp.m.data());
    const std::array<float, 9> normal = NormalMatrix(item.model);
    glUniformMatrix3fv(uNormalMatrix_, 1, GL_FALSE, normal.data());
    const Vec3 color = ColorToVec(face.color);
    glUniform3f(uColor_, color.x, color.y, color.z);
    glUniform1f(uOpacity_, static_cast<float>(face.opacity) / 255.0f);
    if (face.image) {
      glBindTexture(GL_TEXTURE_2D, textures.Texture(*face.image));
      glUniform1i(uTextured_, 1);
    } else {
      glUniform1i(uTextured_, 0);
    }
    // A mirroring scale turns the triangles' order round; turn the notion of "front" with it.
    glFrontFace(item.model.Determinant3() < 0 ? GL_CW : GL_CCW);
    if (item.vao != boundVao) {
      glBindVertexArray(item.vao);
      boundVao = item.vao;
    }
    glDrawArrays(GL_TRIANGLES, item.first, item.count);
  }
}

}  // namespace engine
