// Applying a tool, the core of it: the record in the history, tables' bounds, the location test, the exam
// walk, side matching, stock and consumption.
#include <gtest/gtest.h>

#include <string>

#include "apply_tool_fixture.h"
#include "casualty/tool_matching.h"
#include "shell/mission_progress.h"

namespace kestrine::testing {
namespace {

// ---- the record, and what stops before anything happens ----

TEST_F(ApplyToolTest, ToolWhoseLocationMissesLeavesOnlyTheRecord) {
  TreatedPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  patient.clockMs = 1234;
  const int32_t missionBefore = Progress().missionScore;
  const TreatmentStep* track0 = patient.currentLists[0];

  // A tourniquet goes on limbs only, never on the chest.
  patient.ApplyTool(TOOL_TOURNIQUET, PART_CHEST, 0, 0, 7);

  ASSERT_EQ(patient.actionRecords.count, 1);
  const ActionRecord& record = patient.actionRecords.entries[0];
  EXPECT_EQ(record.tool, TOOL_TOURNIQUET);
  EXPECT_EQ(record.part, PART_CHEST);
  EXPECT_EQ(record.clockMs, 1234);
  EXPECT_EQ(record.stock, 7);
  EXPECT_EQ(patient.score, 0);
  EXPECT_EQ(Progress().missionScore, missionBefore);
  EXPECT_EQ(patient.chartEntries.count, 0);
  EXPECT_TRUE(patient.remarks.empty());
  EXPECT_EQ(patient.currentLists[0], track0);
  EXPECT_EQ(patient.lastStep, nullptr);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], kFullStock);
  EXPECT_FALSE(Playing(67));
}

TEST_F(ApplyToolTest, ToolsAndPartsOutsideTheTablesAndAFullHistoryTakeNoApplication) {
  TreatedPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  patient.ApplyTool(kToolCount, PART_HEAD, 0, 0, 1);
  patient.ApplyTool(-1, PART_HEAD, 0, 0, 1);
  patient.ApplyTool(TOOL_GLOVE, kBodyPartCount, 0, 0, 1);
  patient.ApplyTool(TOOL_GLOVE, -1, 0, 0, 1);
  EXPECT_EQ(patient.actionRecords.count, 0);
  EXPECT_EQ(patient.score, 0);

  for (int i = 0; i < kActionRecordCapacity; ++i) patient.ApplyTool(TOOL_TOURNIQUET, PART_CHEST, 0, 0, 0);
  ASSERT_EQ(patient.actionRecords.count, kActionRecordCapacity);
  patient.ApplyTool(TOOL_GLOVE, PART_HEAD, 0, 0, 0);
  EXPECT_EQ(patient.actionRecords.count, kActionRecordCapacity);
  EXPECT_EQ(patient.score, 0) << "the head finding is not examined past the end of the history";
  EXPECT_EQ(patient.actionRecords.entries[kActionRecordCapacity - 1].tool, TOOL_TOURNIQUET);
}

// ---- the exam walk ----

TEST_F(ApplyToolTest, AnExamScoresOnceAndLogsTheSideBitsWithTheFindingsLocation) {
  TreatedPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  const int32_t missionBefore = Progress().missionScore;
  const int32_t headPoints = patient.activeSteps[0].points;
  ASSERT_GT(headPoints, 0) << "wound 0's head finding is worth points";

  patient.ApplyTool(TOOL_GLOVE, PART_HEAD, 0, 0, 0);

  EXPECT_EQ(patient.score, headPoints);
  EXPECT_EQ(Progress().missionScore, missionBefore + headPoints);
  EXPECT_EQ(patient.activeSteps[0].points, 0);
  ASSERT_EQ(patient.doneSteps.count, 1);
  EXPECT_EQ(patient.doneSteps.entries[0].location, kSideBits | kWholeHead);
  EXPECT_EQ(patient.doneSteps.entries[0].step, &patient.activeSteps[0]);
  EXPECT_EQ(patient.lastStep, &patient.activeSteps[0]);
  EXPECT_EQ(patient.LastChart(), patient.activeSteps[0].action);
  EXPECT_EQ(patient.LastRemark(), patient.activeSteps[0].remark);
  EXPECT_EQ(Pack().count[TOOL_GLOVE], kFullStock) << "the glove is not used up";

  patient.ApplyTool(TOOL_GLOVE, PART_HEAD, 0, 0, 0);
  EXPECT_EQ(patient.score, headPoints) << "a second look earns nothing";
  EXPECT_EQ(patient.doneSteps.count, 1);
  EXPECT_EQ(patient.chartEntries.count, 2) << "but is charted again";
}

TEST_F(ApplyToolTest, ExamFindingsOnOneSideAreFoundOnlyOnThatSideAndNoFindingChartsNothing) {
  TreatedPatient patient;
  MakeBare(patient);
  patient.ApplyTool(TOOL_GLOVE, PART_HEAD, 0, 0, 0);
  EXPECT_EQ(patient.chartEntries.count, 0);
  ASSERT_NE(patient.lastStep, nullptr);
  EXPECT_TRUE(IsListEnd(patient.lastStep)) << "no finding there leaves no last step";

  ActiveStep finding;
  static_cast<TreatmentStep&>(finding) = Step(TOOL_GLOVE, LOC_THIGH, 5, 0, "Glove to Thigh:   swollen");
  finding.side = STEP_SIDE_WOUNDED;
  patient.activeSteps.insert(patient.activeSteps.begin(), finding);
  patient.ApplyTool(TOOL_GLOVE, PART_LEFT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.score, 0) << "the wounded side of a side-0 patient is his right";
  patient.ApplyTool(TOOL_GLOVE, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.score, 5);
  EXPECT_EQ(patient.doneSteps.entries[0].location, LOC_RIGHT | LOC_THIGH);
}

// ---- matching ----

TEST_F(ApplyToolTest, StepSidesFollowThePatientsWoundedSideForToolsThatCareAboutSides) {
  TreatmentStep woundedSide = Step(TOOL_TOURNIQUET, LOC_THIGH, 10);
  woundedSide.side = STEP_SIDE_WOUNDED;
  TreatmentStep otherSide = woundedSide;
  otherSide.side = STEP_SIDE_OTHER;
  TreatmentStep morphine = Step(TOOL_MORPHINE, LOC_ELBOW, 5);
  morphine.side = STEP_SIDE_WOUNDED;
  const BodyLocation rightThigh = kBodyParts[PART_RIGHT_THIGH].mask;
  const BodyLocation leftThigh = kBodyParts[PART_LEFT_THIGH].mask;

  TreatedPatient rightWounded;
  MakeBare(rightWounded);
  EXPECT_TRUE(StepMatches(rightWounded, woundedSide, TOOL_TOURNIQUET, rightThigh, false));
  EXPECT_FALSE(StepMatches(rightWounded, woundedSide, TOOL_TOURNIQUET, leftThigh, false));
  EXPECT_TRUE(StepMatches(rightWounded, otherSide, TOOL_TOURNIQUET, leftThigh, false));

  TreatedPatient leftWounded;
  MakeBare(leftWounded);
  leftWounded.side = 1;
  leftWounded.sideBits = LOC_LEFT;
  EXPECT_TRUE(StepMatches(leftWounded, woundedSide, TOOL_TOURNIQUET, leftThigh, false));
  EXPECT_FALSE(StepMatches(leftWounded, woundedSide, TOOL_TOURNIQUET, rightThigh, false));

  // The morphine's side rule is 0: any elbow will do.
  EXPECT_TRUE(StepMatches(rightWounded, morphine, TOOL_MORPHINE, kBodyParts[PART_LEFT_ELBOW].mask, false));
  // Sharing a side bit is not sharing a place.
  EXPECT_FALSE(StepMatches(rightWounded, woundedSide, TOOL_TOURNIQUET, kBodyParts[PART_RIGHT_CALF].mask, false));
  EXPECT_FALSE(StepMatches(rightWounded, woundedSide, TOOL_TOURNIQUET, rightThigh, true)) << "out of stock";
}

TEST_F(ApplyToolTest, ARightStepIsScoredAtItsTracksMultiplierAndNothingMatchingResetsLastStep) {
  TreatedPatient patient;
  MakeBare(patient);
  TreatmentStep* after = table_.List({});
  TreatmentStep bandage = Step(TOOL_BANDAGE, LOC_HAND, 5, 0, "Bandage to Hand:   done");
  bandage.next = after;
  patient.currentLists[1] = table_.List({bandage});
  patient.multipliers[1] = 2;
  const int32_t missionBefore = Progress().missionScore;

  patient.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  EXPECT_EQ(patient.score, 10);
  EXPECT_EQ(Progress().missionScore, missionBefore + 10);
  EXPECT_EQ(patient.currentLists[1], after);
  EXPECT_STREQ(patient.lastStep->action, "Bandage to Hand:   done");
  ASSERT_EQ(patient.doneSteps.count, 1);
  EXPECT_EQ(patient.doneSteps.entries[0].location, kBodyParts[PART_RIGHT_HAND].mask);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], kFullStock - 1);

  patient.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  ASSERT_NE(patient.lastStep, nullptr);
  EXPECT_TRUE(IsListEnd(patient.lastStep)) << "a stale match must not be recorded twice";
  EXPECT_EQ(patient.chartEntries.count, 1);
  EXPECT_EQ(patient.score, 10);
}

TEST_F(ApplyToolTest, AStepLoggedAsWrongIsAppliedButCountsAsAWrongAction) {
  TreatedPatient patient;
  MakeBare(patient);
  patient.currentLists[0] = table_.List({Step(TOOL_BANDAGE, LOC_HAND, -5, STEP_LOGGED_WRONG)});
  ChooseDifficulty(2);
  patient.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  EXPECT_EQ(patient.score, -5) << "its own points, and no penalty on top";
  EXPECT_EQ(patient.mistakes, 0);
  EXPECT_EQ(patient.doneSteps.count, 0);
  EXPECT_EQ(patient.wrongActions.count, 1);
}

// ---- stock ----

TEST_F(ApplyToolTest, OutOfStockGivesNoneLeftAndNoScore) {
  TreatedPatient patient;
  MakeBare(patient);
  const TreatmentStep* list = table_.List({Step(TOOL_BANDAGE, LOC_HAND, 5)});
  patient.currentLists[0] = list;
  SetToolCount(TOOL_BANDAGE, 0);

  patient.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 3);

  EXPECT_EQ(patient.actionRecords.entries[0].stock, 0) << "the pack's count replaces the passed stock";
  EXPECT_EQ(patient.LastChart(), "None left");
  EXPECT_EQ(patient.LastRemark(), "Oops! I don't have any more");
  EXPECT_EQ(patient.score, 0);
  EXPECT_EQ(patient.currentLists[0], list);
  EXPECT_EQ(patient.dressingParts, 0u) << "no bandage, no dressing";
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 0);
}

TEST_F(ApplyToolTest, OutOfStockARemovalStepStillWorksAndGivesTheItemBack) {
  TreatedPatient patient;
  MakeBare(patient);
  TreatmentStep takeOff = Step(TOOL_TOURNIQUET, LOC_THIGH, 0, STEP_REMOVAL, "Tourniquet:   taken off");
  takeOff.clip = "tqoff";
  TreatmentStep putOn = Step(TOOL_TOURNIQUET, LOC_THIGH, 10, 0, "Tourniquet:   on");
  putOn.next = table_.List({takeOff});
  patient.currentLists[0] = table_.List({putOn});
  SetToolCount(TOOL_TOURNIQUET, 1);

  patient.ApplyTool(TOOL_TOURNIQUET, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.score, 10);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], 0);
  EXPECT_NE(patient.tourniquetParts & (1u << PART_RIGHT_THIGH), 0u);

  patient.speechCount = 0;
  patient.ApplyTool(TOOL_TOURNIQUET, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_EQ(patient.LastChart(), "Tourniquet:   taken off");
  EXPECT_EQ(patient.tourniquetParts, 0u);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], 1);
  ASSERT_EQ(patient.speechCount, 1) << "taking something off says only the clip";
  EXPECT_TRUE(patient.Queued(1, "tqoff"));
  ASSERT_EQ(patient.doneSteps.count, 2);
  EXPECT_TRUE(patient.doneSteps.entries[1].step->flags & STEP_REMOVAL);
}

TEST_F(ApplyToolTest, ConsumptionTakesFromTheDrawerNeverGoesBelowEmptyAndStopsWithUnlimitedSupplies) {
  TreatedPatient patient;
  MakeBare(patient);
  TreatmentStep morphine = Step(TOOL_MORPHINE, LOC_ELBOW, 5);
  morphine.multiplier1 = morphine.multiplier2 = 1;  // track 0 keeps the other tracks at full worth
  patient.currentLists[0] = table_.List({morphine});
  patient.currentLists[1] = table_.List({Step(TOOL_TOURNIQUET, LOC_THIGH, 0, STEP_REMOVAL)});
  patient.currentLists[2] = table_.List({Step(TOOL_BANDAGE, LOC_HAND, 5)});

  patient.ApplyTool(TOOL_MORPHINE, PART_LEFT_ELBOW, 0, 0, 0);
  EXPECT_EQ(Pack().count[TOOL_MEDICINE_SYRINGE], kFullStock - 1) << "a vial is counted in its drawer";
  EXPECT_EQ(Pack().count[TOOL_MORPHINE], kFullStock);

  // A removal step at stock 0 whose toggle puts a tourniquet on: nothing to take from an empty pack.
  SetToolCount(TOOL_TOURNIQUET, 0);
  patient.ApplyTool(TOOL_TOURNIQUET, PART_RIGHT_THIGH, 0, 0, 0);
  EXPECT_NE(patient.tourniquetParts, 0u);
  EXPECT_EQ(Pack().count[TOOL_TOURNIQUET], 0);

  SetUnlimitedSupplies(true);
  patient.ApplyTool(TOOL_BANDAGE, PART_RIGHT_HAND, 0, 0, 0);
  EXPECT_EQ(patient.score, 10);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], kFullStock);
}

}  // namespace
}  // namespace kestrine::testing
