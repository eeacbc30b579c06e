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

MissionProgress Scored(int32_t score, int32_t maximum) {
  MissionProgress p;
  p.campaignScore = score;
  p.campaignMaximum = maximum;
  return p;
}

TEST(MissionAwardsTest, EachMissionsAwardAtItsTierAndThePromotionsItBrings) {
  // Missions 1-3 give badge mission - 1 from tier 7; mission 4 the commendation ribbon (7) from tier 8;
  // 5 and 6 ribbons 5 and 4 from tier 8; 7-9 ribbons 3-1 from tier 9; mission 10 the Medal of Honor (0) from
  // tier 9 above 90 % of the campaign (a campaign without maximum measured against 1); nothing outside 1-10.
  // Promotions, counting the mission's own award: mission 3 when the last badge is the second or third,
  // mission 6 on two ribbons, mission 9 with the ribbons of missions 9, 8 and 7 (1, 2, 3) all held.
  const struct {
    MissionProgress progress;
    int32_t mission, tier, badge, ribbon;
    bool promoted;
  } rows[] = {
      {{}, 1, 7, 0, -1, false},
      {WithRibbons({}, 2), 2, 9, 1, -1, false},
      {{}, 2, 6, -1, -1, false},
      {WithRibbons({}, 0), 3, 7, 2, -1, true},
      {WithRibbons({}, 0), 3, 0, -1, -1, false},
      {WithRibbons({}, 1), 3, 0, -1, -1, true},
      {{}, 4, 8, -1, 7, false},
      {{}, 4, 7, -1, -1, false},
      {{}, 5, 8, -1, 5, false},
      {{}, 6, 8, -1, 4, false},
      {WithRibbons({7}), 6, 7, -1, -1, false},
      {WithRibbons({7}), 6, 8, -1, 4, true},
      {WithRibbons({7, 5}), 6, 0, -1, -1, true},
      {{}, 7, 8, -1, -1, false},
      {{}, 7, 9, -1, 3, false},
      {{}, 8, 9, -1, 2, false},
      {{}, 9, 9, -1, 1, false},
      {WithRibbons({2, 3}), 9, 9, -1, 1, true},
      {WithRibbons({1, 2, 3}), 9, 0, -1, -1, true},
      {WithRibbons({2, 3}), 9, 8, -1, -1, false},
      {WithRibbons({1, 3, 4, 5, 7}), 9, 9, -1, 1, false},
      {WithRibbons({3, 3}), 9, 9, -1, 1, false},
      {Scored(91, 100), 10, 9, -1, 0, false},
      {Scored(91, 100), 10, 8, -1, -1, false},
      {Scored(90, 100), 10, 9, -1, -1, false},
      {Scored(0, 0), 10, 9, -1, -1, false},
      {Scored(1, 0), 10, 9, -1, 0, false},
      {{}, 0, 9, -1, -1, false},
      {{}, -3, 9, -1, -1, false},
      {{}, 11, 9, -1, -1, false},
      {{}, 13, 9, -1, -1, false},
  };
  for (const auto& row : rows) {
    const MissionAwards awards = DecideMissionAwards(row.progress, row.mission, row.tier);
    EXPECT_EQ(std::vector<int32_t>({awards.badge, awards.ribbon, awards.promoted}),
              std::vector<int32_t>({row.badge, row.ribbon, row.promoted}))
        << "mission " << row.mission << " tier " << row.tier;
  }
}

TEST(MissionAwardsTest, ApplyingAnAwardCountsItAndRemembersTheBadge) {
  MissionProgress p;
  ApplyMissionAwards(p, MissionAwards{.badge = 2, .ribbon = -1, .promoted = true});
  ApplyMissionAwards(p, MissionAwards{.badge = -1, .ribbon = 7, .promoted = true});
  EXPECT_EQ(p.badgeCount[2], 1);
  EXPECT_EQ(p.lastBadge, 2);
  EXPECT_EQ(p.ribbonCount[7], 1);
  EXPECT_EQ(p.ribbonTotal, 1);
  EXPECT_EQ(p.promotionCount, 2);
}

TEST(AwardTextsTest, RanksAreHeldToTheTableAndEveryCitationFitsItsBox) {
  EXPECT_STREQ(RankTitle(3), "Master Sergeant - E8");
  EXPECT_STREQ(RankTitle(6), "Master Sergeant - E8");
  EXPECT_STREQ(RankTitle(-2), "Sergeant - E5");
  // Short enough for the 155 x 108 box the player-select screen shows it in.
  for (int i = 0; i < kAwardDescriptionCount; ++i) EXPECT_LT(std::string(AwardDescriptions[i]).size(), 220u) << i;
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
