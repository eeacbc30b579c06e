// What a backend gives the engine core: a clock, a display, input and frame events, and presentation.
// The core does everything else (scene, bitmaps, text, sounds, collision) so both backends answer alike.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/engine_event.h"

namespace engine {

class EngineCore;
class EngineStage;

class EngineBackend {
 public:
  virtual ~EngineBackend() = default;
  virtual std::string Name() const = 0;
  virtual void Attach(EngineCore* core) { core_ = core; }
  // The core is going away: stop everything that calls into it from other threads (the audio mixer).
  virtual void Detach() { core_ = nullptr; }
  // Who is told when the person closes the engine's window: the host, which then closes itself.
  void SetCloseHandler(std::function<void()> onClose) { onClose_ = std::move(onClose); }

  // Milliseconds since the backend started (virtual in headless mode).
  virtual int64_t NowMs() = 0;
  // Blocks for ms (headless: advances the virtual clock).
  virtual void Sleep(int ms) = 0;
  // True when sounds advance with the clock (headless); false when an audio device plays them.
  virtual bool AdvancesSoundsByClock() const = 0;

  virtual bool SetDisplayMode(int width, int height, int bitsPerPixel) = 0;
  virtual void ExitDisplayMode() = 0;
  virtual bool DisplayModeActive() const = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  virtual int TestCondition(int condition) = 0;

  // Frame events begin after Start at the frame rate set.
  virtual void SetFrameRate(int fps) { frameRate_ = fps > 0 ? fps : 60; }
  virtual void Start() { started_ = true; }
  bool Started() const { return started_; }
  int FrameRate() const { return frameRate_; }

  // The next event, waiting at most timeoutMs (negative: until one comes). False when none came.
  virtual bool NextEvent(RawEvent& out, int timeoutMs) = 0;
  // Queues an event from an input script, to come out of NextEvent in order like real input.
  virtual void Enqueue(const RawEvent& e) = 0;
  // Draws the stage through its camera and presents it.
  virtual void Present(EngineStage* stage) = 0;
  // Writes the last presented frame as a PNG (tests and tools); false where there is no picture.
  virtual bool CaptureFrame(const std::string& /*pngPath*/) { return false; }

  virtual bool AnyInputHeld() const = 0;
  virtual int MouseX() const = 0;
  virtual int MouseY() const = 0;

 protected:
  EngineCore* core_ = nullptr;
  std::function<void()> onClose_;
  int frameRate_ = 60;
  bool started_ = false;
};

}  // namespace engine
