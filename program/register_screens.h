// The program's top: where the subsystems' screens come together. Each subsystem registers the screens of
// the game states it owns; the shell's rules (shell/game_state.h) and event handlers run them.
#pragma once

namespace kestrine {

// Once at start-up, before the main window is made (the harness of the scenario tests calls it too). The
// shell's screens first; a later subsystem may replace a record of an earlier one.
void RegisterAllScreens();

}  // namespace kestrine
