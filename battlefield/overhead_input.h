// What the overhead view's input keeps between events: whether the next right click places the support
// team (kept from one mission to the next, like the button's text), and the developer's cheats.
#pragma once

#include <cstdint>

namespace kestrine {

struct OverheadInputState {
  // MOVE TEAM was pressed: the next right click on the ground or the mini-map sends the team there.
  uint8_t teamPlacement = 0;
  // Developer cheats: firing with nothing left, and the medic moved at once to where he is sent.
  uint8_t unlimitedAmmo = 0;
  uint8_t teleportMove = 0;
};
// Written only in overhead_mouse.cpp, through the operations below; everyone else reads this view.
const OverheadInputState& OverheadInput();

// The developer cheats, each on or off again.
void ToggleUnlimitedAmmo();
void ToggleTeleportMove();

}  // namespace kestrine
