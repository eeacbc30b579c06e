// Patient::ApplyTool: a tool put to a body part, from the record in the patient's history to what the
// medic says about it.
#include <cstring>

#include "casualty/backpack.h"
#include "casualty/clothing_cut.h"
#include "casualty/patient.h"
#include "casualty/speech_kinds.h"
#include "casualty/tool_matching.h"
#include "casualty/treatment_blockers.h"
#include "casualty/treatment_effects.h"
#include "casualty/treatment_switches.h"
#include "casualty/vitals.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

// What lastStep holds after an application that matched nothing.
constexpr TreatmentStep kNoMatch{};

constexpr const char* kNoneLeft = "None left";
constexpr const char* kOutOfStock = "Oops! I don't have any more";
constexpr const char* kAttemptedAmputation = "Attempted to amputate leg";
constexpr const char* kWhatAmIDoing = "What am I doing?";

constexpr BodyLocation kArmJoints = LOC_ELBOW | LOC_UPPER_ARM | LOC_FOREARM;
// Chances that the patient speaks up after a right and after a wrong move.
constexpr int kRightSpeechOdds = 5;
constexpr int kWrongSpeechOdds = 2;

// The pack's row a tool is counted in: its own, or its drawer's or kit's.
int32_t StockRow(int32_t tool) {
  const ToolDef& def = ToolTable[tool];
  return def.HasParent() && IsToolRow(def.parentRow) ? def.parentRow : tool;
}

// The tool's clips, or its drawer's when the vial or fluid has none of its own.
const char* ToolSpeechKey(int32_t tool) {
  const ToolDef& def = ToolTable[tool];
  if (*def.speechKey != '\0' || !def.HasParent() || !IsToolRow(def.parentRow)) return def.speechKey;
  return ToolTable[def.parentRow].speechKey;
}

const char* WoundRemarkKey(const Patient& patient) {
  return IsWoundRow(patient.currentWound) ? WoundTypeTable[patient.currentWound].remarkKey : "";
}

bool Yells(const char* action) {
  return std::strstr(action, "yells") != nullptr || std::strstr(action, "screams") != nullptr ||
         std::strstr(action, "yelps") != nullptr;
}

}  // namespace

void Patient::ApplyTool(int32_t tool, int32_t part, int32_t, int32_t, int32_t savedStock) {
  // Tool and part numbers also come from save files: anything outside the tables is no application.
  if (!IsToolRow(tool) || !IsBodyPart(part)) return;
  // A full history takes nothing more; an application it cannot keep would be lost from a saved game.
  if (!actionRecords.Append({static_cast<int16_t>(tool), static_cast<int16_t>(part), clockMs, savedStock})) return;
  ActionRecord& record = actionRecords.entries[actionRecords.count - 1];

  const ToolDef& def = ToolTable[tool];
  const BodyLocation partMask = kBodyParts[part].mask;
  const bool replaying = Sounds().replayingSave != 0;
  auto remark = [&](const char* text) {
    if (!replaying && text != nullptr && *text != '\0') ShowRemark(text);
  };

  if (tool == TOOL_SCISSORS) {
    // Scissors do not cut through the blanket: the refusal comes before anything is cut.
    if (BlanketBlocks(*this, tool, part)) {
      remark(kBlanketInTheWay);
      return;
    }
    CutClothing(*this, part);
  }
  if ((def.flags & TOOL_FLAG_LOCATIONS & partMask) == 0) return;

  int32_t stock = savedStock;
  if (!replaying) {
    stock = Pack().count[StockRow(tool)];
    record.stock = stock;
  }
  const bool outOfStock = stock < 1;

  if (const char* blocker = FindBlocker(*this, tool, part)) {
    remark(blocker);
    return;
  }

  const ToolMatch match = def.examIndex != TOOL_EXAM_NONE ? ExamineWithTool(*this, tool, partMask, outOfStock)
                                                          : MatchTreatment(*this, tool, partMask, outOfStock);
  const TreatmentStep* step = match.step;
  lastStep = step != nullptr ? step : &kNoMatch;

  if (outOfStock && (step == nullptr || (step->flags & STEP_REMOVAL) == 0)) {
    AddChartEntry(kNoneLeft);
    remark(kOutOfStock);
    return;
  }

  bool tookOff = false;
  if (step == nullptr || (step->flags & STEP_NO_EFFECT) == 0) {
    tookOff = PlayToolEffect(*this, tool, part, step);
    if (tool == TOOL_CRAVAT && (RegionOf(partMask) & kArmJoints) != 0) {
      BodyLocation& cravat = cravatMasks[SideIndexOf(partMask)];
      cravat = tookOff ? (cravat & ~kArmJoints) : (cravat | kArmJoints);
    }
  }
  if (step == nullptr) return;

  if (tool == TOOL_SURVIVAL_SAW && !MayBeAmputated(*this)) {
    AddChartEntry(kAttemptedAmputation);
    remark(kWhatAmIDoing);
    QueueSpeech(SPEECH_TOOL_WRONG, ToolSpeechKey(tool));
    QueueSpeech(SPEECH_WOUND_WRONG, WoundRemarkKey(*this));
    return;
  }

  // Supplies: a consumable is used up, and comes back when it is taken off again. The pack never goes
  // below empty, even for an item taken off that was never counted out of it.
  if (!replaying && !Switches().unlimitedSupplies && def.IsConsumable()) {
    if (tookOff) {
      PutOneBackInPack(StockRow(tool));
    } else {
      TakeOneFromPack(StockRow(tool));
    }
  }

  AddChartEntry(step->action);
  remark(step->remark);
  bleedRate += step->bleedDelta;
  int32_t poolRate = bleedRate < 0 ? 0 : bleedRate;
  // A tourniquet or a bandage stops the pools growing whatever the rate says.
  if (!match.kitCompleted && (tool == TOOL_TOURNIQUET || tool == TOOL_BANDAGE)) poolRate = 0;
  Body().SetBloodPoolRate(static_cast<float>(poolRate));
  secondRate += step->secondDelta;

  if (Yells(step->action)) QueueSpeech(SPEECH_YELL, kYellName);

  // Speech belongs to the moment; a replayed save says nothing and draws nothing from the generator.
  if (!replaying) {
    if (tookOff) {
      QueueSpeech(SPEECH_MEDIC_FINDING, step->clip);
    } else {
      const int odds = match.right ? kRightSpeechOdds : kWrongSpeechOdds;
      if (rand() % odds == 0) QueueSpeech(match.right ? SPEECH_TOOL_RIGHT : SPEECH_TOOL_WRONG, ToolSpeechKey(tool));
      QueueSpeech(SPEECH_MEDIC_FINDING, step->clip);
      if (rand() % odds == 0) {
        QueueSpeech(match.right ? SPEECH_WOUND_RIGHT : SPEECH_WOUND_WRONG, WoundRemarkKey(*this));
      }
    }
  }

  SetShock(*this, step->forcedCondition, 0);
  SetPatientFlags(*this, step->flags);
}

}  // namespace kestrine
