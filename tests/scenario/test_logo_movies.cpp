// State 0 as the player meets it: the three logo movies, then the disclaimer. A headless run has no sound
// device, so each logo is shown as its still image while its sound plays out, before the menus exist.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "harness.h"
#include "platform/window.h"
#include "shell/globals.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

// A point of the screen inside each still's picture, away from its title (the stills are stretched
// twice over the 640 x 480 screen).
constexpr int kProbeX = 40;
constexpr int kProbeY = 80;

// A headless engine that notes, at every picture it presents, the colour a screen-sized image behind
// the text shows at the probe point.
class StillRecorder : public engine::HeadlessBackend {
 public:
  explicit StillRecorder(std::vector<engine::Color>* shown) : shown_(shown) {}
  void Present(engine::EngineStage* stage) override {
    HeadlessBackend::Present(stage);
    if (!stage) return;
    for (const auto& sprite : stage->GetCamera()->Sprites()) {
      if (!sprite->Visible() || sprite->Layer() != 0 || sprite->Image().Get() == textOverlay.Get()) continue;
      if (sprite->Image()->GetWidth() != 640 || sprite->Image()->GetHeight() != 480) continue;
      shown_->push_back(sprite->Image()->PixelColor(kProbeX, kProbeY));
    }
  }

 private:
  std::vector<engine::Color>* shown_;
};

bool Same(const engine::Color& a, const engine::Color& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST(LogoMoviesTest, StateZeroPlaysTheThreeLogosThroughTheirStillsAndThenShowsTheDisclaimer) {
  movieCount = 0;
  moviePlayer.window = 0;
  std::vector<engine::Color> shown;
  HarnessOptions options;
  options.makeEngine = [&shown] {
    return engine::MakeEngine<engine::EngineRoot>(std::make_unique<StillRecorder>(&shown));
  };
  Harness game(options);
  ASSERT_TRUE(game.Started());
  const int64_t before = game.Backend().NowMs();
  game.Frame(16);

  // The logos were queued, two that cannot be skipped and the intro that can, and played in one run.
  EXPECT_STREQ(movieNames[0], "avi\\ostrel.avi");
  EXPECT_STREQ(movieNames[1], "avi\\orvale.avi");
  EXPECT_STREQ(movieNames[2], "avi\\ostrel_intro.avi");
  EXPECT_EQ(movieFlags[0], 1);
  EXPECT_EQ(movieFlags[1], 1);
  EXPECT_EQ(movieFlags[2], 0);
  EXPECT_EQ(movieCount, 0);
  EXPECT_NE(movieSoundFailed, 0);
  EXPECT_EQ(WindowShowState(moviePlayer.window), SW_HIDE);

  // Each still was on the screen, in order, while its sound played out (2, 2 and 3 seconds).
  std::vector<engine::Color> stills;
  for (const wchar_t* path : {L"avi\\ostrel.qjp", L"avi\\orvale.qjp", L"avi\\ostrel_intro.qjp"}) {
    auto still = game.Root().LoadBitmap(path, 1);
    ASSERT_FALSE(still->IsPlaceholder()) << "no still in the data tree";
    stills.push_back(still->PixelColor(kProbeX / 2, kProbeY / 2));
  }
  ASSERT_EQ(shown.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(Same(shown[i], stills[i])) << "logo " << i;
  EXPECT_GE(game.Backend().NowMs() - before, 7000);
  EXPECT_TRUE(game.Backend().DisplayModeActive());
  EXPECT_EQ(gameState, STATE_LOGOS);

  // Then the disclaimer, once a second of game clock has passed, with the logo's still gone from the screen.
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));
  for (const auto& sprite : engineCamera->Sprites()) {
    if (!sprite->Visible() || sprite->Layer() != 0 || sprite->Image().Get() == textOverlay.Get()) continue;
    EXPECT_FALSE(Same(sprite->Image()->PixelColor(kProbeX, kProbeY), stills[2]));
  }
}

}  // namespace
}  // namespace kestrine::scenario
