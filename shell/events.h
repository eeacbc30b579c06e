// The engine's events as the game handles them: one frame, mouse or key event at a time, on the one
// thread, each acting on the current game state.
#pragma once

#include <cstdint>

#include "engine/engine.h"

namespace kestrine {

// The clocks the frame event advances (milliseconds). Written only by the frame event and the operations
// below; everyone else reads the const view.
struct FrameClock {
  // 64 bits: the running sum of every frame never overflows, however long the game is left running.
  int64_t gameClock = 0;
  int32_t frameTime = 0;
  int32_t clampCountdown = 1;  // the first frame of the program is clamped too
};

const FrameClock& Clock();

// The next `frames` frames are clamped to 100 ms (after a load, whose long frame must not be played).
void ClampNextFrames(int32_t frames);
// Tests and benchmarks that run frames without the frame event: the game clock and the frame time set outright.
void SetGameClock(int64_t ms);
void SetFrameTime(int32_t ms);

// The pointer where the last mouse event left it. Written only by the mouse event.
struct PointerPosition {
  int32_t pointerX = 0;
  int32_t pointerY = 0;
};

const PointerPosition& Pointer();
// The pointer is at (x, y): the mouse event's first step, and the backpack screen's move (its tests feed it
// moves directly).
void MovePointer(int32_t x, int32_t y);

// Adds the frame's time to the game clock, clamps the frame time after a load, keeps the display mode,
// and runs the current state's per-frame work.
void OnFrame(const engine::EngineRef<engine::EngineEvent>& event);
// Three stages: screens that take every mouse code, button actions on a left-button release, and hover
// highlighting on a move.
void OnMouse(const engine::EngineRef<engine::EngineEvent>& event);
// F11 restores the display mode in every state; then the key goes to the current screen.
void OnKey(const engine::EngineRef<engine::EngineEvent>& event);
// The engine's fourth event carries nothing the game needs.
void OnUnusedEvent();

}  // namespace kestrine
