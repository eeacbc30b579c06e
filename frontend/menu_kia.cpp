// Killed in action (state 21): the mission is torn down, the KIA movie and the loss music play, and the screen,
// drawn every frame, offers MAIN MENU and REPLAY (the same mission's briefing).
#include "battlefield/mission_load.h"
#include "battlefield/overhead_leave.h"
#include "casualty_view/patient_view_teardown.h"
#include "frontend/menu_screens.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr MenuButton kButtons[] = {
    WideButton(KIA_MAIN_MENU, 403, 435, L"MAIN MENU"),
    WideButton(KIA_REPLAY, 403, 410, L"REPLAY"),
};
static_assert(ValidButtonTable(kButtons));

void KiaScreen() {
  ClearHotspots();
  ClearTextOverlay();
  LoadKiaImage();
  DrawBackdrop(Assets().kiaImage);
  AddButtons(kButtons);
}

void EnterKia() {
  ClearScreenLayers();
  // Killed in the patient view: the overhead view's entry runs first, as if he had stepped back out.
  if (States().gameState == STATE_PATIENT_VIEW) SetGameState(STATE_OVERHEAD);
  LeaveOverhead();
  StopAllSounds();
  TearDownPatientView(true);
  UnloadMission();
  PlayMovies("KIA", MOVIE_SKIPPABLE);
  // A medic killed before any mission loaded the shared pictures gets his backdrop from the screen itself.
  if (Assets().kiaImage) DrawBackdrop(Assets().kiaImage);
  ShowOverlay();
  StopAllSounds();
  PlayMusicLoop(SOUND_LOSS_MUSIC, 0);
}

// Every mouse code lights the button under the pointer; none is consumed.
bool HighlightOnly(int, int32_t x, int32_t y) {
  HotspotHover(x, y);
  return false;
}

void Press(int32_t button) {
  switch (button) {
    case KIA_MAIN_MENU:
      SetGameState(STATE_MAIN_MENU);
      StopAllSounds();
      break;
    case KIA_REPLAY:
      SetGameState(STATE_BRIEFING);
      StopAllSounds();
      break;
    default:
      break;
  }
}

}  // namespace

void RegisterKiaScreen() {
  RegisterScreen(STATE_KIA, Screen{.enter = EnterKia, .frame = KiaScreen, .mouse = HighlightOnly, .press = Press});
}

}  // namespace kestrine
