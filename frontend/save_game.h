// A saved game as a plain value: the three kinds the game writes (from a running mission, from the briefing
// and from the debriefing) and every field each kind keeps. The text form is fixed by the files players
// already have; WriteMissionSave and friends produce it and ReadSaveGame reads it back, checking every value
// against what the game can hold before anything of the running game is touched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "casualty/action_record.h"

namespace kestrine {

enum SaveKind : int32_t {
  SAVE_MISSION = 0,     // "MISSION": the whole battlefield and every casualty's treatment so far
  SAVE_BRIEFING = 1,    // "BRIEF--": the campaign on the briefing screen
  SAVE_DEBRIEFING = 2,  // "DEBRIEF": the campaign with the mission's after-action report
};

// The first word of a save file, by kind (all three are seven characters).
extern const char* const kSaveKindWords[3];

constexpr int kSaveRibbonCount = 8;  // the campaign record's counters, as a save lays them out
constexpr int kSaveBadgeCount = 3;
constexpr int kSaveToolCount = 48;  // fixed by the file: one pack count per tool row
constexpr int kSaveUnitLimit = 25;
constexpr int kSavePatientLimit = 7;
constexpr int kSaveRecordLimit = 1000;
constexpr int kSaveReportLineLimit = 500;
constexpr int kSaveReportLineLength = 74;
// No save the game writes comes near this; anything longer is not read at all.
constexpr size_t kSaveFileLimit = 1 << 20;

// The campaign record as a save keeps it.
struct SavedProgress {
  int32_t promotionCount = 0;
  int32_t ribbonCount[kSaveRibbonCount] = {};
  int32_t ribbonTotal = 0;
  int32_t badgeCount[kSaveBadgeCount] = {};
  int32_t lastBadge = -1;
  int32_t missionScore = 0;
  int32_t missionMaximum = 0;
  int32_t campaignScore = 0;
  int32_t campaignMaximum = 0;
  int32_t savedExtra = 0;
  int32_t playerFigure = 0;

  bool operator==(const SavedProgress&) const = default;
};

// One unit of the battlefield. The file repeats firstPatientUnit and unitCount on every unit's line; the
// value keeps them once, in SavedMission.
struct SavedUnit {
  float x = 0.0f, y = 0.0f, z = 0.0f;
  int32_t down = 0;  // 0 or 1
  int32_t state = 0;
  int32_t woundType = 0;
  int32_t patientLoc = 0;
  int32_t severity = 0;
  int32_t orders = 0;
  float homeX = 0.0f, homeY = 0.0f, homeZ = 0.0f;
  int32_t patrol = 0;
  int32_t health = 0;
  int32_t respawnTime = 0;  // ms

  bool operator==(const SavedUnit&) const = default;
};

struct SavedBackpack {
  float weight = 0.0f;
  float volume = 0.0f;
  float maxWeight = 0.0f;
  float maxVolume = 0.0f;
  int32_t totalItems = 0;
  int32_t count[kSaveToolCount] = {};

  bool operator==(const SavedBackpack&) const = default;
};

// One casualty of the patient view: his side, how his disposition was judged, and every tool applied to
// him with the patient clock of the moment, so loading can apply them all again in order.
struct SavedPatient {
  int32_t side = 0;      // 0 or 1
  int32_t sideBits = 0;  // the side bits as the file prints them: a signed number
  int32_t verdict = 0;   // 0 none, 1 right, 2 wrong
  int32_t savedWord = 0;
  std::vector<ActionRecord> actions;
  int32_t clockMs = 0;

  bool operator==(const SavedPatient& other) const;
};

struct SavedMission {
  int32_t firstPatientUnit = 0;
  std::vector<SavedUnit> units;  // unitCount of them, the evacuation helicopter included when it came
  SavedBackpack backpack;
  std::vector<SavedPatient> patients;  // from casualty slot 0 up to the first empty slot
  int32_t missionClock = 0;            // ms left

  bool operator==(const SavedMission&) const = default;
};

struct SaveGame {
  SaveKind kind = SAVE_BRIEFING;
  int32_t mission = 1;  // 1..10 campaign, 11..13 training
  std::string date;     // mm/dd/yy
  std::string time;     // hh:mm:ss
  int32_t difficulty = 0;
  SavedProgress progress;
  std::vector<std::string> reportLines;  // DEBRIEF only
  SavedMission battle;                   // MISSION only
  int32_t effectsVolume = 0;
  int32_t musicVolume = 0;

  bool operator==(const SaveGame&) const = default;
};

// The file's text, byte for byte as the game has always written it: numbers as "%d" and "%f" with six
// decimals whatever the locale, the side bits signed, a space after each counter of the fourth line, of
// the pack counts and of each action's group. The date and time are written as they are.
std::string WriteMissionSave(const SaveGame& save);
std::string WriteBriefingSave(const SaveGame& save);
// A report without lines still ends its count with a newline, so the volumes after it read back as volumes.
std::string WriteDebriefingSave(const SaveGame& save);
// The writer of the save's own kind.
std::string WriteSaveGame(const SaveGame& save);

struct SaveGameRead {
  bool ok = false;
  SaveGame save;
  std::string error;  // what was wrong, with the line it was found on; empty when ok
};

// Reads a save file's text. Lines may end in "\r\n"; a report line longer than the debriefing can show is
// cut to its length. Anything else the game cannot hold (an unknown kind, a mission outside 1..13, more
// units, patients, actions or report lines than there is room for, a tool or body part outside the tables,
// a value outside its range, a missing or extra field, a line missing at the end) rejects the whole file.
SaveGameRead ReadSaveGame(std::string_view text);

}  // namespace kestrine
