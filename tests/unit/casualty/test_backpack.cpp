// Loading and unloading the pack piece by piece, its limits by player figure, and the medic's remark when
// something does not fit.
#include "backpack_fixture.h"

namespace kestrine::testing {
namespace {

// ---- limits ----

TEST_F(BackpackTest, ASumExactlyAtALimitDoesNotFitAndTheSumIsTakenInDoublePrecision) {
  backpack.weight = 38.0f;  // + the bag-valve mask's 2.0 is exactly 40.0
  EXPECT_EQ(backpack.AddTool(TOOL_AMBU_BAG), 0);
  EXPECT_EQ(backpack.count[TOOL_AMBU_BAG], 0);
  EXPECT_EQ(backpack.weight, 38.0f);
  EXPECT_TRUE(noFitShown);

  noFitShown = false;
  backpack.weight = 37.5f;
  EXPECT_EQ(backpack.AddTool(TOOL_AMBU_BAG), 1);
  EXPECT_EQ(backpack.count[TOOL_AMBU_BAG], 1);
  EXPECT_EQ(backpack.weight, 39.5f);
  EXPECT_FALSE(noFitShown);

  backpack = Backpack();
  backpack.volume = 470.0f;  // + the burn blanket's 30 is exactly 500
  backpack.AddTool(TOOL_BURN_BLANKET);
  EXPECT_EQ(backpack.count[TOOL_BURN_BLANKET], 0);
  EXPECT_EQ(backpack.totalItems, 0);
  EXPECT_TRUE(noFitShown);

  // A bandage takes up one unit: with a little more than one left it fits, with exactly one it does not.
  noFitShown = false;
  backpack = Backpack();
  backpack.volume = 498.95f;
  backpack.AddTool(TOOL_BANDAGE);
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], 1);
  backpack.volume = 499.0f;
  backpack.AddTool(TOOL_BANDAGE);
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], 1);
  EXPECT_TRUE(noFitShown);

  // In single precision 38.6 + 1.4 rounds up to the limit itself; the stethoscope still fits.
  noFitShown = false;
  backpack = Backpack();
  backpack.weight = 38.6f;
  ASSERT_EQ(static_cast<float>(38.6f + 1.4f), kBaseMaxWeight);
  ASSERT_LT(static_cast<double>(38.6f) + ToolTable[TOOL_STETHOSCOPE].weight, 40.0);
  backpack.AddTool(TOOL_STETHOSCOPE);
  EXPECT_EQ(backpack.count[TOOL_STETHOSCOPE], 1);
  EXPECT_FALSE(noFitShown);
}

TEST_F(BackpackTest, PlayerFigureSetsTheLimitsAndAFigureOutsideTheThreeGetsTheNearestOnes) {
  ApplyPlayerFigureLimits(2);
  EXPECT_EQ(capacityFactor, 0.8f);
  EXPECT_EQ(backpack.maxWeight, 32.0f);
  EXPECT_EQ(backpack.maxVolume, 400.0f);

  ApplyPlayerFigureLimits(1);
  EXPECT_EQ(capacityFactor, 1.0f - 0.1f);
  EXPECT_LT(backpack.maxWeight, kBaseMaxWeight);
  EXPECT_GT(backpack.maxWeight, 32.0f);

  ApplyPlayerFigureLimits(0);
  EXPECT_EQ(backpack.maxWeight, kBaseMaxWeight);
  EXPECT_EQ(backpack.maxVolume, kBaseMaxVolume);

  EXPECT_EQ(CapacityFactorForFigure(7), CapacityFactorForFigure(2));
  EXPECT_EQ(CapacityFactorForFigure(-3), CapacityFactorForFigure(0));
}

// ---- adding and removing ----

TEST_F(BackpackTest, AConsumableToolCountsEveryPieceANonConsumableIsCarriedOnce) {
  backpack.AddTool(TOOL_STETHOSCOPE);
  EXPECT_EQ(backpack.AddTool(TOOL_STETHOSCOPE), 1);
  EXPECT_EQ(backpack.count[TOOL_STETHOSCOPE], 1);
  EXPECT_EQ(backpack.weight, 1.4f);
  EXPECT_EQ(backpack.volume, 3.7f);
  EXPECT_FALSE(noFitShown);

  backpack.AddTool(TOOL_BANDAGE);
  backpack.AddTool(TOOL_BANDAGE);
  EXPECT_EQ(backpack.AddTool(TOOL_BANDAGE), 4);
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], 3);
  EXPECT_FLOAT_EQ(backpack.weight, 1.4f + 3 * 0.5f);
}

TEST_F(BackpackTest, EveryAddedOrRefusedRowMovesToTheFrontOfTheList) {
  backpack.AddTool(TOOL_SCISSORS);
  backpack.AddTool(TOOL_BANDAGE);
  EXPECT_EQ(backpackListOrder[0], TOOL_BANDAGE);
  EXPECT_EQ(backpackListOrder[1], TOOL_SCISSORS);
  EXPECT_TRUE(ListOrderIsAPermutation());

  backpack.weight = 39.9f;
  backpack.AddTool(TOOL_AMBU_BAG);  // refused
  EXPECT_EQ(backpack.count[TOOL_AMBU_BAG], 0);
  EXPECT_EQ(backpackListOrder[0], TOOL_AMBU_BAG);
  EXPECT_EQ(backpackListOrder[1], TOOL_BANDAGE);
  EXPECT_EQ(backpackListOrder[2], TOOL_SCISSORS);
  EXPECT_TRUE(ListOrderIsAPermutation());

  // Rows that were behind the moved one keep their places.
  EXPECT_EQ(backpackListOrder[kToolCount - 1], kToolCount - 1);
}

TEST_F(BackpackTest, RowsOutsideTheTableAreIgnored) {
  EXPECT_EQ(backpack.AddTool(-1), 0);
  EXPECT_EQ(backpack.AddTool(kToolCount), 0);
  EXPECT_EQ(backpack.RemoveTool(-2), 0);
  EXPECT_EQ(backpack.RemoveTool(kToolCount), 0);
  for (int i = 0; i < kToolCount; ++i) EXPECT_EQ(backpackListOrder[i], i);
  EXPECT_FALSE(noFitShown);
}

TEST_F(BackpackTest, RemovingStopsAtNothingCarriedAndNeverLeavesANegativeWeightOrVolume) {
  backpack.AddTool(TOOL_BANDAGE);
  EXPECT_EQ(backpack.RemoveTool(TOOL_BANDAGE), 0);
  EXPECT_EQ(backpack.RemoveTool(TOOL_BANDAGE), 0);
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], 0);
  EXPECT_EQ(backpack.totalItems, 0);
  EXPECT_EQ(backpack.weight, 0.0f);
  EXPECT_EQ(backpack.volume, 0.0f);

  backpack.count[TOOL_IV] = 1;
  backpack.totalItems = 1;
  backpack.weight = 0.25f;  // less than the IV's own weight and volume
  backpack.volume = 3.0f;
  backpack.RemoveTool(TOOL_IV);
  EXPECT_EQ(backpack.weight, 0.0f);
  EXPECT_EQ(backpack.volume, 0.0f);
}

TEST_F(BackpackTest, ResetEmptiesTheCarriedPartOnlyAndNothingWhileKept) {
  backpack.AddTool(TOOL_BANDAGE);
  backpack.kitCount[TOOL_BANDAGE] = 3;
  keepBackpack = true;
  backpack.Reset();
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], 1);
  EXPECT_EQ(backpack.totalItems, 1);

  keepBackpack = false;
  backpack.Reset();
  EXPECT_EQ(backpack.count[TOOL_BANDAGE], 0);
  EXPECT_EQ(backpack.totalItems, 0);
  EXPECT_EQ(backpack.weight, 0.0f);
  EXPECT_EQ(backpack.kitCount[TOOL_BANDAGE], 3);
}

// ---- the "no fit" remark ----

TEST_F(BackpackTest, ARefusedToolShowsTheMessageForThreeSecondsAndARemarkStillPlayingIsNotInterrupted) {
  UseNoFitClips(1000);
  gameClock = 12345;
  backpack.weight = 39.99f;
  backpack.AddTool(TOOL_AMBU_BAG);
  EXPECT_TRUE(noFitShown);
  EXPECT_EQ(noFitUntil, 12345 + kNoFitMessageMs);
  ASSERT_TRUE(noFitSound);
  EXPECT_EQ(noFitSound->Volume(), effectsVolume);
  EXPECT_TRUE(noFitSound->IsPlaying());
  engine::EngineSound* first = noFitSound.Get();
  const uint32_t randomAfterFirst = RandomState();

  engineRoot->Wait(300);
  backpack.AddTool(TOOL_AMBU_BAG);
  EXPECT_EQ(noFitSound.Get(), first);
  EXPECT_EQ(RandomState(), randomAfterFirst);  // no clip was even chosen

  engineRoot->Wait(1000);
  ASSERT_FALSE(noFitSound->IsPlaying());
  backpack.AddTool(TOOL_AMBU_BAG);
  EXPECT_NE(RandomState(), randomAfterFirst);
  EXPECT_TRUE(noFitSound->IsPlaying());
}

}  // namespace
}  // namespace kestrine::testing
