// The screen table: one record per game state. The shell owns the rules of switching (SetGameState) and
// the order of each event's work; the screens themselves belong to the subsystem that owns the state and
// are filled in from that subsystem's registration function, called once at start-up by the program's top.
// A state with no record traces "screen <n> not built" once and does nothing else.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "shell/menu_input.h"

namespace kestrine {

struct Screen {
  // The entry actions of the state, run by SetGameState before the state is stored (so `gameState` still
  // holds the state being left).
  void (*enter)() = nullptr;
  // The state's per-frame work, after the clocks and the display-mode guard.
  void (*frame)() = nullptr;
  // Every mouse code (2 move, 6/7 left down/up, 9/10 right down/up) at the logical pointer position; true
  // when the screen consumed the event.
  bool (*mouse)(int code, int32_t x, int32_t y) = nullptr;
  // A left-button release the screen did not consume: `rule` picks one of the screen's buttons (its index in
  // the hot-spot list, -1 for none) and `press` acts on it. Every screen keeps the first rule unless the game's
  // design gives it another (shell/menu_input.h).
  void (*press)(int32_t button) = nullptr;
  ButtonRule rule = ButtonRule::kUnderPointer;
  // A pointer move the screen did not consume, after the shell's hover test over the buttons: hit tells
  // whether the pointer is on one (its index is in hotspotIndex). Screens redraw their highlight here.
  void (*hover)(bool hit) = nullptr;
  // A key's virtual-key code and whether it went down, after the shell's own F11 handling.
  void (*key)(int key, bool down) = nullptr;
  // Releases the engine objects the screen holds (shut-down). A screen shared by two states (the briefing
  // and the debriefing, the two slot screens) registers its release with the first of them only.
  void (*release)() = nullptr;
};

// Fills the record of one state (0..31); a later registration of the same state replaces the earlier one.
void RegisterScreen(int32_t state, const Screen& screen);
// The record of a state; nullptr when the state is out of range or nothing registered it.
const Screen* FindScreen(int32_t state);
// Forgets every record (tests that register their own screens).
void ClearScreenTable();

// The record of a state, for dispatch: a state nothing registered traces "screen <n> not built" the first
// time it is asked for, and gives nullptr.
const Screen* ScreenToRun(int32_t state);
// Runs the release of each listed state's screen, in the order given; unregistered states are skipped.
void ReleaseScreens(std::initializer_list<int32_t> states);

}  // namespace kestrine
