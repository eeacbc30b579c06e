// Kits played part by part: the kit's own cursor, the kit's points for the mission only, the wound's step
// completed with no points of its own, the drawer closing, and the endotracheal kit judged as a whole.
#include <gtest/gtest.h>

#include "apply_tool_fixture.h"
#include "casualty/tool_matching.h"
#include "casualty/treatment_items.h"
#include "shell/mission_progress.h"

namespace kestrine::testing {
namespace {

class KitTest : public ApplyToolTest {
 protected:
  void SetUp() override {
    ApplyToolTest::SetUp();
    MakeBare(patient_);
    toolDrawer.state = DRAWER_OPEN;
    kitTube_ = table_.List({Step(TOOL_CRICH_TUBE, LOC_NECK, 5, 0, "Crich Tube to Neck:   tube in")});
    kitScalpel_ = table_.List({Step(TOOL_CRICH_SCALPEL, LOC_NECK, 5, 0, "Scalpel to Neck:   cut")});
    kitSponge_ = table_.List({Step(TOOL_CRICH_SPONGE, LOC_NECK, 5, 0, "Sponge to Neck:   cleaned")});
    kitSponge_[0].next = kitScalpel_;
    kitScalpel_[0].next = kitTube_;
    afterCrich_ = table_.List({});
    TreatmentStep crich = Step(TOOL_CRICH_KIT, LOC_NECK, 0, STEP_HINT, "Crich Kit to Neck:   airway open");
    crich.next = afterCrich_;
    crich.remark = "He's breathing.";
    crich.multiplier1 = crich.multiplier2 = 1;
    patient_.currentLists[0] = table_.List({crich});
    patient_.kitLists[TOOL_CRICH_KIT] = kitSponge_;
  }

  TreatedPatient patient_;
  TreatmentStep* kitSponge_ = nullptr;
  TreatmentStep* kitScalpel_ = nullptr;
  TreatmentStep* kitTube_ = nullptr;
  TreatmentStep* afterCrich_ = nullptr;
};

TEST_F(KitTest, KitPartsAreKnownByTheirKitHead) {
  EXPECT_EQ(KitHeadOf(TOOL_CRICH_SPONGE), TOOL_CRICH_KIT);
  EXPECT_EQ(KitHeadOf(TOOL_GEL), TOOL_ET_KIT);
  EXPECT_EQ(KitHeadOf(TOOL_SURGERY_SCALPEL), TOOL_MINOR_SURGERY_KIT);
  EXPECT_EQ(KitHeadOf(TOOL_MORPHINE), -1) << "a drawer is not a kit";
  EXPECT_EQ(KitHeadOf(TOOL_CRICH_KIT), -1);
  EXPECT_EQ(KitHeadOf(TOOL_ROLLOVER_DRAG), -1);
}

TEST_F(KitTest, AKitRunsPartByPartForTheMissionAndCompletesTheWoundStepWithNoPoints) {
  const int32_t missionBefore = Progress().missionScore;
  const int32_t kitsBefore = Pack().count[TOOL_CRICH_KIT];

  patient_.ApplyTool(TOOL_CRICH_SPONGE, PART_NECK, 0, 0, 0);
  EXPECT_EQ(Progress().missionScore, missionBefore + 5);
  EXPECT_EQ(patient_.score, 0) << "kit points go to the mission only";
  EXPECT_EQ(patient_.kitLists[TOOL_CRICH_KIT], kitScalpel_);
  EXPECT_NE(patient_.currentLists[0], afterCrich_) << "the wound waits for the whole kit";
  EXPECT_EQ(patient_.LastChart(), "Sponge to Neck:   cleaned");
  ASSERT_EQ(patient_.doneSteps.count, 1);
  EXPECT_EQ(patient_.doneSteps.entries[0].step, kitSponge_);
  EXPECT_EQ(toolDrawer.state, DRAWER_OPEN);

  patient_.ApplyTool(TOOL_CRICH_SCALPEL, PART_NECK, 0, 0, 0);
  EXPECT_EQ(Progress().missionScore, missionBefore + 10);
  EXPECT_EQ(Pack().count[TOOL_CRICH_KIT], kitsBefore) << "sponge and scalpel are not used up";

  patient_.ApplyTool(TOOL_CRICH_TUBE, PART_NECK, 0, 0, 0);
  EXPECT_EQ(Progress().missionScore, missionBefore + 15);
  EXPECT_EQ(patient_.score, 0);
  EXPECT_EQ(patient_.currentLists[0], afterCrich_);
  EXPECT_TRUE(IsListEnd(patient_.kitLists[TOOL_CRICH_KIT]));
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSING);
  EXPECT_EQ(patient_.LastChart(), "Crich Kit to Neck:   airway open") << "the completed wound step is recorded";
  EXPECT_EQ(patient_.LastRemark(), "He's breathing.");
  EXPECT_EQ(patient_.doneSteps.entries[2].step, kitTube_);
  EXPECT_EQ(Pack().count[TOOL_CRICH_KIT], kitsBefore - 1) << "the tube is taken from the kit's count";
  EXPECT_NE(patient_.fittedAirways & AIRWAY_CRICH_TUBE, 0u);
}

TEST_F(KitTest, KitPointsTakeTheTracksMultiplier) {
  patient_.currentLists[1] = patient_.currentLists[0];
  patient_.currentLists[0] = nullptr;
  patient_.multipliers[1] = 2;
  const int32_t missionBefore = Progress().missionScore;
  patient_.ApplyTool(TOOL_CRICH_SPONGE, PART_NECK, 0, 0, 0);
  EXPECT_EQ(Progress().missionScore, missionBefore + 10);
}

TEST_F(KitTest, APartOutOfTurnIsJudgedAsItself) {
  ChooseDifficulty(2);
  TreatmentStep* cut = table_.List({Step(TOOL_CRICH_SCALPEL, LOC_NECK, -10, 0, "Scalpel to Neck:   needless")});
  cut[0].next = cut;
  patient_.healthyLists[4] = cut;

  patient_.ApplyTool(TOOL_CRICH_SCALPEL, PART_NECK, 0, 0, 0);
  EXPECT_EQ(patient_.kitLists[TOOL_CRICH_KIT], kitSponge_) << "the kit does not move";
  EXPECT_EQ(patient_.score, -5);
  EXPECT_EQ(patient_.mistakes, 1);
  EXPECT_EQ(patient_.LastChart(), "Scalpel to Neck:   needless");
}

TEST_F(KitTest, AKitStartsFromItsOwnRowOnFirstUse) {
  patient_.kitLists[TOOL_CRICH_KIT] = nullptr;
  const StepList* kitRow = WoundTypeTable[ToolTable[TOOL_CRICH_KIT].kitListRow].lists[0];
  const TreatmentStep* first = FindMatchingStep(patient_, kitRow, TOOL_CRICH_SPONGE, kBodyParts[PART_NECK].mask, false);
  ASSERT_NE(first, nullptr) << "the crich kit's list opens with the sponge";

  patient_.ApplyTool(TOOL_CRICH_SPONGE, PART_NECK, 0, 0, 0);
  EXPECT_EQ(patient_.kitLists[TOOL_CRICH_KIT], first->next);
}

TEST_F(KitTest, TheEndotrachealKitIsJudgedWrongOnlyOnceItsProcedureIsComplete) {
  ChooseDifficulty(2);
  TreatedPatient patient;
  MakeBare(patient);
  TreatmentStep* tube = table_.List({Step(TOOL_ET_TUBE, LOC_MOUTH, 5, 0, "ETTube:   placed")});
  TreatmentStep* gel = table_.List({Step(TOOL_GEL, LOC_MOUTH, 5, 0, "Gel:   applied")});
  gel[0].next = tube;
  patient.kitLists[TOOL_ET_KIT] = gel;
  TreatmentStep* forced = table_.List({Step(TOOL_ET_KIT, LOC_MOUTH, -5, 0, "Endotracheal tube:   not needed")});
  forced[0].next = forced;
  patient.healthyLists[4] = forced;
  const int32_t missionBefore = Progress().missionScore;

  patient.ApplyTool(TOOL_GEL, PART_MOUTH, 0, 0, 0);
  EXPECT_EQ(patient.score, 0);
  EXPECT_EQ(patient.wrongActions.count, 0);
  EXPECT_EQ(patient.chartEntries.count, 0);
  EXPECT_EQ(toolDrawer.state, DRAWER_OPEN) << "the kit is still being used";

  patient.ApplyTool(TOOL_ET_TUBE, PART_MOUTH, 0, 0, 0);
  EXPECT_EQ(patient.score, -10) << "the penalty and the kit step's points";
  EXPECT_EQ(Progress().missionScore, missionBefore - 10);
  EXPECT_EQ(patient.mistakes, 1);
  EXPECT_EQ(patient.wrongActions.count, 1);
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSING);
  EXPECT_EQ(patient.LastChart(), "Endotracheal tube:   not needed");
}

TEST_F(KitTest, AKitCompletingTheShockTracksStepIsRightInShock) {
  patient_.currentLists[0] = nullptr;
  TreatmentStep shockCrich = Step(TOOL_CRICH_KIT, LOC_NECK, 5, 0, "Crich Kit:   shock airway");
  TreatmentStep* afterShock = table_.List({});
  shockCrich.next = afterShock;
  patient_.majorShockLists[0] = table_.List({shockCrich});
  patient_.shockState = SHOCK_MAJOR;
  patient_.kitLists[TOOL_CRICH_KIT] = kitTube_;

  patient_.ApplyTool(TOOL_CRICH_TUBE, PART_NECK, 0, 0, 0);
  EXPECT_EQ(patient_.majorShockLists[0], afterShock);
  EXPECT_EQ(patient_.score, 0) << "shock steps earn nothing";
  EXPECT_EQ(patient_.LastChart(), "Crich Kit:   shock airway");
  EXPECT_EQ(patient_.doneSteps.count, 1);
  EXPECT_EQ(toolDrawer.state, DRAWER_CLOSING);
}

}  // namespace
}  // namespace kestrine::testing
