// The mission texts as the briefing shows them: titles and objectives word for word, the training
// briefings as written, and campaign briefings of the agreed lengths that fit the briefing box.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/mission_texts.h"

namespace kestrine {
namespace {

TEST(MissionTexts, TitlesAndObjectivesAreWordForWord) {
  EXPECT_STREQ(missionTexts[0].title, "Civil Unrest");
  EXPECT_STREQ(missionTexts[4].title, "Raid and Destruction of Chem Lab");
  EXPECT_STREQ(missionTexts[8].title, "Assault on Vidoduv's Army");
  EXPECT_STREQ(missionTexts[12].title, "Training Mission 3");
  EXPECT_STREQ(missionTexts[1].objectives[2], "Reestablish Comm.");
  EXPECT_STREQ(missionTexts[4].objectives[3], "Treat  Wounded");     // two spaces
  EXPECT_STREQ(missionTexts[7].objectives[0], "Remove Landmines ");  // trailing space
  EXPECT_STREQ(missionTexts[9].objectives[1], "Stay Alive!");
  EXPECT_STREQ(missionTexts[12].objectives[1], "Extract wounded");

  // Objectives run until the first empty one; the rest stay empty.
  const int objectiveCounts[kMissionTextCount] = {4, 5, 4, 5, 5, 2, 5, 5, 4, 5, 1, 1, 2};
  for (int m = 0; m < kMissionTextCount; ++m) {
    int count = 0;
    while (count < kMissionObjectiveCount && missionTexts[m].objectives[count][0] != '\0') ++count;
    EXPECT_EQ(count, objectiveCounts[m]) << "mission " << m + 1;
    for (int i = count; i < kMissionObjectiveCount; ++i) EXPECT_STREQ(missionTexts[m].objectives[i], "");
  }
}

TEST(MissionTexts, BriefingsHaveTheirLengthsAndFitTheBox) {
  const int lines[kMissionTextCount] = {28, 28, 19, 21, 29, 22, 32, 28, 24, 37, 12, 12, 3};
  for (int m = 0; m < kMissionTextCount; ++m) {
    const MissionText& text = missionTexts[m];
    ASSERT_EQ(text.briefingCount, lines[m]) << "mission " << m + 1;
    for (int i = 0; i < text.briefingCount; ++i) {
      const std::string line = text.briefing[i];
      EXPECT_LE(line.size(), 30u) << "mission " << m + 1 << ": " << line;
      if (line.empty()) continue;
      EXPECT_NE(line.front(), ' ') << line;
      EXPECT_NE(line.back(), ' ') << line;
      // Campaign text keeps two spaces after a full stop inside a line.
      for (size_t at = line.find(". "); m < 10 && at != std::string::npos; at = line.find(". ", at + 1))
        EXPECT_EQ(line.compare(at, 3, ".  "), 0) << line;
    }
  }
}

TEST(MissionTexts, TrainingBriefingsAreAsWrittenAndTheLastInsistsTheLeaderIsTakenAlive) {
  EXPECT_STREQ(missionTexts[10].briefing[0], "In this Training Mission you");
  EXPECT_STREQ(missionTexts[10].briefing[5], "Select your weapon. Fire or");
  EXPECT_STREQ(missionTexts[10].briefing[11], "point (green circle).");
  EXPECT_STREQ(missionTexts[11].briefing[5], "each patient to determine what");
  EXPECT_STREQ(missionTexts[11].briefing[11], "click on the Hint.");
  EXPECT_STREQ(missionTexts[12].briefing[2], "wounded.");
  std::string whole;
  for (int i = 0; i < missionTexts[9].briefingCount; ++i) whole += std::string(missionTexts[9].briefing[i]) + " ";
  EXPECT_NE(whole.find("Capture Vidoduv."), std::string::npos);
  EXPECT_NE(whole.find("taken alive"), std::string::npos);
}

}  // namespace
}  // namespace kestrine
