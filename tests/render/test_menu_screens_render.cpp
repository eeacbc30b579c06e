// The menu screens as the real renderer shows them, reached by clicks on the SDL engine (offscreen driver):
// the disclaimer's two labels, the main menu over its panel with a highlighted label, and the volume bars.
#include <gtest/gtest.h>

#include <string>

#include "render/sdl_game_fixture.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::scenario {
namespace {

using engine::Color;
using engine::EngineBitmap;
using engine::EngineRef;
using engine::testing::PixelNear;

const Color kPale{235, 247, 195};
const Color kLit{255, 226, 73};

// The buttons' rectangles on the 640 x 480 screen (see the scenario tests for the arithmetic).
constexpr Rect kAccept{402, 435, 170, 22}, kReject{402, 408, 170, 22};
constexpr int kRowTops[] = {181, 206, 231, 256, 281, 306, 331};

// A label is legible when it has a good number of pixels and all of them reach the screen.
void ExpectLabelShown(const EngineRef<EngineBitmap>& frame, Rect r, Color colour, const char* what) {
  const Reproduction label = Reproduced(menuCanvas, frame, r, colour);
  EXPECT_GT(label.drawn, 60) << what;
  EXPECT_GE(label.shown, label.drawn * 95 / 100) << what << ": " << label.shown << " of " << label.drawn;
}

class MenuScreensRender : public SdlGame {
 protected:
  void SetUp() override { StartToTheDisclaimer(); }

  void ClickRow(int row) { game_->Click(165, kRowTops[row - 1] + 11); }
};

TEST_F(MenuScreensRender, TheDisclaimerShowsBothLabelsInTheirBars) {
  const auto frame = Capture("disclaimer");
  ASSERT_TRUE(frame);
  ExpectLabelShown(frame, kAccept, kPale, "ACCEPT DISCLAIMER");
  ExpectLabelShown(frame, kReject, kPale, "REJECT DISCLAIMER");
  // The pointer on REJECT lights it on the next frame.
  game_->MoveTo(487, 419);
  const auto lit = Capture("disclaimer_lit");
  ExpectLabelShown(lit, kReject, kLit, "REJECT DISCLAIMER lit");
  ExpectLabelShown(lit, kAccept, kPale, "ACCEPT DISCLAIMER");
}

TEST_F(MenuScreensRender, TheMainMenuShowsItsSevenLabelsOverThePanel) {
  game_->Click(487, 446);
  ASSERT_EQ(gameState, STATE_MAIN_MENU);
  game_->MoveTo(165, kRowTops[3] + 11);  // OPTIONS lit
  const auto frame = Capture("main_menu");
  ASSERT_TRUE(frame);
  for (int row = 1; row <= 7; ++row) {
    const Rect button{75, kRowTops[row - 1], 180, 23};
    ExpectLabelShown(frame, button, row == 4 ? kLit : kPale, ("row " + std::to_string(row)).c_str());
  }
  // The panel (its left edge, 178 down) behind the labels.
  EXPECT_TRUE(PixelNear(frame, 75, 178 + 40, menuBarsImage->PixelColor(0, 40), kScreenTolerance));
}

TEST_F(MenuScreensRender, TheVolumeScreenShowsBothBarsAtTheirLength) {
  game_->Click(487, 446);
  ClickRow(4);  // OPTIONS
  ClickRow(1);  // VOLUME CONTROL
  ASSERT_EQ(gameState, STATE_VOLUME);
  effectsVolume = 127;
  musicVolume = 37;
  game_->MoveTo(249, 295);  // + music: 47
  game_->Click(249, 295);
  const auto frame = Capture("volume");
  ASSERT_TRUE(frame);
  const Color bar{200, 10, 10};
  auto barRun = [&](int y) {
    int run = 0;
    while (run < 300 && PixelNear(frame, 93 + run, y, bar, kScreenTolerance)) ++run;
    return run;
  };
  EXPECT_EQ(barRun(231 + 8), 151);  // 127 x 150 x 640 / 80518
  EXPECT_EQ(barRun(281 + 8), 56);   // 47 x 150 x 640 / 80518 = 56.04
  ExpectLabelShown(frame, {75, 181, 180, 23}, kPale, "BACK");
}

}  // namespace
}  // namespace kestrine::scenario
