// The recommended kit: the tools the mission's wounds call for, read from their step lists, and the
// standard kit the briefing's START MISSION loads.
#include "casualty/backpack_kit.h"

#include <algorithm>

#include "casualty/backpack.h"

namespace kestrine {

namespace {

// Rows every standard kit holds one of, and the bandages it holds two more of.
constexpr int32_t kStandardKitRows[] = {TOOL_ACTION,   TOOL_STETHOSCOPE, TOOL_GLOVE,
                                        TOOL_PULSE_OX, TOOL_PENLIGHT,    TOOL_SCISSORS};
constexpr int32_t kStandardExtraBandages = 2;

// Lists walked in one track before we call the data cyclic. No wound's chain comes near it.
constexpr int kMaxListsPerTrack = 256;

void CountOnePiece(int32_t (&kitCount)[kToolCount], int32_t tool) {
  // Texture-change steps (tool -2) and anything outside the table name no tool to carry.
  if (!IsToolRow(tool)) return;
  if (ToolTable[tool].IsConsumable()) {
    ++kitCount[tool];
  } else {
    kitCount[tool] = 1;
  }
}

// The steps of one list up to its terminator: examination findings and hint-eligible steps count, and
// the last hint-eligible step's next list is handed back.
const StepList* CountListSteps(int32_t (&kitCount)[kToolCount], const StepList* list) {
  const StepList* remembered = nullptr;
  for (const TreatmentStep* step = list; !IsListEnd(step); ++step) {
    const bool hint = (step->flags & STEP_HINT) != 0;
    const bool exam = IsToolRow(step->tool) && ToolTable[step->tool].IsExamTool();
    if (exam || hint) CountOnePiece(kitCount, step->tool);
    if (hint) remembered = step->next;
  }
  return remembered;
}

void CountTrack(int32_t (&kitCount)[kToolCount], const StepList* first) {
  const StepList* walked[kMaxListsPerTrack];
  int walkedCount = 0;
  const StepList* list = first;
  while (list != nullptr && walkedCount < kMaxListsPerTrack) {
    // A list met again means the chain loops: what it holds has been counted already.
    if (std::find(walked, walked + walkedCount, list) != walked + walkedCount) return;
    walked[walkedCount++] = list;
    // Every list after the first brings its first step's findings with it.
    if (list != first) {
      for (const TreatmentStep* step = list->extra; !IsListEnd(step); ++step) CountOnePiece(kitCount, step->tool);
    }
    list = CountListSteps(kitCount, list);
  }
}

}  // namespace

void CountKitToolsOfLists(int32_t (&kitCount)[kToolCount], const StepList* const (&lists)[kTrackCount]) {
  for (const StepList* list : lists) CountTrack(kitCount, list);
}

void Backpack::CountKitTools(int woundRow) {
  // Wound rows come from mission files; one outside the table has no kit.
  if (!IsWoundRow(woundRow)) return;
  CountKitToolsOfLists(kitCount, WoundTypeTable[woundRow].lists);
}

void Backpack::FillStandardKit() {
  for (int32_t row : kStandardKitRows) kitCount[row] = 1;
  kitCount[TOOL_BANDAGE] += kStandardExtraBandages;

  weight = 0.0f;
  volume = 0.0f;
  totalItems = 0;
  for (int i = 0; i < kToolCount; ++i) {
    const ToolDef& tool = ToolTable[i];
    if (kitCount[i] == 0 && tool.weight + weight < maxWeight && tool.volume + volume < maxVolume) kitCount[i] = 1;
    // A drawer's or kit's stock is its own pieces plus its contents; a parent listed after its contents
    // (the bag-valve mask) is simply set to its own count below.
    if (tool.HasParent()) count[tool.parentRow] += kitCount[i];
    count[i] = kitCount[i];
    weight = static_cast<float>(weight + tool.weight * kitCount[i]);
    volume = static_cast<float>(volume + tool.volume * kitCount[i]);
    totalItems += kitCount[i];
  }

  // A tool that is not used up is carried once, however many of its contents were counted into it. Only
  // the pieces of the row itself were weighed above (contents weigh nothing), so those come off and one
  // piece goes back: the pack then weighs what it holds.
  for (int i = 0; i < kToolCount; ++i) {
    const ToolDef& tool = ToolTable[i];
    if (tool.IsConsumable() || count[i] < 2) continue;
    weight = static_cast<float>(weight - tool.weight * kitCount[i] + tool.weight);
    volume = static_cast<float>(volume - tool.volume * kitCount[i] + tool.volume);
    count[i] = 1;
  }

  count[TOOL_GRENADE] = kStandardGrenades;
  count[TOOL_M4] = kStandardRifleRounds;
  count[TOOL_BERETTA] = kStandardPistolRounds;
}

}  // namespace kestrine
