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
extern BattleSwitchesState battleSwitchesState;
extern uint8_t& invulnerable;
extern uint8_t& forceExtraction;
extern uint8_t& showLocation;
extern uint8_t& showGrid;

}  // namespace kestrine
