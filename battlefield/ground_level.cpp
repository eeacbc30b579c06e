#include "battlefield/ground_level.h"

#include "shell/program_state.h"

namespace kestrine {

GroundLevelState groundLevelState;
KESTRINE_PROGRAM_STATE(groundLevelState);
float& groundLevel = groundLevelState.groundLevel;

}  // namespace kestrine
