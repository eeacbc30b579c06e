#include "shell/movie/play_movies.h"

#include <cstring>

#include "platform/window.h"
#include "shell/fullscreen_window.h"
#include "shell/globals.h"
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
  const int width = engineRoot->GetScreenWidth();
  const int height = engineRoot->GetScreenHeight();
  engineCamera->SetViewport((width - kViewWidth) / 2, (height - kViewHeight) / 2, kViewWidth, kViewHeight);
}

void ViewportAtOrigin() { engineCamera->SetViewport(0, 0, kViewWidth, kViewHeight); }

void RestoreEngineScreen() {
  ShowEngineFullScreenWindow(true);
  engineRoot->SetDisplayMode(kViewWidth, kViewHeight, kDisplayBits);
}

}  // namespace

void PlayMovies(const char* name, int32_t flag) {
  if (name && name[0] != '\0') QueueMovie(name, flag);
  if (movieCount == 0) return;

  movieNextIndex = 0;
  ShowEngineFullScreenWindow(false);
  engineRoot->ExitDisplayMode();
  movieCredits = std::strstr(movieNames[0], "credits") != nullptr ? 1 : 0;
  // Only this run's movies decide whether their stills stand in for them.
  movieSoundFailed = 0;
  RunMoviePlayer(Handles().instanceHandle, Handles().previousInstanceHandle, "", SW_SHOW, desktopRect.right,
                 desktopRect.bottom);

  // Movies played silently for want of any audio device are not shown again as stills.
  const bool stillsWithSound = !movieCredits && movieSoundFailed != 0 && !MovieSoundHasNoDevice();
  const bool endingStill = movieFlags[movieCount - 1] == MOVIE_SHOW_STILL_AFTER;
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
  movieCount = 0;
  movieSkipLock = 0;
}

}  // namespace kestrine
