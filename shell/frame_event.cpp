// OnFrame: the game clock, the frame-time clamp after loads, the display-mode guard, then the current
// state's screen.
#include "shell/events.h"
#include "shell/globals.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int32_t kClampedFrameMs = 100;
constexpr int kLogicalWidth = 640;
constexpr int kLogicalHeight = 480;
constexpr int kDisplayBits = 16;

void KeepDisplayMode() {
  if (engineRoot->GetScreenWidth() == kLogicalWidth && engineRoot->GetScreenHeight() == kLogicalHeight) return;
  engineRoot->SetDisplayMode(kLogicalWidth, kLogicalHeight, kDisplayBits);
  const int width = engineRoot->GetScreenWidth();
  const int height = engineRoot->GetScreenHeight();
  engineCamera->SetViewport((width - kLogicalWidth) / 2, (height - kLogicalHeight) / 2, kLogicalWidth, kLogicalHeight);
}

}  // namespace

void OnFrame(const engine::EngineRef<engine::EngineEvent>& event) {
  frameTime = event->GetFrameTime();
  gameClock += frameTime;
  if (clampCountdown != 0) {
    if (frameTime > kClampedFrameMs) frameTime = kClampedFrameMs;
    clampCountdown -= 1;
  }
  KeepDisplayMode();

  const Screen* screen = ScreenToRun(gameState);
  if (screen && screen->frame) screen->frame();
}

void OnUnusedEvent() {}

}  // namespace kestrine
