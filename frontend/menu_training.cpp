// The training menu (state 6): one of the three training missions, played at novice difficulty, leads to
// player select; BACK to the main menu.
#include "frontend/menu_screens.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr int kPanelRows = 100;
constexpr int32_t kFirstTrainingMission = 11;

constexpr MenuButton kButtons[] = {
    ColumnButton(TRAINING_MISSION_1, 1, L"TRAINING MISSION 1"),
    ColumnButton(TRAINING_MISSION_2, 2, L"TRAINING MISSION 2"),
    ColumnButton(TRAINING_MISSION_3, 3, L"TRAINING MISSION 3"),
    ColumnButton(TRAINING_BACK, 4, L"BACK"),
};
static_assert(ValidButtonTable(kButtons));

void TrainingMenu() {
  ClearHotspots();
  ClearTextOverlay();
  ClearMenuCanvas();
  MenuPanel(kPanelRows);
  AddButtons(kButtons);
}

void EnterTrainingMenu() {
  ClearScreenLayers();
  TrainingMenu();
}

void Press(int32_t button) {
  switch (button) {
    case TRAINING_MISSION_1:
    case TRAINING_MISSION_2:
    case TRAINING_MISSION_3:
      // Missions 11..13 in the buttons' order.
      StartTraining(kFirstTrainingMission + button - TRAINING_MISSION_1);
      SetGameState(STATE_PLAYER_SELECT);
      break;
    case TRAINING_BACK:
      SetGameState(STATE_MAIN_MENU);
      break;
    default:
      break;
  }
}

}  // namespace

void RegisterTrainingMenu() {
  RegisterScreen(STATE_TRAINING,
                 Screen{.enter = EnterTrainingMenu, .press = Press, .hover = RedrawOnHit<TrainingMenu>});
}

}  // namespace kestrine
