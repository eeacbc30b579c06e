#include "shell/mission_progress.h"

#include "shell/program_state.h"

namespace kestrine {

MissionProgress missionProgress;
KESTRINE_PROGRAM_STATE(missionProgress);

}  // namespace kestrine
