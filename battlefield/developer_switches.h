// The battle's developer switches, set only by the developer keys of the overhead view.
#pragma once

#include <cstdint>

namespace kestrine {

struct BattleSwitchesState {
  // Enemy fire cannot kill the medic (his own grenade still can).
  uint8_t invulnerable = 0;
};
extern BattleSwitchesState battleSwitchesState;
extern uint8_t& invulnerable;

}  // namespace kestrine
