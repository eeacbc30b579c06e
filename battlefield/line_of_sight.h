// Whether a straight segment on the battlefield is free: a small box (the probe) is swept along it
// against whatever the collision mask selects. Shooting and the grid builder ask it.
#pragma once

#include "engine/engine.h"
#include "shell/vector3.h"

namespace kestrine {

struct SightProbeState {
  engine::EngineRef<engine::EngineActor> probe;
  bool ready = false;
};
// The probe as it stands, to look at.
const SightProbeState& SightProbe();

// 1 when the segment from `from` to `to` touches nothing in `mask`; 0 when it does, and then `to` is
// the point where the probe stopped. The probe is made (and put on the stage) on the first call of a
// mission.
int LineOfSight(Vector3 from, Vector3& to, int mask);

// The probe's own box: -0.7..0.7 on each axis.
constexpr float kSightProbeHalfExtent = 0.7f;

// The probe's box, -half..half on each axis (the grid builder narrows it for its links).
void SetSightProbeExtent(float half);

// Takes the probe off the stage and lets it go; the next call makes a new one (mission unload).
void ReleaseSightProbe();

}  // namespace kestrine
