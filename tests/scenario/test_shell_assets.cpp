// The game's data files: on the generated tree the road to the disclaimer loads every menu image and the two
// hot-spot ticks from real files with no box, a mission's asset load finds every shared image and sound, and its
// loading screen keeps its backdrop once loaded and draws the lines of exactly one tip, chosen by the game's
// generator; on a damaged tree the game still reaches the disclaimer, with stand-ins for what it could not read,
// and tells the player in one box how many files are damaged and which came first.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "damaged_tree.h"
#include "engine/engine.h"
#include "harness.h"
#include "loading_tips.h"
#include "shell/asset_loader.h"
#include "shell/explosion.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/loading_screen.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::scenario {
namespace {

// The distinct files named by "missing ...: <file>" and "unreadable ...: <file> (...)" traces, in order.
std::vector<std::string> DamagedInTraces(const std::string& log) {
  std::vector<std::string> files;
  std::set<std::string> seen;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("missing ", 0) != 0 && line.rfind("unreadable ", 0) != 0) continue;
    std::string file = line.substr(line.find(": ") + 2);
    file = file.substr(0, file.find(" ("));
    if (seen.insert(file).second) files.push_back(file);
  }
  return files;
}

// 57 bytes: a 1 x 1 PNG whose one pixel chunk is empty.
std::string EmptyPixelPng() {
  const std::string signature("\x89PNG\r\n\x1a\n", 8);
  const std::string ihdr(
      "\0\0\0\x0D"
      "IHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\0\0\0\0",
      25);
  const std::string idat("\0\0\0\0IDAT\0\0\0\0", 12);
  const std::string iend("\0\0\0\0IEND\0\0\0\0", 12);
  return signature + ihdr + idat + iend;
}

bool RealImage(const engine::EngineRef<engine::EngineBitmap>& image) { return image && !image->IsPlaceholder(); }

using ShellAssetsScenario = AtTheDisclaimer;

TEST_F(ShellAssetsScenario, TheDisclaimerComesWithEveryMenuImageAndBothTicks) {
  EXPECT_TRUE(RealImage(Assets().disclaimerImage));
  EXPECT_TRUE(RealImage(Assets().openingImage));
  EXPECT_TRUE(RealImage(Assets().menuBarsImage));
  EXPECT_TRUE(RealImage(Assets().mainButtonImage));
  EXPECT_TRUE(RealImage(Assets().pauseMenuImage));
  EXPECT_TRUE(RealImage(Assets().quitScreenImage));
  for (int i = 0; i < kMedalImageCount; ++i) EXPECT_TRUE(RealImage(Assets().medalImages[i])) << "medal " << i;
  for (int j = 0; j < kBadgeImageCount; ++j) EXPECT_TRUE(RealImage(Assets().badgeImages[j])) << "badge " << j;
  for (int slot : {SOUND_TICK_CLICK, SOUND_TICK_HOVER}) {
    ASSERT_TRUE(Sounds().soundTable.IsLoaded(slot)) << slot;
    EXPECT_FALSE(Sounds().soundTable[slot]->IsPlaceholder()) << slot;
  }
  EXPECT_TRUE(game.MessageBoxes().empty());
  EXPECT_EQ(DamagedInTraces(game.DebugLog()), std::vector<std::string>{});
}

TEST_F(ShellAssetsScenario, AMissionLoadFindsEverySharedAsset) {
  GoToMission(2);
  LoadAllAssets();

  EXPECT_EQ(Assets().sharedAssetsLoaded, 1);
  EXPECT_DOUBLE_EQ(Assets().loadingProgress, 118.0);
  for (int slot = 0; slot < kSoundSlotCount; ++slot) {
    if (slot == SOUND_BRIEFING_SPEECH) continue;
    ASSERT_TRUE(Sounds().soundTable.IsLoaded(slot)) << slot;
    EXPECT_FALSE(Sounds().soundTable[slot]->IsPlaceholder()) << slot;
  }
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(RealImage(Assets().markerImages[i])) << i;
  for (int i = 0; i < 14; ++i) EXPECT_TRUE(RealImage(Assets().levelTextures[i])) << i;
  EXPECT_TRUE(RealImage(Assets().gridBitmap) && RealImage(Assets().extractionMarkerImage) &&
              RealImage(Assets().wreckImage) && RealImage(Assets().soldierIconImage) &&
              RealImage(Assets().gridMaskImage) && RealImage(Assets().crosshairImage) &&
              RealImage(Assets().roofBreakImage) && RealImage(Assets().kiaImage) && RealImage(LoadingScreenImage()));
  ASSERT_TRUE(Explosion().explosionSprite);
  EXPECT_GT(Explosion().explosionSprite->frames, 0);
  EXPECT_LE(Explosion().explosionSprite->frames, kMaxExplosionFrames);
  for (int i = 0; i < Explosion().explosionSprite->frames; ++i)
    EXPECT_TRUE(RealImage(Explosion().explosionFrames[i])) << i;

  // The next mission reloads its music, and only that moves nothing on the bar.
  GoToMission(3);
  LoadAllAssets();
  EXPECT_EQ(Assets().loadingStep, 5.0);
  EXPECT_EQ(DamagedInTraces(game.DebugLog()), std::vector<std::string>{});
}

TEST(DamagedDataTest, AMissingMovieAndAnEmptyPixelChunkAreCountedInOrder) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Remove("avi/orvale.avi");
  const std::string png = EmptyPixelPng();
  ASSERT_EQ(png.size(), 57u);
  tree.Replace("images/disclaimer.qjp", png);
  InFolder inTree(tree.Root());

  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_NE(game.DebugLog().find("missing movie: avi\\orvale.avi\n"), std::string::npos) << game.DebugLog();
  EXPECT_NE(game.DebugLog().find("unreadable image: images\\disclaimer.qjp\n"), std::string::npos);
  EXPECT_TRUE(Assets().disclaimerImage->IsPlaceholder());
  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  const MessageBoxRecord& box = game.MessageBoxes()[0];
  EXPECT_EQ(box.caption, "Damaged Game Data");
  EXPECT_EQ(box.text.rfind("2 game files are missing or damaged; the first is avi\\orvale.avi.", 0), 0u) << box.text;
  EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
}

TEST(DamagedDataTest, AWhollyDamagedTreeStillReachesTheDisclaimerAndTellsOnce) {
  DamagedTree tree(KESTRINE_DATA_DIR);
  tree.Damage();
  InFolder inTree(tree.Root());

  Harness game;
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  // Sixteen menu pictures and the two click sounds at least, whatever became of the cut logo movies.
  const std::vector<std::string> damaged = DamagedInTraces(game.DebugLog());
  ASSERT_GE(damaged.size(), 18u) << game.DebugLog();
  ASSERT_EQ(game.MessageBoxes().size(), 1u);
  const std::string& text = game.MessageBoxes()[0].text;
  EXPECT_EQ(text.rfind(std::to_string(damaged.size()) + " game files are missing or damaged; the first is " +
                           damaged.front() + ".",
                       0),
            0u)
      << text;
  EXPECT_TRUE(Assets().disclaimerImage->IsPlaceholder());

  // The game goes on: the menu and more frames bring no second box.
  game.Frames(60, 16);
  EXPECT_EQ(game.MessageBoxes().size(), 1u);
  game.Close();
  EXPECT_FALSE(game.Running());
}

// ---- the loading screen ----

constexpr int kTipX = 128;      // 0.2 of 640
constexpr int kFirstRow = 288;  // 0.6 of 480
constexpr int kRowStep = 24;    // 0.05 of 480

// Pixels of the tips' colour in the row of line i.
int TipInk(int line) {
  return CountPixels(ScreenText().textOverlay, kTipX, kFirstRow + kRowStep * line, 640 - kTipX, kRowStep, 235, 247,
                     195);
}

using LoadingScreenTest = AtTheDisclaimer;

TEST_F(LoadingScreenTest, TheImageIsLoadedTheFirstTimeOnlyAndKeptAndTheButtonsOfTheScreenBeforeAreForgotten) {
  ASSERT_FALSE(LoadingScreenImage());
  AddHotspotRect(10, 10, 100, 100);
  ShowLoadingScreen();
  EXPECT_EQ(Hotspots().MenuHotspots.count, 0);
  ASSERT_TRUE(LoadingScreenImage());
  const engine::EngineBitmap* first = LoadingScreenImage().Get();
  EXPECT_EQ(first->SourcePath(), "images\\loadingscreen.qjp");
  ShowLoadingScreen();
  ShowLoadingScreen();
  EXPECT_EQ(LoadingScreenImage().Get(), first);
  // It is the backdrop.
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(10, 10),
            first->PixelColor(10 * first->GetWidth() / 640, 10 * first->GetHeight() / 480));
}

// Tip 15's first line is empty: its second line is still drawn in the second row.
TEST_F(LoadingScreenTest, OnlyTheLinesOfTheChosenTipAreDrawn) {
  ASSERT_STREQ(LoadingTips[15].lines[0], L"");
  for (int tip : {0, 3, 8, 15, 29}) {
    srand(SeedChoosing(tip));
    ShowLoadingScreen();
    const int lines = TipLines(tip);
    for (int line = 0; line < kMaxLoadingTipLines; ++line) {
      if (line < lines && LoadingTips[tip].lines[line][0] != L'\0')
        EXPECT_GT(TipInk(line), 20) << "tip " << tip << " line " << line;
      else
        EXPECT_EQ(TipInk(line), 0) << "tip " << tip << " line " << line;
    }
    // Nothing but the tip is on the screen text.
    EXPECT_EQ(CountPixelsNot(ScreenText().textOverlay, 0, 0, 640, kFirstRow, 255, 0, 0), 0) << "tip " << tip;
  }
}

TEST(LoadingTipsTest, EveryTipHasTwoOrThreeLinesThatFitTheScreen) {
  for (int tip = 0; tip < kLoadingTipCount; ++tip) {
    const int lines = TipLines(tip);
    EXPECT_GE(lines, 2) << "tip " << tip;
    EXPECT_LE(lines, 3) << "tip " << tip;
    EXPECT_EQ(LoadingTips[tip].lines[kMaxLoadingTipLines], nullptr);
    for (int i = 0; i < lines; ++i) EXPECT_LE(std::wcslen(LoadingTips[tip].lines[i]), 60u) << "tip " << tip;
  }
  EXPECT_STREQ(LoadingTips[0].lines[1], L"A is for Airway: Always examine the wounded");
  EXPECT_STREQ(LoadingTips[29].lines[1], L"You get docked points for each hint.");
}

}  // namespace
}  // namespace kestrine::scenario
