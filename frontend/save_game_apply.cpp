#include "frontend/save_game_apply.h"

#include <algorithm>
#include <cstring>

#include "casualty/after_action_report.h"
#include "casualty/backpack.h"
#include "casualty/report_lines.h"
#include "casualty/vitals.h"
#include "frontend/saved_progress_fields.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kFirstTrainingMission = 11;
constexpr int32_t kReplayStepMs = 100;
constexpr int32_t kRightCallPoints = 5;
constexpr float kDropHeight = 3.0f;

void ApplyProgress(const SavedProgress& p) {
  MissionProgress restored = Progress();
  VisitSavedProgressFields(restored, p, [](auto& field, const auto& kept) { CopySavedField(field, kept); });
  RestoreProgress(restored);
}

}  // namespace

void ApplySavedCampaign(const SaveGame& save) {
  // Saves do not say whether the mission was a training run; the training missions are the only ones.
  const bool trainingRun = save.mission >= kFirstTrainingMission;
  ResumeCampaign(save.mission, save.difficulty, trainingRun);
  ApplyProgress(save.progress);
  SetEffectsVolume(save.effectsVolume);
  SetMusicVolume(save.musicVolume);
  UpdateMusicVolume();
  if (save.kind != SAVE_DEBRIEFING) return;

  ClearReport();
  SetLoserEnding(true);
  for (const std::string& line : save.reportLines) {
    AppendReportLine(line);
    // The report names the capture of the enemy leader exactly when the good ending was earned.
    if (line == kLeaderCapturedLine) SetLoserEnding(false);
  }
  UnbankMission();
}

void ApplySavedBackpack(const SavedBackpack& saved) {
  // The recommended kit is not saved: the pack keeps the one it has.
  Backpack pack = Pack();
  pack.weight = saved.weight;
  pack.volume = saved.volume;
  pack.maxWeight = saved.maxWeight;
  pack.maxVolume = saved.maxVolume;
  pack.totalItems = saved.totalItems;
  std::copy(std::begin(saved.count), std::end(saved.count), pack.count);
  RestoreBackpack(pack);
}

void ApplySavedUnit(Unit& unit, const SavedUnit& saved) {
  unit.down = saved.down != 0;
  unit.state = saved.state;
  unit.woundType = saved.woundType;
  unit.patientLoc = saved.patientLoc;
  unit.severity = saved.severity;
  unit.orders = saved.orders;
  unit.home = Vector3(saved.homeX, saved.homeY, saved.homeZ);
  unit.patrol = saved.patrol;
  unit.health = saved.health;
  unit.respawnTime = saved.respawnTime;
  unit.SetPosition(saved.x, saved.y + kDropHeight, saved.z);
}

void AdvancePatientClock(Patient& patient, int32_t targetMs) {
  for (int64_t remaining = static_cast<int64_t>(targetMs) - patient.clockMs; remaining > 0;
       remaining -= kReplayStepMs) {
    UpdateVitals(patient, static_cast<int32_t>(std::min<int64_t>(remaining, kReplayStepMs)));
  }
}

void ReplaySavedPatient(Patient& patient, const SavedPatient& saved) {
  for (const ActionRecord& action : saved.actions) {
    AdvancePatientClock(patient, action.clockMs);
    patient.ApplyTool(action.tool, action.part, 0, 0, action.stock);
  }
  AdvancePatientClock(patient, saved.clockMs);
  // The verdict itself is restored too: without it the after-action report would list the call as still
  // to be made, and leave out the one that was made.
  patient.verdict = saved.verdict;
  if (saved.verdict == VERDICT_RIGHT) {
    patient.score += kRightCallPoints;
    AddMissionPoints(kRightCallPoints);
  }
}

}  // namespace kestrine
