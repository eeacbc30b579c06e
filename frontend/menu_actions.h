// What the buttons of the menu screens do. Each screen's buttons are numbered in the order its builder
// registers them (frontend/menu_screens.h); an action takes that number, -1 (no button) doing nothing.
#pragma once

#include <cstdint>

namespace kestrine {

enum DisclaimerButton : int32_t { DISCLAIMER_ACCEPT = 0, DISCLAIMER_REJECT = 1 };
enum MainMenuButton : int32_t {
  MAIN_TRAINING = 0,
  MAIN_NEW_GAME = 1,
  MAIN_LOAD_GAME = 2,
  MAIN_OPTIONS = 3,
  MAIN_EXIT = 4,
  MAIN_PLAYER_CONTROLS = 5,
  MAIN_CREDITS = 6,
};
// Difficulty: NOVICE, INTERMEDIATE, EXPERT are the difficulties 0..2. Training: the three missions.
constexpr int32_t kMenuBack = 3;
enum OptionsButton : int32_t { OPTIONS_VOLUME = 1, OPTIONS_HIGH_SCORES = 2, OPTIONS_BACK = 4 };
enum PlayerControlsButton : int32_t { CONTROLS_BACK = 0, CONTROLS_SCROLL_UP = 1, CONTROLS_SCROLL_DOWN = 2 };
enum VolumeButton : int32_t {
  VOLUME_BACK = 0,
  VOLUME_EFFECTS_DOWN = 1,
  VOLUME_EFFECTS_UP = 2,
  VOLUME_MUSIC_DOWN = 3,
  VOLUME_MUSIC_UP = 4,
};
enum PauseButton : int32_t {
  PAUSE_QUIT = 0,
  PAUSE_SAVE = 1,
  PAUSE_LOAD = 2,
  PAUSE_CONTINUE = 3,
  PAUSE_OPTIONS = 4,
  PAUSE_PLAYER_CONTROLS = 5,
};
enum QuitButton : int32_t { QUIT_YES = 0, QUIT_NO = 1 };
enum KiaButton : int32_t { KIA_MAIN_MENU = 0, KIA_REPLAY = 1 };
enum DevNotesButton : int32_t { DEV_NOTES_MAIN_MENU = 0 };

void DisclaimerAction(int32_t button);
void MainMenuAction(int32_t button);
void DifficultyAction(int32_t button);
void TrainingAction(int32_t button);
void OptionsAction(int32_t button);
void PlayerControlsAction(int32_t button);
void VolumeAction(int32_t button);
void PauseAction(int32_t button);
void QuitAction(int32_t button);
void KiaAction(int32_t button);
void DevNotesAction(int32_t button);

// A volume changed by `step`, held to 0..127.
int32_t SteppedVolume(int32_t volume, int32_t step);

// Entering the quit confirmation, from wherever: the dialog is drawn with no button highlighted, so only a
// click that lands on YES quits.
void EnterQuitConfirm();

}  // namespace kestrine
