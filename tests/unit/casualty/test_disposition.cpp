// The call at the end of treatment: evacuate or return to action, judged by the wound's severity for our
// own soldiers (an enemy is always evacuated); and which tools can reach which body parts at all.
#include <gtest/gtest.h>

#include "apply_tool_fixture.h"
#include "casualty_view/tool_reach.h"

namespace kestrine::testing {
namespace {

using DispositionTest = ApplyToolTest;

TEST_F(DispositionTest, TheCallIsJudgedBySeverityForOwnSoldiersAndEnemiesAlwaysGoBack) {
  struct Case {
    int32_t appearance;
    int32_t severity;
    int32_t choice;
    int32_t verdict;
    int32_t unitState;
  };
  const Case cases[] = {
      // Own soldiers (both skins): only the lightly wounded go back into the fight.
      {0, SEVERITY_MAJOR, DISPOSITION_EVACUATE, VERDICT_RIGHT, kCasualtyReadied},
      {0, SEVERITY_MEDIUM, DISPOSITION_EVACUATE, VERDICT_RIGHT, kCasualtyReadied},
      {1, SEVERITY_LITE, DISPOSITION_EVACUATE, VERDICT_WRONG, kCasualtyReadied},
      {1, SEVERITY_MAJOR, DISPOSITION_RETURN_TO_ACTION, VERDICT_WRONG, kCasualtyReadied},
      {0, SEVERITY_MEDIUM, DISPOSITION_RETURN_TO_ACTION, VERDICT_WRONG, kCasualtyReadied},
      {0, SEVERITY_LITE, DISPOSITION_RETURN_TO_ACTION, VERDICT_RIGHT, kCasualtyInAction},
      // Enemies, whatever the wound: evacuation is right, sending him back is wrong.
      {2, SEVERITY_LITE, DISPOSITION_EVACUATE, VERDICT_RIGHT, kCasualtyReadied},
      {3, SEVERITY_LITE, DISPOSITION_EVACUATE, VERDICT_RIGHT, kCasualtyReadied},
      {2, SEVERITY_LITE, DISPOSITION_RETURN_TO_ACTION, VERDICT_WRONG, kCasualtyReadied},
      {3, SEVERITY_MAJOR, DISPOSITION_RETURN_TO_ACTION, VERDICT_WRONG, kCasualtyReadied},
  };
  for (const Case& c : cases) {
    const int row = FindRow([&](const WoundType& w) { return w.severity == c.severity; });
    ASSERT_GE(row, 0) << "a row of severity " << c.severity;
    TreatedPatient patient;
    patient.appearance = c.appearance;
    patient.currentWound = row;
    patient.score = 20;
    const int32_t missionBefore = Progress().missionScore;
    const int32_t reward = c.verdict == VERDICT_RIGHT ? 5 : 0;

    EXPECT_EQ(patient.JudgeDisposition(c.choice), c.unitState)
        << "appearance " << c.appearance << " severity " << c.severity << " choice " << c.choice;
    EXPECT_EQ(patient.verdict, c.verdict)
        << "appearance " << c.appearance << " severity " << c.severity << " choice " << c.choice;
    EXPECT_EQ(patient.score, 20 + reward);
    EXPECT_EQ(Progress().missionScore, missionBefore + reward);
  }
  // A choice that is neither call changes nothing.
  TreatedPatient patient;
  EXPECT_EQ(patient.JudgeDisposition(2), kNoCasualtyChange);
  EXPECT_EQ(patient.verdict, VERDICT_NONE);
  EXPECT_EQ(patient.score, 0);
}

TEST_F(DispositionTest, AToolReachesOnlyThePartsOfItsRegions) {
  EXPECT_FALSE(PatientHasInjuryAt(-1, PART_HEAD)) << "no tool in hand";
  EXPECT_TRUE(PatientHasInjuryAt(TOOL_TOURNIQUET, PART_LEFT_THIGH));
  EXPECT_FALSE(PatientHasInjuryAt(TOOL_TOURNIQUET, PART_CHEST));
  EXPECT_TRUE(PatientHasInjuryAt(TOOL_GLOVE, PART_RIGHT_EAR));
  EXPECT_TRUE(PatientHasInjuryAt(TOOL_ROLLOVER_DRAG, PART_NECK));
  EXPECT_FALSE(PatientHasInjuryAt(TOOL_ROLLOVER_DRAG, PART_HEAD));
  // The side bits of a part are no region: the scissors (no hands in their regions) miss a hand.
  EXPECT_FALSE(PatientHasInjuryAt(TOOL_SCISSORS, PART_RIGHT_HAND));
  EXPECT_FALSE(PatientHasInjuryAt(kToolCount, PART_HEAD));
  EXPECT_FALSE(PatientHasInjuryAt(TOOL_GLOVE, kBodyPartCount));
}

}  // namespace
}  // namespace kestrine::testing
