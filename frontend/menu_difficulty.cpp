// The difficulty menu (state 5), on the way to a new campaign: NOVICE, INTERMEDIATE or EXPERT leads to player
// select, BACK to the main menu.
#include "frontend/menu_screens.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr int kPanelRows = 100;

constexpr MenuButton kButtons[] = {
    ColumnButton(DIFFICULTY_NOVICE, 1, L"NOVICE"),
    ColumnButton(DIFFICULTY_INTERMEDIATE, 2, L"INTERMEDIATE"),
    ColumnButton(DIFFICULTY_EXPERT, 3, L"EXPERT"),
    ColumnButton(DIFFICULTY_BACK, 4, L"BACK"),
};
static_assert(ValidButtonTable(kButtons));

void DifficultyMenu() {
  ClearHotspots();
  MenuPanel(kPanelRows);
  AddButtons(kButtons);
}

void EnterDifficultyMenu() {
  ClearScreenLayers();
  DifficultyMenu();
}

void Press(int32_t button) {
  switch (button) {
    case DIFFICULTY_NOVICE:
    case DIFFICULTY_INTERMEDIATE:
    case DIFFICULTY_EXPERT:
      // The buttons are the difficulties 0..2 in their order.
      ChooseDifficulty(button - DIFFICULTY_NOVICE);
      SetGameState(STATE_PLAYER_SELECT);
      break;
    case DIFFICULTY_BACK:
      SetGameState(STATE_MAIN_MENU);
      break;
    default:
      break;
  }
}

}  // namespace

void RegisterDifficultyMenu() {
  RegisterScreen(
      STATE_DIFFICULTY,
      Screen{.enter = EnterDifficultyMenu, .press = Press, .hover = RedrawOnHit<DifficultyMenu>, .key = DeveloperKeys});
}

}  // namespace kestrine
