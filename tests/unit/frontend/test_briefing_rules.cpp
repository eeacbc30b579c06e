// The briefing's and debriefing's rules apart from their drawing: the score tier and the message it picks,
// which buttons each screen offers, and the figures' names and biographies.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frontend/briefing_screen.h"
#include "frontend/briefing_speech.h"
#include "frontend/figure_texts.h"

namespace {

using namespace kestrine;

TEST(DebriefingTier, ScoreTiersAndTheirMessages) {
  EXPECT_EQ(ScoreTier(47, 60), 7);
  EXPECT_EQ(BriefingSpeechName(false, 3, 1, ScoreTier(47, 60)), "jgood3");
  EXPECT_EQ(ScoreTier(-5, 60), 0);
  EXPECT_EQ(BriefingSpeechName(false, 3, 1, ScoreTier(-5, 60)), "jbad5");
  EXPECT_EQ(ScoreTier(60, 60), 9);  // 10 is held to the best tier
  EXPECT_EQ(BriefingSpeechName(false, 3, 6, 9), "jgood5");
  EXPECT_EQ(ScoreTier(29, 60), 4);  // 4.83 truncated
  // A mission without a maximum counts as one out of one.
  EXPECT_EQ(ScoreTier(0, 0), 0);
  EXPECT_EQ(ScoreTier(1, 0), 9);
}

TEST(DebriefingTier, TheEndOfTheMissionChoosesItsOwnMessage) {
  EXPECT_EQ(BriefingSpeechName(false, 4, 2, 8), "jtimedOut");
  EXPECT_EQ(BriefingSpeechName(false, 4, 4, 8), "jmutilate");
  EXPECT_EQ(BriefingSpeechName(false, 4, 5, 8), "ff");
  EXPECT_EQ(BriefingSpeechName(true, 12, 2, 8), "hmiss12");
}

TEST(BriefingButtons, AnIntermediateMayStartAndTheFirstTrainingMissionHasNoPackOrSave) {
  const BriefingButtons first = ChooseBriefingButtons(1, 1, 0, false);
  EXPECT_TRUE(first.startMission);
  EXPECT_TRUE(first.loadBackpack);
  EXPECT_TRUE(first.save);
  const BriefingButtons training = ChooseBriefingButtons(11, 0, 0, true);
  EXPECT_FALSE(training.loadBackpack);
  EXPECT_FALSE(training.save);
  EXPECT_TRUE(ChooseBriefingButtons(12, 0, 0, true).loadBackpack);
}

TEST(DebriefingButtons, TheWayOnNeedsHalfTheMaximum) {
  EXPECT_EQ(ChooseDebriefingButtons(3, 49, 100, false).next, nullptr);
  EXPECT_STREQ(ChooseDebriefingButtons(3, 50, 100, false).next, L"NEXT MISSION");
  EXPECT_EQ(ChooseDebriefingButtons(3, -20, 100, false).next, nullptr);
  EXPECT_STREQ(ChooseDebriefingButtons(10, 80, 100, false).next, L"VIEW ENDING");
  EXPECT_STREQ(ChooseDebriefingButtons(13, 1, 1, true).next, L"MAIN MENU");
  EXPECT_FALSE(ChooseDebriefingButtons(12, 1, 1, true).save);
  EXPECT_TRUE(ChooseDebriefingButtons(2, 1, 1, false).save);
}

TEST(PlayerFigures, BiographiesFitTheirBox) {
  const int lines[kFigureCount] = {17, 15, 17};
  for (int f = 0; f < kFigureCount; ++f) {
    int count = 0;
    while (count < kBiographySlots && FigureBiographies[f][count]) {
      EXPECT_LE(std::strlen(FigureBiographies[f][count]), static_cast<size_t>(kBiographyLineWidth)) << f;
      ++count;
    }
    EXPECT_EQ(count, lines[f]) << f;
    for (int i = count; i < kBiographySlots; ++i) EXPECT_EQ(FigureBiographies[f][i], nullptr) << f;
  }
  EXPECT_STREQ(FigureName(2), "Jory Malek");
  EXPECT_STREQ(FigureName(7), "Tavian Rusk");
}

}  // namespace
