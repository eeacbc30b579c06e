#include "shell/movie/play_movies.h"

#include <cstring>

#include "platform/window.h"
#include "shell/engine_setup.h"
#include "shell/fullscreen_window.h"
#include "shell/movie/movie_player.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/movie_sound.h"
#include "shell/movie/movie_stills.h"
#include "shell/winmain.h"

namespace kestrine {

namespace {

constexpr int kViewWidth = 640;
constexpr int kViewHeight = 480;
constexpr int kDisplayBits = 16;

void CentreViewport() {
  const int width = Engine().engineRoot->GetScreenWidth();
  const int height = Engine().engineRoot->GetScreenHeight();
  Engine().engineCamera->SetViewport((width - kViewWidth) / 2, (height - kViewHeight) / 2, kViewWidth, kViewHeight);
}

void ViewportAtOrigin() { Engine().engineCamera->SetViewport(0, 0, kViewWidth, kViewHeight); }

void RestoreEngineScreen() {
  ShowEngineFullScreenWindow(true);
  Engine().engineRoot->SetDisplayMode(kViewWidth, kViewHeight, kDisplayBits);
}

}  // namespace

void PlayMovies(const char* name, int32_t flag) {
  if (name && name[0] != '\0') QueueMovie(name, flag);
  if (MovieQueue().movieCount == 0) return;

  RewindMovieQueue();
  ShowEngineFullScreenWindow(false);
  Engine().engineRoot->ExitDisplayMode();
  BeginMovieRun();
  RunMoviePlayer(Handles().instanceHandle, Handles().previousInstanceHandle, "", SW_SHOW, Engine().desktopRect.right,
                 Engine().desktopRect.bottom);

  // Movies played silently for want of any audio device are not shown again as stills.
  const bool stillsWithSound =
      !MovieQueue().movieCredits && MovieQueue().movieSoundFailed != 0 && !MovieSoundHasNoDevice();
  const bool endingStill = MovieQueue().movieFlags[MovieQueue().movieCount - 1] == MOVIE_SHOW_STILL_AFTER;
  // The stills are drawn by the engine: its window must be back on the screen to show them.
  if (stillsWithSound || endingStill) RestoreEngineScreen();
  if (stillsWithSound) {
    CentreViewport();
    ShowMovieStillWithSound();
    ViewportAtOrigin();
  }
  if (endingStill) {
    CentreViewport();
    ShowMovieStill();
    ViewportAtOrigin();
  }
  RestoreEngineScreen();
  ClearMovieQueue();
}

}  // namespace kestrine
