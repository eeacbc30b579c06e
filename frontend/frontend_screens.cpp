// The front end's screen records: the menus, the disclaimer, KIA, the developer notes, pause, quit and the
// finish screen with their drawing and buttons, and the entry actions of the slot screens, player select,
// briefing and debriefing (whose own drawing and buttons come with those screens). Which mouse rule a
// screen's buttons follow is part of the screen: the menus hit-test the release itself (with the click
// tick), the disclaimer too but silently, and the screens that follow the pointer act on the button the
// last move highlighted.
#include "frontend/frontend_screens.h"

#include "battlefield/casualty_cases.h"
#include "battlefield/mission_load.h"
#include "battlefield/overhead_leave.h"
#include "casualty/backpack.h"
#include "casualty_view/patient_view_teardown.h"
#include "frontend/briefing_screen.h"
#include "frontend/finish_screen.h"
#include "frontend/high_score_screen.h"
#include "frontend/menu_actions.h"
#include "frontend/menu_screens.h"
#include "frontend/player_select.h"
#include "frontend/save_slot_screen.h"
#include "shell/asset_loader.h"
#include "shell/developer_keys.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/menu_input.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/screen_table.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

// The scroll strips of the player-controls screen.
constexpr int32_t kScrollUpButton = CONTROLS_SCROLL_UP;
constexpr int32_t kScrollDownButton = CONTROLS_SCROLL_DOWN;

void DeveloperKeys(int key, bool down) { DeveloperKey(key, down ? 1 : 0); }

// ---- mouse stage 1 ----
bool HighlightOnly(int, int32_t x, int32_t y) {
  HotspotHover(x, y);
  return false;
}
// The finish screen shows the highlight at once, whatever the mouse did.
bool FinishHighlight(int, int32_t x, int32_t y) {
  if (HotspotHover(x, y)) FinishScreen();
  return false;
}

void ScrollPlayerControls(bool hit) { ScrollWhileOnArrows(hit, kScrollUpButton, kScrollDownButton); }

void HighScoreClick(int32_t, int32_t) { HighScoreButtonAction(ButtonLastHovered()); }

// ---- buttons, by the rule each screen follows ----
void DisclaimerClick(int32_t x, int32_t y) { DisclaimerAction(ButtonByHover(x, y)); }
void MainMenuClick(int32_t x, int32_t y) { MainMenuAction(ButtonByClick(x, y)); }
void DifficultyClick(int32_t x, int32_t y) { DifficultyAction(ButtonByClick(x, y)); }
void TrainingClick(int32_t x, int32_t y) { TrainingAction(ButtonByClick(x, y)); }
void OptionsClick(int32_t x, int32_t y) { OptionsAction(ButtonByClick(x, y)); }
void KiaClick(int32_t x, int32_t y) { KiaAction(ButtonByClick(x, y)); }
void DevNotesClick(int32_t x, int32_t y) { DevNotesAction(ButtonByClick(x, y)); }
void PlayerControlsClick(int32_t, int32_t) { PlayerControlsAction(ButtonLastHovered()); }
void VolumeClick(int32_t, int32_t) { VolumeAction(ButtonLastHovered()); }
void PauseClick(int32_t, int32_t) { PauseAction(ButtonLastHovered()); }
void QuitClick(int32_t, int32_t) { QuitAction(ButtonLastHovered()); }
void FinishClick(int32_t, int32_t) { FinishAction(ButtonLastHovered()); }
// ---- the highlight drawn again when the pointer comes onto a button ----
template <void (*Draw)()>
void RedrawOnHit(bool hit) {
  if (hit) Draw();
}

// ---- entry actions ----
void EnterDisclaimer() {
  // The first screen of every start: what a save cut short by a kill left behind goes now.
  RemoveInterruptedSaves();
  DrawBackdrop(Assets().disclaimerImage);
  ShowOverlay();
  DisclaimerScreen();
}

void EnterMainMenu() {
  // A fresh campaign: the first mission, with its intro movie before the first briefing.
  ResetProgress("", 0, 0, 1);
  ClearScreenLayers();
  MainMenu();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
  StartCampaign();
  introPending = 1;
}

template <void (*Build)()>
void ClearThenBuild() {
  ClearScreenLayers();
  Build();
}

void EnterPlayerControls() {
  ClearScreenLayers();
  LayOutPlayerControls();
  PlayerControlsScreen();
}

void EnterDevNotes() {
  ClearTextOverlay();
  DevNotesScreen();
}

// The volume screen and the pause menu act on the button the pointer last came to rest on. The one chosen on
// the screen before (VOLUME CONTROL sits where the volume screen has its BACK, and its index is the effects'
// down button) must not count as a choice made here.
void ForgetTheLastButton() { ForgetHotspot(); }

// The slot screens read their labels afresh at every visit. The button the pointer rested on before (the
// briefing's SAVE, say) is no slot of theirs.
void EnterLoadScreen() {
  ClearScreenLayers();
  ForgetTheLastButton();
  slotScreenState.labelsRead = false;
  OpenLoadGameScreen();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
}

void EnterSaveScreen() {
  ClearScreenLayers();
  // Saving from the debriefing: its officer leaves with his light.
  if (gameState == STATE_DEBRIEFING) HideBriefingElement();
  ForgetTheLastButton();
  slotScreenState.labelsRead = false;
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
  if (!keepBackpack) SetUpMissionCasualties();
  BuildBriefingScreen(true);
  if (Campaign().missionNumber == 1 && introPending) {
    PlayMovies("ksintro", MOVIE_SKIPPABLE);
    introPending = 0;
    // Where the movie could only be shown as its still, the still took the backdrop's place.
    if (briefingScreenState.briefingBackdrop) DrawBackdrop(briefingScreenState.briefingBackdrop);
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

void EnterKia() {
  ClearScreenLayers();
  // Killed in the patient view: the overhead view's entry runs first, as if he had stepped back out.
  if (gameState == STATE_PATIENT_VIEW) SetGameState(STATE_OVERHEAD);
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

void EnterPauseMenu() {
  ForgetTheLastButton();
  ClearScreenLayers();
}

void EnterFinish() {
  ClearScreenLayers();
  HideBriefingElement();
  if (finishImage) DrawBackdrop(finishImage);
  FinishScreen();
}

// The pictures the menus and the finish screen keep until shut-down.
void ReleaseFrontEndPictures() {
  ReleaseMenuImages();
  ReleaseFinishImages();
}

}  // namespace

void RegisterFrontendScreens() {
  RegisterScreen(STATE_DISCLAIMER,
                 Screen{.enter = EnterDisclaimer, .frame = DisclaimerScreen, .click = DisclaimerClick});
  RegisterScreen(
      STATE_MAIN_MENU,
      Screen{.enter = EnterMainMenu, .click = MainMenuClick, .hover = RedrawOnHit<MainMenu>, .key = DeveloperKeys});
  // The two slot screens share their pictures; their release is registered once.
  RegisterScreen(STATE_LOAD_GAME, Screen{.enter = EnterLoadScreen,
                                         .frame = OpenLoadGameScreen,
                                         .mouse = SlotScreenMouse,
                                         .release = ReleaseSlotScreenImages});
  RegisterScreen(STATE_SAVE_GAME,
                 Screen{.enter = EnterSaveScreen, .frame = OpenSaveGameScreen, .mouse = SlotScreenMouse});
  RegisterScreen(STATE_DIFFICULTY, Screen{.enter = ClearThenBuild<DifficultyMenu>,
                                          .click = DifficultyClick,
                                          .hover = RedrawOnHit<DifficultyMenu>,
                                          .key = DeveloperKeys});
  RegisterScreen(
      STATE_TRAINING,
      Screen{.enter = ClearThenBuild<TrainingMenu>, .click = TrainingClick, .hover = RedrawOnHit<TrainingMenu>});
  RegisterScreen(
      STATE_OPTIONS,
      Screen{.enter = ClearThenBuild<OptionsMenu>, .click = OptionsClick, .hover = RedrawOnHit<OptionsMenu>});
  RegisterScreen(STATE_PLAYER_CONTROLS, Screen{.enter = EnterPlayerControls,
                                               .frame = PlayerControlsScreen,
                                               .click = PlayerControlsClick,
                                               .hover = ScrollPlayerControls});
  // The volume, high-score and quit screens are drawn by whoever opens them.
  RegisterScreen(STATE_VOLUME,
                 Screen{.enter = ForgetTheLastButton, .click = VolumeClick, .hover = RedrawOnHit<VolumeScreen>});
  RegisterScreen(STATE_HIGH_SCORES, Screen{.click = HighScoreClick, .hover = HighScoreHover, .key = HighScoreKey});
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
  RegisterScreen(STATE_KIA, Screen{.enter = EnterKia, .frame = KiaScreen, .mouse = HighlightOnly, .click = KiaClick});
  RegisterScreen(STATE_DEV_NOTES,
                 Screen{.enter = EnterDevNotes, .click = DevNotesClick, .hover = RedrawOnHit<DevNotesScreen>});
  RegisterScreen(
      STATE_PAUSE_MENU,
      Screen{.enter = EnterPauseMenu, .frame = PauseMenu, .click = PauseClick, .hover = RedrawOnHit<PauseMenu>});
  RegisterScreen(STATE_QUIT_CONFIRM,
                 Screen{.enter = EnterQuitConfirm, .click = QuitClick, .hover = RedrawOnHit<QuitConfirm>});
  RegisterScreen(STATE_FINISH,
                 Screen{.enter = EnterFinish, .frame = FinishScreen, .mouse = FinishHighlight, .click = FinishClick});
  AddSharedAssetRelease(ReleaseFrontEndPictures);
}

}  // namespace kestrine
