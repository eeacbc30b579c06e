#include <charconv>
#include <string>

#include "frontend/save_game.h"

namespace kestrine {

const char* const kSaveKindWords[3] = {"MISSION", "BRIEF--", "DEBRIEF"};

bool SavedPatient::operator==(const SavedPatient& other) const {
  if (side != other.side || sideBits != other.sideBits || verdict != other.verdict || savedWord != other.savedWord ||
      clockMs != other.clockMs || actions.size() != other.actions.size()) {
    return false;
  }
  for (size_t i = 0; i < actions.size(); ++i) {
    const ActionRecord& a = actions[i];
    const ActionRecord& b = other.actions[i];
    if (a.tool != b.tool || a.part != b.part || a.clockMs != b.clockMs || a.stock != b.stock) return false;
  }
  return true;
}

namespace {

// Numbers are spelled the way "%d" and "%f" spell them in the "C" locale, whatever locale the program
// runs in: a player's decimal comma must not make his saves unreadable.
class SaveText {
 public:
  SaveText& Int(int32_t value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text_.append(buffer, end);
    return *this;
  }
  SaveText& Float(float value) {
    // "%f": the float widened to double, fixed notation, six decimals, correctly rounded. The largest
    // float takes 39 digits before the point, so the buffer always holds it.
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, 6).ptr;
    text_.append(buffer, end);
    return *this;
  }
  SaveText& Put(std::string_view s) {
    text_ += s;
    return *this;
  }
  SaveText& Space() { return Put(" "); }
  SaveText& End() { return Put("\n"); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// The four lines every kind opens with.
void WriteCommonLines(SaveText& out, const SaveGame& save, SaveKind kind) {
  out.Put(kSaveKindWords[kind]).Space().Int(save.mission).Space().Put(save.date).Space().Put(save.time).End();
  out.Int(save.difficulty).End();
  const SavedProgress& p = save.progress;
  out.Int(p.promotionCount).Space().Int(p.ribbonTotal).Space().Int(p.lastBadge).Space().Int(p.missionScore);
  out.Space().Int(p.missionMaximum).Space().Int(p.campaignScore).Space().Int(p.campaignMaximum);
  out.Space().Int(p.savedExtra).Space().Int(p.playerFigure).End();
  for (int32_t count : p.ribbonCount) out.Int(count).Space();
  for (int32_t count : p.badgeCount) out.Int(count).Space();
  out.End();
}

void WriteVolumes(SaveText& out, const SaveGame& save) {
  out.Int(save.effectsVolume).Space().Int(save.musicVolume).End();
}

}  // namespace

std::string WriteBriefingSave(const SaveGame& save) {
  SaveText out;
  WriteCommonLines(out, save, SAVE_BRIEFING);
  WriteVolumes(out, save);
  return out.Take();
}

std::string WriteDebriefingSave(const SaveGame& save) {
  SaveText out;
  WriteCommonLines(out, save, SAVE_DEBRIEFING);
  // The count runs straight into the first line: that is how the files have always been laid out.
  out.Int(static_cast<int32_t>(save.reportLines.size()));
  for (const std::string& line : save.reportLines) out.Put(line).End();
  if (save.reportLines.empty()) out.End();
  WriteVolumes(out, save);
  return out.Take();
}

std::string WriteMissionSave(const SaveGame& save) {
  SaveText out;
  WriteCommonLines(out, save, SAVE_MISSION);
  const SavedMission& m = save.battle;
  const int32_t unitCount = static_cast<int32_t>(m.units.size());
  out.Int(unitCount).End();
  for (const SavedUnit& u : m.units) {
    out.Float(u.x).Space().Float(u.y).Space().Float(u.z).Space().Int(u.down).Space().Int(u.state).Space();
    out.Int(u.woundType).Space().Int(u.patientLoc).Space().Int(u.severity).Space().Int(m.firstPatientUnit);
    out.Space().Int(unitCount).End();
    out.Int(u.orders).Space().Float(u.homeX).Space().Float(u.homeY).Space().Float(u.homeZ).Space();
    out.Int(u.patrol).Space().Int(u.health).Space().Int(u.respawnTime).End();
  }
  const SavedBackpack& pack = m.backpack;
  out.Float(pack.weight).Space().Float(pack.volume).Space().Float(pack.maxWeight).Space().Float(pack.maxVolume);
  out.Space().Int(pack.totalItems).End();
  for (int32_t count : pack.count) out.Int(count).Space();
  out.End();
  out.Int(static_cast<int32_t>(m.patients.size())).End();
  for (const SavedPatient& patient : m.patients) out.Int(patient.side).Space().Int(patient.sideBits).End();
  for (const SavedPatient& patient : m.patients) {
    out.Int(patient.verdict).Space().Int(patient.savedWord).Space();
    out.Int(static_cast<int32_t>(patient.actions.size())).End();
    for (const ActionRecord& a : patient.actions) {
      out.Int(a.tool).Space().Int(a.part).Space().Int(a.clockMs).Space().Int(a.stock).Space();
    }
    out.End().Int(patient.clockMs).End();
  }
  out.End();
  WriteVolumes(out, save);
  out.Int(m.missionClock).End();
  return out.Take();
}

std::string WriteSaveGame(const SaveGame& save) {
  switch (save.kind) {
    case SAVE_MISSION:
      return WriteMissionSave(save);
    case SAVE_DEBRIEFING:
      return WriteDebriefingSave(save);
    case SAVE_BRIEFING:
      break;
  }
  return WriteBriefingSave(save);
}

}  // namespace kestrine
