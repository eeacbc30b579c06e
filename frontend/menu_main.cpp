// The main menu (state 2): entering it starts a new campaign over the opening backdrop. TRAINING, NEW GAME,
// LOAD GAME, OPTIONS, PLAYER CONTROLS, CREDITS and EXIT in the menu column.
#include "casualty/backpack.h"
#include "frontend/frontend_screens.h"
#include "frontend/menu_screens.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

// How many rows of the panel picture the menu shows.
constexpr int kPanelRows = 172;

// EXIT keeps the bottom row, below PLAYER CONTROLS and CREDITS.
constexpr MenuButton kButtons[] = {
    ColumnButton(MAIN_TRAINING, 1, L"TRAINING"),
    ColumnButton(MAIN_NEW_GAME, 2, L"NEW GAME"),
    ColumnButton(MAIN_LOAD_GAME, 3, L"LOAD GAME"),
    ColumnButton(MAIN_OPTIONS, 4, L"OPTIONS"),
    ColumnButton(MAIN_PLAYER_CONTROLS, 5, L"PLAYER CONTROLS"),
    ColumnButton(MAIN_CREDITS, 6, L"CREDITS"),
    ColumnButton(MAIN_EXIT, 7, L"EXIT"),
};
static_assert(ValidButtonTable(kButtons));

void EnterMainMenu() {
  // A fresh campaign: the first mission, with its intro movie before the first briefing.
  ResetProgress("", 0, 0, 1);
  ClearScreenLayers();
  MainMenu();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
  StartCampaign();
  ArmIntroMovie();
}

// A new campaign or training run starts from an empty pack. A pack loaded at the briefing of a campaign left
// by QUIT is no pack of the new one: kept, it would skip the first briefing's choice of casualties and bring
// the old mission's casualties and kit into mission 1.
void ForgetKeptBackpack() { KeepBackpack(false); }

void Press(int32_t button) {
  switch (button) {
    case MAIN_TRAINING:
      ForgetKeptBackpack();
      SetGameState(STATE_TRAINING);
      break;
    case MAIN_NEW_GAME:
      ForgetKeptBackpack();
      SetGameState(STATE_DIFFICULTY);
      break;
    case MAIN_LOAD_GAME:
      SetGameState(STATE_LOAD_GAME);
      break;
    case MAIN_OPTIONS:
      // Their BACK leads back to the main menu, however the menu itself was reached.
      SetGameStateReturningTo(STATE_OPTIONS, STATE_MAIN_MENU);
      break;
    case MAIN_EXIT:
      CloseGame();
      break;
    case MAIN_PLAYER_CONTROLS:
      ClearHotspots();
      ClearScreenLayers();
      // Their BACK leads back to the main menu, however the menu itself was reached.
      SetGameStateReturningTo(STATE_PLAYER_CONTROLS, STATE_MAIN_MENU);
      break;
    case MAIN_CREDITS:
      PlayMovies("credits", MOVIE_SKIPPABLE);
      break;
    default:
      break;
  }
}

}  // namespace

void MainMenu() {
  ClearHotspots();
  MenuPanel(kPanelRows);
  AddButtons(kButtons);
}

void RegisterMainMenu() {
  RegisterScreen(STATE_MAIN_MENU,
                 Screen{.enter = EnterMainMenu, .press = Press, .hover = RedrawOnHit<MainMenu>, .key = DeveloperKeys});
}

}  // namespace kestrine
