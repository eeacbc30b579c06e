#include "shell/mission_frames.h"

#include <string>

#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/explosion.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/movie/movie_queue.h"
#include "shell/movie/play_movies.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/sound_table.h"

namespace kestrine {

MissionTiming missionTiming;
KESTRINE_PROGRAM_STATE(missionTiming);

MissionOutcome missionOutcome;
KESTRINE_PROGRAM_STATE(missionOutcome);

const MissionTiming& MissionTime() { return missionTiming; }

const MissionOutcome& Outcome() { return missionOutcome; }

void EndMission(MissionEnd end) { missionOutcome.missionEndFlag = end; }

void SetEarlyFinishTime(int32_t ms) { missionOutcome.earlyFinishTime = ms; }

void SetExtractionBonus(int32_t points) { missionOutcome.extractionBonus = points; }

void SetLoserEnding(bool loser) { missionOutcome.loserEnding = loser ? 1 : 0; }

void ResumeMissionClock(int32_t missionClockMs, int32_t countdownMs) {
  missionTiming.missionClock = missionClockMs;
  missionTiming.missionStartCountdown = countdownMs;
}

void SetNightMission(int32_t mission) {
  missionTiming.nightMission = IsNightStart(MissionRow(mission).startTime) ? 1 : 0;
}

void ToggleClockFrozen() { missionTiming.clockFrozen = missionTiming.clockFrozen ? 0 : 1; }

void SetMissionClock(int32_t ms) { missionTiming.missionClock = ms; }

namespace {

constexpr int32_t kMissionStartClampFrames = 5;
constexpr int32_t kMissionStartCountdownMs = 500;
// Missions above 10 (training) show mission 4's movie.
constexpr int32_t kLastMissionMovie = 10;
constexpr int32_t kTrainingMissionMovie = 4;
// The radio chatter that ends a mission is waited for; a sound that never starts (a silent stand-in for a
// missing file) must not hold the game for longer than this.
constexpr int kChatterStartPolls = 20;

// Radio chatter over the end of a won or timed-out mission, heard out before the debriefing.
void PlayMissionEndChatter() {
  if (!Sounds().soundTable.IsLoaded(SOUND_RADIO_CHATTER)) return;
  const auto& chatter = Sounds().soundTable[SOUND_RADIO_CHATTER];
  chatter->SetVolume(Sounds().effectsVolume);
  chatter->Play(0, 0);
  for (int polls = 0; !chatter->IsPlaying() && polls < kChatterStartPolls; ++polls) Engine().engineRoot->Wait(100);
  while (chatter->IsPlaying()) Engine().engineRoot->Wait(100);
}

// The battle's frame, registered by the battlefield at start-up. It is the program's make-up rather than its
// state, so a reset of the program leaves it alone.
BattleFrame& RegisteredBattleFrame() {
  static BattleFrame frame = nullptr;
  return frame;
}

void RunBattle(bool hud) {
  if (RegisteredBattleFrame()) RegisteredBattleFrame()(Clock().frameTime, hud);
}

}  // namespace

void RegisterBattleFrame(BattleFrame frame) { RegisteredBattleFrame() = frame; }

void PlayMissionMovie(int32_t mission) {
  const int32_t movie = mission > kLastMissionMovie ? kTrainingMissionMovie : mission;
  PlayMovies(("mission" + std::to_string(movie)).c_str(), MOVIE_SKIPPABLE);
}

void BeginMissionClocks(int32_t missionNumber, int32_t difficulty) {
  const MissionDef& mission = MissionRow(missionNumber);
  ClampNextFrames(kMissionStartClampFrames);
  missionTiming.nightMission = IsNightStart(mission.startTime) ? 1 : 0;
  missionTiming.skipClockFrame = 1;
  missionTiming.missionClock = MissionClockMs(mission, difficulty);
  // The mission start is stored as the overhead view part-way through its own entry, so the view preset and
  // the walking grid that follow are set up for the overhead view; the switch stores the same state after it.
  StoreGameStateWithoutEntry(STATE_OVERHEAD);
  missionTiming.missionStartCountdown = kMissionStartCountdownMs;
}

void StartOverheadSounds() {
  StopSoundIfPlaying(SOUND_PATIENT_MUSIC);
  PlayEffectLoop(SOUND_AMBIENCE, 1);
  PlayMusic(SOUND_OVERHEAD_MUSIC);
}

void OverheadFrame() {
  if (missionTiming.missionStartCountdown != 0) {
    missionTiming.missionStartCountdown -= Clock().frameTime;
    if (missionTiming.missionStartCountdown > 0) {
      // The first frames after the load are too long to be played; the battle waits for shorter ones.
      if (Clock().clampCountdown < 4) RunBattle(true);
      return;
    }
    missionTiming.missionStartCountdown = 0;
    PlayEffectLoop(SOUND_AMBIENCE, 1);
    PlayMusic(SOUND_OVERHEAD_MUSIC);
    HideOverlay();
  }
  if (missionTiming.skipClockFrame) {
    missionTiming.skipClockFrame = 0;
  } else if (!missionTiming.clockFrozen) {
    missionTiming.missionClock -= Clock().frameTime;
  }
  if (missionOutcome.missionEndFlag != END_RUNNING) {
    if (missionOutcome.missionEndFlag == END_EVACUATED || missionOutcome.missionEndFlag == END_TIME_OUT)
      PlayMissionEndChatter();
    ShowOverlay();
    Engine().engineRoot->Render();
    SetGameState(STATE_DEBRIEFING);
    return;
  }
  AdvanceExplosionFrame();
  RunBattle(true);
}

void PatientViewFrame(PatientViewUpdate update) {
  if (!missionTiming.clockFrozen) {
    missionTiming.missionClock -= Clock().frameTime;
    if (missionTiming.missionClock < 0) EndMission(END_TIME_OUT);
  }
  if (missionOutcome.missionEndFlag != END_RUNNING) {
    SetGameState(STATE_OVERHEAD);
    return;
  }
  if (update) update(Clock().frameTime);
  // The battle goes on under the patient view, without the overhead camera and display.
  RunBattle(false);
}

}  // namespace kestrine
