// The first screens of the program as the player sees them on the real renderer: the whole start-up path
// runs on the SDL engine (offscreen driver), and screenshots of the disclaimer the logos lead to and of the
// loading screen a mission load shows are read back and compared with what the game drew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/sdl_game_fixture.h"
#include "scenario/loading_tips.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/loading_screen.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;
using engine::Color;
using engine::EngineBitmap;
using engine::EngineRef;
using engine::testing::PixelNear;

const Color kPale{235, 247, 195};

// Where the disclaimer backdrop carries its paragraphs.
constexpr int kDisclaimerTextX = 50, kDisclaimerTextY = 90, kDisclaimerTextWidth = 540, kDisclaimerTextHeight = 250;
// Where the loading screen writes its tip: from 0.2 of the width, rows from 0.6 of the height, 0.05 apart.
constexpr int kTipX = 128, kTipFirstRow = 288, kTipRowStep = 24;

int CountNear(const EngineRef<EngineBitmap>& frame, int x, int y, int width, int height, Color want) {
  int n = 0;
  for (int py = y; py < y + height; ++py)
    for (int px = x; px < x + width; ++px) n += PixelNear(frame, px, py, want, kScreenTolerance) ? 1 : 0;
  return n;
}

// Samples of the screen that show the backdrop's own pixel (the backdrop fills the 640 x 480 screen 1:1).
int BackdropMatches(const EngineRef<EngineBitmap>& backdrop, const EngineRef<EngineBitmap>& frame, int& samples) {
  int matches = 0;
  samples = 0;
  for (int y = 3; y < 480; y += 16)
    for (int x = 5; x < 640; x += 16) {
      ++samples;
      const Color want = backdrop->PixelColor(x * backdrop->GetWidth() / 640, y * backdrop->GetHeight() / 480);
      matches += PixelNear(frame, x, y, want, kScreenTolerance) ? 1 : 0;
    }
  return matches;
}

void ExpectDisclaimerOnScreen(const EngineRef<EngineBitmap>& frame, const EngineRef<EngineBitmap>& backdrop) {
  ASSERT_TRUE(frame);
  ASSERT_TRUE(backdrop);
  ASSERT_EQ(frame->GetWidth(), 640);
  ASSERT_EQ(frame->GetHeight(), 480);

  // The paragraphs in their pale colour, where the backdrop has them.
  const Reproduction text = Reproduced(
      backdrop, frame, {kDisclaimerTextX, kDisclaimerTextY, kDisclaimerTextWidth, kDisclaimerTextHeight}, kPale);
  EXPECT_GT(text.drawn, 1000) << "the disclaimer backdrop has lost its text";
  EXPECT_GE(text.shown, text.drawn * 95 / 100) << text.shown << " of " << text.drawn << " text pixels on the screen";

  // The rest of the backdrop, and not a black screen.
  int samples = 0;
  const int matches = BackdropMatches(backdrop, frame, samples);
  EXPECT_GE(matches, samples * 95 / 100);
  EXPECT_LT(CountNear(frame, 0, 0, 640, 480, {0, 0, 0}), 640 * 480 / 4);
}

using StartupScreensRender = SdlGame;

TEST_F(StartupScreensRender, TheLogosLeadToTheDisclaimerWithItsBackdropAndText) {
  StartToTheDisclaimer();
  ExpectDisclaimerOnScreen(Capture("disclaimer"), disclaimerImage);
}

TEST_F(StartupScreensRender, TheLoadingScreenShowsItsTipOverItsBackdrop) {
  StartToTheDisclaimer();
  int tip = 0;
  while (TipLines(tip) != 2 || LoadingTips[tip].lines[0][0] == L'\0') ++tip;
  srand(SeedChoosing(tip));
  ShowLoadingScreen();  // as a mission load shows it; it renders at once
  const auto frame = Capture("loading", false);
  ASSERT_TRUE(frame);
  ASSERT_TRUE(loadingScreenImage);

  // Both lines of the tip, each in its own row, where the game wrote them on the text overlay.
  for (int line = 0; line < 2; ++line) {
    const int top = kTipFirstRow + kTipRowStep * line;
    const Reproduction text = Reproduced(textOverlay, frame, {kTipX, top, 640 - kTipX, kTipRowStep}, kPale);
    EXPECT_GT(text.drawn, 20) << "line " << line;
    EXPECT_GE(text.shown, text.drawn * 95 / 100) << "line " << line;
  }
  // Nothing pale in the row a third line would take: the loading backdrop has no text of that colour there.
  EXPECT_EQ(CountNear(frame, kTipX, kTipFirstRow + 2 * kTipRowStep, 640 - kTipX, kTipRowStep, kPale), 0);

  // The backdrop around the tip, and not a black screen.
  int samples = 0;
  const int matches = BackdropMatches(loadingScreenImage, frame, samples);
  EXPECT_GE(matches, samples * 90 / 100);
  EXPECT_LT(CountNear(frame, 0, 0, 640, 480, {0, 0, 0}), 640 * 480 / 4);
}

TEST_F(StartupScreensRender, AScriptedRunCapturesTheDisclaimerAndEndsWell) {
  const fs::path picture = TempPng("scripted");
  const fs::path script = fs::temp_directory_path() / ("kestrine_startup_" + std::to_string(getpid()) + ".txt");
  std::ofstream(script) << "frames 70 16\ncapture " << picture.string() << "\nquit\n";

  HarnessOptions options = OnTheSdlEngine();
  options.inputScript = script.string();
  Harness game(options);
  EXPECT_EQ(game.RunToEnd(), 0);
  fs::remove(script);
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));

  ASSERT_TRUE(fs::exists(picture)) << game.DebugLog();
  // The program has released its images by now: the backdrop to compare with is the game data's own file.
  const auto backdrop = DecodeFile(fs::path(KESTRINE_DATA_DIR) / "images" / "disclaimer.qjp");
  ExpectDisclaimerOnScreen(ReadPng(picture), backdrop);
}

}  // namespace
}  // namespace kestrine::scenario
