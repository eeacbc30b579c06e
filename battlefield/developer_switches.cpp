#include "battlefield/developer_switches.h"

#include "shell/program_state.h"

namespace kestrine {

BattleSwitchesState battleSwitchesState;
KESTRINE_PROGRAM_STATE(battleSwitchesState);
uint8_t& invulnerable = battleSwitchesState.invulnerable;
uint8_t& forceExtraction = battleSwitchesState.forceExtraction;
uint8_t& showLocation = battleSwitchesState.showLocation;
uint8_t& showGrid = battleSwitchesState.showGrid;

}  // namespace kestrine
