// The battle's developer switches, set only by the developer keys of the overhead view.
#pragma once

#include <cstdint>

namespace kestrine {

struct BattleSwitchesState {
  // Enemy fire cannot kill the medic (his own grenade still can).
  uint8_t invulnerable = 0;
  // The evacuation is called at once, whoever still waits.
  uint8_t forceExtraction = 0;
  // The medic's position is shown on the head-up display.
  uint8_t showLocation = 0;
  // The walking grid's links are drawn over the view once.
  uint8_t showGrid = 0;
};
// Written only in developer_switches.cpp, through the operations below; everyone else reads this view.
const BattleSwitchesState& BattleSwitches();

// The developer keys: enemy fire cannot kill the medic, or it can again; the position shown or hidden; the
// grid links asked for once (the battle draws them on its next frame and says so).
void SetInvulnerable(bool on);
void ToggleInvulnerable();
void ToggleShowLocation();
void AskForGridLinks();
void GridLinksDrawn();

}  // namespace kestrine
