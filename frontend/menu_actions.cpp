#include "frontend/menu_actions.h"

#include <algorithm>

#include "battlefield/mission_load.h"
#include "battlefield/overhead_leave.h"
#include "casualty/backpack.h"
#include "casualty_view/patient_view_teardown.h"
#include "frontend/briefing_screen.h"
#include "frontend/briefing_speech.h"
#include "frontend/high_score_screen.h"
#include "frontend/high_score_table.h"
#include "frontend/menu_screens.h"
#include "platform/message_queue.h"
#include "shell/asset_loader.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/sound_table.h"
#include "shell/text_scroll_box.h"
#include "shell/winmain.h"

namespace kestrine {

namespace {

constexpr int32_t kVolumeStep = 10;
constexpr int32_t kMaxVolume = 127;
constexpr int32_t kFirstTrainingMission = 11;

// The window goes, and with it the game (its close leads to the engine's shut-down and the quit message).
void CloseGame() { PostMessage(Handles().mainWindowHandle, WM_CLOSE, 0, 0); }

// A new campaign or training run starts from an empty pack. A pack loaded at the briefing of a campaign left
// by QUIT is no pack of the new one: kept, it would skip the first briefing's choice of casualties and bring
// the old mission's casualties and kit into mission 1.
void ForgetKeptBackpack() { keepBackpack = false; }

// The quit confirmation and the screens opened from the pause menu were reached from inside a mission.
bool FromTheMission(int32_t state) { return state == STATE_OVERHEAD || state == STATE_PAUSE_MENU; }

// Out of the overhead view to a menu over the opening backdrop.
void LeaveMissionForMenu() {
  LeaveOverhead();
  DrawBackdrop(Assets().openingImage);
  ShowOverlay();
}

}  // namespace

int32_t SteppedVolume(int32_t volume, int32_t step) { return std::clamp(volume + step, 0, kMaxVolume); }

void DisclaimerAction(int32_t button) {
  switch (button) {
    case DISCLAIMER_ACCEPT:
      SetGameState(STATE_MAIN_MENU);
      ReleaseDisclaimerImage();
      break;
    case DISCLAIMER_REJECT:
      ReleaseDisclaimerImage();
      CloseGame();
      break;
    default:
      break;
  }
}

void MainMenuAction(int32_t button) {
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
      SetGameState(STATE_OPTIONS);
      previousGameState = STATE_MAIN_MENU;
      break;
    case MAIN_EXIT:
      CloseGame();
      break;
    case MAIN_PLAYER_CONTROLS:
      ClearHotspots();
      ClearScreenLayers();
      SetGameState(STATE_PLAYER_CONTROLS);
      previousGameState = STATE_MAIN_MENU;
      break;
    case MAIN_CREDITS:
      PlayMovies("credits", MOVIE_SKIPPABLE);
      break;
    default:
      break;
  }
}

void DifficultyAction(int32_t button) {
  if (button == kMenuBack) {
    SetGameState(STATE_MAIN_MENU);
  } else if (button >= 0 && button < kMenuBack) {
    ChooseDifficulty(button);
    SetGameState(STATE_PLAYER_SELECT);
  }
}

void TrainingAction(int32_t button) {
  if (button == kMenuBack) {
    SetGameState(STATE_MAIN_MENU);
  } else if (button >= 0 && button < kMenuBack) {
    StartTraining(kFirstTrainingMission + button);
    SetGameState(STATE_PLAYER_SELECT);
  }
}

void OptionsAction(int32_t button) {
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
      highScoreEntryRow = -1;
      SetGameState(STATE_HIGH_SCORES);
      ReadHighScoreTable();
      HighScoreScreen();
      break;
    case OPTIONS_BACK:
      ClearHotspots();
      ClearScreenLayers();
      // The main menu, or the mission when the options were opened from the pause menu.
      SetGameState(previousGameState);
      break;
    default:
      break;
  }
}

void PlayerControlsAction(int32_t button) {
  switch (button) {
    case CONTROLS_BACK:
      ClearHotspots();
      ClearScreenLayers();
      if (previousGameState == STATE_MAIN_MENU) {
        // Straight back, without the main menu's entry: it would start a new campaign and redraw its backdrop.
        StoreGameStateWithoutEntry(STATE_MAIN_MENU);
        MainMenu();
        sharedTextBox.Release();
      } else {
        SetGameState(previousGameState);
      }
      break;
    case CONTROLS_SCROLL_UP:
      sharedTextBox.ScrollUp();
      break;
    case CONTROLS_SCROLL_DOWN:
      sharedTextBox.ScrollDown();
      break;
    default:
      break;
  }
}

void VolumeAction(int32_t button) {
  switch (button) {
    case VOLUME_BACK:
      ClearHotspots();
      ClearScreenLayers();
      // Back to the options menu without its entry, which would make the volume screen the one it returns to.
      StoreGameStateWithoutEntry(STATE_OPTIONS);
      OptionsMenu();
      return;
    case VOLUME_EFFECTS_DOWN:
      SetEffectsVolume(SteppedVolume(Sounds().effectsVolume, -kVolumeStep));
      break;
    case VOLUME_EFFECTS_UP:
      SetEffectsVolume(SteppedVolume(Sounds().effectsVolume, kVolumeStep));
      break;
    case VOLUME_MUSIC_DOWN:
      SetMusicVolume(SteppedVolume(Sounds().musicVolume, -kVolumeStep));
      break;
    case VOLUME_MUSIC_UP:
      SetMusicVolume(SteppedVolume(Sounds().musicVolume, kVolumeStep));
      break;
    default:
      return;
  }
  UpdateMusicVolume();
  VolumeScreen();
}

void PauseAction(int32_t button) {
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
      previousGameState = STATE_OVERHEAD;
      SetGameState(button == PAUSE_OPTIONS ? STATE_OPTIONS : STATE_PLAYER_CONTROLS);
      break;
    default:
      break;
  }
}

void QuitAction(int32_t button) {
  const bool inMission = FromTheMission(previousGameState);
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
        SetGameState(previousGameState);
      } else {
        // The briefing and the debriefing draw themselves every frame: no entry needed. NO's index is none of
        // their buttons: nothing of theirs is lit until the pointer moves.
        ClearHotspots();
        ForgetHotspot();
        ClearScreenLayers();
        StoreGameStateWithoutEntry(previousGameState);
      }
      break;
    default:
      break;
  }
}

void KiaAction(int32_t button) {
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

void DevNotesAction(int32_t button) {
  if (button == DEV_NOTES_MAIN_MENU) SetGameState(STATE_MAIN_MENU);
}

void EnterQuitConfirm() {
  // Whatever the pointer rested on before (the pause menu's QUIT sits nowhere near YES, the briefing's
  // buttons anywhere) must not count as a choice made here.
  ForgetHotspot();
  QuitConfirm();
}

}  // namespace kestrine
