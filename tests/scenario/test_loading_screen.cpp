// The loading screen shown while a mission loads: its backdrop loaded once and kept, and the lines of
// exactly one tip, chosen by the game's generator.
#include <gtest/gtest.h>

#include "harness.h"
#include "loading_tips.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/loading_screen.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

constexpr int kTipX = 128;      // 0.2 of 640
constexpr int kFirstRow = 288;  // 0.6 of 480
constexpr int kRowStep = 24;    // 0.05 of 480

// Pixels of the tips' colour in the row of line i.
int TipInk(int line) {
  return CountPixels(textOverlay, kTipX, kFirstRow + kRowStep * line, 640 - kTipX, kRowStep, 235, 247, 195);
}

using LoadingScreenTest = AtTheDisclaimer;

TEST_F(LoadingScreenTest, TheImageIsLoadedTheFirstTimeOnlyAndKeptAndTheButtonsOfTheScreenBeforeAreForgotten) {
  ASSERT_FALSE(loadingScreenImage);
  AddHotspotRect(10, 10, 100, 100);
  ShowLoadingScreen();
  EXPECT_EQ(MenuHotspots.count, 0);
  ASSERT_TRUE(loadingScreenImage);
  const engine::EngineBitmap* first = loadingScreenImage.Get();
  EXPECT_EQ(first->SourcePath(), "images\\loadingscreen.qjp");
  ShowLoadingScreen();
  ShowLoadingScreen();
  EXPECT_EQ(loadingScreenImage.Get(), first);
  // It is the backdrop.
  EXPECT_EQ(fullScreenOverlay->PixelColor(10, 10),
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
    EXPECT_EQ(CountPixelsNot(textOverlay, 0, 0, 640, kFirstRow, 255, 0, 0), 0) << "tip " << tip;
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
