// The front end's screen records. Each menu screen, the finish screen and the high-score screen registers its
// own record from its file (frontend/menu_screens.h says what such a file holds); adding one is its file and
// its two lines below (the registration's declaration and its call). The slot screens, player select, the
// briefing and the debriefing, whose mouse handlers take every code themselves, have their entry actions and
// records here.
#include "frontend/frontend_screens.h"

#include "battlefield/casualty_cases.h"
#include "battlefield/mission_load.h"
#include "casualty/backpack.h"
#include "casualty_view/patient_view_teardown.h"
#include "frontend/briefing_screen.h"
#include "frontend/menu_screens.h"
#include "frontend/player_select.h"
#include "frontend/save_slot_screen.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/menu_input.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_table.h"
#include "shell/sound_table.h"

namespace kestrine {

// The menu screens and the finish and high-score screens, each registered by its own file.
void RegisterDisclaimer();
void RegisterMainMenu();
void RegisterDifficultyMenu();
void RegisterTrainingMenu();
void RegisterOptionsMenu();
void RegisterPlayerControls();
void RegisterVolumeScreen();
void RegisterHighScoreScreen();
void RegisterKiaScreen();
void RegisterDevNotes();
void RegisterPauseMenu();
void RegisterQuitConfirm();
void RegisterFinishScreen();

namespace {

// The intro movie, played once before the first briefing of a campaign started from the main menu.
struct BriefingIntro {
  int32_t introPending = 0;
};

}  // namespace

BriefingIntro briefingIntro;
KESTRINE_PROGRAM_STATE(briefingIntro);

void ArmIntroMovie() { briefingIntro.introPending = 1; }

bool IntroPending() { return briefingIntro.introPending != 0; }

void SkipIntroMovie() { briefingIntro.introPending = 0; }

namespace {

// The slot screens read their labels afresh at every visit. The button the pointer rested on before (the
// briefing's SAVE, say) is no slot of theirs.
void EnterLoadScreen() {
  ClearScreenLayers();
  ForgetTheLastButton();
  ReadSlotLabelsAgain();
  OpenLoadGameScreen();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
}

void EnterSaveScreen() {
  ClearScreenLayers();
  // Saving from the debriefing: its officer leaves with his light.
  if (States().gameState == STATE_DEBRIEFING) HideBriefingElement();
  ForgetTheLastButton();
  ReadSlotLabelsAgain();
  OpenSaveGameScreen();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
}

// Every mouse code is the slot screen's.
bool SlotScreenMouse(int code, int32_t x, int32_t y) {
  SaveSlotClick(code, x, y);
  return true;
}

void EnterPlayerSelect() {
  // The screens drawn every frame light the button whose index the pointer was last on: the one chosen on the
  // screen before is no button of theirs until the pointer moves.
  ForgetTheLastButton();
  ClearScreenLayers();
  HideOverlay();
  BuildPlayerSelectScreen();
  ShowOverlay();
}

// Both screens act on a hot-spot the pointer is on; anywhere else the text box stops scrolling.
template <void (*OnClick)(int, int32_t, int32_t)>
bool TextBoxScreenMouse(int code, int32_t x, int32_t y) {
  if (!HoverOverTextBoxButtons(x, y)) return false;
  OnClick(code, x, y);
  return true;
}

void EnterBriefing() {
  ForgetTheLastButton();
  ClearScreenLayers();
  UnloadPlayerSelectScreen();
  ShowOverlay();
  // The mission's casualties and the kit their wounds call for are decided as the briefing opens, unless
  // the pack was loaded already (back from the backpack screen): the casualties it was packed for stay.
  if (!PackState().keepBackpack) SetUpMissionCasualties();
  BuildBriefingScreen(true);
  if (Campaign().missionNumber == 1 && briefingIntro.introPending) {
    PlayMovies("ksintro", MOVIE_SKIPPABLE);
    briefingIntro.introPending = 0;
    // Where the movie could only be shown as its still, the still took the backdrop's place.
    if (Briefing().briefingBackdrop) DrawBackdrop(Briefing().briefingBackdrop);
  }
}

void EnterDebriefing() {
  StopSoundIfPlaying(SOUND_AMBIENCE);
  StopAllSounds();
  ForgetTheLastButton();
  ClearScreenLayers();
  TearDownPatientView(true);
  UnloadMission();
  BuildBriefingScreen(false);
  ShowOverlay();
}

}  // namespace

void RegisterFrontendScreens() {
  RegisterDisclaimer();
  RegisterMainMenu();
  // The two slot screens share their pictures; their release is registered once.
  RegisterScreen(STATE_LOAD_GAME, Screen{.enter = EnterLoadScreen,
                                         .frame = OpenLoadGameScreen,
                                         .mouse = SlotScreenMouse,
                                         .release = ReleaseSlotScreenImages});
  RegisterScreen(STATE_SAVE_GAME,
                 Screen{.enter = EnterSaveScreen, .frame = OpenSaveGameScreen, .mouse = SlotScreenMouse});
  RegisterDifficultyMenu();
  RegisterTrainingMenu();
  RegisterOptionsMenu();
  RegisterPlayerControls();
  RegisterVolumeScreen();
  RegisterHighScoreScreen();
  RegisterScreen(STATE_PLAYER_SELECT, Screen{.enter = EnterPlayerSelect,
                                             .frame = DrawPossibleMedals,
                                             .mouse = TextBoxScreenMouse<OnPlayerSelectClick>,
                                             .release = UnloadPlayerSelectScreen});
  // The briefing and the debriefing share one screen; its release is registered once.
  RegisterScreen(STATE_BRIEFING, Screen{.enter = EnterBriefing,
                                        .frame = UpdateBriefingScreen,
                                        .mouse = TextBoxScreenMouse<OnBriefingClick>,
                                        .key = DeveloperKeys,
                                        .release = UnloadBriefingScreen});
  RegisterScreen(STATE_DEBRIEFING, Screen{.enter = EnterDebriefing,
                                          .frame = UpdateBriefingScreen,
                                          .mouse = TextBoxScreenMouse<OnBriefingClick>,
                                          .key = DeveloperKeys});
  RegisterKiaScreen();
  RegisterDevNotes();
  RegisterPauseMenu();
  RegisterQuitConfirm();
  RegisterFinishScreen();
}

}  // namespace kestrine
