// State 0: the three logo movies, then the disclaimer once a second of game clock has passed.
#include "shell/shell_screens.h"

#include "shell/asset_loader.h"
#include "shell/damaged_data.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int32_t kLogosToDisclaimerMs = 1000;

void EnterLogos() { disclaimerAt = gameClock + kLogosToDisclaimerMs; }

void LogosFrame() {
  if (!logosStarted) {
    logosStarted = 1;
    QueueMovie("ostrel", MOVIE_UNSKIPPABLE);
    QueueMovie("orvale", MOVIE_UNSKIPPABLE);
    QueueMovie("ostrel_intro", MOVIE_SKIPPABLE);
    PlayMovies("", 0);
  }
  if (gameClock > disclaimerAt) {
    LoadMenuImages();
    SetGameState(STATE_DISCLAIMER);
    ReportDamagedData();
  }
}

}  // namespace

void RegisterShellScreens() { RegisterScreen(STATE_LOGOS, Screen{.enter = EnterLogos, .frame = LogosFrame}); }

}  // namespace kestrine
