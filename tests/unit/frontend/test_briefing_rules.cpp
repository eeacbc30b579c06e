// The briefing's and debriefing's rules apart from their drawing: the score tier and the message it picks,
// which buttons each screen offers, where the medal rack lays the earned medals and which ribbon of the
// possible-medals panel the pointer is on, and the figures' biographies.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "frontend/briefing_screen.h"
#include "frontend/briefing_speech.h"
#include "frontend/figure_texts.h"
#include "frontend/medal_rack.h"
#include "frontend/player_select.h"

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

TEST(BriefingButtons, TheFirstBriefingLeadsBackAndExpertsMustPackTheirBag) {
  const BriefingButtons first = ChooseBriefingButtons(1, 0, 0, false);
  EXPECT_TRUE(first.back);
  EXPECT_TRUE(first.startMission);
  EXPECT_TRUE(first.loadBackpack);
  EXPECT_TRUE(first.save);
  EXPECT_FALSE(ChooseBriefingButtons(2, 0, 35, false).back);  // QUIT once a mission was played
  EXPECT_FALSE(ChooseBriefingButtons(1, 2, 0, false).startMission);
  EXPECT_TRUE(ChooseBriefingButtons(1, 1, 0, false).startMission);
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

MissionProgress WithRibbons(std::initializer_list<int> ribbons, int32_t lastBadge = -1) {
  MissionProgress p;
  for (int k : ribbons) {
    p.ribbonCount[k] += 1;
    p.ribbonTotal += 1;
  }
  p.lastBadge = lastBadge;
  return p;
}

struct At {
  int32_t index;  // a badge as 100 + its number
  int x, y;
  bool operator==(const At&) const = default;
};

std::vector<At> Places(const std::vector<RackTile>& tiles) {
  std::vector<At> out;
  for (const RackTile& t : tiles) out.push_back({t.badge ? 100 + t.index : t.index, t.x, t.y});
  return out;
}

TEST(MedalRack, EarnedRibbonsStackAsAPyramid) {
  // Corner at (200, 300): ribbons start 40 below it, tiles 49 x 13.
  EXPECT_EQ(Places(EarnedRackTiles(WithRibbons({3}), 200, 300)), (std::vector<At>{{3, 249, 340}}));
  EXPECT_EQ(Places(EarnedRackTiles(WithRibbons({1, 4}), 200, 300)), (std::vector<At>{{1, 224, 340}, {4, 273, 340}}));
  EXPECT_EQ(Places(EarnedRackTiles(WithRibbons({0, 2, 7}), 200, 300)),
            (std::vector<At>{{0, 200, 340}, {2, 249, 340}, {7, 298, 340}}));
  EXPECT_EQ(Places(EarnedRackTiles(WithRibbons({0, 1, 2, 3, 5}), 200, 300)),
            (std::vector<At>{{0, 224, 340}, {1, 273, 340}, {2, 200, 353}, {3, 249, 353}, {5, 298, 353}}));
}

TEST(MedalRack, TheBadgeSitsAboveTheRibbons) {
  const auto wide = EarnedRackTiles(WithRibbons({}, 0), 200, 300);
  ASSERT_EQ(wide.size(), 1u);
  EXPECT_TRUE(wide[0].badge);
  EXPECT_EQ(wide[0].x, 235);
  EXPECT_EQ(wide[0].width, 78);
  EXPECT_EQ(wide[0].height, 27);
  const auto narrow = EarnedRackTiles(WithRibbons({6}, 2), 200, 300);
  ASSERT_EQ(narrow.size(), 2u);
  EXPECT_EQ(narrow[0].x, 252);
  EXPECT_EQ(narrow[0].width, 43);
  EXPECT_EQ(narrow[1].y, 340);
}

TEST(MedalRack, ThePointerPicksAPossibleRibbonRowByRow) {
  // Panel corner at (400, 100): row 0 at y 130 holds ribbons 0 and 1 from x 424; rows 1 and 2 hold 2..4 and
  // 5..7 from x 400.
  EXPECT_EQ(HoveredRackRibbon(430, 135, 400, 100).index, 0);
  EXPECT_EQ(HoveredRackRibbon(480, 135, 400, 100).index, 1);
  EXPECT_EQ(HoveredRackRibbon(480, 135, 400, 100).x, 473);
  EXPECT_EQ(HoveredRackRibbon(405, 147, 400, 100).index, 2);
  const RackTile last = HoveredRackRibbon(500, 160, 400, 100);
  EXPECT_EQ(last.index, 7);
  EXPECT_EQ(last.x, 498);
  EXPECT_EQ(last.y, 156);
  // Division truncates toward zero: a little above row 0, or left of its first ribbon, still counts.
  EXPECT_EQ(HoveredRackRibbon(430, 125, 400, 100).index, 0);
  EXPECT_EQ(HoveredRackRibbon(410, 135, 400, 100).index, 0);
  EXPECT_EQ(HoveredRackRibbon(525, 135, 400, 100).index, -1);
  EXPECT_EQ(HoveredRackRibbon(560, 150, 400, 100).index, -1);
  EXPECT_EQ(HoveredRackRibbon(430, 180, 400, 100).index, -1);
}

TEST(PlayerFigures, ArrowsGoRoundTheThree) {
  EXPECT_EQ(StepFigure(0, -1), 2);
  EXPECT_EQ(StepFigure(2, -1), 1);
  EXPECT_EQ(StepFigure(2, +1), 0);
  EXPECT_EQ(StepFigure(1, +1), 2);
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
