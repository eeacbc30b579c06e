#include "backend/sdl/gl_renderer.h"

#include "engine/engine_scene.h"

namespace engine {

namespace {

GLuint MakeSampler(GLint filter) {
  GLuint sampler = 0;
  glGenSamplers(1, &sampler);
  glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, filter);
  glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, filter);
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  return sampler;
}

// Bits of one attachment of the window's framebuffer; 0 when the driver cannot say.
GLint WindowBits(GLenum attachment, GLenum what) {
  GLint bits = 0;
  glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, attachment, what, &bits);
  return glGetError() == GL_NO_ERROR ? bits : 0;
}

}  // namespace

GlRenderer::~GlRenderer() {
  ReleaseTarget();
  if (nearest_) glDeleteSamplers(1, &nearest_);
  if (linear_) glDeleteSamplers(1, &linear_);
}

bool GlRenderer::Init(int logicalWidth, int logicalHeight, std::string& error) {
  if (!stage_.Init(error) || !sprites_.Init(error)) return false;
  // Screen layers are shown pixel for pixel; images on faces in the world are smoothed.
  nearest_ = MakeSampler(GL_NEAREST);
  linear_ = MakeSampler(GL_LINEAR);
  while (glGetError() != GL_NO_ERROR) {
  }
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  // A window of one buffer (an offscreen surface) is drawn into at its front.
  GLboolean doubleBuffered = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
  const GLenum colour = doubleBuffered ? GL_BACK_LEFT : GL_FRONT_LEFT;
  windowTakesFrames_ = WindowBits(colour, GL_FRAMEBUFFER_ATTACHMENT_RED_SIZE) == 8 &&
                       WindowBits(colour, GL_FRAMEBUFFER_ATTACHMENT_GREEN_SIZE) == 8 &&
                       WindowBits(colour, GL_FRAMEBUFFER_ATTACHMENT_BLUE_SIZE) == 8 &&
                       WindowBits(GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE) >= 24;
  SetLogicalSize(logicalWidth, logicalHeight);
  if (!MakeTarget()) {
    error = "the offscreen picture cannot be made";
    return false;
  }
  return true;
}

void GlRenderer::ReleaseTarget() {
  if (framebuffer_) glDeleteFramebuffers(1, &framebuffer_);
  if (colour_) glDeleteRenderbuffers(1, &colour_);
  if (depth_) glDeleteRenderbuffers(1, &depth_);
  framebuffer_ = colour_ = depth_ = 0;
}

void GlRenderer::SetLogicalSize(int width, int height) {
  if (width == width_ && height == height_) return;
  ReleaseTarget();
  width_ = width;
  height_ = height;
}

bool GlRenderer::MakeTarget() {
  if (framebuffer_) return true;
  glGenRenderbuffers(1, &colour_);
  glBindRenderbuffer(GL_RENDERBUFFER, colour_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
  glGenRenderbuffers(1, &depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width_, height_);
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
  // A new picture starts black, not with whatever the memory held.
  glViewport(0, 0, width_, height_);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void GlRenderer::RenderFrame(EngineStage* stage, Target target) {
  // The offscreen picture is made when a frame goes there, and let go while frames go straight to the window.
  if (target == Target::kWindow) {
    ReleaseTarget();
  } else {
    MakeTarget();
  }
  glBindFramebuffer(GL_FRAMEBUFFER, target == Target::kWindow ? 0 : framebuffer_);
  glViewport(0, 0, width_, height_);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (stage) {
    const SpriteRenderer::HiddenRows hidden = sprites_.Hidden(*stage->GetCamera(), width_, height_, textures_);
    stage_.Draw(*stage, height_, hidden.top, hidden.bottom, textures_, meshes_, linear_);
    sprites_.Draw(*stage->GetCamera(), width_, height_, textures_, nearest_);
  }
  textures_.EndFrame();
  meshes_.EndFrame();
}

void GlRenderer::ShowInWindow(int drawableWidth, int drawableHeight) {
  MakeTarget();
  const LetterboxRect box = FitLetterbox(drawableWidth, drawableHeight, width_, height_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glViewport(0, 0, drawableWidth, drawableHeight);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  // The box is measured from the top; GL rows count from the bottom.
  const int bottom = drawableHeight - box.y - box.height;
  const bool exact = box.width == width_ && box.height == height_;
  glBlitFramebuffer(0, 0, width_, height_, box.x, bottom, box.x + box.width, bottom + box.height, GL_COLOR_BUFFER_BIT,
                    exact ? GL_NEAREST : GL_LINEAR);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void GlRenderer::ReadFrame(std::vector<uint8_t>& rgb) {
  MakeTarget();
  std::vector<uint8_t> rgba(static_cast<size_t>(width_) * height_ * 4);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  rgb.resize(static_cast<size_t>(width_) * height_ * 3);
  for (int y = 0; y < height_; ++y) {
    const uint8_t* src = &rgba[static_cast<size_t>(height_ - 1 - y) * width_ * 4];
    uint8_t* dst = &rgb[static_cast<size_t>(y) * width_ * 3];
    for (int x = 0; x < width_; ++x) {
      dst[x * 3] = src[x * 4];
      dst[x * 3 + 1] = src[x * 4 + 1];
      dst[x * 3 + 2] = src[x * 4 + 2];
    }
  }
}

}  // namespace engine
