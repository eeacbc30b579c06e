#include "backend/sdl/sprite_renderer.h"

#include <algorithm>

#include "backend/sdl/texture_cache.h"

namespace engine {

namespace {

constexpr int kMaxSpriteDepth = 32;

// Quads from the vertex and instance index alone (a triangle strip 0..3 per rectangle), so no vertex buffer is
// needed: one rectangle of the sprite's image per instance, placed at the top-left of the screen.
const char* const kVertexShader = R"(#version 330 core
uniform vec4 uRects[64]; // left, top, right, bottom in the image's pixels (y down), the sprite's shown parts
uniform vec2 uImage;     // the image's size
uniform vec2 uScreen;    // logical screen size
out vec2 vUv;
void main() {
  vec4 r = uRects[gl_InstanceID];
  vec2 corner = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1));
  vec2 p = mix(r.xy, r.zw, corner);
  vUv = p / uImage;
  gl_Position = vec4(p.x / uScreen.x * 2.0 - 1.0, 1.0 - p.y / uScreen.y * 2.0, 0.0, 1.0);
}
)";

// Parts with key-coloured pixels test every texel; parts shown whole need no test (a software renderer pays
// dearly for a fragment that may be discarded).
const char* const kKeyedFragmentShader = R"(#version 330 core
in vec2 vUv;
uniform sampler2D uSampler;
out vec4 fragColor;
void main() {
  vec4 texel = texture(uSampler, vUv);
  if (texel.a < 0.5) discard;
  fragColor = vec4(texel.rgb, 1.0);
}
)";

const char* const kSolidFragmentShader = R"(#version 330 core
in vec2 vUv;
uniform sampler2D uSampler;
out vec4 fragColor;
void main() {
  fragColor = vec4(texture(uSampler, vUv).rgb, 1.0);
}
)";

// How many of the sprite's children (kept in layer order) lie below its own layer: they are drawn before it.
size_t ChildrenBelow(const EngineSprite& sprite) {
  const auto& children = sprite.Children();
  return static_cast<size_t>(
      std::partition_point(children.begin(), children.end(),
                           [&](const EngineRef<EngineSprite>& c) { return c->Layer() < sprite.Layer(); }) -
      children.begin());
}

}  // namespace

std::vector<const EngineSprite*> SpriteDrawOrder(const EngineSprite& sprite) {
  std::vector<const EngineSprite*> order;
  const size_t below = ChildrenBelow(sprite);
  for (size_t i = 0; i < below; ++i) order.push_back(sprite.Children()[i].Get());
  order.push_back(&sprite);
  for (size_t i = below; i < sprite.Children().size(); ++i) order.push_back(sprite.Children()[i].Get());
  return order;
}

SpriteRenderer::~SpriteRenderer() {
  if (vao_) glDeleteVertexArrays(1, &vao_);
}

bool SpriteRenderer::Init(std::string& error) {
  for (const Fill fill : {Fill::kKeyed, Fill::kSolid}) {
    Program& p = programs_[static_cast<int>(fill)];
    if (!p.program.Build(kVertexShader, fill == Fill::kKeyed ? kKeyedFragmentShader : kSolidFragmentShader)) {
      error = p.program.Error();
      return false;
    }
    p.uRects = p.program.Uniform("uRects");
    p.uImageSize = p.program.Uniform("uImage");
    p.uScreen = p.program.Uniform("uScreen");
    p.uSampler = p.program.Uniform("uSampler");
  }
  glGenVertexArrays(1, &vao_);
  return true;
}

void SpriteRenderer::Draw(const EngineCamera& camera, int logicalWidth, int logicalHeight, TextureCache& textures,
                          GLuint sampler) {
  lastDrawn_ = 0;
  if (camera.Sprites().empty()) return;
  glViewport(0, 0, logicalWidth, logicalHeight);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  for (const Program& p : programs_) {
    glUseProgram(p.program.Id());
    glUniform2f(p.uScreen, static_cast<float>(logicalWidth), static_cast<float>(logicalHeight));
    glUniform1i(p.uSampler, 0);
  }
  current_ = -1;
  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, sampler);
  glBindVertexArray(vao_);
  for (const auto& sprite : camera.Sprites()) DrawSprite(*sprite, textures, 0);
  glBindVertexArray(0);
  glBindSampler(0, 0);
}

SpriteRenderer::HiddenRows SpriteRenderer::Hidden(const EngineCamera& camera, int logicalWidth, int logicalHeight,
                                                  TextureCache& textures) const {
  HiddenRows hidden{0, logicalHeight};
  for (const auto& sprite : camera.Sprites()) AddHidden(*sprite, logicalWidth, logicalHeight, textures, 0, hidden);
  return hidden;
}

// Every layer shown is drawn over the 3D view whole, in whatever order: each one's solid rows hide the view.
void SpriteRenderer::AddHidden(const EngineSprite& sprite, int logicalWidth, int logicalHeight, TextureCache& textures,
                               int depth, HiddenRows& hidden) {
  if (!sprite.Visible() || depth > kMaxSpriteDepth) return;
  if (const EngineBitmap* image = sprite.Image().Get(); image && image->GetWidth() >= logicalWidth) {
    const TextureUse use = textures.Use(*image);
    hidden.top = std::max(hidden.top, std::min(use.solidTop, logicalHeight));
    if (image->GetHeight() >= logicalHeight && use.solidBottom > 0)
      hidden.bottom = std::min(hidden.bottom, image->GetHeight() - use.solidBottom);
  }
  for (const auto& child : sprite.Children())
    AddHidden(*child, logicalWidth, logicalHeight, textures, depth + 1, hidden);
}

// In SpriteDrawOrder's order, without making the list: this runs for every sprite of every frame.
void SpriteRenderer::DrawSprite(const EngineSprite& sprite, TextureCache& textures, int depth) {
  if (!sprite.Visible() || depth > kMaxSpriteDepth) return;
  const auto& children = sprite.Children();
  const size_t below = ChildrenBelow(sprite);
  for (size_t i = 0; i < below; ++i) DrawSprite(*children[i], textures, depth + 1);
  if (const EngineBitmap* image = sprite.Image().Get()) {
    // Only the parts of the layer that show anything are drawn: a text layer is mostly key colour, a frame
    // round the view mostly hole.
    const TextureUse use = textures.Use(*image);
    if (!use.solid->empty() || !use.keyed->empty()) glBindTexture(GL_TEXTURE_2D, use.texture);
    DrawParts(*use.solid, Fill::kSolid, *image);
    DrawParts(*use.keyed, Fill::kKeyed, *image);
    ++lastDrawn_;
  }
  for (size_t i = below; i < children.size(); ++i) DrawSprite(*children[i], textures, depth + 1);
}

// The parts do not overlap, so they may be drawn in any order.
void SpriteRenderer::DrawParts(const std::vector<ShownArea>& parts, Fill fill, const EngineBitmap& image) {
  if (parts.empty()) return;
  const Program& p = programs_[static_cast<int>(fill)];
  if (current_ != static_cast<int>(fill)) {
    glUseProgram(p.program.Id());
    current_ = static_cast<int>(fill);
  }
  float rects[kMaxShownParts * 4];
  size_t n = 0;
  for (const ShownArea& part : parts) {
    rects[n * 4] = static_cast<float>(part.left);
    rects[n * 4 + 1] = static_cast<float>(part.top);
    rects[n * 4 + 2] = static_cast<float>(part.right);
    rects[n * 4 + 3] = static_cast<float>(part.bottom);
    ++n;
  }
  glUniform4fv(p.uRects, static_cast<GLsizei>(n), rects);
  glUniform2f(p.uImageSize, static_cast<float>(image.GetWidth()), static_cast<float>(image.GetHeight()));
  glDrawArraysInstanced(GL_TRIANGLE_STRIP, 0, 4, static_cast<GLsizei>(n));
}

}  // namespace engine
