// The screen records of the mission start and the overhead view, and the battle's frame that both mission
// states run. The overhead view's own drawing and input are not built yet.
#include "battlefield/battlefield_screens.h"

#include "battlefield/battle_state.h"
#include "battlefield/mission_frame.h"
#include "battlefield/mission_load.h"
#include "battlefield/mission_state.h"
#include "battlefield/overhead_entry.h"
#include "battlefield/view_preset.h"
#include "casualty/backpack.h"
#include "casualty/backpack_screen.h"
#include "shell/globals.h"
#include "shell/mission_frames.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

void EnterStartMission() {
  UnloadBackpackScreen();
  PlayMissionMovie();
  LoadMission();
  // The casualty's patient view is built here once casualty care has it (BuildPatientView(0)).
  BeginMissionClocks();
  ApplyViewPreset();
  BuildNavGrid();
}

void EnterOverhead() {
  // The loaded pack goes into the mission; the next backpack screen starts afresh.
  keepBackpack = false;
  ApplyViewPreset();
  BuildNavGrid();
  StartOverheadSounds();
}

// At shut-down: the mission still loaded, and the overhead strip kept from mission to mission.
void ReleaseOverhead() {
  UnloadMission();
  missionState.overheadImage.Reset();
  battleState.timeUpImage.Reset();
}

}  // namespace

void RegisterBattlefieldScreens() {
  RegisterBattleFrame(MissionFrame);
  RegisterScreen(STATE_START_MISSION, Screen{.enter = EnterStartMission});
  RegisterScreen(STATE_OVERHEAD, Screen{.enter = EnterOverhead, .frame = OverheadFrame, .release = ReleaseOverhead});
}

}  // namespace kestrine
