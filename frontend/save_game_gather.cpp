#include "frontend/save_game_gather.h"

#include <algorithm>

#include "battlefield/unit_array.h"
#include "casualty/backpack.h"
#include "casualty/casualty_slots.h"
#include "casualty/report_lines.h"
#include "frontend/saved_progress_fields.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

std::string LocalTimeText(std::time_t when, const char* format) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  const size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

SavedProgress GatherProgress() {
  const MissionProgress& m = Progress();
  SavedProgress p;
  VisitSavedProgressFields(m, p, [](const auto& field, auto& kept) { CopySavedField(kept, field); });
  return p;
}

SaveGame GatherCampaign(SaveKind kind, std::time_t when) {
  SaveGame save;
  save.kind = kind;
  save.mission = Campaign().missionNumber;
  save.date = SaveDateText(when);
  save.time = SaveTimeText(when);
  save.difficulty = Campaign().difficulty;
  save.progress = GatherProgress();
  save.effectsVolume = Sounds().effectsVolume;
  save.musicVolume = Sounds().musicVolume;
  return save;
}

SavedUnit GatherUnit(const Unit& unit) {
  SavedUnit u;
  u.x = unit.pos.x;
  u.y = unit.pos.y;
  u.z = unit.pos.z;
  u.down = unit.down ? 1 : 0;
  u.state = unit.state;
  u.woundType = unit.woundType;
  u.patientLoc = unit.patientLoc;
  u.severity = unit.severity;
  u.orders = unit.orders;
  u.homeX = unit.home.x;
  u.homeY = unit.home.y;
  u.homeZ = unit.home.z;
  u.patrol = unit.patrol;
  u.health = unit.health;
  u.respawnTime = unit.respawnTime;
  return u;
}

SavedPatient GatherPatient(const Patient& patient) {
  SavedPatient p;
  p.side = patient.side;
  p.sideBits = static_cast<int32_t>(patient.sideBits);
  p.verdict = patient.verdict;
  p.savedWord = PatientSavedWord(patient);
  p.actions.assign(patient.actionRecords.begin(), patient.actionRecords.end());
  p.clockMs = patient.clockMs;
  return p;
}

}  // namespace

std::string SaveDateText(std::time_t when) { return LocalTimeText(when, "%m/%d/%y"); }
std::string SaveTimeText(std::time_t when) { return LocalTimeText(when, "%H:%M:%S"); }

int32_t PatientSavedWord(const Patient& patient) { return static_cast<int32_t>(patient.appliedItems); }

SaveGame GatherBriefingSave(std::time_t when) { return GatherCampaign(SAVE_BRIEFING, when); }

SaveGame GatherDebriefingSave(std::time_t when) {
  SaveGame save = GatherCampaign(SAVE_DEBRIEFING, when);
  const int32_t lines = std::clamp(Report().reportLineCount, 0, kReportLineCapacity);
  for (int32_t i = 0; i < lines; ++i) save.reportLines.emplace_back(Report().reportLines[i]);
  return save;
}

SaveGame GatherMissionSave(std::time_t when) {
  SaveGame save = GatherCampaign(SAVE_MISSION, when);
  SavedMission& m = save.battle;
  m.firstPatientUnit = Units().firstPatientUnit;
  const int32_t count = std::clamp(Units().unitCount, 0, kUnitSlotCount);
  for (int32_t i = 0; i < count; ++i) m.units.push_back(Units().units[i] ? GatherUnit(*Units().units[i]) : SavedUnit{});

  SavedBackpack& pack = m.backpack;
  pack.weight = Pack().weight;
  pack.volume = Pack().volume;
  pack.maxWeight = Pack().maxWeight;
  pack.maxVolume = Pack().maxVolume;
  pack.totalItems = Pack().totalItems;
  std::copy(std::begin(Pack().count), std::end(Pack().count), pack.count);

  // The casualties from slot 0 up to the first empty one: a load rebuilds exactly that many.
  for (int slot = 0; slot < kCasualtySlotCount && Slots().casualties[slot]; ++slot) {
    m.patients.push_back(GatherPatient(*Slots().casualties[slot]));
  }
  m.missionClock = MissionTime().missionClock;
  return save;
}

}  // namespace kestrine
