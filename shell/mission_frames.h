// The shell's part of the mission's states: the start of a mission, the two views' sounds, the mission clock,
// the start countdown and the mission's end. The screens of these states belong to the battlefield (start
// and overhead view) and to casualty care (the patient view); they run these around their own work.
#pragma once

#include <cstdint>

namespace kestrine {

// The mission's clocks (milliseconds) and whether it is played at night. Written only here: by the start of
// a mission, the two mission states' frames and the operations below; everyone else reads the const view.
struct MissionTiming {
  int32_t missionStartCountdown = 0;
  int32_t missionClock = 0;
  uint8_t skipClockFrame = 0;
  uint8_t clockFrozen = 0;
  uint8_t nightMission = 0;
};

const MissionTiming& MissionTime();

// How a mission ended: the values of missionEndFlag (0 while it runs).
enum MissionEnd : int32_t {
  END_RUNNING = 0,
  END_EVACUATED = 1,
  END_TIME_OUT = 2,
  END_MISTAKES = 4,
  END_FRIENDLY_FIRE = 5,
  END_TIME_OUT_SOLDIERS_OUT = 6,  // time ran out with soldiers still out in the field
};

// How the mission ended and what the after-action report counts of it; the campaign's ending. The battle
// and the treatment rules end the mission and set these through the operations below; the report and the
// finish screen read the const view.
struct MissionOutcome {
  int32_t missionEndFlag = END_RUNNING;  // a MissionEnd
  // The clock time cut off when every casualty was readied early (ms), and the points of the casualties
  // brought to the landing point when time ran out.
  int32_t earlyFinishTime = 0;
  int32_t extractionBonus = 0;
  uint8_t loserEnding = 0;  // set unless the enemy leader was captured
};

const MissionOutcome& Outcome();

// The mission ends the given way (or, with END_RUNNING, runs again: a new mission is loaded).
void EndMission(MissionEnd end);
// The clock time the mission was finished early by (ms), 0 for a mission not finished early.
void SetEarlyFinishTime(int32_t ms);
// The points of the casualties at the landing point when time ran out.
void SetExtractionBonus(int32_t points);
// Whether the campaign earns the loser's ending.
void SetLoserEnding(bool loser);

// Entering state 16, before the mission loads: the mission's movie (mission 4's for the training missions).
void PlayMissionMovie(int32_t mission);
// Entering state 16, once the mission is loaded: five clamped frames, day or night by the mission's start
// time, the first overhead frame's clock skipped, the mission clock for the casualties and the difficulty,
// the state stored as 17 at once (whatever the mission's screens ask of the state already sees the overhead
// view) and the 500 ms start countdown.
void BeginMissionClocks(int32_t mission, int32_t difficulty);
// A saved mission resumed: its clock as saved and the start countdown run again.
void ResumeMissionClock(int32_t missionClockMs, int32_t countdownMs);
// Night or day by the given mission's start time.
void SetNightMission(int32_t mission);
// The developer's keys: the mission clock stopped or running again, and the clock set to `ms`.
void ToggleClockFrozen();
void SetMissionClock(int32_t ms);

// Entering state 17: the patient view's music stops, the battle ambience and the overhead music play.
void StartOverheadSounds();

// The battle's frame: dt the frame's clamped time (ms), hud false under the patient view.
using BattleFrame = void (*)(int32_t dt, bool hud);
// The battlefield hands its frame over once at start-up; the two mission states run it.
void RegisterBattleFrame(BattleFrame frame);

// State 17's frame: the start countdown (during which only the battle runs, once the first long frames after
// the load are over; the sounds start and the overlay goes when it ends), then the mission clock, then the
// mission's end (with the radio chatter heard out after a won or timed-out mission) or the explosion's next
// frame and the battle.
void OverheadFrame();
// The patient view's own frame: dt the frame's clamped time (ms).
using PatientViewUpdate = void (*)(int32_t dt);
// State 18's frame: the mission clock runs on (time out when it drops below 0); a mission that ended goes
// back to the overhead view first, else the patient view's update and then the battle.
void PatientViewFrame(PatientViewUpdate update);

}  // namespace kestrine
