#include "battlefield/developer_switches.h"

#include "shell/program_state.h"

namespace kestrine {

BattleSwitchesState battleSwitchesState;
KESTRINE_PROGRAM_STATE(battleSwitchesState);
uint8_t& invulnerable = battleSwitchesState.invulnerable;

}  // namespace kestrine
