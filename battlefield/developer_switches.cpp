#include "battlefield/developer_switches.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

BattleSwitchesState battleSwitchesState;
KESTRINE_PROGRAM_STATE(battleSwitchesState);

}  // namespace

const BattleSwitchesState& BattleSwitches() { return battleSwitchesState; }

void SetInvulnerable(bool on) { battleSwitchesState.invulnerable = on ? 1 : 0; }

void ToggleInvulnerable() { SetInvulnerable(battleSwitchesState.invulnerable == 0); }

void ToggleShowLocation() { battleSwitchesState.showLocation = battleSwitchesState.showLocation ? 0 : 1; }

void AskForGridLinks() { battleSwitchesState.showGrid = 1; }

void GridLinksDrawn() { battleSwitchesState.showGrid = 0; }

}  // namespace kestrine
