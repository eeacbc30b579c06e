// The recommended kit read from step lists, the standard kit, and the kit the backpack screen starts from.
#include <algorithm>
#include <vector>

#include "backpack_fixture.h"
#include "casualty/backpack_kit.h"
#include "casualty/wound_types.h"

namespace kestrine::testing {
namespace {

// ---- the standard kit ----

// What the pieces the standard kit put in weigh (or take up), by the recommended counts it settled on.
double PiecesTotal(double ToolDef::*measure) {
  double total = 0.0;
  for (int i = 0; i < kToolCount; ++i) total += ToolTable[i].*measure * Pack().kitCount[i];
  return total;
}

TEST_F(BackpackTest, StandardKitAddsTheBasicToolsTwoBandagesAndTheAmmunitionToTheRecommendedKit) {
  AddToBackpack(TOOL_BANDAGE);  // the list order is no longer the table's
  ChangePack([](Backpack& pack) {
    pack.kitCount[TOOL_BANDAGE] = 3;
    pack.kitCount[TOOL_TOURNIQUET] = 2;
    pack.kitCount[TOOL_MORPHINE] = 2;
  });
  FillStandardBackpack();
  for (int row : {TOOL_ACTION, TOOL_STETHOSCOPE, TOOL_GLOVE, TOOL_PULSE_OX, TOOL_PENLIGHT, TOOL_SCISSORS})
    EXPECT_EQ(Pack().count[row], 1) << "row " << row;
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 5);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], 2);
  EXPECT_EQ(Pack().count[TOOL_GRENADE], kStandardGrenades);
  EXPECT_EQ(Pack().count[TOOL_M4], kStandardRifleRounds);
  EXPECT_EQ(Pack().count[TOOL_BERETTA], kStandardPistolRounds);
  EXPECT_TRUE(PackState().keepBackpack);
  for (int i = 0; i < kToolCount; ++i) EXPECT_EQ(PackState().backpackListOrder[i], i);

  // Drawers are stocked with their contents; the bag-valve mask comes after its three bags and is carried
  // as itself.
  for (int head : {TOOL_MEDICINE_SYRINGE, TOOL_IV, TOOL_ET_KIT, TOOL_CRICH_KIT}) {
    int expected = Pack().kitCount[head];
    for (int row = 0; row < kToolCount; ++row)
      if (row != head && ToolTable[row].parentRow == head) expected += Pack().kitCount[row];
    EXPECT_EQ(Pack().count[head], expected) << "drawer " << head;
    EXPECT_GT(Pack().count[head], Pack().kitCount[head]) << "drawer " << head;
  }
  EXPECT_EQ(Pack().count[TOOL_AMBU_BAG], Pack().kitCount[TOOL_AMBU_BAG]);

  // Every non-consumable is carried once; a kit whose parts were counted into it is still one piece of its
  // own weight: the pack weighs exactly the pieces put in, no less.
  for (int row = TOOL_RADIO; row < kToolCount; ++row)
    if (!ToolTable[row].IsConsumable()) {
      EXPECT_LE(Pack().count[row], 1) << "row " << row;
    }
  EXPECT_EQ(Pack().count[TOOL_MINOR_SURGERY_KIT], 1);
  EXPECT_NEAR(Pack().weight, PiecesTotal(&ToolDef::weight), 1e-4);
  EXPECT_NEAR(Pack().volume, PiecesTotal(&ToolDef::volume), 1e-3);
  const float before = Pack().weight;
  RemoveFromBackpack(TOOL_MINOR_SURGERY_KIT);
  EXPECT_NEAR(before - Pack().weight, ToolTable[TOOL_MINOR_SURGERY_KIT].weight, 1e-5);
}

TEST_F(BackpackTest, StandardKitFromNothingStaysWithinTheLimits) {
  for (int figure = 0; figure <= 2; ++figure) {
    RestoreBackpack(Backpack());
    KeepBackpack(false);
    ApplyPlayerFigureLimits(figure);
    FillStandardBackpack();
    EXPECT_LT(Pack().weight, Pack().maxWeight) << "figure " << figure;
    EXPECT_LT(Pack().volume, Pack().maxVolume) << "figure " << figure;
    int items = 0;
    for (int row = 0; row < kToolCount; ++row) items += Pack().kitCount[row];
    EXPECT_EQ(Pack().totalItems, items);
  }
}

TEST_F(BackpackTest, ABulkyRecommendedKitCrowdsOutLaterTools) {
  ApplyPlayerFigureLimits(2);
  ChangePack([](Backpack& pack) { pack.kitCount[TOOL_IV] = 19; });  // 380 of the 400 volume
  FillStandardBackpack();
  EXPECT_EQ(Pack().count[TOOL_IV], 19 + Pack().kitCount[TOOL_HESPAN] + Pack().kitCount[TOOL_LACTATED_RINGERS]);
  EXPECT_EQ(Pack().count[TOOL_BURN_BLANKET], 0);
  EXPECT_EQ(Pack().kitCount[TOOL_BURN_BLANKET], 0);
  // Rows before the IV were taken while there was room.
  EXPECT_EQ(Pack().count[TOOL_RIGID_SPLINT], 1);
}

TEST_F(BackpackTest, StandardKitChangesNothingWhileTheChoiceIsKept) {
  AddToBackpack(TOOL_BANDAGE);
  KeepBackpack(true);
  const Backpack before = Pack();
  FillStandardBackpack();
  EXPECT_TRUE(PackState().keepBackpack);
  EXPECT_TRUE(std::equal(std::begin(before.count), std::end(before.count), std::begin(Pack().count)));
  EXPECT_TRUE(std::equal(std::begin(before.kitCount), std::end(before.kitCount), std::begin(Pack().kitCount)));
  EXPECT_EQ(Pack().weight, before.weight);
  EXPECT_EQ(Pack().totalItems, before.totalItems);
}

// ---- the kit the screen starts from ----

TEST_F(BackpackTest, ExpertStartsWithOnlyTheHandAndTheDrawerContentsOthersWithTheStandardKit) {
  LoadStartingKit(2);
  for (int row = 0; row < kToolCount; ++row) {
    const bool expected = row == TOOL_ACTION || ToolTable[row].HasParent();
    EXPECT_EQ(Pack().count[row], expected ? 1 : 0) << "row " << row;
    // Nothing the player can see in the list: the hand and the contents are never listed.
    if (expected) {
      EXPECT_FALSE(IsPackableTool(row));
    }
  }
  EXPECT_EQ(Pack().weight, 0.0f);
  EXPECT_EQ(Pack().totalItems, 0);

  for (int level : {0, 1}) {
    RestoreBackpack(Backpack());
    KeepBackpack(false);
    LoadStartingKit(level);
    EXPECT_EQ(Pack().count[TOOL_M4], kStandardRifleRounds) << "difficulty " << level;
    EXPECT_EQ(Pack().count[TOOL_BANDAGE], 2);
    EXPECT_TRUE(PackState().keepBackpack);
  }
}

// ---- counting a wound's needs ----

// Step lists built in the test: each list ends with a default step (tool -1).
struct Lists {
  std::vector<std::vector<TreatmentStep>> storage;
  const StepList* Add(std::vector<TreatmentStep> steps) {
    steps.push_back(TreatmentStep{});
    storage.push_back(std::move(steps));
    return storage.back().data();
  }
  Lists() { storage.reserve(16); }
};

TreatmentStep Step(int32_t tool, uint32_t flags = 0, const StepList* next = nullptr, const StepList* extra = nullptr) {
  TreatmentStep s;
  s.tool = tool;
  s.flags = flags;
  s.next = next;
  s.extra = extra;
  return s;
}

// The kit counts with a guard on either side, so a write through a negative tool shows.
struct GuardedKit {
  int32_t before[4] = {};
  int32_t kit[kToolCount] = {};
  int32_t after[4] = {};
  bool GuardsUntouched() const {
    for (int i = 0; i < 4; ++i)
      if (before[i] != 0 || after[i] != 0) return false;
    return true;
  }
  int32_t Total() const {
    int32_t n = 0;
    for (int32_t c : kit) n += c;
    return n;
  }
};

TEST(CountKitTools, ExamFindingsAndHintStepsCountOtherStepsAndTheFirstListsExtraFindingsDoNot) {
  Lists l;
  const StepList* track =
      l.Add({Step(TOOL_GLOVE), Step(TOOL_BANDAGE), Step(TOOL_TOURNIQUET, STEP_HINT), Step(TOOL_TOURNIQUET, STEP_HINT),
             Step(TOOL_SCISSORS, STEP_HINT), Step(TOOL_SCISSORS, STEP_HINT)});
  GuardedKit k;
  const StepList* lists[kTrackCount] = {track, nullptr, nullptr};
  CountKitToolsOfLists(k.kit, lists);
  EXPECT_EQ(k.kit[TOOL_GLOVE], 1);
  EXPECT_EQ(k.kit[TOOL_BANDAGE], 0);
  EXPECT_EQ(k.kit[TOOL_TOURNIQUET], 2);  // consumable: each step
  EXPECT_EQ(k.kit[TOOL_SCISSORS], 1);    // carried once
  EXPECT_EQ(k.Total(), 4);

  // The first list's own first-step findings are not counted.
  const StepList* findings = l.Add({Step(TOOL_BANDAGE)});
  GuardedKit none;
  const StepList* first[kTrackCount] = {l.Add({Step(TOOL_SCISSORS, 0, nullptr, findings)}), nullptr, nullptr};
  CountKitToolsOfLists(none.kit, first);
  EXPECT_EQ(none.Total(), 0);
}

TEST(CountKitTools, TheLastHintStepsNextListIsWalkedWithItsFirstStepsFindings) {
  Lists l;
  const StepList* findings = l.Add({Step(TOOL_BANDAGE), Step(TOOL_IV)});  // counted without the test
  const StepList* skipped = l.Add({Step(TOOL_CRAVAT, STEP_HINT)});
  const StepList* taken = l.Add({Step(TOOL_OCCLUSIVE_DRESSING, 0, nullptr, findings), Step(TOOL_SCISSORS)});
  const StepList* track = l.Add({Step(TOOL_TOURNIQUET, STEP_HINT, skipped), Step(TOOL_ACTION, STEP_HINT, taken)});
  GuardedKit k;
  const StepList* lists[kTrackCount] = {nullptr, track, nullptr};
  CountKitToolsOfLists(k.kit, lists);
  EXPECT_EQ(k.kit[TOOL_TOURNIQUET], 1);
  EXPECT_EQ(k.kit[TOOL_ACTION], 1);
  EXPECT_EQ(k.kit[TOOL_CRAVAT], 0);  // its list was forgotten for the later one
  EXPECT_EQ(k.kit[TOOL_BANDAGE], 1);
  EXPECT_EQ(k.kit[TOOL_IV], 1);
  EXPECT_EQ(k.kit[TOOL_OCCLUSIVE_DRESSING], 0);  // neither a finding nor a hint
  EXPECT_EQ(k.kit[TOOL_SCISSORS], 0);
}

TEST(CountKitTools, TextureStepsAreSkippedEverywhere) {
  Lists l;
  const StepList* findings = l.Add({Step(kTextureChange), Step(TOOL_BANDAGE)});
  const StepList* then = l.Add({Step(kTextureChange, STEP_HINT, nullptr, findings)});
  const StepList* track = l.Add({Step(kTextureChange, STEP_HINT), Step(TOOL_ACTION, STEP_HINT, then)});
  GuardedKit k;
  const StepList* lists[kTrackCount] = {track, nullptr, nullptr};
  CountKitToolsOfLists(k.kit, lists);
  EXPECT_TRUE(k.GuardsUntouched());
  EXPECT_EQ(k.kit[TOOL_ACTION], 1);
  EXPECT_EQ(k.kit[TOOL_BANDAGE], 1);
  EXPECT_EQ(k.Total(), 2);
}

TEST(CountKitTools, ALoopingChainEnds) {
  Lists l;
  // Two lists leading to each other; built in place so they can point both ways.
  l.storage.push_back({Step(TOOL_BANDAGE, STEP_HINT), TreatmentStep{}});
  l.storage.push_back({Step(TOOL_TOURNIQUET, STEP_HINT), TreatmentStep{}});
  TreatmentStep* a = l.storage[0].data();
  TreatmentStep* b = l.storage[1].data();
  a[0].next = b;
  b[0].next = a;
  GuardedKit k;
  const StepList* lists[kTrackCount] = {a, a, nullptr};
  CountKitToolsOfLists(k.kit, lists);
  // Each list once per track that reaches it.
  EXPECT_EQ(k.kit[TOOL_BANDAGE], 2);
  EXPECT_EQ(k.kit[TOOL_TOURNIQUET], 2);
}

TEST_F(BackpackTest, EveryWoundsKitCarriesEachNonConsumableOnceAndAddsUp) {
  for (int wound = 0; wound < kWoundTypeCount; ++wound) {
    ClearBackpack();
    CountBackpackKitTools(wound);
    int32_t once[kToolCount];
    std::copy(std::begin(Pack().kitCount), std::end(Pack().kitCount), once);
    CountBackpackKitTools(wound);
    for (int row = 0; row < kToolCount; ++row) {
      if (ToolTable[row].IsConsumable()) {
        EXPECT_EQ(Pack().kitCount[row], 2 * once[row]) << "wound " << wound << " row " << row;
      } else {
        EXPECT_LE(Pack().kitCount[row], 1) << "wound " << wound << " row " << row;
        EXPECT_EQ(Pack().kitCount[row], once[row]) << "wound " << wound << " row " << row;
      }
    }
  }
  // Wound rows outside the table add nothing.
  ClearBackpack();
  CountBackpackKitTools(-1);
  CountBackpackKitTools(kWoundTypeCount);
  for (int row = 0; row < kToolCount; ++row) EXPECT_EQ(Pack().kitCount[row], 0);
}

}  // namespace
}  // namespace kestrine::testing
