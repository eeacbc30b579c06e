// The engine's events as the game handles them: one frame, mouse or key event at a time, on the one
// thread, each acting on the current game state.
#pragma once

#include "engine/engine.h"

namespace kestrine {

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
