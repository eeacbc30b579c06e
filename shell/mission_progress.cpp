#include "shell/mission_progress.h"

#include "shell/globals.h"
#include "shell/program_state.h"

namespace kestrine {

MissionProgress missionProgress;
KESTRINE_PROGRAM_STATE(missionProgress);

void MissionProgress::Reset(const char*, int32_t extra, int32_t figure, int32_t flag) {
  *this = MissionProgress{};
  savedExtra = extra;
  playerFigure = figure;
  unread = flag;
}

void AdvanceMission() { missionNumber += 1; }

}  // namespace kestrine
