// The options menu (state 7), from the main menu or the pause menu: VOLUME CONTROL, HIGH SCORES and BACK, which
// returns to where the options were opened from (leaving the options never changes the state to return to).
#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_screens.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int kPanelRows = 75;

constexpr MenuButton kButtons[] = {
    NoButton(OPTIONS_EMPTY_1),
    ColumnButton(OPTIONS_VOLUME, 1, L"VOLUME CONTROL"),
    ColumnButton(OPTIONS_HIGH_SCORES, 2, L"HIGH SCORES"),
    NoButton(OPTIONS_EMPTY_2),
    ColumnButton(OPTIONS_BACK, 3, L"BACK"),
};
static_assert(ValidButtonTable(kButtons));

void EnterOptionsMenu() {
  ClearScreenLayers();
  OptionsMenu();
}

void Press(int32_t button) {
  switch (button) {
    case OPTIONS_VOLUME:
      ClearHotspots();
      ClearScreenLayers();
      SetGameState(STATE_VOLUME);
      VolumeScreen();
      break;
    case OPTIONS_HIGH_SCORES:
      ClearHotspots();
      ClearScreenLayers();
      StopNaming();
      SetGameState(STATE_HIGH_SCORES);
      ReadHighScoreTable();
      HighScoreScreen();
      break;
    case OPTIONS_BACK:
      ClearHotspots();
      ClearScreenLayers();
      // The main menu, or the mission when the options were opened from the pause menu.
      SetGameState(States().previousGameState);
      break;
    default:
      break;
  }
}

}  // namespace

void OptionsMenu() {
  ClearHotspots();
  MenuPanel(kPanelRows);
  AddButtons(kButtons);
}

void RegisterOptionsMenu() {
  RegisterScreen(STATE_OPTIONS, Screen{.enter = EnterOptionsMenu, .press = Press, .hover = RedrawOnHit<OptionsMenu>});
}

}  // namespace kestrine
