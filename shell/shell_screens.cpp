// State 0: the three logo movies, then the disclaimer once a second of game clock has passed.
#include "shell/shell_screens.h"

#include "shell/asset_loader.h"
#include "shell/damaged_data.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int32_t kLogosToDisclaimerMs = 1000;

// The logos' movies are queued once; the disclaimer follows at a time of the game clock.
struct LogosScreen {
  int32_t logosStarted = 0;
  int64_t disclaimerAt = 0;  // game clock
};

}  // namespace

LogosScreen logosScreen;
KESTRINE_PROGRAM_STATE(logosScreen);

bool LogosStarted() { return logosScreen.logosStarted != 0; }

namespace {

void EnterLogos() { logosScreen.disclaimerAt = Clock().gameClock + kLogosToDisclaimerMs; }

void LogosFrame() {
  if (!logosScreen.logosStarted) {
    logosScreen.logosStarted = 1;
    QueueMovie("ostrel", MOVIE_UNSKIPPABLE);
    QueueMovie("orvale", MOVIE_UNSKIPPABLE);
    QueueMovie("ostrel_intro", MOVIE_SKIPPABLE);
    PlayMovies("", 0);
  }
  if (Clock().gameClock > logosScreen.disclaimerAt) {
    LoadMenuImages();
    SetGameState(STATE_DISCLAIMER);
    ReportDamagedData();
  }
}

}  // namespace

void RegisterShellScreens() { RegisterScreen(STATE_LOGOS, Screen{.enter = EnterLogos, .frame = LogosFrame}); }

}  // namespace kestrine
