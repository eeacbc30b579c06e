// Scenarios share one process: whatever a run of the program leaves in the globals must be gone when the
// next harness starts, or one test's pack, score or loaded pictures would decide another test's result.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <numeric>

#include "casualty/backpack.h"
#include "casualty/backpack_screen.h"
#include "casualty/injury_picker.h"
#include "casualty/mission_score.h"
#include "casualty/player_figure.h"
#include "casualty/tool_images.h"
#include "casualty/tool_table.h"
#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/explosion.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"
#include "shell/tooltip.h"

namespace kestrine::scenario {
namespace {

bool ListOrderIsRowOrder() {
  for (int i = 0; i < kToolCount; ++i)
    if (backpackListOrder[i] != i) return false;
  return true;
}

bool AnyToolPictureHeld() {
  return std::any_of(ToolTable.begin(), ToolTable.end(),
                     [](const ToolDef& tool) { return tool.sprite || tool.cursorImage; });
}

// Everything a run leaves behind that the start of the program neither sets nor reads.
void ExpectToolsPackAndScoreAsAtStart() {
  EXPECT_FALSE(keepBackpack);
  EXPECT_EQ(backpack.totalItems, 0);
  EXPECT_EQ(backpack.count[TOOL_M4], 0);
  EXPECT_EQ(backpack.kitCount[TOOL_IV], 0);
  EXPECT_FLOAT_EQ(backpack.weight, 0.0f);
  EXPECT_FLOAT_EQ(backpack.maxWeight, kBaseMaxWeight);
  EXPECT_FLOAT_EQ(backpack.maxVolume, kBaseMaxVolume);
  EXPECT_FLOAT_EQ(capacityFactor, 1.0f);
  EXPECT_TRUE(ListOrderIsRowOrder());
  EXPECT_FALSE(noFitShown);
  EXPECT_EQ(noFitUntil, 0);
  EXPECT_EQ(ChosenPlayerFigure(), 0);

  EXPECT_FALSE(backpackScreenBuilt);
  EXPECT_FALSE(toolStripImage);
  EXPECT_FALSE(toolStripHighlight);
  EXPECT_FALSE(loadPackImage);
  EXPECT_EQ(toolStripWidth, 0);
  EXPECT_EQ(toolStripScroll, 0);
  EXPECT_EQ(toolCount, 0);
  EXPECT_FALSE(toolSpritesLoaded);
  EXPECT_FALSE(toolSpriteSheet);
  EXPECT_EQ(toolIconTotalWidth, 0);
  EXPECT_FALSE(AnyToolPictureHeld());

  EXPECT_EQ(pickedInjuryCount, 0);
  EXPECT_EQ(seriousInjuryCount, 0);
  EXPECT_EQ(MissionScore(), 0);
  EXPECT_EQ(MissionMaximum(), 0);
  EXPECT_EQ(replayingSave, 0);
  EXPECT_EQ(sharedAssetsLoaded, 0);
  EXPECT_FALSE(kiaImage);
  EXPECT_FALSE(explosionSprite);
  EXPECT_FALSE(explosionFrames[0]);
  EXPECT_EQ(toolTipDeferred, 0);
}

TEST(ProgramGlobalsScenario, ARunThatLoadedAMissionAndPackedLeavesNothingForTheNextRun) {
  {
    Harness first;
    ASSERT_TRUE(first.RunUntilState(STATE_DISCLAIMER));
    LoadAllAssets();
    SetChosenPlayerFigure(2);
    ApplyPlayerFigureLimits(2);
    backpack.Reset();
    SetGameState(STATE_BACKPACK);
    first.Frame(16);
    ASSERT_TRUE(backpackScreenBuilt);
    ASSERT_GT(toolCount, 0);
    ASSERT_TRUE(keepBackpack);
    ASSERT_EQ(sharedAssetsLoaded, 1);
    backpack.AddTool(TOOL_IV);
    PickCasualtyInjury(0);
    AddToMissionScore(35);
    AddToMissionMaximum(80);
    replayingSave = 1;
    toolTipDeferred = 1;
    first.Close();
  }
  Harness second;
  EXPECT_EQ(gameState, STATE_LOGOS);
  ExpectToolsPackAndScoreAsAtStart();
  // The next run plays as the first did: the disclaimer comes with its overlays made afresh.
  ASSERT_TRUE(second.RunUntilState(STATE_DISCLAIMER));
  EXPECT_TRUE(fullScreenOverlay);
  second.Close();
}

TEST(ProgramGlobalsScenario, EveryReferenceAndSettingLeftByHandGoesBackToItsStartValue) {
  auto root = engine::CreateEngineRoot("headless");
  auto picture = root->CreateBitmap(4, 4);
  auto sprite = root->CreateStage()->GetCamera()->CreateSprite(picture, 1);
  auto sound = root->LoadSound(SoundSlotPath(SOUND_TICK_CLICK), 1);

  for (BitmapRef* image :
       {&gridBitmap,     &extractionMarkerImage, &wreckImage,      &soldierIconImage,  &gridMaskImage,
        &crosshairImage, &roofBreakImage,        &kiaImage,        &disclaimerImage,   &openingImage,
        &menuBarsImage,  &mainButtonImage,       &pauseMenuImage,  &quitScreenImage,   &loadPackImage,
        &toolStripImage, &toolStripHighlight,    &toolSpriteSheet, &fullScreenOverlay, &menuCanvas,
        &textOverlay,    &loadingScreenImage})
    *image = picture;
  for (auto& image : markerImages) image = picture;
  for (auto& image : levelTextures) image = picture;
  for (auto& image : medalImages) image = picture;
  for (auto& image : badgeImages) image = picture;
  for (auto& frame : explosionFrames) frame = picture;
  for (ToolDef& tool : ToolTable) tool.sprite = tool.cursorImage = picture;
  fullScreenOverlaySprite = sprite;
  menuCanvasSprite = sprite;
  textOverlaySprite = sprite;
  fullScreenOverlayWidth = fullScreenOverlayHeight = 640;
  soundTable[SOUND_TICK_CLICK] = sound;
  noFitSound = sound;
  toolTip.image = picture;
  toolTip.destWidth = 90;
  explosionFrameIndex = 7;
  explosionFadeStart = 4.0f;
  explosionFrameReciprocal = 0.1f;

  effectsVolume = 40;
  musicVolume = 30;
  loadingProgress = 120.0;
  loadingStep = 5.0;
  loadingStepDivisor = 7;
  sharedAssetsLoaded = 1;
  replayingSave = 1;
  AddHotspotRect(1, 1, 10, 10);
  hotspotIndex = 0;
  toolTipDeferred = 1;

  backpack.count[TOOL_M4] = 240;
  backpack.kitCount[TOOL_IV] = 2;
  backpack.totalItems = 9;
  backpack.weight = 12.0f;
  keepBackpack = true;
  std::reverse(std::begin(backpackListOrder), std::end(backpackListOrder));
  ApplyPlayerFigureLimits(2);
  SetChosenPlayerFigure(2);
  noFitShown = true;
  noFitUntil = 5000;
  backpackScreenBuilt = true;
  std::fill(std::begin(toolStripRightEdge), std::end(toolStripRightEdge), 30);
  std::fill(std::begin(listRowBottom), std::end(listRowBottom), 12.0f);
  toolStripWidth = 1458;
  toolStripScroll = 200;
  toolCount = kToolCount;
  toolIconTotalWidth = 1458;
  toolSpritesLoaded = true;
  pickedInjuries[0] = 11;
  pickedInjuryCount = 3;
  seriousInjuryCount = 2;
  AddToMissionScore(-12);
  AddToMissionMaximum(50);
  srand(99);
  rand();

  ResetProgramGlobals();

  ExpectToolsPackAndScoreAsAtStart();
  for (const BitmapRef* image :
       {&gridBitmap, &extractionMarkerImage, &wreckImage, &soldierIconImage, &gridMaskImage, &crosshairImage,
        &roofBreakImage, &disclaimerImage, &openingImage, &menuBarsImage, &mainButtonImage, &pauseMenuImage,
        &quitScreenImage, &fullScreenOverlay, &menuCanvas, &textOverlay, &loadingScreenImage})
    EXPECT_FALSE(*image);
  EXPECT_TRUE(std::none_of(std::begin(markerImages), std::end(markerImages), [](auto& i) { return bool(i); }));
  EXPECT_TRUE(std::none_of(std::begin(levelTextures), std::end(levelTextures), [](auto& i) { return bool(i); }));
  EXPECT_TRUE(std::none_of(std::begin(medalImages), std::end(medalImages), [](auto& i) { return bool(i); }));
  EXPECT_TRUE(std::none_of(std::begin(badgeImages), std::end(badgeImages), [](auto& i) { return bool(i); }));
  EXPECT_TRUE(std::none_of(std::begin(explosionFrames), std::end(explosionFrames), [](auto& i) { return bool(i); }));
  EXPECT_FALSE(fullScreenOverlaySprite);
  EXPECT_FALSE(menuCanvasSprite);
  EXPECT_FALSE(textOverlaySprite);
  EXPECT_EQ(fullScreenOverlayWidth, 0);
  EXPECT_EQ(fullScreenOverlayHeight, 0);
  EXPECT_FALSE(soundTable.IsLoaded(SOUND_TICK_CLICK));
  EXPECT_FALSE(noFitSound);
  EXPECT_FALSE(toolTip.image);
  EXPECT_EQ(toolTip.destWidth, 0);
  EXPECT_EQ(explosionFrameIndex, 0);
  EXPECT_FLOAT_EQ(explosionFadeStart, 0.0f);
  EXPECT_FLOAT_EQ(explosionFrameReciprocal, 0.0f);
  EXPECT_EQ(std::count(std::begin(toolStripRightEdge), std::end(toolStripRightEdge), 0), kToolCount);
  EXPECT_EQ(std::count(std::begin(listRowBottom), std::end(listRowBottom), 0.0f), kToolCount);
  EXPECT_EQ(pickedInjuries[0], 0);

  EXPECT_EQ(effectsVolume, 127);
  EXPECT_EQ(musicVolume, 127);
  EXPECT_EQ(loadingProgress, 0.0);
  EXPECT_EQ(loadingStep, 0.0);
  EXPECT_EQ(loadingStepDivisor, 80);
  EXPECT_EQ(MenuHotspots.count, 0);
  EXPECT_EQ(hotspotIndex, -1);

  // The generator is back at its unseeded state: it draws what a fresh program draws.
  const int freshDraw = rand();
  srand(1);
  EXPECT_EQ(freshDraw, rand());
}

}  // namespace
}  // namespace kestrine::scenario
