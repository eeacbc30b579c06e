// The mission table's rules: the folders the missions read, night and day, the mission clock, and rows as
// the game's design gives them.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/mission_table.h"

namespace kestrine {
namespace {

TEST(MissionTable, TrainingMissionsUseTheFourthMissionsFolder) {
  EXPECT_EQ(MissionFolder(1), "mission1");
  EXPECT_EQ(MissionFolder(4), "mission4");
  EXPECT_EQ(MissionFolder(10), "mission10");
  for (int32_t mission : {11, 12, 13}) EXPECT_EQ(MissionFolder(mission), "mission4") << mission;
}

TEST(MissionTable, SixHundredAndNineteenHundredAreNight) {
  EXPECT_TRUE(IsNightStart(600));
  EXPECT_FALSE(IsNightStart(601));
  EXPECT_FALSE(IsNightStart(1899));
  EXPECT_TRUE(IsNightStart(1900));
  EXPECT_TRUE(IsNightStart(530));
  // The missions by their start times: 5 (0530), 7 (2300) and 9 (1900) are fought at night.
  for (int32_t mission = 1; mission <= kMissionCount; ++mission)
    EXPECT_EQ(IsNightStart(MissionTable[mission - 1].startTime), mission == 5 || mission == 7 || mission == 9)
        << mission;
}

TEST(MissionTable, TheClockGivesEachCasualtyLessTimeTheHarderTheMission) {
  EXPECT_EQ(MissionClockMs(MissionTable[7], 2), 1680000);  // 7 x 240 s
  EXPECT_EQ(MissionClockMs(MissionTable[0], 0), 780000);   // 3 x 260 s
  EXPECT_EQ(MissionClockMs(MissionTable[9], 1), 1500000);  // 6 x 250 s
  // A difficulty from a damaged save counts as novice rather than reading outside the row.
  EXPECT_EQ(MissionClockMs(MissionTable[0], 7), 780000);
}

TEST(MissionTable, RowsHoldTheDesignedValues) {
  const MissionDef& m8 = MissionTable[7];
  EXPECT_EQ(m8.casualties[0], 5);
  EXPECT_EQ(m8.casualties[2], 7);
  EXPECT_EQ(m8.seriousCaps[1], 5);
  const MissionDef& m10 = MissionTable[9];
  EXPECT_EQ(m10.casualties[2], 6);
  EXPECT_EQ(m10.severityMode, 1);
  EXPECT_EQ(m10.camouflage, 1);
  EXPECT_EQ(MissionTable[3].severityMode, 2);
  // Factors are single-precision floats.
  EXPECT_EQ(MissionTable[8].factor, 0.85f);
  EXPECT_EQ(MissionTable[4].factor, 1.5f);
  EXPECT_EQ(MissionTable[12].factor, 0.7f);
  // Each row carries its own mission's words.
  EXPECT_STREQ(MissionTable[6].Title(), "Capture Enemy Munitions and Comm");
  EXPECT_EQ(MissionTable[9].BriefingCount(), 37);
  EXPECT_STREQ(MissionTable[10].BriefingLine(0), "In this Training Mission you");
  EXPECT_STREQ(MissionTable[7].Objective(0), "Remove Landmines ");
  for (const MissionDef& row : MissionTable) {
    for (int d = 0; d < kDifficultyCount; ++d) {
      EXPECT_GE(row.casualties[d], 3);
      EXPECT_LE(row.casualties[d], 7);  // a patient slot each
      EXPECT_LE(row.seriousCaps[d], row.casualties[d]);
    }
    EXPECT_GE(row.startTime % 100, 0);
    EXPECT_LT(row.startTime % 100, 60);
  }
}

TEST(MissionTable, MissionNumbersOutsideTheTableFindNoRowOrTheNearestOne) {
  EXPECT_EQ(FindMission(0), nullptr);
  EXPECT_EQ(FindMission(14), nullptr);
  EXPECT_EQ(&MissionRow(0), &MissionTable[0]);
  EXPECT_EQ(&MissionRow(99), &MissionTable[12]);
}

}  // namespace
}  // namespace kestrine
