// One frame of the battle, in the overhead view and under the patient view alike: every unit's respawn,
// recovery, walk and mini-map dot, the casualties' markers and fate, the mission clock's end and the
// evacuation, the support call's time, one computer unit's shot and orders, and (overhead only) the camera
// and the head-up display.
#pragma once

#include <cstdint>

namespace kestrine {

// dt is the frame's clamped time in ms; hud is false under the patient view. The medic's death during the
// frame ends the mission at once, and the frame returns without touching a unit again.
void MissionFrame(int32_t dt, bool hud);

// The overhead camera over the player's unit, kept inside the current view's pan limits.
void FollowPlayerWithCamera();

}  // namespace kestrine
