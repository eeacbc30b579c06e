// The treatment interpreter over the wound table's step lists.
#include "casualty/step_interpreter.h"

#include <string>

#include "casualty/saved_side.h"
#include "shell/developer_output.h"
#include "shell/mission_progress.h"
#include "shell/random.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int kFixedSlotCount = 3;         // glove on the head, stethoscope on the chest, stethoscope on the back
constexpr int32_t kDispositionPoints = 5;  // the right call to evacuate or return him to action
constexpr int32_t kImpaledOnBarWound = 2;  // lies on the bar that went through him

// The tool that fixes a slot's meaning, and the location the exam walk looks for in it.
struct FixedSlot {
  int32_t tool;
  BodyLocation location;
};
constexpr FixedSlot kFixedSlots[kFixedSlotCount] = {
    {TOOL_GLOVE, kWholeHead},
    {TOOL_STETHOSCOPE, LOC_CHEST},
    {TOOL_STETHOSCOPE, LOC_BACK},
};

int FixedSlotOf(const TreatmentStep& node) {
  for (int i = 0; i < kFixedSlotCount; ++i) {
    if (node.tool == kFixedSlots[i].tool && node.location == kFixedSlots[i].location) return i;
  }
  return -1;
}

ActiveStep ActiveCopy(const TreatmentStep& node, const TreatmentStep* source) {
  ActiveStep slot;
  static_cast<TreatmentStep&>(slot) = node;
  slot.source = source;
  return slot;
}

// The first active slot a test accepts, or null. The terminator ends the walk.
template <typename Test>
ActiveStep* FindActiveSlot(Patient& patient, Test test) {
  for (ActiveStep& slot : patient.activeSteps) {
    if (slot.tool == kEndOfList) break;
    if (test(slot)) return &slot;
  }
  return nullptr;
}

// Side and side bits of a new wound from its location and side rule.
void DecideSide(Patient& patient, const WoundType& row) {
  if (IsOneSidedRegion(row.location)) {
    switch (row.sideRule) {
      case SIDE_RULE_FIRST:
        patient.side = 0;
        break;
      case SIDE_RULE_SECOND:
        patient.side = 1;
        break;
      default:
        patient.side = rand() & 1;
        break;
    }
    patient.sideBits = patient.side == 0 ? LOC_RIGHT : LOC_LEFT;
    return;
  }
  switch (row.sideRule) {
    case SIDE_RULE_FIRST:
      patient.side = 0;
      patient.sideBits = LOC_RIGHT;
      break;
    case SIDE_RULE_SECOND:
      patient.side = 1;
      patient.sideBits = LOC_LEFT;
      break;
    default:
      patient.side = rand() & 1;
      patient.sideBits = kSideBits;
      break;
  }
}

// A saved side line. A pair the game could never have written is refused.
bool ReadSideLine(Patient& patient, std::FILE* stream) {
  int32_t side = 0;
  uint32_t bits = 0;
  if (!ReadSavedSide(stream, side, bits)) return false;
  patient.side = side;
  patient.sideBits = bits;
  return true;
}

// Wounds whose own chain treats the deterioration have no shock tracks; heat exhaustion worsens into heat
// stroke rather than into ordinary minor shock.
void SetShockTracks(Patient& patient, int32_t type) {
  const StepList* const* minor = WoundTypeTable[WOUND_MINOR_SHOCK].lists;
  const StepList* const* major = WoundTypeTable[WOUND_MAJOR_SHOCK].lists;
  switch (type) {
    case WOUND_CHEST_GUNSHOTS:
    case WOUND_TENSION_MULTIPLE:
    case WOUND_TENSION_SHRAPNEL:
    case WOUND_STAB_NECK:
      minor = nullptr;
      major = nullptr;
      break;
    case WOUND_HEAT_EXHAUSTION:
      minor = WoundTypeTable[WOUND_HEAT_STROKE].lists;
      break;
    default:
      break;
  }
  for (int i = 0; i < kTrackCount; ++i) {
    patient.minorShockLists[i] = minor ? minor[i] : nullptr;
    patient.majorShockLists[i] = major ? major[i] : nullptr;
  }
}

// The opposite single side bit.
BodyLocation OtherSide(BodyLocation sideBit) { return sideBit == LOC_RIGHT ? LOC_LEFT : LOC_RIGHT; }

}  // namespace

bool IsGloveOnHead(const TreatmentStep& step) { return step.tool == TOOL_GLOVE && step.location == kWholeHead; }

void SetUpWound(Patient& patient, int32_t type, std::FILE* savedStream) {
  // A row number from outside (a damaged save, a unit never given a wound) falls back to the picker's own
  // fallback, which is always a valid casualty.
  if (!IsWoundRow(type)) type = WOUND_EVISCERATION;
  const WoundType& row = WoundTypeTable[type];

  DeveloperPrint("---- Patient Wound ------");
  DeveloperPrint(std::string(row.title));

  const bool sideRead = savedStream != nullptr && ReadSideLine(patient, savedStream);
  if (!sideRead && (savedStream != nullptr || !Sounds().replayingSave)) DecideSide(patient, row);

  patient.clockMs = 0;
  patient.minorShockDeadline = row.deadlines[DEADLINE_MINOR_SHOCK] * 1000;
  patient.majorShockDeadline = row.deadlines[DEADLINE_MAJOR_SHOCK] * 1000;
  patient.deathDeadline = row.deadlines[DEADLINE_DEATH] * 1000;
  if (patient.deathDeadline != 0) {
    patient.timeBarLength = patient.deathDeadline;
  } else if (patient.majorShockDeadline != 0) {
    patient.timeBarLength = patient.majorShockDeadline * 3 / 2;
  } else {
    patient.timeBarLength = patient.minorShockDeadline * 3;
  }

  patient.Body().SetUpTextureState(type);

  BuildActiveSteps(patient, WoundTypeTable[WOUND_HEALTHY].lists[0]);
  for (int i = 0; i < kTrackCount; ++i) {
    ApplyStep(patient, &patient.currentLists[i], nullptr, row.lists[i], nullptr, 0, patient.multipliers, 0);
    patient.healthyLists[i] = WoundTypeTable[WOUND_HEALTHY].lists[i];
    patient.healthyLists[kTrackCount + i] = WoundTypeTable[WOUND_MORE_HEALTHY].lists[i];
  }
  SetShockTracks(patient, type);

  patient.maxScore = SumActivePoints(patient) + row.bonus + kDispositionPoints;
  AddMissionMaximum(patient.maxScore);

  patient.Body().LoadPatientTextures(type);
  patient.currentWound = type;
  patient.dead = 0;
  patient.conscious = (row.conditionFlags & WOUND_CONSCIOUS) ? 1 : 0;
  patient.canSpeak = (row.conditionFlags & WOUND_CAN_SPEAK) ? 1 : 0;
  patient.movable = (row.conditionFlags & WOUND_UNMOVABLE) ? 0 : 1;
  // The soldier run through by the bar lies on it until the Action moves him off.
  patient.impaled = type == kImpaledOnBarWound ? 1 : 0;
  patient.bleedRate = row.bleedRate;
  patient.secondRate = row.secondRate;

  patient.Body().CreateInjuryProps(type);
  patient.Body().CreateBloodPools(type);
  patient.Body().MakeSpurtDrops();
}

void ChangeWound(Patient& patient, int32_t type) {
  if (!IsWoundRow(type)) return;
  patient.Body().ReleaseTextureBitmaps();
  std::vector<ActiveStep>().swap(patient.activeSteps);
  // The latest match, and the logged examinations, pointed into the findings just freed; the logs
  // belong to the old wound anyway.
  patient.lastStep = nullptr;
  patient.doneSteps.Clear();
  patient.wrongActions.Clear();
  patient.Body().ResetModelMaterials();
  patient.Body().ReleaseInjuryProp();
  patient.currentWound = type;
  SetUpWound(patient, type, nullptr);
}

void ApplyStep(Patient& patient, const TreatmentStep** listSlot, const TreatmentStep* step, const StepList* next,
               const StepList* extra, int32_t points, int32_t* multipliersOut, BodyLocation partMask) {
  if (step != nullptr) {
    if (step->flags & STEP_SETS_CONSCIOUS) patient.conscious = 1;
    if (step->flags & STEP_SETS_CAN_SPEAK) patient.canSpeak = 1;
    if (step->flags & STEP_SETS_MOVABLE) patient.movable = 1;
  }
  if (listSlot != nullptr) *listSlot = next;
  AddMissionPoints(points);
  patient.score += points;

  for (const TreatmentStep* node = extra; !IsListEnd(node); ++node) MergeStep(patient, *node, partMask, step);

  // A wrong or harmful application, a removal, or one judged against a body part never brings the next
  // stage's findings in.
  if (next == nullptr || partMask != 0 || points < 0) return;
  if (step != nullptr && (step->flags & STEP_REMOVAL)) return;
  for (const TreatmentStep* node = next; !IsListEnd(node); ++node) {
    MergeStep(patient, *node, 0, step);
    if (multipliersOut != nullptr && IsGloveOnHead(*node)) {
      multipliersOut[1] = node->multiplier1;
      multipliersOut[2] = node->multiplier2;
    }
  }
}

void MergeStep(Patient& patient, const TreatmentStep& node, BodyLocation partMask, const TreatmentStep* source) {
  if (node.tool == kTextureChange) {
    ApplyTextureStep(patient, node);
    return;
  }
  if (!IsTrackedTool(node.tool)) return;

  if (partMask == 0) {
    ActiveStep* slot = FindActiveSlot(patient, [&](const ActiveStep& s) {
      return s.tool == node.tool && RegionsOverlap(s.location, node.location) && s.side == node.side;
    });
    if (slot == nullptr) return;
    if (node.points != 0 || slot->points == 0) {
      // A scored finding superseded by another one is lost to the player: the report lists it.
      if (slot->points != 0 && source != nullptr) patient.missedSteps.Append(*slot);
      *slot = ActiveCopy(node, source);
    } else {
      // A plain re-check over an unexamined finding: the text changes, the finding stays worth its points.
      const int32_t keptPoints = slot->points;
      const TreatmentStep* keptSource = slot->source;
      *slot = ActiveCopy(node, keptSource);
      slot->points = keptPoints;
    }
    return;
  }

  const int32_t partSide = static_cast<int32_t>(partMask >> 30);
  ActiveStep* slot = FindActiveSlot(patient, [&](const ActiveStep& s) {
    return s.tool == node.tool && RegionsOverlap(s.location, partMask) && s.side == partSide;
  });
  if (slot == nullptr) return;
  if (node.side == STEP_SIDE_WOUNDED) {
    if ((slot->flags & STEP_PAIRED_FIRST) == 0) {
      slot->flags |= STEP_PAIRED_FIRST;
      slot->action = node.action;
      slot->remark = node.action;
      slot->points = node.points;
    } else {
      slot->flags |= STEP_PAIRED_SECOND;
    }
  } else if (node.side == STEP_SIDE_OTHER && (slot->flags & STEP_PAIRED_SECOND) != 0) {
    slot->action = node.action;
    slot->remark = node.action;
    slot->points = node.points;
  }
}

void ApplyTextureStep(Patient& patient, const TreatmentStep& node) {
  const BodyLocation region = RegionOf(node.location);
  const bool bothSides = (patient.sideBits & kSideBits) == kSideBits;
  switch (node.side) {
    case STEP_SIDE_ANY:
      patient.Body().PaintWoundTexture(region | LOC_RIGHT, node.reading);
      if (patient.Body().IsSidedTextureLocation(region | LOC_RIGHT))
        patient.Body().PaintWoundTexture(region | LOC_LEFT, node.reading);
      break;
    case STEP_SIDE_WOUNDED: {
      BodyLocation wounded = patient.sideBits & kSideBits;
      if (bothSides) wounded = patient.side == 0 ? LOC_LEFT : LOC_RIGHT;
      patient.Body().PaintWoundTexture(region | wounded, node.reading);
      break;
    }
    case STEP_SIDE_OTHER: {
      BodyLocation other = OtherSide(patient.sideBits & kSideBits);
      if (bothSides) other = patient.side == 0 ? LOC_RIGHT : LOC_LEFT;
      patient.Body().PaintWoundTexture(region | other, node.reading);
      break;
    }
    default:
      break;
  }
}

void BuildActiveSteps(Patient& patient, const StepList* list) {
  // Room for the three fixed slots whatever the list holds, every other finding once or (paired regions,
  // the Pulse Ox excepted) twice, and the terminator.
  int otherCopies = 0;
  for (const TreatmentStep* node = list; !IsListEnd(node); ++node) {
    if (!IsTrackedTool(node->tool) || FixedSlotOf(*node) >= 0) continue;
    otherCopies += (IsPairedRegion(node->location) && node->tool != TOOL_PULSE_OX) ? 2 : 1;
  }
  std::vector<ActiveStep> slots(kFixedSlotCount + otherCopies + 1);

  // A fixed finding missing from the list still leaves its slot meaning what the exam walk expects.
  for (int i = 0; i < kFixedSlotCount; ++i) {
    slots[i].tool = kFixedSlots[i].tool;
    slots[i].location = kFixedSlots[i].location;
  }
  int next = kFixedSlotCount;
  for (const TreatmentStep* node = list; !IsListEnd(node); ++node) {
    if (!IsTrackedTool(node->tool)) continue;
    const int fixed = FixedSlotOf(*node);
    if (fixed >= 0) {
      slots[fixed] = ActiveCopy(*node, nullptr);
    } else if (IsPairedRegion(node->location) && node->tool != TOOL_PULSE_OX) {
      slots[next] = ActiveCopy(*node, nullptr);
      slots[next++].side = STEP_SIDE_WOUNDED;
      slots[next] = ActiveCopy(*node, nullptr);
      slots[next++].side = STEP_SIDE_OTHER;
    } else {
      slots[next++] = ActiveCopy(*node, nullptr);
    }
  }
  slots.back() = ActiveStep{};  // tool kEndOfList
  patient.activeSteps = std::move(slots);
}

void SpliceStepList(Patient& patient, const StepList* list) {
  for (const TreatmentStep* node = list; !IsListEnd(node); ++node) {
    if (node->tool == kTextureChange) {
      ApplyTextureStep(patient, *node);
      continue;
    }
    if (!IsTrackedTool(node->tool)) continue;
    for (ActiveStep& slot : patient.activeSteps) {
      if (slot.tool == kEndOfList) break;
      if (slot.tool != node->tool || !RegionsOverlap(slot.location, node->location)) continue;
      const BodyLocation keptLocation = slot.location;
      slot = ActiveCopy(*node, nullptr);
      slot.location = keptLocation;
    }
  }
}

void CollectUnfinishedSteps(Patient& patient) {
  for (const ActiveStep& slot : patient.activeSteps) {
    if (slot.tool == kEndOfList) break;
    if (slot.points != 0) patient.missedSteps.Append(slot);
  }
}

int32_t SumActivePoints(const Patient& patient) {
  int32_t sum = 0;
  for (const ActiveStep& slot : patient.activeSteps) {
    if (slot.tool == kEndOfList) break;
    sum += slot.points;
  }
  return sum;
}

void ResetPatientTimer(Patient& patient) { patient.liftCounter = kLiftFrames; }

}  // namespace kestrine
