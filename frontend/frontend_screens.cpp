// The front end's screen records as far as the screens are built today: their entry actions (backdrops,
// overlays, the campaign's fresh start, the intro movie, the mission's teardown on the debriefing and KIA
// screens), the developer keys, and how each screen's buttons take the mouse. The buttons' actions and the
// screens' drawing come with the menus, the briefing, player select, save games and high scores.
#include "frontend/frontend_screens.h"

#include "casualty/patient_view_teardown.h"
#include "frontend/high_score_screen.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/menu_input.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

// The scroll strips of the player-controls screen.
constexpr int32_t kScrollUpButton = 1;
constexpr int32_t kScrollDownButton = 2;

// ---- how a release picks a button (the actions per button come with each screen) ----
// The menus hit-test the release itself, with the click tick.
void ClickTested(int32_t x, int32_t y) { ButtonByClick(x, y); }
// The disclaimer's buttons answer without the click tick.
void HoverTested(int32_t x, int32_t y) { ButtonByHover(x, y); }
// These act on the button the last move left highlighted.
void LastHovered(int32_t, int32_t) { ButtonLastHovered(); }

void DeveloperKeys(int key, bool down) { DeveloperKey(key, down ? 1 : 0); }

// ---- mouse stage 1 ----
bool TakeEveryCode(int, int32_t, int32_t) { return true; }
bool TextBoxButtons(int, int32_t x, int32_t y) { return HoverOverTextBoxButtons(x, y); }
bool HighlightOnly(int, int32_t x, int32_t y) {
  HotspotHover(x, y);
  return false;
}

void ScrollPlayerControls(bool hit) { ScrollWhileOnArrows(hit, kScrollUpButton, kScrollDownButton); }

void HighScoreClick(int32_t, int32_t) { HighScoreButtonAction(ButtonLastHovered()); }

// ---- entry actions ----
void EnterDisclaimer() {
  DrawBackdrop(disclaimerImage);
  ShowOverlay();
}

void EnterMainMenu() {
  ClearScreenLayers();
  DrawBackdrop(openingImage);
  ShowOverlay();
  // A fresh campaign: the first mission, with its intro movie before the first briefing.
  trainingRun = 0;
  missionNumber = 1;
  introPending = 1;
}

void EnterSlotScreen() {
  ClearScreenLayers();
  DrawBackdrop(openingImage);
  ShowOverlay();
}

void EnterPlayerSelect() {
  ClearScreenLayers();
  HideOverlay();
  ShowOverlay();
}

void EnterBriefing() {
  ClearScreenLayers();
  ShowOverlay();
  if (missionNumber == 1 && introPending) {
    PlayMovies("ksintro", MOVIE_SKIPPABLE);
    introPending = 0;
  }
}

void EnterDebriefing() {
  StopSoundIfPlaying(SOUND_AMBIENCE);
  StopAllSounds();
  ClearScreenLayers();
  TearDownPatientView(true);
  ShowOverlay();
}

void EnterKia() {
  ClearScreenLayers();
  // Killed in the patient view: the overhead view's entry runs first, as if he had stepped back out.
  if (gameState == STATE_PATIENT_VIEW) SetGameState(STATE_OVERHEAD);
  StopAllSounds();
  TearDownPatientView(true);
  PlayMovies("KIA", MOVIE_SKIPPABLE);
  DrawBackdrop(kiaImage);
  ShowOverlay();
  StopAllSounds();
  PlayMusicLoop(SOUND_LOSS_MUSIC, 0);
}

void EnterDevNotes() { ClearTextOverlay(); }

}  // namespace

void RegisterFrontendScreens() {
  RegisterScreen(STATE_DISCLAIMER, Screen{.enter = EnterDisclaimer, .click = HoverTested});
  RegisterScreen(STATE_MAIN_MENU, Screen{.enter = EnterMainMenu, .click = ClickTested, .key = DeveloperKeys});
  RegisterScreen(STATE_LOAD_GAME, Screen{.enter = EnterSlotScreen, .mouse = TakeEveryCode});
  RegisterScreen(STATE_SAVE_GAME, Screen{.enter = EnterSlotScreen, .mouse = TakeEveryCode});
  RegisterScreen(STATE_DIFFICULTY, Screen{.enter = ClearScreenLayers, .click = ClickTested, .key = DeveloperKeys});
  RegisterScreen(STATE_TRAINING, Screen{.enter = ClearScreenLayers, .click = ClickTested});
  RegisterScreen(STATE_OPTIONS, Screen{.enter = ClearScreenLayers, .click = ClickTested});
  RegisterScreen(STATE_PLAYER_CONTROLS,
                 Screen{.enter = ClearScreenLayers, .click = LastHovered, .hover = ScrollPlayerControls});
  // The volume, high-score and quit screens are drawn by whoever opens them.
  RegisterScreen(STATE_VOLUME, Screen{.click = LastHovered});
  RegisterScreen(STATE_HIGH_SCORES, Screen{.click = HighScoreClick, .hover = HighScoreHover, .key = HighScoreKey});
  RegisterScreen(STATE_PLAYER_SELECT, Screen{.enter = EnterPlayerSelect, .mouse = TextBoxButtons});
  RegisterScreen(STATE_BRIEFING, Screen{.enter = EnterBriefing, .mouse = TextBoxButtons, .key = DeveloperKeys});
  RegisterScreen(STATE_DEBRIEFING,
                 Screen{.enter = EnterDebriefing, .mouse = TextBoxButtons, .key = DeveloperKeys});
  RegisterScreen(STATE_KIA, Screen{.enter = EnterKia, .mouse = HighlightOnly, .click = ClickTested});
  RegisterScreen(STATE_DEV_NOTES, Screen{.enter = EnterDevNotes, .click = ClickTested});
  RegisterScreen(STATE_PAUSE_MENU, Screen{.enter = ClearScreenLayers, .click = LastHovered});
  RegisterScreen(STATE_QUIT_CONFIRM, Screen{.click = LastHovered});
  RegisterScreen(STATE_FINISH, Screen{.enter = ClearScreenLayers, .mouse = HighlightOnly, .click = LastHovered});
}

}  // namespace kestrine
