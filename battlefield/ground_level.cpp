#include "battlefield/ground_level.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

GroundLevelState groundLevelState;
KESTRINE_PROGRAM_STATE(groundLevelState);

}  // namespace

const GroundLevelState& Ground() { return groundLevelState; }

void SetGroundLevel(float level) { groundLevelState.groundLevel = level; }

}  // namespace kestrine
