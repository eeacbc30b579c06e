// OnFrame: the game clock, the frame-time clamp after loads, the display-mode guard, then the current
// state's screen.
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"

namespace kestrine {

FrameClock frameClock;
KESTRINE_PROGRAM_STATE(frameClock);

const FrameClock& Clock() { return frameClock; }

void ClampNextFrames(int32_t frames) { frameClock.clampCountdown = frames; }

void SetGameClock(int64_t ms) { frameClock.gameClock = ms; }

void SetFrameTime(int32_t ms) { frameClock.frameTime = ms; }

namespace {

constexpr int32_t kClampedFrameMs = 100;
constexpr int kLogicalWidth = 640;
constexpr int kLogicalHeight = 480;
constexpr int kDisplayBits = 16;

void KeepDisplayMode() {
  if (Engine().engineRoot->GetScreenWidth() == kLogicalWidth &&
      Engine().engineRoot->GetScreenHeight() == kLogicalHeight)
    return;
  Engine().engineRoot->SetDisplayMode(kLogicalWidth, kLogicalHeight, kDisplayBits);
  const int width = Engine().engineRoot->GetScreenWidth();
  const int height = Engine().engineRoot->GetScreenHeight();
  Engine().engineCamera->SetViewport((width - kLogicalWidth) / 2, (height - kLogicalHeight) / 2, kLogicalWidth,
                                     kLogicalHeight);
}

}  // namespace

void OnFrame(const engine::EngineRef<engine::EngineEvent>& event) {
  frameClock.frameTime = event->GetFrameTime();
  frameClock.gameClock += frameClock.frameTime;
  if (frameClock.clampCountdown != 0) {
    if (frameClock.frameTime > kClampedFrameMs) frameClock.frameTime = kClampedFrameMs;
    frameClock.clampCountdown -= 1;
  }
  KeepDisplayMode();

  const Screen* screen = ScreenToRun(States().gameState);
  if (screen && screen->frame) screen->frame();
}

void OnUnusedEvent() {}

}  // namespace kestrine
