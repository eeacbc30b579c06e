// Loading and unloading the pack piece by piece, its limits by player figure, and the medic's remark when
// something does not fit.
#include "backpack_fixture.h"
#include "shell/engine_setup.h"
#include "shell/events.h"

namespace kestrine::testing {
namespace {

// ---- limits ----

TEST_F(BackpackTest, ASumExactlyAtALimitDoesNotFitAndTheSumIsTakenInDoublePrecision) {
  ChangePack([](Backpack& pack) { pack.weight = 38.0f; });  // + the bag-valve mask's 2.0 is exactly 40.0
  EXPECT_EQ(AddToBackpack(TOOL_AMBU_BAG), 0);
  EXPECT_EQ(Pack().count[TOOL_AMBU_BAG], 0);
  EXPECT_EQ(Pack().weight, 38.0f);
  EXPECT_TRUE(PackState().noFitShown);

  HideNoFitMessage();
  ChangePack([](Backpack& pack) { pack.weight = 37.5f; });
  EXPECT_EQ(AddToBackpack(TOOL_AMBU_BAG), 1);
  EXPECT_EQ(Pack().count[TOOL_AMBU_BAG], 1);
  EXPECT_EQ(Pack().weight, 39.5f);
  EXPECT_FALSE(PackState().noFitShown);

  RestoreBackpack(Backpack());
  ChangePack([](Backpack& pack) { pack.volume = 470.0f; });  // + the burn blanket's 30 is exactly 500
  AddToBackpack(TOOL_BURN_BLANKET);
  EXPECT_EQ(Pack().count[TOOL_BURN_BLANKET], 0);
  EXPECT_EQ(Pack().totalItems, 0);
  EXPECT_TRUE(PackState().noFitShown);

  // A bandage takes up one unit: with a little more than one left it fits, with exactly one it does not.
  HideNoFitMessage();
  RestoreBackpack(Backpack());
  ChangePack([](Backpack& pack) { pack.volume = 498.95f; });
  AddToBackpack(TOOL_BANDAGE);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 1);
  ChangePack([](Backpack& pack) { pack.volume = 499.0f; });
  AddToBackpack(TOOL_BANDAGE);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 1);
  EXPECT_TRUE(PackState().noFitShown);

  // In single precision 38.6 + 1.4 rounds up to the limit itself; the stethoscope still fits.
  HideNoFitMessage();
  RestoreBackpack(Backpack());
  ChangePack([](Backpack& pack) { pack.weight = 38.6f; });
  ASSERT_EQ(static_cast<float>(38.6f + 1.4f), kBaseMaxWeight);
  ASSERT_LT(static_cast<double>(38.6f) + ToolTable[TOOL_STETHOSCOPE].weight, 40.0);
  AddToBackpack(TOOL_STETHOSCOPE);
  EXPECT_EQ(Pack().count[TOOL_STETHOSCOPE], 1);
  EXPECT_FALSE(PackState().noFitShown);
}

TEST_F(BackpackTest, PlayerFigureSetsTheLimitsAndAFigureOutsideTheThreeGetsTheNearestOnes) {
  ApplyPlayerFigureLimits(2);
  EXPECT_EQ(PackState().capacityFactor, 0.8f);
  EXPECT_EQ(Pack().maxWeight, 32.0f);
  EXPECT_EQ(Pack().maxVolume, 400.0f);

  ApplyPlayerFigureLimits(1);
  EXPECT_EQ(PackState().capacityFactor, 1.0f - 0.1f);
  EXPECT_LT(Pack().maxWeight, kBaseMaxWeight);
  EXPECT_GT(Pack().maxWeight, 32.0f);

  ApplyPlayerFigureLimits(0);
  EXPECT_EQ(Pack().maxWeight, kBaseMaxWeight);
  EXPECT_EQ(Pack().maxVolume, kBaseMaxVolume);

  EXPECT_EQ(CapacityFactorForFigure(7), CapacityFactorForFigure(2));
  EXPECT_EQ(CapacityFactorForFigure(-3), CapacityFactorForFigure(0));
}

// ---- adding and removing ----

TEST_F(BackpackTest, AConsumableToolCountsEveryPieceANonConsumableIsCarriedOnce) {
  AddToBackpack(TOOL_STETHOSCOPE);
  EXPECT_EQ(AddToBackpack(TOOL_STETHOSCOPE), 1);
  EXPECT_EQ(Pack().count[TOOL_STETHOSCOPE], 1);
  EXPECT_EQ(Pack().weight, 1.4f);
  EXPECT_EQ(Pack().volume, 3.7f);
  EXPECT_FALSE(PackState().noFitShown);

  AddToBackpack(TOOL_BANDAGE);
  AddToBackpack(TOOL_BANDAGE);
  EXPECT_EQ(AddToBackpack(TOOL_BANDAGE), 4);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 3);
  EXPECT_FLOAT_EQ(Pack().weight, 1.4f + 3 * 0.5f);
}

TEST_F(BackpackTest, EveryAddedOrRefusedRowMovesToTheFrontOfTheList) {
  AddToBackpack(TOOL_SCISSORS);
  AddToBackpack(TOOL_BANDAGE);
  EXPECT_EQ(PackState().backpackListOrder[0], TOOL_BANDAGE);
  EXPECT_EQ(PackState().backpackListOrder[1], TOOL_SCISSORS);
  EXPECT_TRUE(ListOrderIsAPermutation());

  ChangePack([](Backpack& pack) { pack.weight = 39.9f; });
  AddToBackpack(TOOL_AMBU_BAG);  // refused
  EXPECT_EQ(Pack().count[TOOL_AMBU_BAG], 0);
  EXPECT_EQ(PackState().backpackListOrder[0], TOOL_AMBU_BAG);
  EXPECT_EQ(PackState().backpackListOrder[1], TOOL_BANDAGE);
  EXPECT_EQ(PackState().backpackListOrder[2], TOOL_SCISSORS);
  EXPECT_TRUE(ListOrderIsAPermutation());

  // Rows that were behind the moved one keep their places.
  EXPECT_EQ(PackState().backpackListOrder[kToolCount - 1], kToolCount - 1);
}

TEST_F(BackpackTest, RowsOutsideTheTableAreIgnored) {
  EXPECT_EQ(AddToBackpack(-1), 0);
  EXPECT_EQ(AddToBackpack(kToolCount), 0);
  EXPECT_EQ(RemoveFromBackpack(-2), 0);
  EXPECT_EQ(RemoveFromBackpack(kToolCount), 0);
  for (int i = 0; i < kToolCount; ++i) EXPECT_EQ(PackState().backpackListOrder[i], i);
  EXPECT_FALSE(PackState().noFitShown);
}

TEST_F(BackpackTest, RemovingStopsAtNothingCarriedAndNeverLeavesANegativeWeightOrVolume) {
  AddToBackpack(TOOL_BANDAGE);
  EXPECT_EQ(RemoveFromBackpack(TOOL_BANDAGE), 0);
  EXPECT_EQ(RemoveFromBackpack(TOOL_BANDAGE), 0);
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 0);
  EXPECT_EQ(Pack().totalItems, 0);
  EXPECT_EQ(Pack().weight, 0.0f);
  EXPECT_EQ(Pack().volume, 0.0f);

  ChangePack([](Backpack& pack) {
    pack.count[TOOL_IV] = 1;
    pack.totalItems = 1;
    pack.weight = 0.25f;  // less than the IV's own weight and volume
    pack.volume = 3.0f;
  });
  RemoveFromBackpack(TOOL_IV);
  EXPECT_EQ(Pack().weight, 0.0f);
  EXPECT_EQ(Pack().volume, 0.0f);
}

TEST_F(BackpackTest, ResetEmptiesTheCarriedPartOnlyAndNothingWhileKept) {
  AddToBackpack(TOOL_BANDAGE);
  ChangePack([](Backpack& pack) { pack.kitCount[TOOL_BANDAGE] = 3; });
  KeepBackpack(true);
  ResetBackpack();
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 1);
  EXPECT_EQ(Pack().totalItems, 1);

  KeepBackpack(false);
  ResetBackpack();
  EXPECT_EQ(Pack().count[TOOL_BANDAGE], 0);
  EXPECT_EQ(Pack().totalItems, 0);
  EXPECT_EQ(Pack().weight, 0.0f);
  EXPECT_EQ(Pack().kitCount[TOOL_BANDAGE], 3);
}

// ---- the "no fit" remark ----

TEST_F(BackpackTest, ARefusedToolShowsTheMessageForThreeSecondsAndARemarkStillPlayingIsNotInterrupted) {
  UseNoFitClips(1000);
  SetGameClock(12345);
  ChangePack([](Backpack& pack) { pack.weight = 39.99f; });
  AddToBackpack(TOOL_AMBU_BAG);
  EXPECT_TRUE(PackState().noFitShown);
  EXPECT_EQ(PackState().noFitUntil, 12345 + kNoFitMessageMs);
  ASSERT_TRUE(Sounds().noFitSound);
  EXPECT_EQ(Sounds().noFitSound->Volume(), Sounds().effectsVolume);
  EXPECT_TRUE(Sounds().noFitSound->IsPlaying());
  engine::EngineSound* first = Sounds().noFitSound.Get();
  const uint32_t randomAfterFirst = RandomState();

  Engine().engineRoot->Wait(300);
  AddToBackpack(TOOL_AMBU_BAG);
  EXPECT_EQ(Sounds().noFitSound.Get(), first);
  EXPECT_EQ(RandomState(), randomAfterFirst);  // no clip was even chosen

  Engine().engineRoot->Wait(1000);
  ASSERT_FALSE(Sounds().noFitSound->IsPlaying());
  AddToBackpack(TOOL_AMBU_BAG);
  EXPECT_NE(RandomState(), randomAfterFirst);
  EXPECT_TRUE(Sounds().noFitSound->IsPlaying());
}

}  // namespace
}  // namespace kestrine::testing
