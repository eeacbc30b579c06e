// Matching a tool application against the patient's steps, and scoring it.
#include "casualty/tool_matching.h"

#include "casualty/step_interpreter.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"

namespace kestrine {

namespace {

constexpr int kShockTrackCount = 2;  // minor, major: the index is the shock state they treat
constexpr int32_t kMistakesBeforeMissionEnds = 4;
constexpr int32_t kSawMistakes = 3;
constexpr MissionEnd kMistakesEndMissionFlag = END_MISTAKES;

// What a wrong treatment costs by difficulty: novices learn for free.
int32_t WrongTreatmentPenalty() {
  switch (Campaign().difficulty) {
    case 1:
      return 2;
    case 2:
      return 5;
    default:
      return 0;
  }
}

// Items that may be taken off again: their on/off steps live in the healthy lists.
bool IsRemovableItem(int32_t tool) {
  return tool == TOOL_TOURNIQUET || tool == TOOL_CRAVAT || tool == TOOL_BURN_BLANKET;
}

// Track 0 sets what the other tracks are worth from now on.
void TakeTrackMultipliers(Patient& patient, const TreatmentStep& step) {
  patient.multipliers[1] = step.multiplier1;
  patient.multipliers[2] = step.multiplier2;
}

// The first match among a set of cursors, with the cursor it was found from.
struct CursorMatch {
  const TreatmentStep* step = nullptr;
  const TreatmentStep** cursor = nullptr;
  int index = -1;
};

CursorMatch FindInCursors(const Patient& patient, const TreatmentStep** cursors, int count, int32_t tool,
                          BodyLocation partMask, bool outOfStock) {
  for (int i = 0; i < count; ++i) {
    if (const TreatmentStep* step = FindMatchingStep(patient, cursors[i], tool, partMask, outOfStock)) {
      return {step, &cursors[i], i};
    }
  }
  return {};
}

void ApplyMatched(Patient& patient, const CursorMatch& match, int32_t points, int32_t* multipliersOut,
                  BodyLocation partMask) {
  ApplyStep(patient, match.cursor, match.step, match.step->next, match.step->extra, points, multipliersOut, partMask);
}

// A kit in progress: the kit's own cursor, the part's step in it and what that step is worth.
struct KitProgress {
  int32_t head = -1;
  const TreatmentStep* step = nullptr;  // the kit step this part matched; null when none did
  int32_t points = 0;
  bool done = false;  // the kit's cursor has reached its end: the procedure is complete
};

const StepList* KitStepList(int32_t head) {
  const int32_t row = ToolTable[head].kitListRow;
  return IsWoundRow(row) ? WoundTypeTable[row].lists[0] : nullptr;
}

KitProgress AdvanceKit(Patient& patient, int32_t tool, BodyLocation partMask, bool outOfStock) {
  KitProgress kit;
  kit.head = KitHeadOf(tool);
  if (kit.head < 0) return kit;
  const TreatmentStep** cursor = &patient.kitLists[kit.head];
  // A kit starts from its first step when first used, and again once a procedure has run to its end.
  if (IsListEnd(*cursor)) *cursor = KitStepList(kit.head);
  kit.step = FindMatchingStep(patient, *cursor, tool, partMask, outOfStock);
  if (kit.step == nullptr) return kit;
  ApplyStep(patient, cursor, kit.step, kit.step->next, kit.step->extra, 0, nullptr, 0);
  kit.points = kit.step->points;
  kit.done = IsListEnd(*cursor);
  return kit;
}

void CountMistakes(Patient& patient, int32_t tool) {
  patient.mistakes += tool == TOOL_SURVIVAL_SAW ? kSawMistakes : 1;
  if (patient.mistakes > kMistakesBeforeMissionEnds) EndMission(kMistakesEndMissionFlag);
}

void LoseScore(Patient& patient, int32_t points) {
  AddMissionPoints(-points);
  patient.score -= points;
}

}  // namespace

int32_t KitHeadOf(int32_t tool) {
  if (!IsToolRow(tool)) return -1;
  const ToolDef& def = ToolTable[tool];
  if ((def.flags & TOOL_FLAG_SUB_ITEM) == 0 || !IsToolRow(def.parentRow) || def.parentRow == tool) return -1;
  return (ToolTable[def.parentRow].flags & TOOL_FLAG_KIT_HEAD) != 0 ? def.parentRow : -1;
}

BodyLocation StepSideBit(const Patient& patient, int32_t stepSide) {
  const bool rightIsWounded = patient.side == 0;
  switch (stepSide) {
    case STEP_SIDE_WOUNDED:
      return rightIsWounded ? LOC_RIGHT : LOC_LEFT;
    case STEP_SIDE_OTHER:
      return rightIsWounded ? LOC_LEFT : LOC_RIGHT;
    default:
      return 0;
  }
}

bool StepMatches(const Patient& patient, const TreatmentStep& step, int32_t tool, BodyLocation partMask,
                 bool outOfStock) {
  if (step.tool != tool || !IsToolRow(tool)) return false;
  // Places meet on their regions; the side bits only choose the side below.
  if (!RegionsOverlap(step.location, partMask)) return false;
  if (outOfStock && (step.flags & STEP_REMOVAL) == 0) return false;
  const int32_t sideRule = ToolTable[tool].sideRule;
  if (sideRule == 0 || step.side == STEP_SIDE_ANY) return true;
  return sideRule == 1 && (partMask & StepSideBit(patient, step.side)) != 0;
}

const TreatmentStep* FindMatchingStep(const Patient& patient, const TreatmentStep* cursor, int32_t tool,
                                      BodyLocation partMask, bool outOfStock) {
  for (const TreatmentStep* step = cursor; !IsListEnd(step); ++step) {
    if (StepMatches(patient, *step, tool, partMask, outOfStock)) return step;
  }
  return nullptr;
}

ToolMatch ExamineWithTool(Patient& patient, int32_t tool, BodyLocation partMask, bool outOfStock) {
  ToolMatch result;
  result.right = true;
  for (ActiveStep& slot : patient.activeSteps) {
    if (slot.tool == kEndOfList) break;
    if (slot.tool != tool || !RegionsOverlap(slot.location, partMask)) continue;
    if (slot.side != STEP_SIDE_ANY && (partMask & StepSideBit(patient, slot.side)) == 0) continue;
    if (outOfStock && (slot.flags & STEP_REMOVAL) == 0) continue;
    // Every finding scores once: the first look earns it, a second look only reads it again.
    if (slot.points != 0) {
      patient.doneSteps.Append({(partMask & kSideBits) | slot.location, &slot});
      AddMissionPoints(slot.points);
      patient.score += slot.points;
      slot.points = 0;
    }
    result.step = &slot;
    return result;
  }
  return result;
}

ToolMatch MatchTreatment(Patient& patient, int32_t tool, BodyLocation partMask, bool outOfStock) {
  ToolMatch result;

  // A kit is played part by part on its own cursor; a part that moves the kit on is then judged as the
  // kit itself against the wound. A part out of turn is judged as itself.
  const KitProgress kit = AdvanceKit(patient, tool, partMask, outOfStock);
  const bool asKit = kit.step != nullptr;
  const int32_t searchTool = asKit ? kit.head : tool;

  // The shock tracks are followed whether or not he is in shock, and earn nothing themselves; only the
  // track of the shock he is in says the action was right. A kit counts there once it is complete.
  const TreatmentStep* shockMatches[kShockTrackCount] = {};
  const TreatmentStep** shockTracks[kShockTrackCount] = {patient.minorShockLists, patient.majorShockLists};
  for (int s = 0; s < kShockTrackCount; ++s) {
    const CursorMatch match = FindInCursors(patient, shockTracks[s], kTrackCount, searchTool, partMask, outOfStock);
    if (match.step == nullptr) continue;
    if (!asKit) {
      ApplyMatched(patient, match, 0, nullptr, partMask);
    } else if (kit.done) {
      ApplyMatched(patient, match, 0, nullptr, 0);
    }
    shockMatches[s] = match.step;
  }

  // A move the shock he is in forbids (morphine or a sedative on a falling pressure) is harmful whatever
  // the wound's own tracks say of it: they were written for a man not in shock, so they are not consulted
  // and pay nothing for it.
  const bool inShock = patient.shockState == SHOCK_MINOR || patient.shockState == SHOCK_MAJOR;
  const TreatmentStep* shockHere = inShock ? shockMatches[patient.shockState] : nullptr;
  const bool harmfulInShock = shockHere != nullptr && (shockHere->flags & STEP_LOGGED_WRONG) != 0;

  // The wound's own tracks, scored at the track's multiplier. A kit's part earns the kit step's points for
  // the mission only, and the wound step itself once the kit is complete.
  const CursorMatch current =
      harmfulInShock ? CursorMatch{}
                     : FindInCursors(patient, patient.currentLists, kTrackCount, searchTool, partMask, outOfStock);
  if (current.step != nullptr) {
    const int32_t multiplier = patient.multipliers[current.index];
    if (!asKit) {
      ApplyMatched(patient, current, current.step->points * multiplier, patient.multipliers, 0);
      if (current.index == 0) TakeTrackMultipliers(patient, *current.step);
    } else {
      AddMissionPoints(kit.points * multiplier);
      if (kit.done) {
        ApplyMatched(patient, current, 0, patient.multipliers, 0);
        if (current.index == 0) TakeTrackMultipliers(patient, *current.step);
        patient.Body().CloseToolDrawer();
      }
    }
  }

  // The shock's answer stands unless the wound's own track names the move harmful: harm in either is harm.
  const bool woundSaysHarm = current.step != nullptr && (current.step->flags & STEP_LOGGED_WRONG) != 0;
  const bool shockAnswered = shockHere != nullptr && !woundSaysHarm;
  const TreatmentStep* rightMatch = shockAnswered ? shockHere : current.step;
  if (shockAnswered && asKit && kit.done) patient.Body().CloseToolDrawer();

  // A tourniquet, cravat or blanket follows its on/off state in the healthy lists at no cost. Taking one
  // off is right in itself; putting one where nothing needs it is judged below like any wrong move.
  if (IsRemovableItem(tool)) {
    const CursorMatch healthy =
        FindInCursors(patient, patient.healthyLists, kHealthyListCount, tool, partMask, outOfStock);
    if (healthy.step != nullptr && (rightMatch != nullptr || (healthy.step->flags & STEP_REMOVAL) != 0)) {
      ApplyMatched(patient, healthy, 0, nullptr, partMask);
      if (rightMatch == nullptr) rightMatch = healthy.step;
    }
  }

  if (rightMatch != nullptr) {
    const bool kitStillOpen = asKit && !kit.done;
    result.step = kitStillOpen ? kit.step : rightMatch;
    result.kitCompleted = asKit && kit.done;
    const LoggedAction logged{partMask, asKit ? kit.step : rightMatch};
    if (rightMatch->flags & STEP_LOGGED_WRONG) {
      patient.wrongActions.Append(logged);
      // The shock's harmful moves pay no points of their own: they cost what any harmful treatment costs.
      if (harmfulInShock && rightMatch == shockHere) {
        LoseScore(patient, WrongTreatmentPenalty());
        CountMistakes(patient, tool);
      }
    } else {
      patient.doneSteps.Append(logged);
      result.right = true;
    }
    return result;
  }

  // Nothing right: the healthy lists catch what a body without this need does not want. The endotracheal
  // kit is judged as a whole, once its procedure is complete; other kits' parts are judged as themselves.
  const bool etKit = asKit && kit.head == TOOL_ET_KIT;
  if (etKit && !kit.done) return result;
  const int32_t wrongTool = etKit ? TOOL_ET_KIT : tool;
  const CursorMatch wrong =
      FindInCursors(patient, patient.healthyLists, kHealthyListCount, wrongTool, partMask, outOfStock);
  if (wrong.step == nullptr) return result;

  ApplyMatched(patient, wrong, 0, nullptr, partMask);
  if (etKit) patient.Body().CloseToolDrawer();
  LoseScore(patient, WrongTreatmentPenalty() + (etKit ? kit.points : 0));
  if (wrong.step->points < 0) CountMistakes(patient, tool);
  patient.wrongActions.Append({partMask, wrong.step});
  result.step = wrong.step;
  return result;
}

}  // namespace kestrine
