// The shell's part of the mission's states: the start of a mission, the two views' sounds, the mission clock,
// the start countdown and the mission's end. The screens of these states belong to the battlefield (start
// and overhead view) and to casualty care (the patient view); they run these around their own work.
#pragma once

#include <cstdint>

namespace kestrine {

// Entering state 16, before the mission loads: the mission's movie (mission 4's for the training missions).
void PlayMissionMovie(int32_t mission);
// Entering state 16, once the mission is loaded: five clamped frames, day or night by the mission's start
// time, the first overhead frame's clock skipped, the mission clock for the casualties and the difficulty,
// the state stored as 17 at once (whatever the mission's screens ask of the state already sees the overhead
// view) and the 500 ms start countdown.
void BeginMissionClocks(int32_t mission, int32_t difficulty);
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
