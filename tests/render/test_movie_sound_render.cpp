// The logo movies with their sound on the real engine (offscreen video, SDL's dummy sound driver, which plays
// into nothing at the real rate): the movie's sound goes through the engine's one audio device and mixer, the
// mixer plays it to its end, and the pictures advance with it. The movie window never stands black for long
// before a movie's first picture.
#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "platform/movie/wait_message.h"
#include "platform/movie/window_canvas.h"
#include "render/sdl_game_fixture.h"
#include "shell/game_state.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/movie_sound.h"

namespace kestrine::scenario {
namespace {

// What one logo did while it played.
struct Played {
  bool followedSound = false;
  int32_t heardMs = -1;  // the furthest the mixer had played its sound
  int32_t lastTime = -1;
  CanvasColor firstBar = 0, lastBar = 0;
  int64_t blackMs = -1;  // how long, in real time, the window was black before its card showed
};

class MovieSoundRender : public SdlGameFixture {};

TEST_F(MovieSoundRender, TheLogosPlayWithTheirSoundThroughTheEnginesMixer) {
  // The cards are 320 x 240, centred on the 1024 x 768 desktop; their bar runs along y 214 from x 21.
  constexpr int kBarEndX = (1024 - 320) / 2 + 290;
  constexpr int kBarY = (768 - 240) / 2 + 217;
  // The card's middle, where its gradient is never black.
  constexpr int kCardX = 1024 / 2, kCardY = 768 / 2;
  std::vector<Played> played;
  std::optional<std::chrono::steady_clock::time_point> blackSince;
  SetWaitMessageHook([&played, &blackSince] {
    const std::optional<CanvasColor> middle = CanvasPixel(moviePlayer.window, kCardX, kCardY);
    const auto now = std::chrono::steady_clock::now();
    int64_t blackMs = -1;
    if (middle == CanvasColor{0}) {
      if (!blackSince) blackSince = now;
    } else if (middle && blackSince) {
      blackMs = std::chrono::duration_cast<std::chrono::milliseconds>(now - *blackSince).count();
      blackSince.reset();
    }
    if (!moviePlayer.playing) return;
    const size_t entry = static_cast<size_t>(MovieQueue().movieNextIndex - 1);
    if (played.size() <= entry) played.resize(entry + 1);
    Played& p = played[entry];
    p.blackMs = std::max(p.blackMs, blackMs);
    p.followedSound = p.followedSound || moviePlayer.followsSound;
    p.heardMs = std::max(p.heardMs, MovieSoundPosition());
    p.lastTime = moviePlayer.currentTime;
    const CanvasColor bar = CanvasPixel(moviePlayer.window, kBarEndX, kBarY).value_or(0);
    if (bar == 0) return;
    if (p.firstBar == 0) p.firstBar = bar;
    p.lastBar = bar;
  });
  Harness game(OnTheSdlEngine());
  ASSERT_TRUE(game.Started()) << game.StartError();
  engine::SdlBackend* sdl = engine::SdlBackendOf(game.Root());
  ASSERT_NE(sdl, nullptr);
  ASSERT_TRUE(sdl->AudioOpen()) << "the dummy sound driver did not open";
  ASSERT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  SetWaitMessageHook(nullptr);

  EXPECT_EQ(MovieQueue().movieSoundFailed, 0);
  ASSERT_EQ(played.size(), 3u);
  const int32_t lengths[3] = {2000, 2000, 3000};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(played[i].followedSound) << "logo " << i;
    EXPECT_GE(played[i].heardMs, lengths[i] - 150) << "logo " << i;
    EXPECT_GE(played[i].lastTime, lengths[i] - 150) << "logo " << i;
    EXPECT_NE(played[i].firstBar, 0u) << "logo " << i;
    EXPECT_NE(played[i].firstBar, played[i].lastBar) << "logo " << i;
    EXPECT_LT(played[i].blackMs, 200) << "logo " << i;
  }
}

}  // namespace
}  // namespace kestrine::scenario
