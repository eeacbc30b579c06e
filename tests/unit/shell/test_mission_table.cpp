// The mission table's rules: the folders the missions read, night and day, the mission clock.
#include <gtest/gtest.h>

#include "shell/mission_table.h"

namespace kestrine {
namespace {

TEST(MissionTable, TrainingMissionsUseTheFourthMissionsFolder) {
  EXPECT_EQ(MissionFolder(1), "mission1");
  EXPECT_EQ(MissionFolder(10), "mission10");
  for (int32_t mission : {11, 12, 13}) EXPECT_EQ(MissionFolder(mission), "mission4") << mission;
}

TEST(MissionTable, SixHundredAndNineteenHundredAreNight) {
  EXPECT_TRUE(IsNightStart(600));
  EXPECT_FALSE(IsNightStart(601));
  EXPECT_FALSE(IsNightStart(1899));
  EXPECT_TRUE(IsNightStart(1900));
  // Missions 5 (0530), 7 (2300) and 9 (1900) are fought at night.
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
  EXPECT_EQ(&MissionRow(99), &MissionTable[12]);
  EXPECT_STREQ(MissionTable[9].Title(), "Pursue and Capture Vidoduv");  // each row has its own words
  EXPECT_EQ(MissionTable[8].factor, 0.85f);
}

}  // namespace
}  // namespace kestrine
