// The campaign's awards as decisions on the record: which mission gives which badge or ribbon at which tier,
// when a promotion follows, the ranks and citations shown for them, where the medal rack lays the earned
// medals and which ribbon of the possible-medals panel the pointer is on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/award_texts.h"
#include "frontend/campaign_awards.h"
#include "frontend/medal_rack.h"
#include "shell/mission_progress.h"

namespace kestrine {
namespace {

MissionProgress WithRibbons(std::initializer_list<int> ribbons, int32_t lastBadge = -1) {
  MissionProgress p;
  for (int r : ribbons) {
    p.ribbonCount[r] += 1;
    p.ribbonTotal += 1;
  }
  p.lastBadge = lastBadge;
  return p;
}

TEST(MissionProgressRecord, ANewCampaignKeepsOnlyItsArguments) {
  MissionProgress p = WithRibbons({3, 5});
  p.lastBadge = 1;
  p.campaignScore = 300;
  p.Reset("anyone", 7, 1, 0);
  EXPECT_EQ(p.ribbonCount[3] + p.ribbonTotal + p.campaignScore, 0);
  EXPECT_EQ(p.lastBadge, -1);
  EXPECT_EQ(p.savedExtra, 7);
  EXPECT_EQ(p.playerFigure, 1);
  EXPECT_EQ(p.unread, 0);
}

TEST(MissionAwardsTest, TheFirstThreeMissionsGiveTheirBadgeFromTierSeven) {
  for (int mission = 1; mission <= 3; ++mission) {
    EXPECT_EQ(DecideMissionAwards({}, mission, 7).badge, mission - 1) << mission;
    EXPECT_EQ(DecideMissionAwards({}, mission, 7).ribbon, -1) << mission;
  }
  // Tier 6 after mission 2: nothing at all.
  const MissionAwards none = DecideMissionAwards({}, 2, 6);
  EXPECT_EQ(none.badge, -1);
  EXPECT_EQ(none.ribbon, -1);
  EXPECT_FALSE(none.promoted);
}

TEST(MissionAwardsTest, MissionFourGivesTheCommendationMedalAndTheOthersCountDown) {
  EXPECT_EQ(DecideMissionAwards({}, 4, 8).ribbon, 7);
  EXPECT_EQ(DecideMissionAwards({}, 4, 7).ribbon, -1);
  EXPECT_EQ(DecideMissionAwards({}, 5, 8).ribbon, 5);
  EXPECT_EQ(DecideMissionAwards({}, 6, 8).ribbon, 4);
  // From mission 7 on the threshold is 9.
  EXPECT_EQ(DecideMissionAwards({}, 7, 8).ribbon, -1);
  EXPECT_EQ(DecideMissionAwards({}, 7, 9).ribbon, 3);
  EXPECT_EQ(DecideMissionAwards({}, 8, 9).ribbon, 2);
  EXPECT_EQ(DecideMissionAwards({}, 9, 9).ribbon, 1);
  // No mission awards the sixth ribbon, and no mission outside the campaign awards anything.
  for (int mission : {0, -3, 11, 13})
    EXPECT_EQ(DecideMissionAwards({}, mission, 9).ribbon + DecideMissionAwards({}, mission, 9).badge, -2);
}

TEST(MissionAwardsTest, MissionThreePromotesWhenTheLastBadgeWasTheSecondOrThird) {
  MissionProgress p;
  p.lastBadge = 1;
  EXPECT_TRUE(DecideMissionAwards(p, 3, 0).promoted);
  p.lastBadge = 0;
  EXPECT_FALSE(DecideMissionAwards(p, 3, 0).promoted);
  // Its own badge counts: earned now, it is the last badge.
  EXPECT_TRUE(DecideMissionAwards(p, 3, 7).promoted);
  // Other missions never promote on badges.
  p.lastBadge = 2;
  EXPECT_FALSE(DecideMissionAwards(p, 2, 9).promoted);
}

TEST(MissionAwardsTest, MissionSixPromotesOnTwoRibbonsIncludingItsOwn) {
  EXPECT_FALSE(DecideMissionAwards(WithRibbons({7}), 6, 7).promoted);
  EXPECT_TRUE(DecideMissionAwards(WithRibbons({7}), 6, 8).promoted);
  EXPECT_TRUE(DecideMissionAwards(WithRibbons({7, 5}), 6, 0).promoted);
}

TEST(MissionAwardsTest, MissionNinePromotesOnlyWithTheRibbonsOfMissionsNineEightAndSeven) {
  EXPECT_TRUE(DecideMissionAwards(WithRibbons({2, 3}), 9, 9).promoted);
  EXPECT_TRUE(DecideMissionAwards(WithRibbons({1, 2, 3}), 9, 0).promoted);
  EXPECT_FALSE(DecideMissionAwards(WithRibbons({2, 3}), 9, 8).promoted);
  EXPECT_FALSE(DecideMissionAwards(WithRibbons({1, 3, 4, 5, 7}), 9, 9).promoted);
  // Twice the same ribbon is still one kind.
  EXPECT_FALSE(DecideMissionAwards(WithRibbons({3, 3}), 9, 9).promoted);
}

TEST(MissionAwardsTest, MissionTenGivesTheMedalOfHonorOnlyAboveNinetyPercentOfTheCampaign) {
  MissionProgress p;
  p.campaignMaximum = 100;
  p.campaignScore = 91;
  EXPECT_EQ(DecideMissionAwards(p, 10, 9).ribbon, 0);
  EXPECT_EQ(DecideMissionAwards(p, 10, 8).ribbon, -1);
  p.campaignScore = 90;
  EXPECT_EQ(DecideMissionAwards(p, 10, 9).ribbon, -1);
  // A campaign without any maximum is measured against 1, not divided by nothing.
  p.campaignMaximum = 0;
  p.campaignScore = 0;
  EXPECT_EQ(DecideMissionAwards(p, 10, 9).ribbon, -1);
  p.campaignScore = 1;
  EXPECT_EQ(DecideMissionAwards(p, 10, 9).ribbon, 0);
}

TEST(MissionAwardsTest, ApplyingAnAwardCountsItAndRemembersTheBadge) {
  MissionProgress p;
  ApplyMissionAwards(p, MissionAwards{.badge = 2, .ribbon = -1, .promoted = true});
  ApplyMissionAwards(p, MissionAwards{.badge = -1, .ribbon = 7, .promoted = false});
  EXPECT_EQ(p.badgeCount[2], 1);
  EXPECT_EQ(p.lastBadge, 2);
  EXPECT_EQ(p.ribbonCount[7], 1);
  EXPECT_EQ(p.ribbonTotal, 1);
  EXPECT_EQ(p.promotionCount, 1);
}

TEST(AwardTextsTest, RanksAreHeldToTheTableAndEveryCitationNamesItsAward) {
  EXPECT_STREQ(RankTitle(0), "Sergeant - E5");
  EXPECT_STREQ(RankTitle(3), "Master Sergeant - E8");
  EXPECT_STREQ(RankTitle(6), "Master Sergeant - E8");
  EXPECT_STREQ(RankTitle(-2), "Sergeant - E5");
  const char* names[] = {"Medal of Honor",
                         "Distinguished Service Cross",
                         "Distinguished Service Medal",
                         "Silver Star",
                         "Legion of Merit",
                         "Bronze Star",
                         "Purple Heart",
                         "Army Commendation Medal",
                         "Medical Badge",
                         "Expert Field Medical Badge",
                         "Special Forces Tab"};
  for (int i = 0; i < kAwardDescriptionCount; ++i) {
    const std::string text = AwardDescriptions[i];
    EXPECT_NE(text.find(names[i]), std::string::npos) << i;
    // Short enough for the 155 x 108 box the player-select screen shows it in.
    EXPECT_LT(text.size(), 220u) << i;
  }
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

}  // namespace
}  // namespace kestrine
