// OnFrame: the game clock, the frame-time clamp after loads, the display-mode guard and each state's
// per-frame work.
#include "casualty/backpack_screen.h"
#include "shell/asset_loader.h"
#include "shell/events.h"
#include "shell/explosion.h"
#include "shell/game_state.h"
#include "shell/globals.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kClampedFrameMs = 100;
constexpr int kLogicalWidth = 640;
constexpr int kLogicalHeight = 480;
constexpr int kDisplayBits = 16;
// The radio chatter that ends a mission is waited for; a sound that never starts (a silent stand-in for a
// missing file) must not hold the game for longer than this.
constexpr int kChatterStartPolls = 20;

void KeepDisplayMode() {
  if (engineRoot->GetScreenWidth() == kLogicalWidth && engineRoot->GetScreenHeight() == kLogicalHeight) return;
  engineRoot->SetDisplayMode(kLogicalWidth, kLogicalHeight, kDisplayBits);
  const int width = engineRoot->GetScreenWidth();
  const int height = engineRoot->GetScreenHeight();
  engineCamera->SetViewport((width - kLogicalWidth) / 2, (height - kLogicalHeight) / 2, kLogicalWidth, kLogicalHeight);
}

void LogosFrame() {
  if (!logosStarted) {
    logosStarted = 1;
    QueueMovie("ostrel", MOVIE_UNSKIPPABLE);
    QueueMovie("orvale", MOVIE_UNSKIPPABLE);
    QueueMovie("ostrel_intro", MOVIE_SKIPPABLE);
    PlayMovies("", 0);
  }
  if (gameClock > disclaimerAt) {
    LoadMenuImages();
    SetGameState(STATE_DISCLAIMER);
  }
}

// Radio chatter over the end of a won or timed-out mission, heard out before the debriefing.
void PlayMissionEndChatter() {
  if (!soundTable.IsLoaded(SOUND_RADIO_CHATTER)) return;
  const auto& chatter = soundTable[SOUND_RADIO_CHATTER];
  chatter->SetVolume(effectsVolume);
  chatter->Play(0, 0);
  for (int polls = 0; !chatter->IsPlaying() && polls < kChatterStartPolls; ++polls) engineRoot->Wait(100);
  while (chatter->IsPlaying()) engineRoot->Wait(100);
}

void OverheadFrame() {
  if (missionStartCountdown != 0) {
    missionStartCountdown -= frameTime;
    if (missionStartCountdown > 0) return;
    missionStartCountdown = 0;
    PlayEffectLoop(SOUND_AMBIENCE, 1);
    PlayMusic(SOUND_OVERHEAD_MUSIC);
    HideOverlay();
  }
  if (skipClockFrame) {
    skipClockFrame = 0;
  } else if (!clockFrozen) {
    missionClock -= frameTime;
  }
  if (missionEndFlag != 0) {
    if (missionEndFlag == 1 || missionEndFlag == 2) PlayMissionEndChatter();
    ShowOverlay();
    engineRoot->Render();
    SetGameState(STATE_DEBRIEFING);
    return;
  }
  AdvanceExplosionFrame();
}

void PatientViewFrame() {
  if (!clockFrozen) {
    missionClock -= frameTime;
    if (missionClock < 0) missionEndFlag = 2;
  }
  if (missionEndFlag != 0) SetGameState(STATE_OVERHEAD);
}

}  // namespace

void OnFrame(const engine::EngineRef<engine::EngineEvent>& event) {
  frameTime = event->GetFrameTime();
  gameClock += frameTime;
  if (clampCountdown != 0) {
    if (frameTime > kClampedFrameMs) frameTime = kClampedFrameMs;
    clampCountdown -= 1;
  }
  KeepDisplayMode();

  switch (gameState) {
    case STATE_LOGOS:
      LogosFrame();
      break;
    case STATE_BACKPACK:
      DrawBackpackScreen();
      break;
    case STATE_OVERHEAD:
      OverheadFrame();
      break;
    case STATE_PATIENT_VIEW:
      PatientViewFrame();
      break;
    default:
      break;
  }
}

void OnUnusedEvent() {}

}  // namespace kestrine
