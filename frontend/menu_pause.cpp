// The pause menu (state 29), over the paused battle, drawn every frame: QUIT (to the quit confirmation), SAVE
// GAME, LOAD GAME, CONTINUE, and the options and player controls, whose BACK returns to the battle.
#include "frontend/menu_screens.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"

namespace kestrine {

namespace {

constexpr MenuButton kButtons[] = {
    WideButton(PAUSE_QUIT, 236, 178, L"QUIT"),
    WideButton(PAUSE_SAVE, 236, 205, L"SAVE GAME"),
    WideButton(PAUSE_LOAD, 236, 233, L"LOAD GAME"),
    PanelButton(PAUSE_CONTINUE, 0.54375, L"CONTINUE"),
    PanelButton(PAUSE_OPTIONS, 0.5958333333333333, L"OPTIONS"),
    PanelButton(PAUSE_PLAYER_CONTROLS, 0.65, L"PLAYER CONTROLS"),
};
static_assert(ValidButtonTable(kButtons));

void PauseMenu() {
  ClearHotspots();
  AddButtons(kButtons);
  CentrePanel(Assets().pauseMenuImage);
}

void EnterPauseMenu() {
  ForgetTheLastButton();
  ClearScreenLayers();
}

void Press(int32_t button) {
  switch (button) {
    case PAUSE_QUIT:
      SetGameState(STATE_QUIT_CONFIRM);
      ClearScreenLayers();
      QuitConfirm();
      break;
    case PAUSE_SAVE:
      LeaveMissionForMenu();
      SetGameState(STATE_SAVE_GAME);
      break;
    case PAUSE_LOAD:
      LeaveMissionForMenu();
      SetGameState(STATE_LOAD_GAME);
      break;
    case PAUSE_CONTINUE:
      HideOverlay();
      SetGameState(STATE_OVERHEAD);
      break;
    case PAUSE_OPTIONS:
    case PAUSE_PLAYER_CONTROLS:
      LeaveMissionForMenu();
      // Their BACK returns to the overhead view: it is stored as the state being left (the paused battle is not
      // entered again here), so the switch below keeps it as the one to return to.
      StoreGameStateWithoutEntry(STATE_OVERHEAD);
      // Their BACK returns to the paused battle, not to the pause menu.
      SetGameStateReturningTo(button == PAUSE_OPTIONS ? STATE_OPTIONS : STATE_PLAYER_CONTROLS, STATE_OVERHEAD);
      break;
    default:
      break;
  }
}

}  // namespace

void RegisterPauseMenu() {
  // The game's rule for this screen: the button the last pointer move lit. It opens with none lit, so a release
  // before the pointer moves (the Escape that paused came from the keyboard) chooses nothing.
  RegisterScreen(STATE_PAUSE_MENU, Screen{.enter = EnterPauseMenu,
                                          .frame = PauseMenu,
                                          .press = Press,
                                          .rule = ButtonRule::kLastLit,
                                          .hover = RedrawOnHit<PauseMenu>});
}

}  // namespace kestrine
