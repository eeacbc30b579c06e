// The asset loader: which music and chatter a mission load picks, the loading bar's steps, the first and
// later mission loads, the menu images, the polling steps and the release at shut-down.
#include <gtest/gtest.h>

#include "asset_test_fixture.h"
#include "casualty_view/backpack_screen.h"
#include "casualty_view/tool_images.h"
#include "program/register_screens.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/random.h"

namespace kestrine {
namespace {

class AssetLoaderTest : public testing::AssetTest {
 protected:
  void SetUp() override {
    testing::AssetTest::SetUp();
    // Each music file and each chatter file has a length of its own, so the slot's length names its file.
    for (int pair = 1; pair <= 3; ++pair) {
      tree_.WriteWav("sounds\\music\\GP" + std::to_string(pair) + "OV.qwv", 100 + pair);
      tree_.WriteWav("sounds\\music\\GP" + std::to_string(pair) + "PV.qwv", 200 + pair);
    }
    for (int n = 1; n <= 17; ++n) tree_.WriteWav("sounds\\Speech\\RadioWalla\\X" + std::to_string(n) + ".qwv", 300 + n);
    CreateOverlays();
  }

  static size_t Frames(int slot) { return Sounds().soundTable[slot]->Pcm().Frames(); }
  static int BarLength() {
    return testing::FindColour(Overlays().fullScreenOverlay, testing::Rgb(200, 200, 0)).Width();
  }
};

TEST_F(AssetLoaderTest, MissionLoadsPickTheMusicPairByMissionNumberAndChatterAfterTheTip) {
  SetSharedAssetsLoaded(true);  // a later mission load: only music and chatter
  const struct {
    int mission;
    size_t pair;
  } cases[] = {{1, 2}, {3, 1}, {5, 3}, {6, 1}, {11, 3}, {13, 2}};
  for (const auto& c : cases) {
    GoToMission(c.mission);
    LoadAllAssets();
    EXPECT_EQ(Frames(SOUND_OVERHEAD_MUSIC), 100 + c.pair) << "mission " << c.mission;
    EXPECT_EQ(Frames(SOUND_PATIENT_MUSIC), 200 + c.pair) << "mission " << c.mission;
  }
  for (uint32_t seed : {1u, 77u, 4242u}) {
    srand(seed);
    rand();  // the loading screen's tip
    const int expected = rand() % 17 + 1;
    srand(seed);
    LoadAllAssets();
    EXPECT_EQ(Frames(SOUND_RADIO_CHATTER), 300u + static_cast<size_t>(expected)) << "seed " << seed;
  }
}

TEST_F(AssetLoaderTest, FirstLoadStepsTheBarByTwoForEveryImageAndSound) {
  tree_.WriteBmp("images\\sldricon.qpg", 8, 8, 0, 0, 0);
  LoadAllAssets();
  EXPECT_EQ(Assets().sharedAssetsLoaded, 1);
  EXPECT_EQ(Assets().loadingStep, 2.0);
  // 26 shared images and 33 sounds move the bar; the quiet sounds and the music do not.
  EXPECT_DOUBLE_EQ(Assets().loadingProgress, 59 * 2.0);
  EXPECT_EQ(BarLength(), 118);

  for (int slot = 2; slot < kSoundSlotCount; ++slot)
    EXPECT_EQ(Sounds().soundTable.IsLoaded(slot), slot != SOUND_BRIEFING_SPEECH) << slot;
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Assets().markerImages[i]) << i;
  for (int i = 0; i < 15; ++i) EXPECT_EQ(static_cast<bool>(Assets().levelTextures[i]), i < 14) << i;
  EXPECT_TRUE(Assets().gridBitmap && Assets().extractionMarkerImage && Assets().wreckImage &&
              Assets().soldierIconImage && Assets().gridMaskImage && Assets().crosshairImage &&
              Assets().roofBreakImage && Assets().kiaImage && Explosion().explosionSprite);
  // Keyed and unkeyed images; the file's own picture, not a placeholder.
  EXPECT_EQ(*Assets().gridBitmap->ColorKey(), (engine::Color{255, 0, 0}));
  EXPECT_EQ(*Assets().crosshairImage->ColorKey(), (engine::Color{0, 255, 0}));
  EXPECT_FALSE(Assets().kiaImage->ColorKey().has_value());
  EXPECT_EQ(Assets().soldierIconImage->GetWidth(), 8);
}

TEST_F(AssetLoaderTest, LaterLoadsReplaceOnlyTheMusicAndChatterAndStepTheBarByFive) {
  LoadAllAssets();
  engine::EngineRef<engine::EngineSound> oldMusic = Sounds().soundTable[SOUND_OVERHEAD_MUSIC];
  const engine::EngineSound* ambience = Sounds().soundTable[SOUND_AMBIENCE].Get();
  EndMission(END_TIME_OUT);

  LoadAllAssets();
  EXPECT_NE(Sounds().soundTable[SOUND_OVERHEAD_MUSIC].Get(), oldMusic.Get());
  EXPECT_EQ(oldMusic->RefCount(), 1);  // the table let go of the last mission's music
  EXPECT_EQ(Sounds().soundTable[SOUND_AMBIENCE].Get(), ambience);
  EXPECT_EQ(Outcome().missionEndFlag, 0);
  EXPECT_EQ(Assets().loadingStep, 5.0);
  EXPECT_DOUBLE_EQ(Assets().loadingProgress, 0.0);
}

TEST_F(AssetLoaderTest, MenuImagesLoadWithTheTicksAndShowTheDisclaimer) {
  tree_.WriteBmp("images\\disclaimer.qjp", 64, 48, 20, 40, 200);
  tree_.WriteWav("sounds\\SFX\\tick1.qwv", 30);
  tree_.WriteWav("sounds\\SFX\\tick2.qwv", 40);
  ReleaseOverlays();
  CreateTextOverlay();
  LoadMenuImages();

  EXPECT_EQ(Assets().loadingStep, 2.0);
  ASSERT_TRUE(Overlays().fullScreenOverlay);
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(320, 240), (engine::Color{20, 40, 200}));
  EXPECT_TRUE(Assets().disclaimerImage && Assets().openingImage && Assets().menuBarsImage && Assets().mainButtonImage &&
              Assets().pauseMenuImage && Assets().quitScreenImage);
  for (int i = 0; i < kMedalImageCount; ++i) EXPECT_TRUE(Assets().medalImages[i]) << i;
  for (int j = 0; j < kBadgeImageCount; ++j) EXPECT_TRUE(Assets().badgeImages[j]) << j;
  ASSERT_TRUE(Sounds().soundTable.IsLoaded(SOUND_TICK_CLICK) && Sounds().soundTable.IsLoaded(SOUND_TICK_HOVER));
  EXPECT_EQ(Frames(SOUND_TICK_CLICK), 30u);
  EXPECT_EQ(Frames(SOUND_TICK_HOVER), 40u);
  EXPECT_EQ(DebugLog().find("missing asset: sounds\\SFX\\tick"), std::string::npos);
}

TEST_F(AssetLoaderTest, PollingStepsAdvanceTheBarOncePerLoadedAsset) {
  SetLoadingBar(4.0, 3.0);
  EXPECT_TRUE(WaitForAsset(Engine().engineRoot->CreateBitmap(4, 4)));
  tree_.WriteWav("sounds\\a.qwv", 10);
  EXPECT_TRUE(WaitForSound(Engine().engineRoot->LoadSound(L"sounds\\a.qwv", 1)));
  EXPECT_TRUE(WaitForModel(Engine().engineRoot->CreateObject()));
  EXPECT_DOUBLE_EQ(Assets().loadingProgress, 13.0);
  EXPECT_EQ(BarLength(), 13);
}

TEST_F(AssetLoaderTest, ReleaseAssetsLetsGoOfEverySharedReference) {
  RegisterAllScreens();  // the tool pictures' release comes from casualty care's registration
  tree_.WriteBytes("sprites\\explo1\\index.qtxt", "a.qpg\n");
  LoadAllAssets();
  LoadMenuImages();
  engine::EngineRef<engine::EngineBitmap> kia = Assets().kiaImage;
  engine::EngineRef<engine::EngineSound> blast = Sounds().soundTable[SOUND_GRENADE_BLAST];
  engine::EngineRef<engine::EngineBitmap> frame = Explosion().explosionFrames[0];
  LoadToolSprites();      // the sheet, as the backpack screen loads it
  BuildBackpackScreen();  // the strip's highlight frame
  ASSERT_TRUE(ToolImages().toolSpriteSheet && BackpackScreen().toolStripHighlight && ToolImages().toolSpritesLoaded);
  ReleaseAssets();
  EXPECT_FALSE(ToolImages().toolSpriteSheet || BackpackScreen().toolStripHighlight || ToolImages().toolSpritesLoaded);
  EXPECT_EQ(kia->RefCount(), 1);
  EXPECT_EQ(blast->RefCount(), 1);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->RefCount(), 1);
  for (int slot = 0; slot < kSoundSlotCount; ++slot) EXPECT_FALSE(Sounds().soundTable[slot]) << slot;
  EXPECT_FALSE(Assets().gridBitmap || Assets().extractionMarkerImage || Assets().wreckImage ||
               Assets().soldierIconImage || Assets().gridMaskImage || Assets().crosshairImage ||
               Assets().roofBreakImage || Assets().kiaImage || Assets().disclaimerImage || Assets().openingImage ||
               Assets().menuBarsImage || Assets().mainButtonImage || Assets().pauseMenuImage ||
               Assets().quitScreenImage || Explosion().explosionSprite);
  for (const auto& image : Assets().markerImages) EXPECT_FALSE(image);
  for (const auto& image : Assets().levelTextures) EXPECT_FALSE(image);
  for (const auto& image : Assets().medalImages) EXPECT_FALSE(image);
  for (const auto& image : Assets().badgeImages) EXPECT_FALSE(image);
  for (const auto& image : Explosion().explosionFrames) EXPECT_FALSE(image);
  EXPECT_NO_THROW(ReleaseAssets());  // twice is harmless
}

}  // namespace
}  // namespace kestrine
