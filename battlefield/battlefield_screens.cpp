// The screen records of the mission start and the overhead view, and the battle's frame that both mission
// states run.
#include "battlefield/battlefield_screens.h"

#include "battlefield/battle_state.h"
#include "battlefield/mission_frame.h"
#include "battlefield/mission_load.h"
#include "battlefield/mission_state.h"
#include "battlefield/overhead_entry.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/overhead_hud.h"
#include "battlefield/overhead_keys.h"
#include "battlefield/overhead_mouse.h"
#include "battlefield/patient_view_link.h"
#include "battlefield/unit_array.h"
#include "battlefield/view_preset.h"
#include "casualty/backpack.h"
#include "casualty_view/backpack_screen.h"
#include "casualty_view/patient_view.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

void EnterStartMission() {
  const CampaignPosition& at = Campaign();
  UnloadBackpackScreen();
  // The briefing is built afresh for the debriefing: its pictures and its officer need not sit through the
  // battle.
  ReleaseScreens({STATE_BRIEFING});
  PlayMissionMovie(at.missionNumber);
  LoadMission(at.missionNumber, at.difficulty);
  BuildPatientView(nullptr);
  BeginMissionClocks(at.missionNumber, at.difficulty);
  ApplyViewPreset();
  BuildNavGrid();
}

void EnterOverhead() {
  // The loaded pack goes into the mission; the next backpack screen starts afresh.
  KeepBackpack(false);
  SwitchToOverheadView();
  ApplyViewPreset();
  BuildNavGrid();
  StartOverheadSounds();
  // The buttons work, and show, from the first frame (the list may still hold the patient view's).
  if (missionState.missionLoaded) {
    SetOverheadHotspots();
    DrawOverheadLabels();
    DrawWeaponPanel();
  }
}

// At shut-down: the mission still loaded, and the overhead strip kept from mission to mission.
void ReleaseOverhead() {
  UnloadMission();
  missionState.overheadImage.Reset();
  ReleaseTimeUpImage();
}

// The mission's casualty units, in slot order, as the patient view builds them.
std::vector<ViewCasualty> MissionCasualties() {
  std::vector<ViewCasualty> cases;
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    cases.push_back(Units().units[i] ? ViewCasualty{Units().units[i]->woundType, Units().units[i]->severity, true}
                                     : ViewCasualty{0, 0, false});
  }
  return cases;
}

}  // namespace

void RegisterBattlefieldScreens() {
  RegisterBattleFrame(MissionFrame);
  RegisterPatientViewLink();
  RegisterCasualtyCaseSource(MissionCasualties);
  RegisterScreen(STATE_START_MISSION, Screen{.enter = EnterStartMission});
  RegisterScreen(STATE_OVERHEAD, Screen{.enter = EnterOverhead,
                                        .frame = OverheadFrame,
                                        .mouse = OverheadMouse,
                                        .key = OverheadKey,
                                        .release = ReleaseOverhead});
}

}  // namespace kestrine
