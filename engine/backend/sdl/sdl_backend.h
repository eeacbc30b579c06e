// The SDL backend: the engine's own window ("Quillary FullScreen", desktop full screen unless
// KESTRINE_WINDOWED=1) with an OpenGL 3.3 renderer, the audio device, input, and frame events paced by
// real time. The logical screen the game draws for is shown scaled to fit the window, aspect kept; a window
// of exactly the logical size is drawn into straight.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "backend/sdl/frame_clock.h"
#include "backend/sdl/letterbox.h"
#include "core/backend.h"
#include "core/input_state.h"
#include "engine/engine_ref.h"
#include "engine/engine_scene.h"

struct SDL_Window;
union SDL_Event;

namespace engine {

class EngineRoot;
class GlRenderer;
class SdlAudio;

class SdlBackend : public EngineBackend {
 public:
  SdlBackend();
  ~SdlBackend() override;

  std::string Name() const override { return "sdl"; }
  void Attach(EngineCore* core) override;
  void Detach() override;
  int64_t NowMs() override;
  void Sleep(int ms) override;
  bool AdvancesSoundsByClock() const override;

  bool SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void ExitDisplayMode() override;
  bool DisplayModeActive() const override { return modeActive_; }
  int ScreenWidth() const override { return logicalWidth_; }
  int ScreenHeight() const override { return logicalHeight_; }
  int TestCondition(int condition) override;

  void SetFrameRate(int fps) override;
  void Start() override;
  bool NextEvent(RawEvent& out, int timeoutMs) override;
  void Enqueue(const RawEvent& e) override;
  void Present(EngineStage* stage) override;
  bool CaptureFrame(const std::string& pngPath) override;

  bool AnyInputHeld() const override { return input_.AnyHeld(); }
  int MouseX() const override { return input_.MouseX(); }
  int MouseY() const override { return input_.MouseY(); }

  // ---- tests, tools and benchmarks ----
  bool HasGlContext() const { return renderer_ != nullptr; }
  // Why there is no GL context (empty when there is one).
  const std::string& GlFailure() const { return glFailure_; }
  const std::string& GlRendererName() const { return glRendererName_; }
  uint32_t WindowId() const;
  SDL_Window* Window() const { return window_; }
  bool AudioOpen() const;
  int PresentedFrames() const { return presented_; }
  // Frame events handed to the game, and pictures the renderer actually drew (an unchanged screen is not drawn
  // again).
  int FrameEvents() const { return frameEvents_; }
  int DrawnFrames() const { return drawn_; }
  // Of those, the ones drawn straight into a window of the logical size.
  int FramesDrawnIntoWindow() const { return drawnIntoWindow_; }
  uint64_t TextureUploads() const;
  uint64_t MeshBuilds() const;
  // Textures the renderer holds now.
  size_t CachedTextures() const;
  size_t LastSpritesDrawn() const;
  size_t LastDrawItems() const;
  // Waits until the GPU has finished the frames asked of it.
  void FinishFrame();
  // The last presented frame, RGB top row first, logical size; false with no GL context.
  bool ReadFrame(std::vector<uint8_t>& rgb);

 private:
  int64_t NowUs() const;
  bool MakeCurrent() const;
  void ApplyWindowMode();
  // Takes one SDL event: input into the queue, window events acted on. Returns nothing; see closeRequested_.
  void Handle(const SDL_Event& event);
  void PumpAll();
  // Shows the logical picture in the window; false when the window cannot show it now (hidden, minimised).
  bool ShowLastFrame();
  // True when the window is shown, exactly of the logical size and able to take a frame drawn straight into it.
  bool WindowOfLogicalSize() const;
  // Draws the stage, straight into the window when it is of the logical size, else offscreen, and shows it;
  // false when the window cannot show it now.
  bool DrawAndShow(EngineStage* stage);
  // True when the stage would be drawn as it was drawn last: same stage, no change to the scene or to the
  // images it shows, same logical screen.
  bool SameAsDrawn(EngineStage* stage);
  // Presents the frame whose event went out, if it has not been shown yet.
  void PresentOwedFrame();

  std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
  bool video_ = false;
  SDL_Window* window_ = nullptr;
  void* context_ = nullptr;  // SDL_GLContext
  std::unique_ptr<GlRenderer> renderer_;
  std::unique_ptr<SdlAudio> audio_;
  std::string glFailure_;
  std::string glRendererName_;
  int desktopBitsPerPixel_ = 0;
  bool windowed_ = false;
  bool windowSized_ = false;

  int logicalWidth_ = 640, logicalHeight_ = 480;
  bool modeActive_ = false;

  FrameClock clock_;
  std::deque<RawEvent> queue_;
  InputState input_;
  bool closeRequested_ = false;
  bool hostWoken_ = false;    // an SDL user event came: the wait ends so the host can look at its own queue
  bool presentOwed_ = false;  // a frame event went out; its picture is shown when the host comes back
  EngineRef<EngineStage> lastStage_;
  // What the picture in the renderer was drawn from, and whether the window shows it yet.
  bool drawnOnce_ = false;
  EngineRef<EngineStage> drawnStage_;
  uint64_t drawnChanges_ = 0;
  int drawnWidth_ = 0, drawnHeight_ = 0;
  bool drawnShown_ = false;
  bool pictureInWindow_ = false;  // the last picture was drawn straight into the window, not offscreen
  int presented_ = 0;
  int frameEvents_ = 0;
  int drawn_ = 0;
  int drawnIntoWindow_ = 0;
};

// The SDL backend of an engine root, or null when it runs on another backend.
SdlBackend* SdlBackendOf(EngineRoot& root);

// True for Mesa's software rasterisers, which draw without any 3D hardware.
bool IsSoftwareRenderer(const std::string& glRendererName);

}  // namespace engine
