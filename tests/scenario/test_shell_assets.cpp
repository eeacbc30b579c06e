// The shared assets on the generated data tree: the road to the disclaimer loads every menu image and the
// two hot-spot ticks from real files, and a mission's asset load finds every shared image and sound.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/explosion.h"
#include "shell/globals.h"
#include "shell/sound_table.h"

namespace kestrine::scenario {
namespace {

// Every "missing asset" trace for a file under the folders the asset loader reads.
std::vector<std::string> MissingSharedAssets(const std::string& log) {
  std::vector<std::string> missing;
  std::istringstream lines(log);
  std::string line;
  const std::string marker = "missing asset: ";
  for (const char* folder : {"images\\", "sounds\\", "sprites\\", "terrain\\", "structures\\"}) {
    lines.clear();
    lines.seekg(0);
    while (std::getline(lines, line)) {
      const size_t at = line.find(marker + folder);
      if (at != std::string::npos) missing.push_back(line.substr(at));
    }
  }
  return missing;
}

bool RealImage(const engine::EngineRef<engine::EngineBitmap>& image) { return image && !image->IsPlaceholder(); }

TEST(ShellAssetsScenario, TheDisclaimerComesWithEveryMenuImageAndBothTicks) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));

  EXPECT_TRUE(RealImage(disclaimerImage));
  EXPECT_TRUE(RealImage(openingImage));
  EXPECT_TRUE(RealImage(menuBarsImage));
  EXPECT_TRUE(RealImage(mainButtonImage));
  EXPECT_TRUE(RealImage(pauseMenuImage));
  EXPECT_TRUE(RealImage(quitScreenImage));
  for (int i = 0; i < kMedalImageCount; ++i) EXPECT_TRUE(RealImage(medalImages[i])) << "medal " << i;
  for (int j = 0; j < kBadgeImageCount; ++j) EXPECT_TRUE(RealImage(badgeImages[j])) << "badge " << j;
  for (int slot : {SOUND_TICK_CLICK, SOUND_TICK_HOVER}) {
    ASSERT_TRUE(soundTable.IsLoaded(slot)) << slot;
    EXPECT_FALSE(soundTable[slot]->IsPlaceholder()) << slot;
  }
  EXPECT_EQ(MissingSharedAssets(game.DebugLog()), std::vector<std::string>{});
  game.Close();
}

TEST(ShellAssetsScenario, AMissionLoadFindsEverySharedAsset) {
  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  missionNumber = 2;
  LoadAllAssets();

  EXPECT_EQ(sharedAssetsLoaded, 1);
  EXPECT_DOUBLE_EQ(loadingProgress, 118.0);
  for (int slot = 0; slot < kSoundSlotCount; ++slot) {
    if (slot == SOUND_BRIEFING_SPEECH) continue;
    ASSERT_TRUE(soundTable.IsLoaded(slot)) << slot;
    EXPECT_FALSE(soundTable[slot]->IsPlaceholder()) << slot;
  }
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(RealImage(markerImages[i])) << i;
  for (int i = 0; i < 14; ++i) EXPECT_TRUE(RealImage(levelTextures[i])) << i;
  EXPECT_TRUE(RealImage(gridBitmap) && RealImage(extractionMarkerImage) && RealImage(wreckImage) &&
              RealImage(soldierIconImage) && RealImage(gridMaskImage) && RealImage(crosshairImage) &&
              RealImage(roofBreakImage) && RealImage(kiaImage) && RealImage(loadingScreenImage));
  ASSERT_TRUE(explosionSprite);
  EXPECT_GT(explosionSprite->frames, 0);
  EXPECT_LE(explosionSprite->frames, kMaxExplosionFrames);
  for (int i = 0; i < explosionSprite->frames; ++i) EXPECT_TRUE(RealImage(explosionFrames[i])) << i;

  // The next mission reloads its music, and only that moves nothing on the bar.
  missionNumber = 3;
  LoadAllAssets();
  EXPECT_EQ(loadingStep, 5.0);
  EXPECT_EQ(MissingSharedAssets(game.DebugLog()), std::vector<std::string>{});
  game.Close();
}

}  // namespace
}  // namespace kestrine::scenario
