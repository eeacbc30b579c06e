// State 0 as the player meets it: the three logo movies, then the disclaimer. A headless run has no audio
// device, so the logos play on the (virtual) movie clock, silently, one after the other, each to its end,
// and no still stands in for them.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "platform/movie/wait_message.h"
#include "platform/movie/wave_out.h"
#include "platform/movie/window_canvas.h"
#include "platform/window.h"
#include "shell/globals.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/screen_text.h"

namespace kestrine::scenario {
namespace {

// What one logo showed: its movie time, first and last, and the colour at the far end of its running bar in
// the first and the last picture.
struct Seen {
  int32_t firstTime = -1, lastTime = -1;
  CanvasColor firstBar = 0, lastBar = 0;
};

TEST(LogoMoviesTest, StateZeroPlaysTheThreeLogosSilentlyAndThenShowsTheDisclaimer) {
  movieCount = 0;
  moviePlayer.window = 0;
  // The cards are 320 x 240, centred on the 1024 x 768 desktop; their bar runs along y 214 from x 21.
  constexpr int kBarEndX = (1024 - 320) / 2 + 290;
  constexpr int kBarY = (768 - 240) / 2 + 217;
  std::vector<Seen> seen;
  SetWaitMessageHook([&seen] {
    if (!moviePlayer.playing) return;
    const size_t entry = static_cast<size_t>(movieNextIndex - 1);
    if (seen.size() <= entry) seen.resize(entry + 1);
    Seen& s = seen[entry];
    if (s.firstTime < 0) s.firstTime = moviePlayer.currentTime;
    s.lastTime = moviePlayer.currentTime;
    // The picture, whenever there is one (none yet at the very start, none past the last frame).
    const CanvasColor bar = CanvasPixel(moviePlayer.window, kBarEndX, kBarY).value_or(0);
    if (bar == 0) return;
    if (s.firstBar == 0) s.firstBar = bar;
    s.lastBar = bar;
  });
  Harness game;
  ASSERT_TRUE(game.Started());
  const int presented = game.Backend().PresentedFrames();
  game.Frame(16);
  SetWaitMessageHook(nullptr);

  // The logos were queued, two that cannot be skipped and the intro that can, and played in one run.
  EXPECT_STREQ(movieNames[0], "avi\\ostrel.avi");
  EXPECT_STREQ(movieNames[1], "avi\\orvale.avi");
  EXPECT_STREQ(movieNames[2], "avi\\ostrel_intro.avi");
  EXPECT_EQ(movieFlags[0], 1);
  EXPECT_EQ(movieFlags[1], 1);
  EXPECT_EQ(movieFlags[2], 0);
  EXPECT_EQ(movieCount, 0);
  EXPECT_EQ(movieSoundFailed, static_cast<int32_t>(MMSYSERR_NODRIVER));
  EXPECT_EQ(WindowShowState(moviePlayer.window), SW_HIDE);

  // Each logo played to its end (2, 2 and 3 seconds), its bar running across as it went.
  ASSERT_EQ(seen.size(), 3u);
  const int32_t lengths[3] = {2000, 2000, 3000};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_LT(seen[i].firstTime, 200) << "logo " << i;
    EXPECT_GE(seen[i].lastTime, lengths[i] - 100) << "logo " << i;
    EXPECT_NE(seen[i].firstBar, seen[i].lastBar) << "logo " << i;
  }
  // No still was put up in their place.
  EXPECT_EQ(game.Backend().PresentedFrames(), presented);
  EXPECT_TRUE(game.Backend().DisplayModeActive());
  EXPECT_EQ(gameState, STATE_LOGOS);

  // Then the disclaimer, once a second of game clock has passed.
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  EXPECT_EQ(game.TracedStates(), (std::vector<int>{STATE_LOGOS, STATE_DISCLAIMER}));
}

}  // namespace
}  // namespace kestrine::scenario
