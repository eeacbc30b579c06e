// The menu screens as the real renderer shows them, reached by clicks on the SDL engine (offscreen driver):
// the disclaimer's two labels, the main menu over its panel with a highlighted label, and the volume bars.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "backend/sdl/sdl_backend.h"
#include "core/image_loader.h"
#include "render/sdl_fixture.h"
#include "scenario/harness.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine::scenario {
namespace {

namespace fs = std::filesystem;
using engine::Color;
using engine::EngineBitmap;
using engine::EngineRef;
using engine::testing::PixelNear;

const Color kPale{235, 247, 195};
const Color kLit{255, 226, 73};
constexpr int kTolerance = 2;

struct Rect {
  int x, y, width, height;
};
// The buttons' rectangles on the 640 x 480 screen (see the scenario tests for the arithmetic).
constexpr Rect kAccept{402, 435, 170, 22}, kReject{402, 408, 170, 22};
constexpr int kRowTops[] = {181, 206, 231, 256, 281, 306, 331};

// Of the pixels of colour `want` the game drew into `drawn` inside the rectangle: how many, and how many the
// screen shows in that colour at the same place.
struct Reproduction {
  int drawn = 0;
  int shown = 0;
};
Reproduction Reproduced(const EngineRef<EngineBitmap>& drawn, const EngineRef<EngineBitmap>& frame, Rect r,
                        Color want) {
  Reproduction out;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.width; ++x) {
      if (!PixelNear(drawn, x, y, want)) continue;
      ++out.drawn;
      out.shown += PixelNear(frame, x, y, want, kTolerance) ? 1 : 0;
    }
  return out;
}

// A label is legible when it has a good number of pixels and all of them reach the screen.
void ExpectLabelShown(const EngineRef<EngineBitmap>& frame, Rect r, Color colour, const char* what) {
  const Reproduction label = Reproduced(menuCanvas, frame, r, colour);
  EXPECT_GT(label.drawn, 60) << what;
  EXPECT_GE(label.shown, label.drawn * 95 / 100) << what << ": " << label.shown << " of " << label.drawn;
}

class MenuScreensRender : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }

  void SetUp() override {
    HarnessOptions options;
    options.engine = "sdl";
    game_ = std::make_unique<Harness>(options);
    ASSERT_TRUE(game_->Started()) << game_->StartError();
    sdl_ = engine::SdlBackendOf(game_->Root());
    ASSERT_NE(sdl_, nullptr);
    ASSERT_TRUE(sdl_->HasGlContext()) << sdl_->GlFailure();
    ASSERT_TRUE(game_->RunUntilState(STATE_DISCLAIMER));
  }

  EngineRef<EngineBitmap> Capture(const std::string& what) {
    game_->Frame(16);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path path = fs::temp_directory_path() / ("kestrine_" + std::string(info->name()) + "_" + what + "_" +
                                                       std::to_string(getpid()) + ".png");
    EXPECT_TRUE(sdl_->CaptureFrame(path.string()));
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::error_code ignored;
    fs::remove(path, ignored);
    auto frame = engine::DecodeImage(bytes.str());
    EXPECT_TRUE(frame) << "the capture is not a readable PNG";
    return frame;
  }

  void ClickRow(int row) { game_->Click(165, kRowTops[row - 1] + 11); }

  std::unique_ptr<Harness> game_;
  engine::SdlBackend* sdl_ = nullptr;
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
  EXPECT_TRUE(PixelNear(frame, 75, 178 + 40, menuBarsImage->PixelColor(0, 40), kTolerance));
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
    while (run < 300 && PixelNear(frame, 93 + run, y, bar, kTolerance)) ++run;
    return run;
  };
  EXPECT_EQ(barRun(231 + 8), 151);  // 127 x 150 x 640 / 80518
  EXPECT_EQ(barRun(281 + 8), 56);   // 47 x 150 x 640 / 80518 = 56.04
  ExpectLabelShown(frame, {75, 181, 180, 23}, kPale, "BACK");
}

}  // namespace
}  // namespace kestrine::scenario
