// The Hint button: which step it names, how it words it and what it costs.
#include <gtest/gtest.h>

#include <string>

#include "casualty/hints.h"
#include "shell/mission_progress.h"
#include "wound_fixture.h"

namespace kestrine::testing {
namespace {

constexpr TreatmentStep kEnd{};

// Hint steps of three tracks; multipliers 1 and 2 of the track-0 step as a test needs them.
constexpr TreatmentStep kMorphineOnElbow{
    .tool = TOOL_MORPHINE, .location = LOC_ELBOW, .points = 7, .flags = STEP_HINT, .side = STEP_SIDE_WOUNDED};
constexpr TreatmentStep kSplintOnThigh{
    .tool = TOOL_RIGID_SPLINT, .location = LOC_THIGH, .points = 4, .flags = STEP_HINT, .side = STEP_SIDE_OTHER};
constexpr TreatmentStep kTrack1[] = {{.tool = TOOL_GLOVE, .location = LOC_HAND, .points = 9}, kMorphineOnElbow, kEnd};
constexpr TreatmentStep kTrack2[] = {kSplintOnThigh, kEnd};
constexpr TreatmentStep kTrack0Keeps[] = {
    {.tool = TOOL_BANDAGE, .multiplier1 = 1, .multiplier2 = 1, .location = LOC_HEAD, .points = 3, .flags = STEP_HINT},
    kEnd};
constexpr TreatmentStep kTrack0LowersTrack1[] = {
    {.tool = TOOL_BANDAGE, .multiplier1 = 0, .multiplier2 = 1, .location = LOC_HEAD, .points = 3, .flags = STEP_HINT},
    kEnd};
constexpr TreatmentStep kTrack0LowersTrack2[] = {
    {.tool = TOOL_BANDAGE, .multiplier1 = 1, .multiplier2 = 0, .location = LOC_HEAD, .points = 3, .flags = STEP_HINT},
    kEnd};
constexpr TreatmentStep kTourniquetOff[] = {{.tool = TOOL_TOURNIQUET,
                                             .location = LOC_THIGH,
                                             .points = 2,
                                             .flags = STEP_HINT | STEP_REMOVAL,
                                             .side = STEP_SIDE_WOUNDED},
                                            kEnd};
constexpr TreatmentStep kShockTrack[] = {
    {.tool = TOOL_GLOVE, .location = LOC_NECK, .points = 1},
    {.tool = TOOL_BURN_BLANKET, .location = LOC_CHEST, .points = 6, .flags = STEP_HINT},
    kEnd};

class HintTest : public WoundTest {
 protected:
  void SetUp() override {
    WoundTest::SetUp();
    ChooseDifficulty(2);
  }

  // A patient with no findings left and the given current tracks.
  static void GiveTracks(Patient& patient, const StepList* t0, const StepList* t1, const StepList* t2) {
    patient.activeSteps.assign(1, ActiveStep{});
    patient.currentLists[0] = t0;
    patient.currentLists[1] = t1;
    patient.currentLists[2] = t2;
  }

  static void ClearFindingPoints(Patient& patient) {
    for (ActiveStep& slot : patient.activeSteps) slot.points = 0;
  }
};

// ---- which step ----

TEST_F(HintTest, AFindingStillWorthPointsComesBeforeTheTracks) {
  VitalsPatient patient;
  SetUpWound(patient, WOUND_EVISCERATION, nullptr);
  EXPECT_STREQ(BuildHint(patient), "Try Glove to head");
  ClearFindingPoints(patient);
  EXPECT_STREQ(BuildHint(patient), "Try Action to abdomen");
}

TEST_F(HintTest, TheTrackZeroStepWaitsWhenItWouldLowerAnotherTracksWorth) {
  VitalsPatient patient;
  patient.side = 0;
  GiveTracks(patient, kTrack0Keeps, kTrack1, kTrack2);
  EXPECT_EQ(FindHintStep(patient), &kTrack0Keeps[0]);
  GiveTracks(patient, kTrack0LowersTrack1, kTrack1, kTrack2);
  EXPECT_EQ(FindHintStep(patient), &kTrack1[1]) << "the first hint step of track 1, past its plain finding";
  GiveTracks(patient, kTrack0LowersTrack2, kTrack1, kTrack2);
  EXPECT_EQ(FindHintStep(patient), &kTrack2[0]);
  GiveTracks(patient, kTrack0LowersTrack1, nullptr, kTrack2);
  EXPECT_EQ(FindHintStep(patient), &kTrack0LowersTrack1[0]) << "nothing in track 1 to wait for";
}

TEST_F(HintTest, WithoutATrackZeroStepTheOtherTracksCountOnlyWhileTheyAreWorthSomething) {
  VitalsPatient patient;
  GiveTracks(patient, nullptr, kTrack1, kTrack2);
  EXPECT_EQ(FindHintStep(patient), &kTrack1[1]);
  patient.multipliers[1] = 0;
  EXPECT_EQ(FindHintStep(patient), &kTrack2[0]);
  patient.multipliers[2] = 0;
  EXPECT_EQ(FindHintStep(patient), nullptr);
}

TEST_F(HintTest, InShockTheShockTrackComesFirstAndAnEmptyOneFallsThrough) {
  VitalsPatient patient;
  GiveTracks(patient, kTrack0Keeps, nullptr, nullptr);
  patient.shockState = SHOCK_MAJOR;
  patient.majorShockLists[1] = kShockTrack;
  patient.minorShockLists[0] = kTrack2;
  EXPECT_EQ(FindHintStep(patient), &kShockTrack[1]) << "the major track, searched cursor by cursor";
  patient.shockState = SHOCK_MINOR;
  EXPECT_EQ(FindHintStep(patient), &kTrack2[0]);
  patient.minorShockLists[0] = nullptr;
  EXPECT_EQ(FindHintStep(patient), &kTrack0Keeps[0]) << "nothing left in shock: the wound still needs treating";
}

// ---- the words ----

TEST_F(HintTest, AStepIsNamedWithItsToolAndWhereItLiesOnThisPatient) {
  VitalsPatient patient;
  GiveTracks(patient, nullptr, kTrack1, nullptr);
  patient.side = 1;
  EXPECT_STREQ(BuildHint(patient), "Try Morphine to left elbow");
  GiveTracks(patient, nullptr, nullptr, kTrack2);
  patient.side = 0;
  EXPECT_STREQ(BuildHint(patient), "Try Rigid Splint to left thigh");
  // A removal step is offered as taking something off.
  GiveTracks(patient, kTourniquetOff, nullptr, nullptr);
  EXPECT_STREQ(BuildHint(patient), "Try removing Tourniquet from right thigh");
}

TEST_F(HintTest, WithNothingLeftToDoTheHintSaysWhereHeGoes) {
  VitalsPatient patient;
  GiveTracks(patient, nullptr, nullptr, nullptr);
  patient.currentWound = FindRow([](const WoundType& w) { return w.severity == SEVERITY_LITE; });
  ASSERT_GE(patient.currentWound, 0);
  patient.appearance = 1;
  EXPECT_STREQ(BuildHint(patient), "He's ready to be returned to action");
  patient.appearance = 2;
  EXPECT_STREQ(BuildHint(patient), "He's ready for evacuation") << "an enemy is always evacuated";
  patient.appearance = 0;
  patient.currentWound = FindRow([](const WoundType& w) { return w.severity == SEVERITY_MAJOR; });
  EXPECT_STREQ(BuildHint(patient), "He's ready for evacuation");
}

// ---- the cost ----

TEST_F(HintTest, TheSameHintIsChargedOnceAtTheStepsOwnPointsAndAHintWithoutAStepCostsFive) {
  VitalsPatient patient;
  GiveTracks(patient, nullptr, kTrack1, nullptr);
  patient.multipliers[1] = 3;  // the cost is the step's points, not what the track would pay
  patient.score = 20;
  const int32_t mission = Progress().missionScore;
  BuildHint(patient);
  BuildHint(patient);
  EXPECT_EQ(patient.score, 13);
  EXPECT_EQ(Progress().missionScore, mission - 7);
  EXPECT_EQ(Hints().lastChargedHintText, "Try Morphine to right elbow");

  GiveTracks(patient, nullptr, nullptr, nullptr);
  BuildHint(patient);
  EXPECT_EQ(patient.score, 13 - kPlainHintCost);
  EXPECT_EQ(Progress().missionScore, mission - 7 - kPlainHintCost);
}

TEST_F(HintTest, AHintNeverPaysAStepWorthLessThanNothingCostsNothing) {
  static constexpr TreatmentStep kHarmfulHint[] = {
      {.tool = TOOL_BANDAGE, .location = LOC_HEAD, .points = -4, .flags = STEP_HINT}, kEnd};
  VitalsPatient patient;
  GiveTracks(patient, kHarmfulHint, nullptr, nullptr);
  patient.score = 10;
  const int32_t mission = Progress().missionScore;
  EXPECT_STREQ(BuildHint(patient), "Try Bandage to head");
  EXPECT_EQ(patient.score, 10);
  EXPECT_EQ(Progress().missionScore, mission);
}

TEST_F(HintTest, FreeHintsAreSpentFirstOnePerNewText) {
  ChooseDifficulty(1);
  VitalsPatient patient;
  ASSERT_EQ(patient.freeHints, 3);
  const int32_t mission = Progress().missionScore;
  const StepList* lists[] = {kTrack0Keeps, kTrack1, kTrack2, kTourniquetOff};
  for (const StepList* list : lists) {
    GiveTracks(patient, list, nullptr, nullptr);
    BuildHint(patient);
    BuildHint(patient);
  }
  EXPECT_EQ(patient.freeHints, 0);
  EXPECT_EQ(patient.score, -2) << "the fourth new hint (the tourniquet, 2 points) is paid";
  EXPECT_EQ(Progress().missionScore, mission - 2);
}

TEST_F(HintTest, NovicesAndTheDeveloperSwitchAskForFree) {
  ChooseDifficulty(0);
  VitalsPatient novice;
  const int32_t mission = Progress().missionScore;
  GiveTracks(novice, kTrack0Keeps, nullptr, nullptr);
  BuildHint(novice);
  GiveTracks(novice, nullptr, nullptr, nullptr);
  BuildHint(novice);
  EXPECT_EQ(novice.freeHints, kUnlimitedFreeHints - 2);
  EXPECT_EQ(novice.score, 0);
  EXPECT_EQ(Progress().missionScore, mission);

  ChooseDifficulty(2);
  ForgetChargedHint();
  VitalsPatient patient;
  patient.freeHints = 1;
  SetFreeHints(true);
  GiveTracks(patient, kTrack0Keeps, nullptr, nullptr);
  EXPECT_STREQ(BuildHint(patient), "Try Bandage to head");
  EXPECT_EQ(patient.freeHints, 1);
  EXPECT_EQ(patient.score, 0);
  EXPECT_EQ(Progress().missionScore, mission);
  EXPECT_TRUE(Hints().lastChargedHintText.empty());
  SetFreeHints(false);
  BuildHint(patient);
  EXPECT_EQ(patient.freeHints, 0) << "the same text, now asked without the switch, is charged";
}

}  // namespace
}  // namespace kestrine::testing
