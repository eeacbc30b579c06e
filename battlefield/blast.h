// A grenade's blast on the battlefield: enemies near it are knocked out or scatter, vehicles are wrecked,
// the medic dies if he is too close and feels it through the camera if he is not too far.
#pragma once

#include <cstdint>

#include "shell/vector3.h"

namespace kestrine {

// Distances from the blast, in units.
constexpr float kBlastReach = 15.0f;     // enemies nearer than this are hit
constexpr float kBlastKnockOut = 9.0f;   // nearer than this: knocked out (on foot) or wrecked (vehicles)
constexpr float kBlastKillsMedic = 8.0f;
constexpr float kBlastShakeReach = 40.0f;

// Respawn waits (ms); the two knock-down waits shorten by the given amount per difficulty level.
constexpr int32_t kScatterRespawnMs = 15500;
constexpr int32_t kScatterRespawnPerLevelMs = 3000;
constexpr int32_t kKnockOutRespawnMs = 11500;
constexpr int32_t kKnockOutRespawnPerLevelMs = 4000;
constexpr int32_t kWreckRespawnMs = 2000000;

// The blast at `point` of a grenade thrown from `thrower`. Each enemy is measured at its own height (the
// point takes the height of every enemy examined, and the medic is measured against the last one). True
// when an enemy was within reach. The medic's death switches to the KIA screen at once, which may tear
// the mission down: it is the blast's last act.
bool BlastAt(Vector3 point, Vector3 thrower);

}  // namespace kestrine
