// The headless backend: no window, a virtual clock, injected input, silent audio. Tests and tools
// drive the whole program through it.
#pragma once

#include <deque>

#include "core/backend.h"
#include "core/input_state.h"

namespace engine {

class EngineRoot;

class HeadlessBackend : public EngineBackend {
 public:
  std::string Name() const override { return "headless"; }
  int64_t NowMs() override { return now_; }
  void Sleep(int ms) override;
  bool AdvancesSoundsByClock() const override { return true; }

  bool SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void ExitDisplayMode() override { modeActive_ = false; }
  bool DisplayModeActive() const override { return modeActive_; }
  int ScreenWidth() const override { return width_; }
  int ScreenHeight() const override { return height_; }
  int TestCondition(int condition) override;

  bool NextEvent(RawEvent& out, int timeoutMs) override;
  void Enqueue(const RawEvent& e) override;
  void Present(EngineStage*) override { ++presented_; }

  bool AnyInputHeld() const override { return input_.AnyHeld(); }
  int MouseX() const override { return input_.MouseX(); }
  int MouseY() const override { return input_.MouseY(); }

  // ---- test controls ----
  void InjectFrame(int ms);
  void InjectMouse(int code, int x, int y);
  void InjectKey(int virtualKey, bool down);
  // With free running on, an empty queue yields frames of 1000 / frame rate ms, spread exactly
  // (16, 17, 17 at 60 per second); off, it yields nothing and the host's wait returns.
  void SetFreeRun(bool on) { freeRun_ = on; }
  // A free run nobody watches (the program started headless without an input script) ends once this much
  // virtual time has passed: it says so on the trace and asks the host to close, as a closed window would.
  void SetFreeRunLimit(int64_t ms) { freeRunLimitMs_ = ms; }
  size_t Pending() const { return queue_.size(); }
  int PresentedFrames() const { return presented_; }
  // Forces the answers of TestCondition (tests of the start-up checks).
  void SetConditionResult(int condition, int result);
  // Makes the screen report another size (tests of the display-mode guard).
  void SetScreenSize(int width, int height) {
    width_ = width;
    height_ = height;
  }

 private:
  int64_t now_ = 0;
  std::deque<RawEvent> queue_;
  bool freeRun_ = false;
  int64_t freeRunFrames_ = 0;
  int64_t freeRunLimitMs_ = 0;  // 0: no limit
  bool limitReached_ = false;
  bool modeActive_ = false;
  int width_ = 640, height_ = 480;
  int presented_ = 0;
  InputState input_;
  int conditions_[16] = {};
  bool conditionForced_[16] = {};
};

// The headless backend of an engine root, or null when it runs on another backend.
HeadlessBackend* HeadlessBackendOf(EngineRoot& root);

}  // namespace engine
