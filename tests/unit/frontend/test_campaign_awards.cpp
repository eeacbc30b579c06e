// The campaign's awards as decisions on the record: which mission gives which badge or ribbon at which tier,
// when a promotion follows, and the ranks and citations shown for them.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "frontend/award_texts.h"
#include "frontend/campaign_awards.h"
#include "shell/mission_progress.h"

namespace kestrine {
namespace {

MissionProgress WithRibbons(std::initializer_list<int> ribbons) {
  MissionProgress p;
  for (int r : ribbons) {
    p.ribbonCount[r] += 1;
    p.ribbonTotal += 1;
  }
  return p;
}

TEST(MissionProgressRecord, TwentyOneValuesInTheirOrderAndANewCampaignKeepsOnlyItsArguments) {
  static_assert(sizeof(MissionProgress) == 21 * 4);
  EXPECT_EQ(offsetof(MissionProgress, lastBadge), 13u * 4);
  EXPECT_EQ(offsetof(MissionProgress, playerFigure), 20u * 4);
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

}  // namespace
}  // namespace kestrine
