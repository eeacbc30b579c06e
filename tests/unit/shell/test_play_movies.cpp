// PlayMovies around a run: the engine's window minimised and its display mode left while movies play and
// both back after; nothing at all for a queue of missing files; the stills with their sound, where they stand
// in, and an ending's still, which waits for a press but not forever; and with an audio device the movie's
// sound, played through the engine's mixer, drives its pictures to the end.
#include <gtest/gtest.h>

#include "movie_fixture.h"
#include "platform/movie/movie_clock.h"
#include "platform/movie/wave_out.h"
#include "shell/engine_setup.h"
#include "shell/movie/movie_stills.h"
#include "shell/movie/play_movies.h"
#include "unit/platform/audio_device_engine.h"

namespace kestrine::testing {
namespace {

class PlayMoviesTest : public MovieTest {
 protected:
  // A window of ours titled as the engine's own is found by the search around movies.
  class EngineWindow : public WindowImpl {
   public:
    WindowClassInfo WindowClass() const override { return {"EngineWindow", 0, "arrow", 0}; }
    bool ProcessWindowMessage(HWND, uint32_t, WPARAM, LPARAM, LRESULT&, uint32_t) override { return false; }
  };

  HWND OpenEngineWindow() {
    const HWND hwnd = engineWindow_.Create(0, RECT{0, 0, 640, 480}, "Quillary FullScreen", WS_POPUP | WS_VISIBLE, 0);
    ShowWindow(hwnd, SW_MAXIMIZE);
    return hwnd;
  }

  // The one still image on screen before the menus exist: a visible camera sprite other than the text.
  static engine::EngineRef<engine::EngineSprite> VisibleStillSprite() {
    for (const auto& sprite : Engine().engineCamera->Sprites())
      if (sprite->Visible() && sprite.Get() != ScreenText().textOverlaySprite.Get()) return sprite;
    return nullptr;
  }

  EngineWindow engineWindow_;
};

TEST_F(PlayMoviesTest, TheEngineWindowMakesWayForTheMoviesAndComesBackAfterButNotForAQueueOfMissingFiles) {
  const HWND engine = OpenEngineWindow();
  QueueMovie("gone", MOVIE_UNSKIPPABLE);
  QueueMovie("lost", MOVIE_SKIPPABLE);
  PlayMovies("missing", MOVIE_SHOW_STILL_AFTER);
  EXPECT_EQ(moviePlayer.window, 0u);  // the player never ran: no window was made
  EXPECT_EQ(MovieQueue().movieCount, 0);

  AddMovie("KIA", "video_only.avi");
  PlayerWatch watch;
  int engineStateDuringRun = -1;
  bool modeDuringRun = true;
  watch.When(0, 100, [&] {
    engineStateDuringRun = WindowShowState(engine);
    modeDuringRun = Backend().DisplayModeActive();
  });
  PlayMovies("KIA", MOVIE_SKIPPABLE);
  EXPECT_EQ(engineStateDuringRun, SW_MINIMIZE);
  EXPECT_FALSE(modeDuringRun);
  EXPECT_EQ(WindowShowState(engine), SW_MAXIMIZE);
  EXPECT_TRUE(Backend().DisplayModeActive());
  EXPECT_EQ(MovieQueue().movieSoundFailed, 0);  // the movie had no sound to fail
}

TEST_F(PlayMoviesTest, TheStillsStandInOneAfterTheOtherWhileTheirSoundsPlay) {
  AddMovie("ostrel", "video_audio.avi");
  AddMovie("orvale", "video_audio.avi");
  AddStill("ostrel", 200, 10, 10, 700);
  AddStill("orvale", 10, 200, 10, 900);
  QueueMovie("ostrel", MOVIE_UNSKIPPABLE);
  QueueMovie("orvale", MOVIE_UNSKIPPABLE);
  // The stills come before the menus: no backdrop yet, so each shows on a screen image of its own.
  ASSERT_FALSE(Overlays().fullScreenOverlay);
  const int64_t before = EngineNow();
  const int presented = Backend().PresentedFrames();
  ShowMovieStillWithSound();
  EXPECT_GE(EngineNow() - before, 700 + 900);
  EXPECT_LT(EngineNow() - before, 700 + 900 + 2 * 200);
  EXPECT_EQ(Backend().PresentedFrames() - presented, 2);
  EXPECT_EQ(VisibleStillSprite(), nullptr);  // and went when the stills were over
  EXPECT_FALSE(MovieQueue().movieStillImage);
  EXPECT_EQ(MovieQueue().movieNextIndex, 0);
  ClearMovieQueue();
}

TEST_F(PlayMoviesTest, OnceTheMenusAreLoadedTheStillIsTheBackdropAndAPressCutsItShort) {
  CreateOverlays();
  AddMovie("mission3", "video_audio.avi");
  AddStill("mission3", 30, 60, 90, 300);
  QueueMovie("mission3", MOVIE_SKIPPABLE);
  ShowMovieStillWithSound();
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(320, 240), (engine::Color{30, 60, 90}));
  EXPECT_TRUE(Overlays().fullScreenOverlaySprite->Visible());
  ClearMovieQueue();

  AddMovie("badge1", "video_audio.avi");
  AddStill("badge1", 30, 60, 90, 5000);
  QueueMovie("badge1", MOVIE_SKIPPABLE);
  Backend().InjectKey(' ', true);  // held down as the still comes up
  const int64_t before = EngineNow();
  ShowMovieStillWithSound();
  EXPECT_LT(EngineNow() - before, 1000);
  ClearMovieQueue();
}

TEST_F(PlayMoviesTest, AnEndingsStillWaitsForAPressButNotForever) {
  CreateOverlays();
  AddMovie("winner1", "video_only.avi");
  AddStill("winner1", 250, 200, 40, 100);
  const int64_t before = EngineNow();
  PlayMovies("winner1", MOVIE_SHOW_STILL_AFTER);
  const int64_t waited = EngineNow() - before;
  EXPECT_GE(waited, 60000);  // nobody pressed anything: a minute
  EXPECT_LT(waited, 61000);
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(10, 10).r, 250);

  AddMovie("loser2", "video_only.avi");
  AddStill("loser2", 40, 40, 40, 100);
  Backend().InjectMouse(engine::kMouseLeftDown, 5, 5);
  const int64_t pressedAt = EngineNow();
  PlayMovies("loser2", MOVIE_SHOW_STILL_AFTER);
  EXPECT_LT(EngineNow() - pressedAt, 1000);
  EXPECT_EQ(Overlays().fullScreenOverlay->PixelColor(10, 10).r, 40);
}

// An engine with an audio device, which the test plays 40 ms at a time while the movies run: the movie's
// sound goes to the engine's mixer, its buffers come back and are refilled, and the pictures follow its
// position to the end.
TEST_F(PlayMoviesTest, WithAnAudioDeviceTheSoundDrivesTheMovieToItsEnd) {
  const engine::EngineRef<engine::EngineRoot> audio = MakeEngineWithAudioDevice();
  SetWaveOutEngine(audio);
  AddMovie("mission1", "video_audio.avi");
  AddStill("mission1", 30, 60, 90, 300);
  AddMovie("cut", "truncated.avi");  // its sound ends at 1014 ms, its pictures at 1100 ms
  PlayerWatch watch;
  bool followedSound = false;
  int most = 0;
  double heard = 0;
  watch.Always([&] {
    followedSound = followedSound || moviePlayer.followsSound;
    most = std::max(most, MovieSoundState().bufferCount);
    for (float sample : PlayAudio(*audio, 40)) heard += sample * sample;
  });
  QueueMovie("mission1", MOVIE_SKIPPABLE);
  PlayMovies("cut", MOVIE_SKIPPABLE);
  SetWaveOutEngine(nullptr);
  EXPECT_TRUE(followedSound);
  EXPECT_GT(heard, 0);  // the movie's samples, not silence
  EXPECT_GE(most, kFewestMovieSoundBuffers);
  EXPECT_LE(most, kMostMovieSoundBuffers);
  EXPECT_EQ(MovieQueue().movieSoundFailed, 0);
  EXPECT_GE(watch.Of(0).last, 1900);
  // When the sound runs out before the pictures, the clock takes the movie on to its end.
  EXPECT_GE(watch.Of(1).last, 1030);
  EXPECT_LT(watch.Of(1).last, 1300);
  EXPECT_FALSE(MovieSoundState().playing);
  EXPECT_EQ(MovieSoundState().device, 0u);
}

}  // namespace
}  // namespace kestrine::testing
