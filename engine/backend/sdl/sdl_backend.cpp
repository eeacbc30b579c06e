#include "backend/sdl/sdl_backend.h"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <thread>

#include "backend/sdl/gl_driver_residency.h"
#include "backend/sdl/gl_renderer.h"
#include "backend/sdl/png_writer.h"
#include "backend/sdl/sdl_audio.h"
#include "backend/sdl/sdl_input.h"
#include "core/engine_core.h"
#include "core/engine_internals.h"
#include "engine/engine_changes.h"
#include "engine/engine_root.h"

namespace engine {

namespace {

constexpr const char* kWindowTitle = "Quillary FullScreen";

bool EnvironmentAsksWindowed() {
  const char* v = std::getenv("KESTRINE_WINDOWED");
  return v && v[0] == '1';
}

}  // namespace

bool IsSoftwareRenderer(const std::string& glRendererName) {
  std::string name = glRendererName;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name.find("llvmpipe") != std::string::npos || name.find("softpipe") != std::string::npos ||
         name.find("software rasterizer") != std::string::npos;
}

SdlBackend::SdlBackend() : windowed_(EnvironmentAsksWindowed()) {
  // Ctrl+C in a terminal must end the program as usual, not turn into a close request nobody may hear.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    glFailure_ = std::string("no video: ") + SDL_GetError();
    return;
  }
  video_ = true;
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(0, &desktop) == 0)
    desktopBitsPerPixel_ = static_cast<int>(SDL_BITSPERPIXEL(desktop.format));

  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  // A window of the logical size is drawn into straight, so a window that may be of that size gets the
  // offscreen picture's colour and depth. The desktop's full screen is larger: it is shown the offscreen picture
  // and needs no depth of its own, nor does a system that has no such window.
  for (const int depthBits : {windowed_ ? 24 : 0, 0}) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, depthBits ? 8 : 3);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, depthBits ? 8 : 3);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, depthBits ? 8 : 2);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    // Hidden until the display mode is set: the game asks its start-up questions first.
    window_ =
        SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, logicalWidth_, logicalHeight_,
                         SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
      glFailure_ = std::string("no window: ") + SDL_GetError();
      continue;
    }
    context_ = SDL_GL_CreateContext(window_);
    if (context_) break;
    glFailure_ = std::string("no OpenGL 3.3 core context: ") + SDL_GetError();
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
  if (!context_) return;
  glFailure_.clear();
  KeepGlDriverLoaded();
  if (epoxy_gl_version() < 33) {
    glFailure_ = "OpenGL " + std::to_string(epoxy_gl_version()) + " is below 3.3";
    return;
  }
  // Presenting never waits for the screen's refresh: the game renders in loops (the loading bar) and
  // paces its frames itself.
  SDL_GL_SetSwapInterval(0);
  if (const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER))) glRendererName_ = name;
  auto renderer = std::make_unique<GlRenderer>();
  std::string error;
  if (!renderer->Init(logicalWidth_, logicalHeight_, error)) {
    glFailure_ = "renderer: " + error;
    return;
  }
  renderer_ = std::move(renderer);
}

SdlBackend::~SdlBackend() {
  audio_.reset();
  if (renderer_) {
    MakeCurrent();
    renderer_.reset();
  }
  lastStage_.Reset();
  if (context_) SDL_GL_DeleteContext(context_);
  if (window_) SDL_DestroyWindow(window_);
  if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlBackend::Attach(EngineCore* core) {
  EngineBackend::Attach(core);
  if (!core) return;
  audio_ = std::make_unique<SdlAudio>(*core);
  if (!audio_->Ok()) core->Trace("no audio device: playing silently");
}

void SdlBackend::Detach() {
  // Closing the device waits for the mixer to leave the core's sounds.
  audio_.reset();
  EngineBackend::Detach();
}

bool SdlBackend::AdvancesSoundsByClock() const {
  // Without a device nothing would ever move the cursors; the clock moves them, silently.
  return !AudioOpen();
}

bool SdlBackend::AudioOpen() const { return audio_ && audio_->Ok(); }

int64_t SdlBackend::NowUs() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - epoch_).count();
}

int64_t SdlBackend::NowMs() { return NowUs() / 1000; }

// A real wait, during which input still arrives: a game waiting with Wait until IsInputPressed says a key
// or button is down must see that press (the events are kept for NextEvent, in order).
void SdlBackend::Sleep(int ms) {
  if (ms <= 0) return;
  if (!video_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return;
  }
  const int64_t deadline = NowUs() + static_cast<int64_t>(ms) * 1000;
  for (int64_t now = NowUs(); now < deadline; now = NowUs()) {
    SDL_Event event;
    const int waitMs = static_cast<int>(std::max<int64_t>(1, (deadline - now + 999) / 1000));
    if (SDL_WaitEventTimeout(&event, waitMs)) Handle(event);
  }
  // Whatever arrived meanwhile counts, even if the time ran out while older events were being looked at.
  PumpAll();
}

bool SdlBackend::MakeCurrent() const {
  if (!context_) return false;
  if (SDL_GL_GetCurrentContext() != context_) return SDL_GL_MakeCurrent(window_, context_) == 0;
  return true;
}

// ---------------- display ----------------

bool SdlBackend::SetDisplayMode(int width, int height, int bitsPerPixel) {
  if (width <= 0 || height <= 0 || bitsPerPixel <= 0) return false;
  logicalWidth_ = width;
  logicalHeight_ = height;
  if (renderer_ && MakeCurrent()) renderer_->SetLogicalSize(width, height);
  ApplyWindowMode();
  modeActive_ = true;
  return true;
}

// Brings the window up the way it should be; asking again for the mode in force changes nothing, so the
// game's per-frame check and F11 never make the screen flicker.
void SdlBackend::ApplyWindowMode() {
  if (!window_) return;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if (flags & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(window_);
  if (windowed_) {
    if (flags & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
    if (!windowSized_) {
      SDL_SetWindowSize(window_, logicalWidth_, logicalHeight_);
      windowSized_ = true;
    }
  } else if ((flags & SDL_WINDOW_FULLSCREEN_DESKTOP) != SDL_WINDOW_FULLSCREEN_DESKTOP) {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  if (flags & SDL_WINDOW_HIDDEN) SDL_ShowWindow(window_);
  if ((flags & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) != 0) SDL_RaiseWindow(window_);
}

void SdlBackend::ExitDisplayMode() {
  modeActive_ = false;
  if (!window_) return;
  // Out of the way of whatever comes next (a movie window, the desktop).
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
  SDL_MinimizeWindow(window_);
}

int SdlBackend::TestCondition(int condition) {
  switch (condition) {
    case 0:
      return renderer_ ? 0 : 1;
    case 1:
      return desktopBitsPerPixel_ > 0 && desktopBitsPerPixel_ < 16 ? 1 : 0;
    case 2:
      return renderer_ && IsSoftwareRenderer(glRendererName_) ? 1 : 0;
    case 5:
      return modeActive_ ? 1 : 0;
    default:
      return 0;  // every sound format it accepts plays, and the picture is its own: no warnings
  }
}

uint32_t SdlBackend::WindowId() const { return window_ ? SDL_GetWindowID(window_) : 0; }

// ---------------- frames and input ----------------

void SdlBackend::SetFrameRate(int fps) {
  EngineBackend::SetFrameRate(fps);
  if (clock_.Running()) clock_.SetRate(NowUs(), FrameRate());
}

void SdlBackend::Start() {
  EngineBackend::Start();
  clock_.Start(NowUs(), FrameRate());
}

void SdlBackend::Enqueue(const RawEvent& e) {
  input_.Note(e);
  queue_.push_back(e);
}

void SdlBackend::Handle(const SDL_Event& event) {
  const uint32_t mine = WindowId();
  switch (event.type) {
    case SDL_QUIT:
      closeRequested_ = true;
      return;
    case SDL_WINDOWEVENT:
      if (event.window.windowID != mine) return;
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          closeRequested_ = true;
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          input_.ReleaseAll();
          break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          ShowLastFrame();
          break;
        default:
          break;
      }
      return;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      // Input aimed at another window (a movie's) is not the game's.
      const uint32_t target = event.type == SDL_MOUSEMOTION                            ? event.motion.windowID
                              : (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) ? event.key.windowID
                                                                                       : event.button.windowID;
      if (target != mine) return;
      int w = 0, h = 0;
      SDL_GetWindowSize(window_, &w, &h);
      const LetterboxRect box = FitLetterbox(w, h, logicalWidth_, logicalHeight_);
      RawEvent e;
      if (TranslateSdlInput(event, box, logicalWidth_, logicalHeight_, e)) Enqueue(e);
      return;
    }
    default:
      // An event the host pushed for itself (its own messages): the host must get control back to read it.
      if (event.type >= SDL_USEREVENT) hostWoken_ = true;
      return;
  }
}

void SdlBackend::PumpAll() {
  if (!video_) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) Handle(event);
}

void SdlBackend::PresentOwedFrame() {
  if (!presentOwed_) return;
  presentOwed_ = false;
  Present(lastStage_.Get());
}

bool SdlBackend::NextEvent(RawEvent& out, int timeoutMs) {
  // The frame handed out last has been handled by now: show what the game drew for it.
  PresentOwedFrame();
  PumpAll();
  const int64_t deadline = timeoutMs < 0 ? -1 : NowUs() + static_cast<int64_t>(timeoutMs) * 1000;
  while (true) {
    if (closeRequested_) {
      closeRequested_ = false;
      if (onClose_) {
        onClose_();
      } else if (core_) {
        core_->Trace("the window was closed, but nobody listens for it");
      }
      return false;
    }
    if (hostWoken_) {
      hostWoken_ = false;
      return false;
    }
    if (!queue_.empty()) {
      out = queue_.front();
      queue_.pop_front();
      if (out.id == kEventFrame) {
        presentOwed_ = true;
        ++frameEvents_;
      }
      return true;
    }
    const int64_t now = NowUs();
    if (Started() && clock_.UntilDue(now) == 0) {
      out = RawEvent::Frame(clock_.Take(now));
      presentOwed_ = true;
      ++frameEvents_;
      return true;
    }
    if (deadline >= 0 && now >= deadline) return false;
    // Sleep until input comes, the next frame is due or the caller's time is up, whichever is first.
    int64_t waitUs = Started() ? clock_.UntilDue(now) : -1;
    if (deadline >= 0) waitUs = waitUs < 0 ? deadline - now : std::min(waitUs, deadline - now);
    const int waitMs = waitUs < 0 ? -1 : static_cast<int>(std::max<int64_t>(1, (waitUs + 999) / 1000));
    if (!video_) {
      if (waitMs < 0) return false;  // nothing can ever come
      std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
      continue;
    }
    SDL_Event event;
    const bool got = waitMs < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, waitMs) != 0;
    if (got) {
      Handle(event);
      PumpAll();
    }
  }
}

// ---------------- pictures ----------------

void SdlBackend::Present(EngineStage* stage) {
  if (stage) lastStage_ = EngineRef<EngineStage>(stage);
  ++presented_;
  if (!renderer_ || !MakeCurrent()) return;
  if (SameAsDrawn(stage)) {
    // Nothing on the screen changed: no drawing, no presenting, the window keeps its picture. One the
    // window could not take yet (it was minimised) is shown once it can.
    if (!drawnShown_) drawnShown_ = ShowLastFrame();
    return;
  }
  // Counted before drawing: a change made while the frame is drawn belongs to the next one.
  drawnChanges_ = SceneChangeCount();
  drawnStage_ = EngineRef<EngineStage>(stage);
  drawnWidth_ = renderer_->LogicalWidth();
  drawnHeight_ = renderer_->LogicalHeight();
  drawnOnce_ = true;
  drawnShown_ = DrawAndShow(stage);
  ++drawn_;
  if (pictureInWindow_) ++drawnIntoWindow_;
}

bool SdlBackend::WindowOfLogicalSize() const {
  if (!renderer_->WindowTakesFrames() || !window_) return false;
  if (SDL_GetWindowFlags(window_) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) return false;
  int w = 0, h = 0;
  SDL_GL_GetDrawableSize(window_, &w, &h);
  return w == renderer_->LogicalWidth() && h == renderer_->LogicalHeight();
}

bool SdlBackend::DrawAndShow(EngineStage* stage) {
  if (WindowOfLogicalSize()) {
    // Pixel for pixel: no offscreen picture and no copy.
    renderer_->RenderFrame(stage, GlRenderer::Target::kWindow);
    SDL_GL_SwapWindow(window_);
    pictureInWindow_ = true;
    return true;
  }
  renderer_->RenderFrame(stage, GlRenderer::Target::kOffscreen);
  pictureInWindow_ = false;
  return ShowLastFrame();
}

bool SdlBackend::SameAsDrawn(EngineStage* stage) {
  if (!drawnOnce_ || stage != drawnStage_.Get() || SceneChangeCount() != drawnChanges_) return false;
  if (renderer_->LogicalWidth() != drawnWidth_ || renderer_->LogicalHeight() != drawnHeight_) return false;
  return !renderer_->DrawnImagesChanged();
}

bool SdlBackend::ShowLastFrame() {
  if (!renderer_ || !window_ || !MakeCurrent()) return false;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if (flags & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) return false;
  int w = 0, h = 0;
  SDL_GL_GetDrawableSize(window_, &w, &h);
  if (w <= 0 || h <= 0) return false;
  // The window's buffers keep no picture to show again: the frame is drawn again from what it was drawn from.
  if (pictureInWindow_) return DrawAndShow(drawnStage_.Get());
  renderer_->ShowInWindow(w, h);
  SDL_GL_SwapWindow(window_);
  return true;
}

bool SdlBackend::ReadFrame(std::vector<uint8_t>& rgb) {
  if (!renderer_ || !MakeCurrent()) return false;
  if (pictureInWindow_) {
    // A presented picture cannot be read back from the window: the same frame is drawn again offscreen, where
    // it stays. A scene that moved on since is presented first, so the capture is what the window shows.
    if (!SameAsDrawn(drawnStage_.Get())) Present(drawnStage_.Get());
    renderer_->RenderFrame(drawnStage_.Get(), GlRenderer::Target::kOffscreen);
    pictureInWindow_ = false;
  }
  renderer_->ReadFrame(rgb);
  return true;
}

bool SdlBackend::CaptureFrame(const std::string& pngPath) {
  // A capture between two events (a script's) comes after the last frame's handler: show that first.
  PresentOwedFrame();
  std::vector<uint8_t> rgb;
  if (!ReadFrame(rgb)) return false;
  return WritePng(pngPath, renderer_->LogicalWidth(), renderer_->LogicalHeight(), rgb);
}

void SdlBackend::FinishFrame() {
  if (renderer_ && MakeCurrent()) renderer_->Finish();
}

uint64_t SdlBackend::TextureUploads() const { return renderer_ ? renderer_->TextureUploads() : 0; }
uint64_t SdlBackend::MeshBuilds() const { return renderer_ ? renderer_->MeshBuilds() : 0; }
size_t SdlBackend::CachedTextures() const { return renderer_ ? renderer_->CachedTextures() : 0; }
size_t SdlBackend::LastSpritesDrawn() const { return renderer_ ? renderer_->LastSpritesDrawn() : 0; }
size_t SdlBackend::LastDrawItems() const { return renderer_ ? renderer_->LastDrawItems() : 0; }

SdlBackend* SdlBackendOf(EngineRoot& root) { return dynamic_cast<SdlBackend*>(&BackendOf(root)); }

}  // namespace engine
