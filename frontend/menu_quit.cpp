// The quit confirmation (state 30), from the pause menu, the briefing or the debriefing: YES leaves the mission
// or the campaign for the main menu (or the high-score entry), NO goes back. Drawn by whoever opens it and again
// when the pointer comes onto a button.
#include "battlefield/mission_load.h"
#include "casualty_view/patient_view_teardown.h"
#include "frontend/briefing_screen.h"
#include "frontend/briefing_speech.h"
#include "frontend/high_score_screen.h"
#include "frontend/menu_screens.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr MenuButton kButtons[] = {
    PanelButton(QUIT_YES, 0.5958333333333333, L"YES"),
    PanelButton(QUIT_NO, 0.65, L"NO"),
};
static_assert(ValidButtonTable(kButtons));

// The quit confirmation and the screens opened from the pause menu were reached from inside a mission.
bool FromTheMission(int32_t state) { return state == STATE_OVERHEAD || state == STATE_PAUSE_MENU; }

// Entering the quit confirmation, from wherever: the dialog is drawn with no button lit, so only a click that
// lands on YES quits. Whatever the pointer rested on before (the pause menu's QUIT sits nowhere near YES, the
// briefing's buttons anywhere) must not count as a choice made here.
void EnterQuitConfirm() {
  ForgetTheLastButton();
  QuitConfirm();
}

void Press(int32_t button) {
  const bool inMission = FromTheMission(States().previousGameState);
  switch (button) {
    case QUIT_YES:
      if (inMission) {
        LeaveMissionForMenu();
        StopAllSounds();
        ClearScreenLayers();
        // The patient view's scene parts are let go here once they are built (ReleaseSceneParts). The
        // mission did not end: no report is written.
        TearDownPatientView(false);
        UnloadMission();
        SetGameState(STATE_MAIN_MENU);
      } else {
        // Quitting from the briefing or the debriefing: the officer stops and leaves. A campaign score that
        // beats the high-score table goes to the name entry instead of the main menu.
        StopBriefingSpeech();
        HideBriefingElement();
        ClearScreenLayers();
        if (!EnterHighScore()) SetGameState(STATE_MAIN_MENU);
      }
      break;
    case QUIT_NO:
      if (inMission) {
        HideOverlay();
        ClearScreenLayers();
        SetGameState(States().previousGameState);
      } else {
        // The briefing and the debriefing draw themselves every frame: no entry needed. NO's index is none of
        // their buttons: nothing of theirs is lit until the pointer moves.
        ClearHotspots();
        ForgetTheLastButton();
        ClearScreenLayers();
        StoreGameStateWithoutEntry(States().previousGameState);
      }
      break;
    default:
      break;
  }
}

}  // namespace

void QuitConfirm() {
  ClearHotspots();
  AddButtons(kButtons);
  CentrePanel(Assets().quitScreenImage);
}

void RegisterQuitConfirm() {
  // The game's rule for this screen: the button the last pointer move lit, so a second release where the
  // pointer still rests after choosing QUIT chooses nothing.
  RegisterScreen(
      STATE_QUIT_CONFIRM,
      Screen{
          .enter = EnterQuitConfirm, .press = Press, .rule = ButtonRule::kLastLit, .hover = RedrawOnHit<QuitConfirm>});
}

}  // namespace kestrine
