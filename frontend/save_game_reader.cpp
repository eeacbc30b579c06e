#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "battlefield/patient_locations.h"
#include "battlefield/strategy_entry.h"
#include "battlefield/strategy_file.h"
#include "battlefield/unit_array.h"
#include "casualty/body_location.h"
#include "casualty/body_parts.h"
#include "casualty/casualty_slots.h"
#include "casualty/report_lines.h"
#include "casualty/tool_table.h"
#include "casualty/wound_types.h"
#include "frontend/save_game.h"
#include "shell/mission_progress.h"

namespace kestrine {

static_assert(kSaveRibbonCount == kRibbonCount && kSaveBadgeCount == kBadgeCount);
// A save holds exactly kSaveToolCount pack counts; another number of tools needs a new save layout that
// still reads the old one.
static_assert(kSaveToolCount == kToolCount, "the tool table and the save's pack counts disagree");
static_assert(kSaveUnitLimit == kUnitSlotCount);
static_assert(kSavePatientLimit == kCasualtySlotCount);
static_assert(kSaveRecordLimit == kActionRecordCapacity);
static_assert(kSaveReportLineLimit == kReportLineCapacity);
static_assert(kSaveReportLineLength == kReportLineLength);

namespace {

constexpr int32_t kIntMin = INT32_MIN;
constexpr int32_t kIntMax = INT32_MAX;
constexpr int32_t kCampaignMissions = 13;
constexpr int32_t kMaxVolume = 127;
constexpr int32_t kFigureCount = 3;
// The battlefield spans about 160 units; nothing that stands on it is a thousand units away.
constexpr float kCoordinateLimit = 1000.0f;
// A pack far heavier or bulkier than any figure can carry.
constexpr float kPackLimit = 1.0e6f;
// Seven casualties give at most 7 x 260 s of mission; a patient clock (or a mission clock) beyond an hour
// was not made by the game, and replaying it would take the loader minutes.
constexpr int32_t kClockLimit = 3600000;
constexpr int32_t kUnitStateLimit = 5;
constexpr int32_t kSeverityLimit = 3;
constexpr int32_t kVerdictLimit = 2;
// The date and time are eight characters each; the slot list shows them.
constexpr size_t kStampLength = 16;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

// A report line as kept: cut to its length, without carriage returns at its end, which a save written from
// it would end the line with and the next load take for the line's end (so the line would shrink on every
// save and load).
std::string ReportLine(std::string_view line) {
  line = line.substr(0, kSaveReportLineLength);
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

class SaveReader {
 public:
  explicit SaveReader(std::string_view text) : text_(text) {}

  const std::string& Error() const { return error_; }

  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = "line " + std::to_string(lineNumber_) + ": " + what;
    return false;
  }

  // The next whole line without its end; false (with the error) when the text has ended.
  bool NextLine(std::string_view& line, const char* what) {
    if (pos_ >= text_.size()) {
      ++lineNumber_;
      return Fail(std::string("the file ends before ") + what);
    }
    const size_t end = text_.find('\n', pos_);
    line = text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }

  // The next line split at blanks; it must hold exactly `expected` fields.
  bool Fields(size_t expected, const char* what) {
    std::string_view line;
    if (!NextLine(line, what)) return false;
    return Split(line, expected, what);
  }

  bool Split(std::string_view line, size_t expected, const char* what) {
    fields_.clear();
    size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && IsBlank(line[i])) ++i;
      const size_t start = i;
      while (i < line.size() && !IsBlank(line[i])) ++i;
      if (i > start) fields_.push_back(line.substr(start, i - start));
    }
    if (fields_.size() != expected) {
      return Fail(std::string(what) + ": " + std::to_string(expected) + " fields expected, " +
                  std::to_string(fields_.size()) + " found");
    }
    field_ = 0;
    return true;
  }

  std::string_view Word() { return fields_[field_++]; }

  bool Int(int32_t& out, int32_t low, int32_t high, const char* what) {
    std::string_view word = Word();
    if (!ParseInt(word, out)) {
      return Fail(std::string(what) + ": \"" + std::string(word) + "\" is not a 32-bit whole number");
    }
    if (out < low || out > high) {
      return Fail(std::string(what) + " " + std::to_string(out) + " is outside " + std::to_string(low) + ".." +
                  std::to_string(high));
    }
    return true;
  }

  bool Float(float& out, float limit, bool signedValue, const char* what) {
    std::string_view word = Word();
    if (!word.empty() && word[0] == '+') word.remove_prefix(1);
    const auto result = std::from_chars(word.data(), word.data() + word.size(), out);
    if (word.empty() || result.ec != std::errc() || result.ptr != word.data() + word.size()) {
      return Fail(std::string(what) + ": \"" + std::string(word) + "\" is not a number");
    }
    if (!std::isfinite(out) || out > limit || out < (signedValue ? -limit : 0.0f)) {
      return Fail(std::string(what) + " " + std::string(word) + " is out of range");
    }
    return true;
  }

  static bool ParseInt(std::string_view word, int32_t& out) {
    // "%d" takes a sign in front of the digits.
    if (!word.empty() && word[0] == '+') word.remove_prefix(1);
    if (word.empty() || word[0] == '+') return false;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), out);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
  }

  // Only blank lines may follow the last field.
  bool AtEnd() {
    while (pos_ < text_.size()) {
      std::string_view line;
      NextLine(line, "");
      for (char c : line) {
        if (!IsBlank(c)) return Fail("more text after the end of the save");
      }
    }
    return true;
  }

  bool ReadHeader(SaveGame& save);
  bool ReadReport(SaveGame& save);
  bool ReadVolumes(SaveGame& save);
  bool ReadBattle(SaveGame& save);
  bool ReadUnit(SavedMission& m, size_t index, int32_t unitCount);
  bool ReadPatients(SavedMission& m);

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
  std::vector<std::string_view> fields_;
  size_t field_ = 0;
  std::string error_;
};

bool SaveReader::ReadHeader(SaveGame& save) {
  if (!Fields(4, "the kind, mission, date and time")) return false;
  const std::string_view kind = Word();
  bool known = false;
  for (int k = 0; k < 3; ++k) {
    if (kind == kSaveKindWords[k]) {
      save.kind = static_cast<SaveKind>(k);
      known = true;
    }
  }
  if (!known) return Fail("unknown kind of save \"" + std::string(kind) + "\"");
  if (!Int(save.mission, 1, kCampaignMissions, "mission")) return false;
  save.date = std::string(Word());
  save.time = std::string(Word());
  if (save.date.size() > kStampLength || save.time.size() > kStampLength) {
    return Fail("the date or time is longer than " + std::to_string(kStampLength) + " characters");
  }

  if (!Fields(1, "the difficulty") || !Int(save.difficulty, 0, 2, "difficulty")) return false;

  SavedProgress& p = save.progress;
  if (!Fields(9, "the campaign record")) return false;
  if (!Int(p.promotionCount, 0, kIntMax, "promotions") || !Int(p.ribbonTotal, 0, kIntMax, "ribbon total") ||
      !Int(p.lastBadge, -1, kSaveBadgeCount - 1, "last badge") ||
      !Int(p.missionScore, kIntMin, kIntMax, "mission score") ||
      !Int(p.missionMaximum, kIntMin, kIntMax, "mission maximum") ||
      !Int(p.campaignScore, kIntMin, kIntMax, "campaign score") ||
      !Int(p.campaignMaximum, kIntMin, kIntMax, "campaign maximum") ||
      !Int(p.savedExtra, kIntMin, kIntMax, "saved extra") ||
      !Int(p.playerFigure, 0, kFigureCount - 1, "player figure")) {
    return false;
  }
  if (!Fields(kSaveRibbonCount + kSaveBadgeCount, "the ribbon and badge counters")) return false;
  for (int32_t& count : p.ribbonCount) {
    if (!Int(count, 0, kIntMax, "ribbon count")) return false;
  }
  for (int32_t& count : p.badgeCount) {
    if (!Int(count, 0, kIntMax, "badge count")) return false;
  }
  return true;
}

bool SaveReader::ReadVolumes(SaveGame& save) {
  return Fields(2, "the volumes") && Int(save.effectsVolume, 0, kMaxVolume, "effects volume") &&
         Int(save.musicVolume, 0, kMaxVolume, "music volume");
}

bool SaveReader::ReadReport(SaveGame& save) {
  std::string_view line;
  if (!NextLine(line, "the report")) return false;
  // The count is glued to the first report line. A count of 0 was once glued to the volumes instead
  // ("0127 127"): a count never starts with 0 otherwise, so the rest of such a line is the volumes.
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] == '+') ++i;
  const size_t digits = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i == digits) return Fail("the report's line count is missing");
  if (line[digits] == '0') {
    save.reportLines.clear();
    const std::string_view rest = line.substr(digits + 1);
    for (char c : rest) {
      if (!IsBlank(c)) {
        return Split(rest, 2, "the volumes") && Int(save.effectsVolume, 0, kMaxVolume, "effects volume") &&
               Int(save.musicVolume, 0, kMaxVolume, "music volume");
      }
    }
    return ReadVolumes(save);
  }
  int32_t count = 0;
  if (!ParseInt(line.substr(digits, i - digits), count) || count > kSaveReportLineLimit) {
    return Fail("report line count " + std::string(line.substr(digits, i - digits)) + " is outside 0.." +
                std::to_string(kSaveReportLineLimit));
  }
  save.reportLines.assign(1, ReportLine(line.substr(i)));
  for (int32_t n = 1; n < count; ++n) {
    if (!NextLine(line, "the last report line")) return false;
    save.reportLines.push_back(ReportLine(line));
  }
  return ReadVolumes(save);
}

bool SaveReader::ReadUnit(SavedMission& m, size_t index, int32_t unitCount) {
  SavedUnit& u = m.units[index];
  int32_t firstPatient = 0;
  int32_t count = 0;
  if (!Fields(10, "a unit's place and condition") || !Float(u.x, kCoordinateLimit, true, "unit x") ||
      !Float(u.y, kCoordinateLimit, true, "unit y") || !Float(u.z, kCoordinateLimit, true, "unit z") ||
      !Int(u.down, 0, 1, "down") || !Int(u.state, 0, kUnitStateLimit, "unit state") ||
      !Int(u.woundType, 0, kWoundTypeCount - 1, "wound type") ||
      !Int(u.patientLoc, 0, kPatientLocationCount - 1, "patient location") ||
      !Int(u.severity, 0, kSeverityLimit, "severity") || !Int(firstPatient, 0, unitCount, "first casualty unit") ||
      !Int(count, 0, kIntMax, "unit count")) {
    return false;
  }
  // Every unit's line repeats the two; they must agree with the count above and with each other.
  if (count != unitCount) return Fail("a unit's line gives unit count " + std::to_string(count));
  if (index == 0) {
    m.firstPatientUnit = firstPatient;
  } else if (firstPatient != m.firstPatientUnit) {
    return Fail("a unit's line gives first casualty unit " + std::to_string(firstPatient));
  }
  return Fields(7, "a unit's orders and home") && Int(u.orders, 0, kOrdersCount - 1, "orders") &&
         Float(u.homeX, kCoordinateLimit, true, "home x") && Float(u.homeY, kCoordinateLimit, true, "home y") &&
         Float(u.homeZ, kCoordinateLimit, true, "home z") && Int(u.patrol, 0, kStrategyEntryCount - 1, "patrol") &&
         Int(u.health, kIntMin, kIntMax, "health") && Int(u.respawnTime, kIntMin, kIntMax, "respawn time");
}

bool SaveReader::ReadPatients(SavedMission& m) {
  int32_t count = 0;
  if (!Fields(1, "the patient count") || !Int(count, 0, kSavePatientLimit, "patient count")) return false;
  m.patients.assign(count, SavedPatient{});
  for (SavedPatient& patient : m.patients) {
    if (!Fields(2, "a patient's side") || !Int(patient.side, 0, 1, "side") ||
        !Int(patient.sideBits, kIntMin, kIntMax, "side bits")) {
      return false;
    }
    const BodyLocation bits = static_cast<BodyLocation>(patient.sideBits);
    if (bits != LOC_RIGHT && bits != LOC_LEFT && bits != kSideBits) {
      return Fail("side bits " + std::to_string(patient.sideBits) + " name no side");
    }
  }
  for (SavedPatient& patient : m.patients) {
    int32_t records = 0;
    if (!Fields(3, "a patient's verdict and action count") || !Int(patient.verdict, 0, kVerdictLimit, "verdict") ||
        !Int(patient.savedWord, kIntMin, kIntMax, "saved word") || !Int(records, 0, kSaveRecordLimit, "action count")) {
      return false;
    }
    if (!Fields(static_cast<size_t>(records) * 4, "a patient's actions")) return false;
    patient.actions.assign(records, ActionRecord{});
    for (ActionRecord& action : patient.actions) {
      int32_t tool = 0;
      int32_t part = 0;
      if (!Int(tool, 0, kToolCount - 1, "tool") || !Int(part, 0, kBodyPartCount - 1, "body part") ||
          !Int(action.clockMs, 0, kClockLimit, "action time") || !Int(action.stock, kIntMin, kIntMax, "stock")) {
        return false;
      }
      action.tool = static_cast<int16_t>(tool);
      action.part = static_cast<int16_t>(part);
    }
    if (!Fields(1, "a patient's clock") || !Int(patient.clockMs, 0, kClockLimit, "patient clock")) return false;
  }
  return true;
}

bool SaveReader::ReadBattle(SaveGame& save) {
  SavedMission& m = save.battle;
  int32_t unitCount = 0;
  if (!Fields(1, "the unit count") || !Int(unitCount, 1, kSaveUnitLimit, "unit count")) return false;
  m.units.assign(unitCount, SavedUnit{});
  for (size_t i = 0; i < m.units.size(); ++i) {
    if (!ReadUnit(m, i, unitCount)) return false;
  }

  SavedBackpack& pack = m.backpack;
  if (!Fields(5, "the backpack") || !Float(pack.weight, kPackLimit, false, "pack weight") ||
      !Float(pack.volume, kPackLimit, false, "pack volume") ||
      !Float(pack.maxWeight, kPackLimit, false, "weight limit") ||
      !Float(pack.maxVolume, kPackLimit, false, "volume limit") || !Int(pack.totalItems, 0, kIntMax, "item total") ||
      !Fields(kSaveToolCount, "the pack counts")) {
    return false;
  }
  for (int32_t& count : pack.count) {
    if (!Int(count, 0, kIntMax, "pack count")) return false;
  }

  if (!ReadPatients(m) || !Fields(0, "the empty line after the patients") || !ReadVolumes(save)) return false;
  return Fields(1, "the mission clock") && Int(m.missionClock, -kClockLimit, kClockLimit, "mission clock");
}

}  // namespace

SaveGameRead ReadSaveGame(std::string_view text) {
  SaveGameRead result;
  if (text.size() > kSaveFileLimit) {
    result.error = "the file is larger than any save";
    return result;
  }
  if (text.find('\0') != std::string_view::npos) {
    result.error = "the file holds a zero byte: it is not a save";
    return result;
  }
  SaveReader reader(text);
  SaveGame& save = result.save;
  bool ok = reader.ReadHeader(save);
  if (ok) {
    switch (save.kind) {
      case SAVE_BRIEFING:
        ok = reader.ReadVolumes(save);
        break;
      case SAVE_DEBRIEFING:
        ok = reader.ReadReport(save);
        break;
      case SAVE_MISSION:
        ok = reader.ReadBattle(save);
        break;
    }
  }
  result.ok = ok && reader.AtEnd();
  if (!result.ok) {
    result.error = reader.Error();
    result.save = SaveGame{};
  }
  return result;
}

}  // namespace kestrine
