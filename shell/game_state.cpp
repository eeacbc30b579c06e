#include "shell/game_state.h"

#include <string>

#include "casualty/backpack.h"
#include "casualty/backpack_screen.h"
#include "casualty/patient_view_teardown.h"
#include "shell/asset_loader.h"
#include "shell/globals.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kLastGameState = 31;
constexpr int32_t kLogosToDisclaimerMs = 1000;
constexpr int32_t kMissionStartClampFrames = 5;
constexpr int32_t kMissionStartCountdownMs = 500;

// Most screens start from empty text and an empty button canvas.
void ClearScreenLayers() {
  ClearTextOverlay();
  ClearMenuCanvas();
}

void StopSlotIfPlaying(int slot) {
  if (soundTable.IsLoaded(slot) && soundTable[slot]->IsPlaying()) soundTable[slot]->Stop();
}

void EnterState(int32_t n) {
  switch (n) {
    case STATE_LOGOS:
      disclaimerAt = gameClock + kLogosToDisclaimerMs;
      break;
    case STATE_DISCLAIMER:
      DrawBackdrop(disclaimerImage);
      ShowOverlay();
      break;
    case STATE_MAIN_MENU:
      ClearScreenLayers();
      DrawBackdrop(openingImage);
      ShowOverlay();
      trainingRun = 0;
      missionNumber = 1;
      introPending = 1;
      break;
    case STATE_LOAD_GAME:
    case STATE_SAVE_GAME:
      ClearScreenLayers();
      DrawBackdrop(openingImage);
      ShowOverlay();
      break;
    case STATE_DIFFICULTY:
    case STATE_TRAINING:
    case STATE_OPTIONS:
    case STATE_PLAYER_CONTROLS:
      ClearScreenLayers();
      break;
    case STATE_PLAYER_SELECT:
      ClearScreenLayers();
      HideOverlay();
      ShowOverlay();
      break;
    case STATE_BRIEFING:
      ClearScreenLayers();
      ShowOverlay();
      if (missionNumber == 1 && introPending) {
        PlayMovies("ksintro", MOVIE_SKIPPABLE);
        introPending = 0;
      }
      break;
    case STATE_BACKPACK:
      ClearScreenLayers();
      BuildBackpackScreen();
      ShowOverlay();
      break;
    case STATE_START_MISSION:
      UnloadBackpackScreen();
      PlayMovies(("mission" + std::to_string(missionNumber > 10 ? 4 : missionNumber)).c_str(), MOVIE_SKIPPABLE);
      clampCountdown = kMissionStartClampFrames;
      skipClockFrame = 1;
      // The mission's screens are built as the overhead view: whatever they ask of the state already
      // sees 17 (the overhead volume offsets above all).
      gameState = STATE_OVERHEAD;
      missionStartCountdown = kMissionStartCountdownMs;
      break;
    case STATE_OVERHEAD:
      keepBackpack = false;
      StopSlotIfPlaying(SOUND_PATIENT_MUSIC);
      PlayEffectLoop(SOUND_AMBIENCE, 1);
      PlayMusic(SOUND_OVERHEAD_MUSIC);
      break;
    case STATE_PATIENT_VIEW:
      PlayMusic(SOUND_PATIENT_MUSIC);
      StopSlotIfPlaying(SOUND_OVERHEAD_MUSIC);
      ClearTextOverlay();
      HideOverlay();
      break;
    case STATE_DEBRIEFING:
      StopSlotIfPlaying(SOUND_AMBIENCE);
      StopAllSounds();
      ClearScreenLayers();
      TearDownPatientView(true);
      ShowOverlay();
      break;
    case STATE_KIA:
      ClearScreenLayers();
      if (gameState == STATE_PATIENT_VIEW) SetGameState(STATE_OVERHEAD);
      StopAllSounds();
      TearDownPatientView(true);
      PlayMovies("KIA", MOVIE_SKIPPABLE);
      DrawBackdrop(kiaImage);
      ShowOverlay();
      StopAllSounds();
      PlayMusicLoop(SOUND_LOSS_MUSIC, 0);
      break;
    case STATE_DEV_NOTES:
      ClearTextOverlay();
      break;
    case STATE_OPEN_PATIENT_VIEW:
      gameState = STATE_PATIENT_VIEW;
      break;
    case STATE_PAUSE_MENU:
      ClearScreenLayers();
      break;
    case STATE_FINISH:
      ClearScreenLayers();
      break;
    default:
      break;
  }
}

}  // namespace

int32_t StoredGameState(int32_t requested) {
  if (requested == STATE_START_MISSION) return STATE_OVERHEAD;
  if (requested == STATE_OPEN_PATIENT_VIEW) return STATE_PATIENT_VIEW;
  return requested;
}

void SetGameState(int32_t n) {
  if (n < 0 || n > kLastGameState) {
    // No screen answers such a state; storing it would leave every handler doing nothing for good.
    if (engineRoot) engineRoot->DebugPrint("game state " + std::to_string(n) + " refused");
    return;
  }
  EnterState(n);
  if (gameState != STATE_OPTIONS) previousGameState = gameState;
  gameState = StoredGameState(n);
  if (engineRoot) engineRoot->DebugPrint("game state " + std::to_string(gameState));
}

}  // namespace kestrine
