// Wrong treatments: what the healthy lists catch costs points by difficulty, a harmful one counts as a
// mistake (three for the Survival Saw), and more than four mistakes end the mission.
#include <gtest/gtest.h>

#include "apply_tool_fixture.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"

namespace kestrine::testing {
namespace {

class PenaltyTest : public ApplyToolTest {
 protected:
  // A bare patient whose healthy lists hold one harmful move (a nasal airway he does not need) and one
  // that is only unnecessary (a bandage on a sound hand); both stay where they are when matched.
  void MakeHealthyPatient(TreatedPatient& patient) {
    MakeBare(patient);
    TreatmentStep* harmful = table_.List({Step(TOOL_NASAL_AIRWAY, LOC_NOSE, -5, 0, "Nasal Airway:   gagging")});
    harmful[0].next = harmful;
    TreatmentStep* unneeded = table_.List({Step(TOOL_BANDAGE, LOC_HAND, 0, 0, "Bandage:   not needed")});
    unneeded[0].next = unneeded;
    patient.healthyLists[0] = harmful;
    patient.healthyLists[5] = unneeded;
  }
};

TEST_F(PenaltyTest, EachWrongStepCostsNothingTwoOrFivePointsByDifficulty) {
  const int32_t expected[] = {0, 2, 5};
  for (int32_t level = 0; level < 3; ++level) {
    ChooseDifficulty(level);
    TreatedPatient patient;
    MakeHealthyPatient(patient);
    const int32_t missionBefore = Progress().missionScore;
    patient.ApplyTool(TOOL_BANDAGE, PART_LEFT_HAND, 0, 0, 0);
    EXPECT_EQ(patient.score, -expected[level]) << "difficulty " << level;
    EXPECT_EQ(Progress().missionScore, missionBefore - expected[level]) << "difficulty " << level;
    EXPECT_EQ(patient.mistakes, 0) << "an unnecessary move is no mistake";
    ASSERT_EQ(patient.wrongActions.count, 1);
    EXPECT_EQ(patient.wrongActions.entries[0].location, kBodyParts[PART_LEFT_HAND].mask);
    EXPECT_EQ(patient.LastChart(), "Bandage:   not needed");
    // A move no list knows is neither scored nor logged, and nothing is used on it.
    patient.ApplyTool(TOOL_OCCLUSIVE_DRESSING, PART_CHEST, 0, 0, 0);
    EXPECT_EQ(patient.score, -expected[level]);
    EXPECT_EQ(patient.wrongActions.count, 1);
    EXPECT_EQ(patient.doneSteps.count, 0);
    EXPECT_EQ(patient.chartEntries.count, 1);
    EXPECT_EQ(Pack().count[TOOL_OCCLUSIVE_DRESSING], kFullStock);
  }
}

TEST_F(PenaltyTest, ThreeHarmfulStepsOnExpertCostFifteenAndTheFifthEndsTheMissionOnAnyDifficulty) {
  ChooseDifficulty(2);
  TreatedPatient patient;
  MakeHealthyPatient(patient);
  const int32_t missionBefore = Progress().missionScore;
  for (int i = 0; i < 3; ++i) patient.ApplyTool(TOOL_NASAL_AIRWAY, PART_NOSE, 0, 0, 0);
  EXPECT_EQ(patient.score, -15) << "the harmful step's own points never count";
  EXPECT_EQ(Progress().missionScore, missionBefore - 15);
  EXPECT_EQ(patient.mistakes, 3);

  patient.ApplyTool(TOOL_NASAL_AIRWAY, PART_NOSE, 0, 0, 0);
  EXPECT_EQ(patient.mistakes, 4);
  EXPECT_EQ(Outcome().missionEndFlag, 0) << "four mistakes are still allowed";
  patient.ApplyTool(TOOL_NASAL_AIRWAY, PART_NOSE, 0, 0, 0);
  EXPECT_EQ(patient.mistakes, 5);
  EXPECT_EQ(Outcome().missionEndFlag, 4);

  // Mistakes count on novice even though they cost nothing.
  EndMission(END_RUNNING);
  ChooseDifficulty(0);
  SetToolCount(TOOL_NASAL_AIRWAY, kFullStock);
  TreatedPatient novice;
  MakeHealthyPatient(novice);
  for (int i = 0; i < 5; ++i) novice.ApplyTool(TOOL_NASAL_AIRWAY, PART_NOSE, 0, 0, 0);
  EXPECT_EQ(novice.score, 0);
  EXPECT_EQ(Outcome().missionEndFlag, 4);
}

TEST_F(PenaltyTest, OneWrongCutWithTheSurvivalSawCountsThreeMistakes) {
  ChooseDifficulty(1);
  TreatedPatient patient;
  MakeBare(patient);
  TreatmentStep* saw =
      table_.List({Step(TOOL_SURVIVAL_SAW, LOC_CALF, -20, 0, "Survival Saw:   a leg that can be saved")});
  saw[0].next = saw;
  patient.healthyLists[0] = saw;
  const int row = FindRow([](const WoundType& w) { return *w.remarkKey != '\0'; });
  ASSERT_GE(row, 0);
  patient.currentWound = row;

  patient.ApplyTool(TOOL_SURVIVAL_SAW, PART_LEFT_CALF, 0, 0, 0);
  EXPECT_EQ(patient.mistakes, 3);
  EXPECT_EQ(patient.score, -2);
  EXPECT_EQ(Outcome().missionEndFlag, 0);
  // This body is not one whose leg may come off: the medic stops himself.
  EXPECT_EQ(patient.LastChart(), "Attempted to amputate leg");
  EXPECT_EQ(patient.LastRemark(), "What am I doing?");
  EXPECT_TRUE(patient.Queued(3, ToolTable[TOOL_SURVIVAL_SAW].speechKey));
  EXPECT_TRUE(patient.Queued(5, WoundTypeTable[row].remarkKey));
  EXPECT_FALSE(patient.Showed(VISUAL_LEG_STUMP));

  patient.ApplyTool(TOOL_SURVIVAL_SAW, PART_RIGHT_CALF, 0, 0, 0);
  EXPECT_EQ(patient.mistakes, 6);
  EXPECT_EQ(Outcome().missionEndFlag, 4);
}

TEST_F(PenaltyTest, WrongActionsStopBeingLoggedAtAHundredButStillCost) {
  ChooseDifficulty(2);
  TreatedPatient patient;
  MakeHealthyPatient(patient);
  SetUnlimitedSupplies(true);
  for (int i = 0; i < kLoggedActionCapacity + 5; ++i) patient.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  EXPECT_EQ(patient.wrongActions.count, kLoggedActionCapacity);
  EXPECT_EQ(patient.score, -5 * (kLoggedActionCapacity + 5));
}

// A tourniquet where none is needed is a harmful move; taking it off again is right and free.
TEST_F(PenaltyTest, TakingAnItemOffAgainCostsNothingPuttingItWhereItIsNotNeededDoes) {
  ChooseDifficulty(2);
  TreatedPatient patient;
  MakeBare(patient);
  TreatmentStep* off = table_.List({Step(TOOL_TOURNIQUET, 0x780, -5, 0, "Tourniquet:   not needed")});
  TreatmentStep* on = table_.List({Step(TOOL_TOURNIQUET, 0x780, 0, STEP_REMOVAL, "Tourniquet:   taken off")});
  off[0].next = on;
  on[0].next = off;
  patient.healthyLists[1] = off;

  patient.ApplyTool(TOOL_TOURNIQUET, PART_LEFT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.score, -5);
  EXPECT_EQ(patient.mistakes, 1);
  EXPECT_EQ(patient.healthyLists[1], on);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], kFullStock - 1);

  patient.ApplyTool(TOOL_TOURNIQUET, PART_LEFT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.score, -5) << "no penalty for taking it off";
  EXPECT_EQ(patient.mistakes, 1);
  EXPECT_EQ(patient.healthyLists[1], off);
  EXPECT_EQ(patient.tourniquetParts, 0u);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], kFullStock);
  ASSERT_EQ(patient.doneSteps.count, 1);
  EXPECT_STREQ(patient.doneSteps.entries[0].step->action, "Tourniquet:   taken off");

  // A right tourniquet keeps the healthy on/off state in step, at no cost.
  patient.currentLists[0] = table_.List({Step(TOOL_TOURNIQUET, LOC_THIGH, 10)});
  patient.ApplyTool(TOOL_TOURNIQUET, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.score, 5);
  EXPECT_EQ(patient.mistakes, 1);
  EXPECT_EQ(patient.healthyLists[1], on) << "the healthy list now knows a tourniquet is on";
  EXPECT_EQ(patient.wrongActions.count, 1);

  // The burn blanket is such an item too.
  TreatmentStep* bare = table_.List({Step(TOOL_BURN_BLANKET, LOC_CHEST, 0, 0, "Burn Blanket:   on")});
  TreatmentStep* covered = table_.List({Step(TOOL_BURN_BLANKET, LOC_CHEST, 0, STEP_REMOVAL, "Burn Blanket:   off")});
  bare[0].next = covered;
  covered[0].next = bare;
  patient.healthyLists[3] = bare;
  patient.currentLists[0] = table_.List({Step(TOOL_BURN_BLANKET, LOC_CHEST, 10)});
  patient.ApplyTool(TOOL_BURN_BLANKET, PART_CHEST, 0, 0, 0);
  EXPECT_EQ(patient.score, 15);
  EXPECT_EQ(patient.healthyLists[3], covered) << "the healthy list now knows the blanket is on";
}

}  // namespace
}  // namespace kestrine::testing
