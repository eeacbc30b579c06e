#include "frontend/save_game_restore.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "battlefield/battle_state.h"
#include "battlefield/casualty_cases.h"
#include "battlefield/extraction.h"
#include "battlefield/mission_load.h"
#include "battlefield/mission_state.h"
#include "battlefield/overhead_leave.h"
#include "battlefield/unit_array.h"
#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty_view/patient_view.h"
#include "casualty_view/patient_view_teardown.h"
#include "frontend/save_game_apply.h"
#include "frontend/save_slot_file.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kWarningMsPerCasualty = 40000;
constexpr int32_t kLoadClampFrames = 5;
constexpr int32_t kStartCountdownMs = 500;
constexpr int32_t kSpecialSeverity = 2;

// The battlefield is rebuilt from the mission's files, and its casualties from the cases decided at the
// briefing. A save loaded from the main menu has had no briefing: its casualty units say what the cases
// were (their wounds and severities, the enemy casualty by his severity), so the rebuilt mission has them.
void SeedCasualtyCases(const SaveGame& save) {
  const SavedMission& m = save.battle;
  const int32_t saved = static_cast<int32_t>(m.units.size()) - m.firstPatientUnit;
  const int32_t wanted = MissionRow(save.mission).casualties[std::clamp(save.difficulty, 0, kDifficultyCount - 1)];
  // A unit after the mission's casualties is the evacuation helicopter.
  const int32_t count = std::clamp(std::min(saved, wanted), 0, kMaxCasualtyCases);
  CasualtyCase cases[kMaxCasualtyCases];
  for (int32_t k = 0; k < count; ++k) {
    const SavedUnit& unit = m.units[m.firstPatientUnit + k];
    cases[k] = CasualtyCase{unit.woundType, unit.severity, unit.severity >= kSpecialSeverity ? 1 : 0};
  }
  SetCasualtyCases(cases, count);
}

// The saved fields onto the rebuilt units. A unit slot the rebuilt mission left empty right after its last
// unit is the helicopter, called since the extraction warning: it is called again. Saved units the rebuilt
// mission has no place for (its files changed since) are left out. True when the helicopter was made.
bool RestoreUnits(const SavedMission& m) {
  bool helicopterMade = false;
  const int32_t count = std::min(static_cast<int32_t>(m.units.size()), kUnitSlotCount);
  for (int32_t i = 0; i < count; ++i) {
    if (!Units().units[i] && !helicopterMade && i == Units().unitCount) {
      StartExtraction();
      ChooseExtractionPoint();
      CreateEvacHelicopter();
      helicopterMade = Units().units[i] != nullptr;
    }
    if (Units().units[i] && i < Units().unitCount) ApplySavedUnit(*Units().units[i], m.units[i]);
  }
  // Where the casualties start is the rebuilt mission's (the same as the save's, from the same files): the
  // patients are matched to the units it made.
  return helicopterMade;
}

// The patient view built for the mission's casualties, each patient's wound set up on the side it was on when
// the game was saved: the view reads one side line per patient, in slot order, from the stream it is given.
// The helicopter, made since the extraction warning, is no casualty: the count is lowered around the build.
void RebuildPatientView(const SavedMission& m, bool helicopterMade) {
  std::string sideLines;
  for (const SavedPatient& saved : m.patients) {
    sideLines += std::to_string(saved.side) + " " + std::to_string(saved.sideBits) + "\n";
  }
  // Never an empty stream: a patient with no line of his own has his side decided afresh.
  sideLines += "\n";
  std::FILE* stream = fmemopen(sideLines.data(), sideLines.size(), "r");
  if (helicopterMade) SetUnitCount(Units().unitCount - 1);
  BuildPatientView(stream);
  if (helicopterMade) CountNewUnit();
  if (stream) std::fclose(stream);
}

// Each saved casualty's treatment applied again in the view, in the order and at the moments it was given.
void ReplayPatients(const SavedMission& m) {
  const int32_t count = std::min(static_cast<int32_t>(m.patients.size()), kCasualtySlotCount);
  for (int32_t j = 0; j < count; ++j) {
    if (!HasCasualty(j)) continue;
    const SavedPatient& saved = m.patients[j];
    Patient& patient = *Slots().casualties[j];
    // A patient saved with treatment on him lies still rather than starting his wound's animation again.
    if (saved.savedWord != 0) patient.currentAnimation = -1;
    SetCurrentCasualtyIndex(j);
    SwitchToPatientView();
    ReplaySavedPatient(patient, saved);
    SwitchToOverheadView();
  }
}

void RestoreMission(const SaveGame& save) {
  const SavedMission& m = save.battle;
  SetReplayingSave(true);
  const bool helicopterMade = RestoreUnits(m);
  ApplySavedBackpack(m.backpack);

  // The score is earned again by the replayed treatment, and the maximum counted again as each patient's
  // wound is set up. (The casualty cases stay those the units were rebuilt from.)
  ClearMissionScore();
  ClearMissionMaximum();
  RebuildPatientView(m, helicopterMade);
  ReplayPatients(m);
  SetReplayingSave(false);

  // Straight into the overhead view, as if the mission had just been started: the loader replaces the mission
  // start's own entry, so the overhead view is entered from "starting a mission" without running it.
  StoreGameStateWithoutEntry(STATE_START_MISSION);
  SetGameState(STATE_OVERHEAD);
  missionState.extractionWarnTime = static_cast<int32_t>(m.patients.size()) * kWarningMsPerCasualty;
  ClampNextFrames(kLoadClampFrames);
  ResumeMissionClock(m.missionClock, kStartCountdownMs);
  if (helicopterMade) PlayEffectLoop(SOUND_HELI_LOOP, 1);
}

}  // namespace

bool ReadSaveGame(int32_t slot) {
  const SaveGameRead read = ReadSaveFromSlot(slot);
  if (!read.ok) {
    if (Engine().engineRoot)
      Engine().engineRoot->DebugPrint("save slot " + std::to_string(slot) + " not loaded: " + read.error);
    return false;
  }
  RestoreSavedGame(read.save);
  return true;
}

void RestoreSavedGame(const SaveGame& save) {
  StopAllSounds();
  // The running game goes only now that the save is known to be good.
  TearDownPatientView(false);
  UnloadMission();
  // The loaded game is a campaign of its own: a pack kept from some briefing before is not its pack, and
  // its briefing decides its own casualties.
  KeepBackpack(false);

  SetNightMission(save.mission);
  ClearTextOverlay();
  ApplySavedCampaign(save);

  switch (save.kind) {
    case SAVE_BRIEFING:
      SetGameState(STATE_BRIEFING);
      return;
    case SAVE_DEBRIEFING:
      // The debriefing adds the mission to the campaign again as it is built.
      SetGameState(STATE_DEBRIEFING);
      return;
    case SAVE_MISSION:
      break;
  }
  FillStandardBackpack();
  SeedCasualtyCases(save);
  // The saved position is the campaign's by now (ApplySavedCampaign).
  LoadMission(save.mission, save.difficulty);
  LeaveOverhead();
  RestoreMission(save);
}

}  // namespace kestrine
